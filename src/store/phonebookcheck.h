#pragma once

#include <QList>
#include <QString>

#include <cstdint>

class Agenda;

// The phonebook check: what in a loaded phonebook the head unit would refuse, lose or show
// oddly, listed per record. No widgets; the window's report and `kestravon-cli check` show
// the same findings.

struct CheckFinding
{
    enum class Kind {
        TooLong,         // a text longer than the unit's limit for its field
        ForeignOwner,    // the owner is not one of the phonebook's users
        Duplicate,       // looks like an earlier record of the same user
        Undialable,      // a phone number holds characters a phone cannot dial
        InvalidNumber,   // a phone number that is no valid number of its region
        NoRegion,        // a number in national form while no region is known: will not dial abroad
        GpsOutOfRange,   // GPS bit set, latitude beyond ±90 or longitude beyond ±180
        NoLabel,         // no label (but a phone or an e-mail)
        Empty,           // no label, no phone and no e-mail at all
    };

    Kind kind;
    int slot;        // 0-based; the record number is slot + 1
    uint32_t owner;  // the record's owner as stored
    QString field;   // "label", "phone 2", "owner", "GPS", ... ; the field named in `what`
    QString what;    // e.g. "label is 33 characters, the unit allows 30"
};

// Every finding of a phonebook, in slot order and, within a record, in the order of the
// kinds above. Texts are checked against the limits of the record-field table, as the
// load's length question is. Duplicates follow the import review's rule
// (LooksLikeDuplicate) among the contacts of one user (user slots are not contacts); each
// record names the first earlier record it matches, so a group of n look-alikes gives
// n - 1 findings. Phone numbers are read with the default region `region` (empty: none
// known); the numbers of contacts that are no valid number, or that have no country code
// while no region is known, are findings. Runs in linear time.
QList<CheckFinding> CheckPhonebook(const Agenda &agenda, const QString &region);

// The finding as one line: "record 37: " + what.
QString FindingLine(const CheckFinding &finding);

// Whether every character of a phone number can be dialled: digits, "+", "*", "#", and the
// separators space, "-", ".", "/", "(" and ")".
bool IsDialable(const QString &phone);
