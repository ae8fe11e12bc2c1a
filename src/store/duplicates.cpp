#include "store/duplicates.h"

#include "store/agenda.h"
#include "store/fieldlimits.h"

QString LabelKey(const QString &label)
{
    return label.toCaseFolded();
}

QString CutLabelKey(const QString &label)
{
    // Cut before folding: the insert cuts the text as it stands, and folding may change
    // its length ("ß" becomes "ss").
    return label.size() > FieldMax::label ? LabelKey(ShortenText(label, FieldMax::label)) : QString();
}

bool SameLabel(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString ka = LabelKey(a);
    const QString kb = LabelKey(b);
    return ka == kb || CutLabelKey(a) == kb || ka == CutLabelKey(b);
}

bool LooksLikeDuplicate(const AgendaRecord &a, const AgendaRecord &b, const QString &region)
{
    if (SameLabel(a.label, b.label))
        return true;
    for (const QString &pa : a.phone)
        for (const QString &pb : b.phone)
            if (ComparePhones(pa, pb, region) == PhoneMatch::Same)
                return true;
    return false;
}

namespace {

void KeepFirst(QHash<QString, int> &keys, const QString &key, int id)
{
    if (!key.isEmpty() && !keys.contains(key))
        keys.insert(key, id);
}

} // namespace

DuplicateIndex::PhoneKeys DuplicateIndex::KeysOf(const AgendaRecord &record) const
{
    PhoneKeys keys;
    for (int k = 0; k < kPhoneCount; ++k)
        keys[size_t(k)] = PhoneMatchKey(record.phone[size_t(k)], region_);
    return keys;
}

void DuplicateIndex::Add(const AgendaRecord &record, int id)
{
    Add(record, KeysOf(record), id);
}

DuplicateMatch DuplicateIndex::Find(const AgendaRecord &record) const
{
    return Find(record, KeysOf(record));
}

DuplicateMatch DuplicateIndex::FindThenAdd(const AgendaRecord &record, int id)
{
    // Reading a number is the dear part: each is read once for both steps.
    const PhoneKeys keys = KeysOf(record);
    const DuplicateMatch match = Find(record, keys);
    Add(record, keys, id);
    return match;
}

void DuplicateIndex::Add(const AgendaRecord &record, const PhoneKeys &phoneKeys, int id)
{
    if (!record.label.isEmpty()) {
        KeepFirst(labels_, LabelKey(record.label), id);
        KeepFirst(cutLabels_, CutLabelKey(record.label), id);
    }
    for (const QString &key : phoneKeys)
        KeepFirst(phones_, key, id);
}

DuplicateMatch DuplicateIndex::Find(const AgendaRecord &record, const PhoneKeys &phoneKeys) const
{
    DuplicateMatch match;
    const auto consider = [&match](const QHash<QString, int> &keys, const QString &key, int phone) {
        if (key.isEmpty())
            return;
        const auto it = keys.constFind(key);
        if (it != keys.cend() && (match.first < 0 || it.value() < match.first)) {
            match.first = it.value();
            match.phone = phone;
        }
    };
    if (!record.label.isEmpty()) {
        // The same label, either one cut to the unit's limit (SameLabel).
        const QString key = LabelKey(record.label);
        consider(labels_, key, -1);
        consider(labels_, CutLabelKey(record.label), -1);
        consider(cutLabels_, key, -1);
    }
    for (int k = 0; k < kPhoneCount; ++k)
        consider(phones_, phoneKeys[size_t(k)], k);
    return match;
}

PhoneHolders::PhoneHolders(const Agenda &agenda, const QString &region) : region_(region)
{
    // Contacts only: a user's own slot holds the user's number, not a contact's.
    for (int slot = agenda.userCount; slot < agenda.slotCount; ++slot) {
        const AgendaRecord *r = agenda.RecordAt(slot);
        if (!r)
            continue;
        for (const QString &phone : r->phone) {
            const QString key = PhoneMatchKey(phone, region_);
            if (key.isEmpty())
                continue;
            QList<int> &holders = slots_[Key(r->owner, key)];
            if (holders.isEmpty() || holders.last() != slot)
                holders.append(slot);
        }
    }
}

QString PhoneHolders::Key(uint32_t owner, const QString &phoneKey)
{
    return QString::number(owner) + QLatin1Char(':') + phoneKey;
}

int PhoneHolders::OtherHolder(const QString &phone, int slot, uint32_t owner) const
{
    const QString key = PhoneMatchKey(phone, region_);
    if (key.isEmpty())
        return -1;
    const auto it = slots_.constFind(Key(owner, key));
    if (it == slots_.cend())
        return -1;
    for (int holder : it.value())
        if (holder != slot)
            return holder;
    return -1;
}
