#pragma once

#include "store/phonenumber.h"

#include <QList>
#include <QString>

class Agenda;
struct AgendaRecord;

// "Tidy phone numbers": the numbers of chosen records rewritten in one form, first as a
// preview of what would change and why the rest cannot, then applied as the user ticks.

struct PhoneTidyRow
{
    int slot = 0;    // 0-based; the record number is slot + 1
    int phone = 0;   // 0-based phone of the record
    QString before;  // the number as stored
    QString after;   // the new form; empty for a number that is kept
    QString reason;  // why the number is kept; empty for a change
    bool Changes() const { return reason.isEmpty(); }
};

// One row per number of the records (in the order given, phones in order) that the
// format changes, and one per number that cannot be rewritten, with its reason. Empty
// numbers and numbers already in the form give no row.
QList<PhoneTidyRow> PlanPhoneTidy(const Agenda &agenda, const QList<int> &slots, const QString &region,
                                  PhoneFormat format);

// Writes the `after` of the given change rows into the records (StoreRecord, which marks
// the phonebook modified); rows that keep their number are passed over. Returns the
// number of phones changed.
int ApplyPhoneTidy(Agenda &agenda, const QList<PhoneTidyRow> &rows);

// A row as one line: `record 5: phone 1 "089 1234567" -> "+49 89 1234567"` or
// `record 5: phone 2 "112" kept: is not a valid number for DE`.
QString PhoneTidyLine(const PhoneTidyRow &row);

// Every phone of a record in `format` (the import's normalising); numbers that cannot be
// rewritten stay as they are. Returns how many changed.
int TidyRecordPhones(AgendaRecord &record, const QString &region, PhoneFormat format);
