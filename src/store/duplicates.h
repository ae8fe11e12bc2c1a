#pragma once

#include <QSet>
#include <QString>

struct AgendaRecord;

// The rule by which two contacts of one user look like the same person; used by the
// import review and by the phonebook check.

// The digits of a phone number, everything else dropped.
QString PhoneDigits(const QString &phone);

// A key under which two phone numbers compare equal exactly when they are the same number:
// the last nine digits when there are at least nine (so a country prefix that one number
// carries and the other lacks does not matter), all digits otherwise. Empty when the
// number holds no digit; an empty key matches nothing.
QString PhoneKey(const QString &phone);

// Whether two phone numbers are the same by the rule above.
bool SamePhoneNumber(const QString &a, const QString &b);

// The label as compared for duplicates: case folded; empty for an empty label.
QString LabelKey(const QString &label);

// Whether two records look like duplicates: the same non-empty label ignoring case, or a
// phone number of one that is the same number as a phone number of the other.
bool LooksLikeDuplicate(const AgendaRecord &a, const AgendaRecord &b);

// The labels and phone numbers of many records as keys, so that a great number of
// candidates is checked against them by the rule above in one hash look-up per key.
class DuplicateIndex
{
public:
    void Add(const AgendaRecord &record);
    // Whether the record looks like a duplicate of any record added.
    bool Matches(const AgendaRecord &record) const;

private:
    QSet<QString> labels_;
    QSet<QString> phones_;
};
