#pragma once

#include "store/agenda.h"
#include "store/fields.h"

#include <QString>

#include <bitset>

class Phonebook;
class Prompter;

// The one way a user's edit of a record is stored, for the in-place edit of the lists and
// the record editor alike: the typed texts are checked against the field table, the two
// "clear derived data?" questions are asked, the address is upper-cased and the record is
// stored into its slot through the document.

// An edit about to be stored.
struct RecordEdit
{
    int slot = -1;
    // The record as edited: texts as typed (not yet upper-cased), every other field as the
    // editor left it.
    AgendaRecord record;
    // The fields the user could type in this edit: only these are checked, so that a text
    // the user did not touch (an overlong text a file holds) never blocks the rest.
    std::bitset<kFieldCount> checked;
    // Whether the user changed the address (street, number, zip, city, country) or the
    // label: the questions about the derived data are asked only then.
    bool addressChanged = false;
    bool labelChanged = false;
};

// The outcome: stored, or the refusal and the field it concerns (focus goes there).
struct EditResult
{
    bool ok = false;
    QString refusal;
    FieldId field = FieldId::Record;

    explicit operator bool() const { return ok; }
};

// Checks the texts of the checked fields in field-table order and refuses the first one
// that is not taken (FieldRefusal); nothing is asked or stored then. Otherwise asks the
// address question (when the address changed and Postal or POI data are marked present)
// and the label question (when the label changed and a voice record exists), upper-cases
// the address and stores the record.
EditResult AcceptRecordEdit(Phonebook &book, RecordEdit edit, Prompter &prompter);

// One text typed into a list cell: the record of `slot` with the text of `column` replaced
// (the GPS position read strictly), passed to AcceptRecordEdit. A column that cannot be
// edited, or a free slot, is refused with an empty reason.
EditResult AcceptCellEdit(Phonebook &book, int slot, int column, const QString &text, Prompter &prompter);
