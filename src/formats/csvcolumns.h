#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// What the columns of a contact CSV hold: found by their header names through alias
// tables, one per exporter and language, or chosen by the user.

// The record field a column goes to.
enum class CsvField : uint8_t {
    Ignore,
    Label,         // several label columns are joined with a space
    Given,
    Middle,
    Family,
    Organisation,
    Note,
    Street,        // with the house number, unless a number column gives it
    Number,
    Zip,
    City,
    Country,
    Gps,
    Phone,
    Email,
    // Only recognised from header names, never chosen:
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
    CsvField field = CsvField::Ignore;
    uint32_t params = 0;  // phone and e-mail type bits (VcParam)
    uint8_t block = kBlockHome;
    int group = 0;  // Google's numbered groups ("Phone 2 - Label" and "Phone 2 - Value"), 0 for none

    bool operator==(const CsvColumn &o) const
    {
        return field == o.field && params == o.params && block == o.block && group == o.group;
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
uint32_t CsvTypeParams(const QString &text);
