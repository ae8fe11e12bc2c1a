#include "formats/vcardimport.h"

#include "store/phonebook.h"
#include "store/phonetidy.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "common/safefile.h"
#include "formats/interchange.h"
#include "formats/vcard.h"
#include "store/fieldlimits.h"

#include <algorithm>

namespace {

// Whether the record holds anything a card can give it.
bool HoldsNothing(const AgendaRecord &r)
{
    const auto empty = [](const auto &texts) {
        return std::all_of(texts.begin(), texts.end(), [](const QString &t) { return t.isEmpty(); });
    };
    return r.label.isEmpty() && empty(r.phone) && empty(r.email) && r.street.isEmpty() && r.numb.isEmpty()
           && r.zip.isEmpty() && r.city.isEmpty() && r.country.isEmpty() && r.note.isEmpty()
           && !(r.nav.navFlags & kNavGps);
}

} // namespace

std::vector<CardOfFile> ReadCardFiles(const QStringList &paths, Prompter &prompter)
{
    std::vector<CardOfFile> cards;
    for (const QString &path : paths) {
        VCard items;
        QByteArray bytes;
        QString reason;
        if (ReadInputFile(path, bytes, &reason) && !items.ReadVcfBytes(bytes, path, prompter))
            reason = items.Reason();  // also for a last card without END: mapped below
        const size_t first = cards.size();
        VCard card;
        while (items.TakeCard(card)) {
            CardOfFile c;
            c.path = path;
            c.number = int(cards.size() - first) + 1;
            const VCardMapResult mapped = MapCard(card, c.record);
            c.failed = !mapped.ok;
            c.droppedPhones = mapped.droppedPhones;
            c.droppedEmails = mapped.droppedEmails;
            c.group = mapped.group;
            c.badGeo = mapped.badGeo;
            if (c.failed)
                c.reason = reason;
            cards.push_back(std::move(c));
        }
        if (cards.size() == first) {
            CardOfFile c;
            c.path = path;
            c.failed = true;
            c.reason = reason;
            cards.push_back(std::move(c));
        }
        for (size_t i = first; i < cards.size(); ++i)
            cards[i].fileCards = int(cards.size() - first);
    }
    return cards;
}

NotContact NotContactReason(const CardOfFile &card)
{
    if (card.failed || card.fileCards == 1)
        return NotContact::No;
    if (card.group)
        return NotContact::Group;
    return HoldsNothing(card.record) ? NotContact::Empty : NotContact::No;
}

int RemoveNotContacts(std::vector<CardOfFile> &cards)
{
    const auto from = std::remove_if(cards.begin(), cards.end(),
                                     [](const CardOfFile &c) { return NotContactReason(c) != NotContact::No; });
    const int removed = int(cards.end() - from);
    cards.erase(from, cards.end());
    return removed;
}

QString CardLabel(const CardOfFile &card, const CardInsertOptions &options)
{
    QString label = card.record.label;
    if (label.isEmpty() && options.labelFromPhone) {
        for (const QString &phone : card.record.phone) {
            if (!phone.isEmpty()) {
                label = phone;
                break;
            }
        }
    }
    return options.shorten ? ShortenText(label, FieldMax::label) : label;
}

AgendaRecord CardRecord(const CardOfFile &card, uint32_t user, const CardInsertOptions &options)
{
    AgendaRecord r = card.record;
    r.owner = user;
    r.label = CardLabel(card, options);
    TidyRecordPhones(r, options.region, options.phones);
    if (options.shorten)
        ShortenTexts(r);
    return r;
}

QString FailedCardMessage(const CardOfFile &card)
{
    const QString path = MarkupEscape(MessagePath(card.path));
    if (card.fileCards > 1)
        return InterchangeText::Tr(InterchangeText::kErrorImportingCard).arg(path, QString::number(card.number));
    return InterchangeText::Tr(InterchangeText::kErrorImporting).arg(path);
}

bool ReportFailedCard(const CardOfFile &card, Prompter &prompter)
{
    return prompter.OkCancelDetail(FailedCardMessage(card), card.reason);
}

CardInsertResult InsertCards(Phonebook &book, uint32_t user, const std::vector<CardOfFile> &cards,
                             const CardInsertOptions &options, Prompter &prompter,
                             const std::function<void(int)> &inserted)
{
    CardInsertResult result;
    for (size_t i = 0; i < cards.size(); ++i) {
        const CardOfFile &card = cards[i];
        if (card.failed) {
            ++result.failed;
            if (!card.reported && !ReportFailedCard(card, prompter)) {
                result.cancelled = true;
                break;
            }
            if (!KeepsEmptyRecord(card))
                continue;
        }
        const BookResult added = book.InsertRecord(CardRecord(card, user, options));
        const int slot = added.slot;
        if (!added) {
            prompter.Information(BookText::noMoreSpace());
            result.noRoom = int(cards.size() - i) - (card.failed ? 1 : 0);
            break;
        }
        if (!card.failed)
            ++result.inserted;
        if (inserted)
            inserted(slot);
    }
    return result;
}
