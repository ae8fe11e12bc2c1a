#pragma once

#include "store/agenda.h"

#include <QString>

#include <array>

// The record-field table: every text a user sees or types for a record, with its name, its
// column title, its limit on the unit, whether it is required or upper-cased, and how it
// reads and writes as text. The list columns, the in-place edit, the record editor, the
// phonebook check, the JSON dump and the exchange formats all take a field from here.

// The fields in list-column order: the value of an id is its column in a record list.
// `Record` is the record number (the slot + 1), not a text of the record; `PoiLabel` has
// no column.
enum class FieldId {
    Record, Label, Note, Fld51, Street, Numb, Zip, City, Country, Gps,
    Phone1, Phone2, Phone3, Phone4, Phone5,
    Email1, Email2, Email3, Email4, Email5,
    PoiLabel,
};

constexpr int kFieldCount = int(FieldId::PoiLabel) + 1;
// The fields shown as list columns: Record .. Email5.
constexpr int kListColumnCount = int(FieldId::Email5) + 1;

struct RecordField
{
    FieldId id;
    // The texts are marked for translation (contexts "FieldName" and "ColumnTitle") and
    // translated where they are shown; the key never is.
    const char *name;   // in reports and messages: "label", "number", "phone", "POI label"
    const char *key;    // in the JSON dump and other machine-readable forms: "label", "numb", "phone1"
    const char *title;  // list column title: "Label", "Numb", "Phone-1"
    int limit;          // UTF-16 code units; 0 for the record number
    bool required;      // empty text refused
    bool upper;         // stored upper-cased (the unit expects the address in capitals)
    bool editable;      // typed in a list cell and in the record editor
    // The field's text in a record (the GPS position as "N45.500000,E9.250000").
    QString (*read)(const AgendaRecord &record);
    // Stores a text typed for the field as it stands (no upper-casing, no limit); false
    // when the text cannot be stored (a GPS text that is no position), the record then
    // unchanged. Null for the record number.
    bool (*write)(AgendaRecord &record, const QString &text);
};

// The row of a field.
const RecordField &Field(FieldId id);
// The field shown in a list column, or nullptr outside 0..kListColumnCount-1.
const RecordField *ColumnField(int column);
// Every field, in the order of FieldId.
const std::array<RecordField, kFieldCount> &Fields();

// The phone or e-mail field with a 0-based number (0..4).
FieldId PhoneField(int index);
FieldId EmailField(int index);
// The 0-based number of a phone or e-mail field; -1 for any other field.
int PhoneIndex(FieldId id);
int EmailIndex(FieldId id);

// A field's text in a record; the record number for FieldId::Record (needs the slot).
QString FieldText(const AgendaRecord &record, int slot, FieldId id);

// The refusal for a text about to be stored in a field, or empty text when it is taken:
// a required field left empty gives "Null value not allowed.", a longer text than the
// limit "Please enter no more than N characters.", a GPS text that is no position
// "Invalid GPS position.". Checked in that order.
QString FieldRefusal(FieldId id, const QString &text);
