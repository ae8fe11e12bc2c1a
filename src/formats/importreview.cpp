#include "formats/importreview.h"

#include "formats/interchange.h"
#include "common/plural.h"
#include "store/duplicates.h"
#include "store/fieldlimits.h"

#include <algorithm>

namespace {

// The remarks of a card that do not depend on the target user.
uint32_t OwnRemarks(const CardOfFile &card)
{
    // A card that is no contact says only that: its other remarks would not matter.
    switch (NotContactReason(card)) {
    case NotContact::Group: return kRemarkGroup;
    case NotContact::Empty: return kRemarkEmpty;
    case NotContact::No: break;
    }
    uint32_t remarks = 0;
    // The record as proposed differs from the card's only by a label taken from a phone.
    bool overlong = false;
    if (!card.record.label.isEmpty()) {
        overlong = HasOverlongText(card.record);
    } else {
        CardInsertOptions asProposed;
        asProposed.labelFromPhone = true;
        overlong = HasOverlongText(CardRecord(card, 1, asProposed));
    }
    if (overlong)
        remarks |= kRemarkTooLong;
    if (card.droppedPhones > 0 || card.droppedEmails > 0)
        remarks |= kRemarkTooMany;
    if (card.record.label.isEmpty())
        remarks |= kRemarkNoName;
    if (card.failed)
        remarks |= kRemarkUnreadable;
    if (!card.badGeo.isEmpty())
        remarks |= kRemarkBadGeo;
    return remarks;
}

bool HasPhone(const AgendaRecord &r)
{
    for (const QString &phone : r.phone)
        for (QChar c : phone)
            if (!c.isSpace())
                return true;
    return false;
}

ImportReviewKeys KeysOf(const AgendaRecord &r, const QString &region)
{
    ImportReviewKeys keys;
    keys.phones = DuplicateIndex::KeysOf(r, region);
    keys.label = DuplicateIndex::LabelKeysOf(r.label);
    keys.hasPhone = HasPhone(r);
    return keys;
}

// The records a card is compared with, by the shared duplicate rule: a phone number
// that is the same number makes a duplicate; the same label makes one only where one of
// the two has no phone, and otherwise is a namesake (three people called alike are three
// contacts).
class ReviewIndex
{
public:
    explicit ReviewIndex(int records = 0)
    {
        phones_.ReservePhones(2 * records);
        labels_.ReserveLabels(records);
    }
    bool IsEmpty() const { return labels_.IsEmpty() && phones_.IsEmpty(); }
    void Add(const ImportReviewKeys &r)
    {
        phones_.AddPhones(r.phones);
        labels_.AddLabel(r.label);
        if (!r.hasPhone)
            labelsWithoutPhone_.AddLabel(r.label);
    }
    // kRemarkDuplicate, kRemarkSameName or 0.
    uint32_t Compare(const ImportReviewKeys &card) const
    {
        if (phones_.FindPhones(card.phones).first >= 0)
            return kRemarkDuplicate;
        if ((card.hasPhone ? labelsWithoutPhone_ : labels_).FindLabel(card.label).first >= 0)
            return kRemarkDuplicate;
        return labels_.FindLabel(card.label).first >= 0 ? uint32_t(kRemarkSameName) : 0u;
    }

private:
    DuplicateIndex phones_;
    DuplicateIndex labels_;
    DuplicateIndex labelsWithoutPhone_;
};

// "2 phones", "1 e-mail", in the window's language.
QString Counted(const char *text, int n)
{
    return CountText("InterchangeText", text, n);
}

} // namespace

ImportReview::ImportReview(const Agenda &agenda, std::vector<CardOfFile> cards, uint32_t user,
                           const QString &region, ImportSource source)
    : agenda_(agenda), cards_(std::move(cards)), user_(user), source_(source)
{
    options_.shorten = true;
    options_.labelFromPhone = true;
    options_.phones = PhoneFormat::International;
    options_.region = region;
    remarks_.resize(cards_.size());
    checked_.resize(cards_.size());
    sameNameInList_.resize(cards_.size());
    sameNameEarlier_.resize(cards_.size());
    keys_.resize(cards_.size());
    for (size_t i = 0; i < cards_.size(); ++i) {
        remarks_[i] = OwnRemarks(cards_[i]);
        keys_[i] = KeysOf(cards_[i].record, region);
    }
    MarkRepeated();
    MarkDuplicates();
    for (size_t i = 0; i < cards_.size(); ++i)
        checked_[i] = !(remarks_[i] & kRemarksUnchecked);
    checkedCount_ = int(std::count(checked_.begin(), checked_.end(), 1));
}

void ImportReview::MarkDuplicates()
{
    ReviewIndex index;
    for (int slot = 0; slot < agenda_.slotCount; ++slot) {
        const AgendaRecord *r = agenda_.RecordAt(slot);
        if (r && r->owner == user_)
            index.Add(KeysOf(*r, options_.region));
    }
    for (size_t i = 0; i < cards_.size(); ++i) {
        sameNameInList_[i] = 0;
        remarks_[i] &= ~uint32_t(kRemarkDuplicate);
        // A user without contacts: nothing to find.
        const uint32_t found = index.IsEmpty() ? 0u : index.Compare(keys_[i]);
        if (found == kRemarkDuplicate)
            remarks_[i] |= kRemarkDuplicate;
        sameNameInList_[i] = found == kRemarkSameName;
    }
    UpdateSameName();
}

void ImportReview::MarkRepeated()
{
    // A phone's export often holds one person twice (merged accounts, a SIM copy): only
    // the first of them starts checked.
    ReviewIndex earlier(int(cards_.size()));
    for (size_t i = 0; i < cards_.size(); ++i) {
        if (remarks_[i] & (kRemarkGroup | kRemarkEmpty | kRemarkUnreadable))
            continue;
        const uint32_t found = earlier.Compare(keys_[i]);
        if (found == kRemarkDuplicate)
            remarks_[i] |= kRemarkRepeated;
        sameNameEarlier_[i] = found == kRemarkSameName;
        earlier.Add(keys_[i]);
    }
}

