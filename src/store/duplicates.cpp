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

void DuplicateIndex::Add(const AgendaRecord &record, int id)
{
    if (!record.label.isEmpty()) {
        KeepFirst(labels_, LabelKey(record.label), id);
        KeepFirst(cutLabels_, CutLabelKey(record.label), id);
    }
    for (const QString &phone : record.phone)
        KeepFirst(phones_, PhoneMatchKey(phone, region_), id);
}

DuplicateMatch DuplicateIndex::Find(const AgendaRecord &record) const
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
        consider(phones_, PhoneMatchKey(record.phone[size_t(k)], region_), k);
    return match;
}
