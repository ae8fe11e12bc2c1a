#pragma once

#include "formats/csvcolumns.h"
#include "formats/csvtokenizer.h"
#include "formats/vcardimport.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

struct AgendaRecord;

// Contact CSV files of other address books (Google, Outlook, Thunderbird and others) and
// this program's own: read in layers (decoding, rows of fields, columns onto records) into
// the cards of the import review; and the Google Contacts layout written.

// More rows than this are refused: far beyond any phonebook, and memory stays bounded.
constexpr int kCsvMaxRows = 50000;

// A CSV file as rows of fields. The fields are views into the decoded text (or, where a
// field's text differs from its stretch of it, into `unquoted`), one row after the other.
struct CsvTable
{
    bool ok = false;
    QString reason;          // why the file was refused ("not a text file", "no header row", ...)
    bool own = false;        // this program's own file (read with OwnCsvReader instead)
    QByteArray encoding;     // as DecodeTextFile names it
    QChar delimiter;
    QStringList header;      // without empty names at its end
    QString text;            // the decoded text
    QString unquoted;
    std::vector<CsvSpan> fields;    // the fields of every row after the header; blank lines are left out
    std::vector<size_t> rowEnds;    // where each row's fields end in `fields`
    std::vector<int> lines;         // the line each row starts on (from 1)

    size_t RowCount() const { return rowEnds.size(); }
    CsvFields Row(size_t i) const
    {
        const size_t begin = i ? rowEnds[i - 1] : 0;
        return {text, unquoted, fields.data() + begin, int(rowEnds[i] - begin)};
    }
    // Every row as a list of strings.
    std::vector<QStringList> RowLists() const;
};
// Decodes (byte-order mark, else UTF-8, else Windows-1252), finds the delimiter and splits
// the rows. A file with FF FE and the own header is only recognised (`own`).
CsvTable ReadCsvTable(const QByteArray &bytes);

// The columns no record field takes, as the header names them.
QStringList UnplacedColumns(const QStringList &header, const CsvMapping &mapping);

// One row onto a fresh record: the label from the name columns (display name, else given +
// middle + family, else organisation), phones and e-mails with their types in column
// order (the first five kept, the rest counted as dropped), the first address that holds
// anything (home, else work, else other), the notes and the coordinates.
CardOfFile MapCsvFields(const CsvFields &fields, const CsvMapping &mapping);
CardOfFile MapCsvRow(const QStringList &fields, const CsvMapping &mapping);
// Every row of the table, numbered from 1.
std::vector<CardOfFile> MapCsvRows(const CsvTable &table, const CsvMapping &mapping, const QString &path);

// A line of the own file with fewer than 19 fields: its number (the header is line 1) and
// the label read from it.
struct ShortCsvLine
{
    int line = 0;
    QString label;
};
// The lines of the own file as cards; short lines are left out and listed, except a short
// last line (the end of the file).
std::vector<CardOfFile> OwnCsvCards(const QByteArray &bytes, const QString &path, std::vector<ShortCsvLine> &shortLines);

// The records in the layout of a Google Contacts export (UTF-8 with a byte-order mark,
// ",", quotes where needed, CR LF): the label as the first name, the phones and e-mails
// with their types as labels, the address as the home address, the coordinates as the
// custom field "GPS".
QByteArray GoogleCsvBytes(const QList<const AgendaRecord *> &records);