void ImportReview::UpdateSameName()
{
    for (size_t i = 0; i < cards_.size(); ++i) {
        const bool same = (sameNameInList_[i] || sameNameEarlier_[i]) && !(remarks_[i] & (kRemarkDuplicate | kRemarkRepeated));
        remarks_[i] = same ? remarks_[i] | kRemarkSameName : remarks_[i] & ~uint32_t(kRemarkSameName);
    }
}

void ImportReview::SetUser(uint32_t user)
{
    if (user == user_)
        return;
    user_ = user;
    const std::vector<uint32_t> before = remarks_;
    MarkDuplicates();
    for (size_t i = 0; i < cards_.size(); ++i)
        if ((before[i] ^ remarks_[i]) & kRemarkDuplicate)
            SetChecked(int(i), !(remarks_[i] & kRemarksUnchecked));
}

QString ImportReview::CardPhone(int row) const
{
    for (const QString &phone : Card(row).record.phone)
        if (!phone.isEmpty())
            return phone;
    return QString();
}

QString ImportReview::Phone(int row) const
{
    return TidyPhone(CardPhone(row), options_.region, options_.phones).text;
}

void ImportReview::SetChecked(int row, bool on)
{
    char &c = checked_[size_t(row)];
    if (bool(c) == on)
        return;
    c = on;
    checkedCount_ += on ? 1 : -1;
}

void ImportReview::SetChecked(const QList<int> &rows, bool on)
{
    for (int row : rows)
        SetChecked(row, on);
}

int ImportReview::FreePlaces() const
{
    return agenda_.slotCount - agenda_.usedCount;
}

QString ImportReview::CountsText() const
{
    const bool rows = source_ != ImportSource::VCard;
    return InterchangeText::Tr(InterchangeText::kReviewCounts)
        .arg(Counted(rows ? InterchangeText::kReviewRows : InterchangeText::kReviewCards, Count()),
             QString::number(CheckedCount()), Counted(InterchangeText::kReviewFreePlaces, FreePlaces()));
}

QString ImportReview::RemarkName(ImportRemark remark, ImportSource source)
{
    const bool rows = source != ImportSource::VCard;
    switch (remark) {
    case kRemarkDuplicate: return InterchangeText::Tr(InterchangeText::kRemarkDuplicate);
    case kRemarkTooLong: return InterchangeText::Tr(InterchangeText::kRemarkTooLong);
    case kRemarkTooMany: return InterchangeText::Tr(InterchangeText::kRemarkTooMany);
    case kRemarkNoName: return InterchangeText::Tr(InterchangeText::kRemarkNoName);
    case kRemarkUnreadable: return InterchangeText::Tr(InterchangeText::kRemarkUnreadable);
    case kRemarkGroup: return InterchangeText::Tr(InterchangeText::kRemarkGroup);
    case kRemarkEmpty: return InterchangeText::Tr(rows ? InterchangeText::kRemarkEmptyRow : InterchangeText::kRemarkEmpty);
    case kRemarkRepeated:
        return InterchangeText::Tr(rows ? InterchangeText::kRemarkRepeatedRow : InterchangeText::kRemarkRepeated);
    case kRemarkBadGeo: return InterchangeText::Tr(InterchangeText::kRemarkBadGeo);
    case kRemarkSameName: return InterchangeText::Tr(InterchangeText::kRemarkSameName);
    }
    return QString();
}

QString ImportReview::AllRowsName(ImportSource source)
{
    return InterchangeText::Tr(source != ImportSource::VCard ? InterchangeText::kReviewAllRows : InterchangeText::kReviewAllCards);
}

QString ImportReview::RemarksText(int row) const
{
    const uint32_t remarks = Remarks(row);
    QStringList parts;
    for (int bit = 0; bit < kRemarkCount; ++bit) {
        const auto remark = ImportRemark(1u << bit);
        if (!(remarks & remark))
            continue;
        QString text = RemarkName(remark, source_);
        if (remark == kRemarkTooMany) {
            const CardOfFile &c = Card(row);
            QStringList dropped;
            if (c.droppedPhones > 0)
                dropped << Counted(InterchangeText::kDroppedPhones, c.droppedPhones);
            if (c.droppedEmails > 0)
                dropped << Counted(InterchangeText::kDroppedEmails, c.droppedEmails);
            if (dropped.size() == 2)
                text = InterchangeText::Tr(InterchangeText::kRemarkTooManyBothDropped).arg(dropped[0], dropped[1]);
            else if (dropped.size() == 1)
                text = InterchangeText::Tr(InterchangeText::kRemarkTooManyDropped).arg(dropped[0]);
        }
        if (remark == kRemarkBadGeo)
            text = InterchangeText::Tr(InterchangeText::kRemarkBadGeoValue).arg(Card(row).badGeo);
        parts << text;
    }
    return parts.join(QStringLiteral("; "));
}

QList<int> ImportReview::RowsWith(uint32_t remark) const
{
    QList<int> rows;
    for (int i = 0; i < Count(); ++i)
        if (remark == 0 || (remarks_[size_t(i)] & remark))
            rows.append(i);
    return rows;
}

std::vector<CardOfFile> ImportReview::ChosenCards() const
{
    std::vector<CardOfFile> chosen;
    chosen.reserve(size_t(checkedCount_));
    for (size_t i = 0; i < cards_.size(); ++i)
        if (checked_[i])
            chosen.push_back(cards_[i]);
    return chosen;
}
