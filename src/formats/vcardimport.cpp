#include "formats/vcardimport.h"

#include "store/phonebook.h"
#include "store/phonetidy.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "common/safefile.h"
#include "formats/interchange.h"
#include "formats/vcard.h"
#include "formats/vcardreader.h"
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

CardFileReader::CardFileReader(const QString &path, Prompter &prompter, qsizetype piece)
    : path_(path), reader_(path, prompter, piece)
{
}

CardFileReader::~CardFileReader() = default;

bool CardFileReader::Next(CardOfFile &c)
{
    if (done_)
        return false;
    c = CardOfFile();
    c.path = path_;
    c.number = read_ + 1;
    if (reader_.NextCard(items_, true)) {
        const VCardMapResult mapped = MapCard(items_, c.record);
        c.failed = !mapped.ok;
        c.droppedPhones = mapped.droppedPhones;
        c.droppedEmails = mapped.droppedEmails;
        c.group = mapped.group;
        c.badGeo = mapped.badGeo;
        // A card without END is the file's last: the reader is at its end and knows why.
        if (c.failed)
            c.reason = reader_.Reason();
        ++read_;
        return true;
    }
    done_ = true;
    if (read_ > 0)
        return false;
    // A file that cannot be read, or holds no property this reader knows, gives one card
    // that failed.
    c.failed = true;
    c.reason = reader_.Reason();
    read_ = 1;
    return true;
}

qint64 CardFileReader::EstimatedCards() const
{
    // Cards differ in size (a photo, a long note): the first 64 KiB show the mean.
    const qint64 consumed = reader_.Consumed();
    if (done_ || consumed < 64 * 1024)
        return read_;
    return qMax<qint64>(read_, qint64(double(read_) * double(reader_.Total()) / double(consumed)));
}

std::vector<CardOfFile> ReadCardFiles(const QStringList &paths, Prompter &prompter, qsizetype piece)
{
    // The cards go straight into the vector. When it is full, room is made for the
    // cards the file is estimated to hold, an eighth more, so that the cards of a large
    // export are moved a few times (a few thousand cards in all) rather than at every
    // doubling; each file gives a card at least. The room grows 16-fold at most: a file
    // whose first cards are small and the rest large does not reserve far more than
    // the cards read take.
    std::vector<CardOfFile> cards;
    cards.reserve(size_t(paths.size()));
    for (qsizetype i = 0; i < paths.size(); ++i) {
        CardFileReader file(paths.at(i), prompter, piece);
        const size_t first = cards.size();
        for (;;) {
            if (cards.size() == cards.capacity()) {
                const size_t size = cards.size();
                const size_t estimate = first + size_t(file.EstimatedCards() * 9 / 8) + size_t(paths.size() - i);
                cards.reserve(std::max({std::min(estimate, 16 * size), size + size / 2, size + 8}));
            }
            cards.emplace_back();
            if (!file.Next(cards.back())) {
                cards.pop_back();
                break;
            }
        }
        for (size_t k = first; k < cards.size(); ++k)
            cards[k].fileCards = int(cards.size() - first);
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
