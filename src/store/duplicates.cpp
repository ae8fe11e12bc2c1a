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
    if (key.isEmpty())
        return;
    // One look-up: a new entry is what makes the table grow.
    const qsizetype before = keys.size();
    int &value = keys[key];
    if (keys.size() != before)
        value = id;
}

} // namespace

DuplicateIndex::PhoneKeys DuplicateIndex::KeysOf(const AgendaRecord &record, const QString &region)
{
    PhoneKeys keys;
    for (int k = 0; k < kPhoneCount; ++k)
        keys[size_t(k)] = PhoneMatchKey(record.phone[size_t(k)], region);
    return keys;
}

DuplicateMatch DuplicateIndex::FindThenAdd(const AgendaRecord &record, int id)
{
    // Each number is read once for both steps.
    const PhoneKeys keys = KeysOf(record, region_);
    const DuplicateMatch match = Find(record, keys);
    Add(record, keys, id);
    return match;
}

void DuplicateIndex::Add(const AgendaRecord &record, const PhoneKeys &phoneKeys, int id)
{
    if (!record.label.isEmpty())
        AddLabel(LabelKeysOf(record.label), id);
    AddPhones(phoneKeys, id);
}

void DuplicateIndex::AddLabel(const LabelKeys &label, int id)
{
    KeepFirst(labels_, label.key, id);
    KeepFirst(cutLabels_, label.cut, id);
}

void DuplicateIndex::AddPhones(const PhoneKeys &phoneKeys, int id)
{
    for (const QString &key : phoneKeys)
        KeepFirst(phones_, key, id);
}

namespace {

// Takes the look-up of `key` in `keys` when it names an earlier record than `match` does.
void Consider(DuplicateMatch &match, const QHash<QString, int> &keys, const QString &key, int phone)
{
    if (key.isEmpty())
        return;
    const auto it = keys.constFind(key);
    if (it != keys.cend() && (match.first < 0 || it.value() < match.first)) {
        match.first = it.value();
        match.phone = phone;
    }
}

} // namespace

DuplicateMatch DuplicateIndex::FindLabel(const LabelKeys &label) const
{
    DuplicateMatch match;
    if (label.key.isEmpty() || labels_.isEmpty())
        return match;
    // The same label, either one cut to the unit's limit (SameLabel).
    Consider(match, labels_, label.key, -1);
    Consider(match, labels_, label.cut, -1);
    Consider(match, cutLabels_, label.key, -1);
    return match;
}

DuplicateMatch DuplicateIndex::FindPhones(const PhoneKeys &phoneKeys) const
{
    DuplicateMatch match;
    if (phones_.isEmpty())
        return match;
    for (int k = 0; k < kPhoneCount; ++k)
        Consider(match, phones_, phoneKeys[size_t(k)], k);
    return match;
}

DuplicateMatch DuplicateIndex::Find(const AgendaRecord &record, const PhoneKeys &phoneKeys) const
{
    const DuplicateMatch label = record.label.isEmpty() ? DuplicateMatch() : FindLabel(LabelKeysOf(record.label));
    const DuplicateMatch phone = FindPhones(phoneKeys);
    if (phone.first >= 0 && (label.first < 0 || phone.first < label.first))
        return phone;
    return label;
}

namespace {

void AddId(QList<int> &ids, int id)
{
    if (ids.isEmpty() || ids.last() != id)
        ids.append(id);
}

} // namespace

QString ShortFormIndex::Key(uint32_t group, int callingCode, QStringView national)
{
    QString key = QString::number(group) + QLatin1Char(':') + QString::number(callingCode) + QLatin1Char(':');
    key.append(national);
    return key;
}

void ShortFormIndex::Add(uint32_t group, const QString &matchKey, int id)
{
    int code = 0;
    QString national;
    if (!PhoneKeyParts(matchKey, &code, &national))
        return;
    AddId(wholes_[Key(group, code, national)], id);
    for (qsizetype i = 0; i < national.size(); ++i)
        AddId(endings_[Key(group, code, QStringView(national).mid(i))], id);
}

int ShortFormIndex::Find(uint32_t group, const QString &matchKey, int except) const
{
    int code = 0;
    QString national;
    if (!PhoneKeyParts(matchKey, &code, &national))
        return -1;
    int first = -1;
    const auto consider = [&](const QHash<QString, QList<int>> &map, QStringView part) {
        const auto it = map.constFind(Key(group, code, part));
        if (it == map.cend())
            return;
        for (int id : it.value())
            if (id != except) {
                if (first < 0 || id < first)
                    first = id;
                return;
            }
    };
    // A number that ends with this one, or one that this one ends with.
    consider(endings_, national);
    for (qsizetype i = 1; i < national.size(); ++i)
        consider(wholes_, QStringView(national).mid(i));
    return first;
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
            AddId(slots_[Key(r->owner, key)], slot);
            shortForms_.Add(r->owner, key, slot);
        }
    }
}

int PhoneHolders::PossibleHolder(const QString &phone, int slot, uint32_t owner) const
{
    if (OtherHolder(phone, slot, owner) >= 0)
        return -1;
    return shortForms_.Find(owner, PhoneMatchKey(phone, region_), slot);
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
