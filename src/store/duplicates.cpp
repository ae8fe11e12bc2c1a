#include "store/duplicates.h"

#include "store/agenda.h"

QString PhoneDigits(const QString &phone)
{
    QString digits;
    digits.reserve(phone.size());
    for (QChar c : phone)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    return digits;
}

QString PhoneKey(const QString &phone)
{
    const QString digits = PhoneDigits(phone);
    return digits.size() >= 9 ? digits.right(9) : digits;
}

bool SamePhoneNumber(const QString &a, const QString &b)
{
    const QString ka = PhoneKey(a);
    return !ka.isEmpty() && ka == PhoneKey(b);
}

QString LabelKey(const QString &label)
{
    return label.toCaseFolded();
}

bool LooksLikeDuplicate(const AgendaRecord &a, const AgendaRecord &b)
{
    if (!a.label.isEmpty() && LabelKey(a.label) == LabelKey(b.label))
        return true;
    for (const QString &pa : a.phone)
        for (const QString &pb : b.phone)
            if (SamePhoneNumber(pa, pb))
                return true;
    return false;
}

void DuplicateIndex::Add(const AgendaRecord &record)
{
    if (!record.label.isEmpty())
        labels_.insert(LabelKey(record.label));
    for (const QString &phone : record.phone) {
        const QString key = PhoneKey(phone);
        if (!key.isEmpty())
            phones_.insert(key);
    }
}

bool DuplicateIndex::Matches(const AgendaRecord &record) const
{
    if (!record.label.isEmpty() && labels_.contains(LabelKey(record.label)))
        return true;
    for (const QString &phone : record.phone) {
        const QString key = PhoneKey(phone);
        if (!key.isEmpty() && phones_.contains(key))
            return true;
    }
    return false;
}
