#pragma once

#include "store/fields.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// What the columns of a contact CSV hold: found by their header names through alias
// tables, one per exporter and language, or chosen by the user.

// What a column holds. Most columns hold the text of a record field and are written
// through the record-field table (store/fields.h); the others hold parts that the
// record's texts are composed of, or the types of other columns.
enum class CsvPart : uint8_t {
    Ignore,
    Field,         // the text of the record field `field`
    Given,         // the label's parts when no label column gives it (display name, else
    Middle,        // given + middle + family, else organisation)
    Family,
    Organisation,
    // Only recognised from header names, never chosen:
    MoreStreet,        // a further line of the street ("Business Street 2"), after the street
    FormattedAddress,  // the whole address in one cell (its first line is the street)
    PhoneLabel,        // the type of the phones of the same numbered group ("* Mobile")
    EmailLabel,        // the type of the e-mails of the same numbered group
    AddressLabel,      // "Home", "Work", "Other" of the same numbered address group
    CustomLabel,       // Google's own fields: a "GPS" label makes its value the coordinates
    CustomValue,
};

// Address blocks, in the order one is chosen: the first that holds anything.
enum CsvAddressBlock : uint8_t { kBlockHome, kBlockWork, kBlockOther };

struct CsvColumn
{
    CsvPart part = CsvPart::Ignore;
    // With CsvPart::Field: the record field. Several label columns are joined with a
    // space, several notes one below the other; a street column holds the house number
    // too unless a number column gives it; FieldId::Phone1 and FieldId::Email1 stand for
    // a phone and an e-mail, which take the next free of the record's five.
    FieldId field = FieldId::Label;
    uint32_t params = 0;  // phone and e-mail type bits (VcParam)
    uint8_t block = kBlockHome;
    int group = 0;  // Google's numbered groups ("Phone 2 - Label" and "Phone 2 - Value"), 0 for none

    bool operator==(const CsvColumn &o) const
    {
        return part == o.part && (part != CsvPart::Field || field == o.field) && params == o.params
               && block == o.block && group == o.group;
    }
};

// The columns of one header row.
struct CsvMapping
{
    QString layout;  // the table that recognised it ("Google Contacts", "Outlook (German)"...)
    std::vector<CsvColumn> columns;
};

// Recognises every column of the header through the alias table that knows most of them.
CsvMapping RecognizeCsvColumns(const QStringList &header);
// Whether some column gives the record a name or a phone number.
bool PlacesNameOrPhone(const CsvMapping &mapping);

// The field names of the column-mapping choices (the dialog's drop-down and --map), in
// order: "label", "given", ..., "phone:cell", ..., "ignore".
const QStringList &CsvFieldNames();
// The column a field name stands for; false for a name that is none.
bool CsvColumnForName(const QString &name, CsvColumn &column);
// The field name nearest to what a recognised column does ("ignore" for a type column).
QString CsvFieldName(const CsvColumn &column);

// Applies "COLUMN=FIELD,COLUMN=FIELD" to the mapping of `header`: every column of that
// name (trimmed, case ignored) takes the field. A column name may hold a comma (Dutch
// Outlook names do): a piece without "=" belongs to the next one. False, with the reason,
// for a column the header lacks or a field name that is none.
bool ApplyCsvMap(const QString &mapText, const QStringList &header, CsvMapping &mapping, QString &reason);

// Phone or e-mail type bits (VcParam) from a type text such as "* Mobile", "Work Fax",
// "Home": mobile/cell, home, work/business, fax, pager, voice, and a leading "*" or
// primary/preferred/main for the preferred one.
uint32_t CsvTypeParams(QStringView text);
