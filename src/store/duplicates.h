#pragma once

#include <QHash>
#include <QString>

#include <array>

#include "store/agenda.h"
#include "store/phonenumber.h"

// The rule by which two contacts of one user look like the same person; used by the
// import review (and so by kestravon-cli's --skip-duplicates) and by the phonebook check.

// The label as compared for duplicates: case folded; empty for an empty label.
QString LabelKey(const QString &label);
// The key of a label longer than the unit accepts, as an insert that shortens texts
// stores it (cut to the limit); empty for a label that fits.
QString CutLabelKey(const QString &label);

// Whether two labels are the same: equal ignoring case, also when one of them is the other
// cut to the unit's limit (a contact inserted before with its name shortened). Two empty
// labels are not the same.
bool SameLabel(const QString &a, const QString &b);

// Whether two records look like duplicates: the same label, or a phone number of one that
// is the same number as a phone number of the other (ComparePhones gives Same, both read
// with the default region `region`).
bool LooksLikeDuplicate(const AgendaRecord &a, const AgendaRecord &b, const QString &region);

// What a record matched among those added to a DuplicateIndex.
struct DuplicateMatch
{
    int first = -1;  // the smallest id of a matching record; -1 for none
    int phone = -1;  // the record's phone (0-based) that matched it; -1 for the label
};

// The labels and phone numbers of many records as keys, so that a great number of
// candidates is checked against them by the rule above in a few hash look-ups each.
class DuplicateIndex
{
public:
    // The PhoneMatchKey of each phone of a record. Reading a number is the dear part of a
    // look-up: a caller that compares one record more than once computes these once.
    using PhoneKeys = std::array<QString, kPhoneCount>;
    static PhoneKeys KeysOf(const AgendaRecord &record, const QString &region);

    // Phone numbers are read with the default region `region` (may be empty).
    explicit DuplicateIndex(const QString &region = QString()) : region_(region) {}
    // Adds a record under an id (e.g. its slot); a key keeps the first id added with it.
    void Add(const AgendaRecord &record, int id = 0) { Add(record, KeysOf(record, region_), id); }
    void Add(const AgendaRecord &record, const PhoneKeys &phoneKeys, int id);
    // The earliest record added that the record looks like a duplicate of; on a tie the
    // label is named rather than a phone.
    DuplicateMatch Find(const AgendaRecord &record) const { return Find(record, KeysOf(record, region_)); }
    DuplicateMatch Find(const AgendaRecord &record, const PhoneKeys &phoneKeys) const;
    bool Matches(const AgendaRecord &record) const { return Find(record).first >= 0; }
    // Find, then Add: what a single pass over records in order does.
    DuplicateMatch FindThenAdd(const AgendaRecord &record, int id = 0);

    // The two halves of the rule apart: labels only, phone keys only. A label comes as its
    // LabelKey and CutLabelKey, computed once by a caller that looks one up more than once.
    struct LabelKeys
    {
        QString key;  // LabelKey; empty for no label
        QString cut;  // CutLabelKey
    };
    static LabelKeys LabelKeysOf(const QString &label) { return {LabelKey(label), CutLabelKey(label)}; }
    void AddLabel(const LabelKeys &label, int id = 0);
    void AddPhones(const PhoneKeys &phoneKeys, int id = 0);
    DuplicateMatch FindLabel(const LabelKeys &label) const;
    DuplicateMatch FindPhones(const PhoneKeys &phoneKeys) const;
    // Room for this many labels or numbers without growing.
    void ReserveLabels(int count) { labels_.reserve(count); }
    void ReservePhones(int count) { phones_.reserve(count); }
    bool IsEmpty() const { return labels_.isEmpty() && phones_.isEmpty(); }

private:
    QHash<QString, int> labels_;     // LabelKey of every label
    QHash<QString, int> cutLabels_;  // CutLabelKey of the labels too long for the unit
    QHash<QString, int> phones_;     // PhoneMatchKey of every phone
    QString region_;
};

// Numbers by calling code and national number, whole and by every ending, so that the
// numbers possibly the same as one (ComparePhones gives Possibly: the same calling code, one
// national number ending the other) are found in a few look-ups instead of by comparing all
// pairs. Numbers are kept per group (a user) under ids (slots), given by their PhoneMatchKey.
class ShortFormIndex
{
public:
    void Add(uint32_t group, const QString &matchKey, int id);
    // The smallest id of `group`, other than `except`, with a number possibly the same as
    // (or the same as) the number of `matchKey`; -1 when there is none.
    int Find(uint32_t group, const QString &matchKey, int except = -1) const;

private:
    static QString Key(uint32_t group, int callingCode, QStringView national);

    QHash<QString, QList<int>> wholes_;   // group + calling code + national number -> ids, ascending
    QHash<QString, QList<int>> endings_;  // the same by every ending of the national number
};

// The contacts' phone numbers of one phonebook by number: which other contact of the same
// user holds a number (the editors say "same number as record 12" while the user types).
// Built once over the phonebook as it stands; each look-up reads one number.
class PhoneHolders
{
public:
    PhoneHolders(const Agenda &agenda, const QString &region);
    // The slot of the first contact of user `owner`, other than `slot`, that holds the same
    // number as `phone` (ComparePhones gives Same); -1 when there is none.
    int OtherHolder(const QString &phone, int slot, uint32_t owner) const;
    // The slot of the first contact of user `owner`, other than `slot`, that holds a number
    // possibly the same as `phone` (ComparePhones gives Possibly: the same calling code, one
    // national number ending the other); -1 when there is none or when OtherHolder names one.
    int PossibleHolder(const QString &phone, int slot, uint32_t owner) const;

private:
    static QString Key(uint32_t owner, const QString &phoneKey);

    QHash<QString, QList<int>> slots_;  // owner + PhoneMatchKey -> the contacts' slots, ascending
    ShortFormIndex shortForms_;         // by owner
    QString region_;
};
