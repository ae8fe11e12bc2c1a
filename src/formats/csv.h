#pragma once

#include "formats/csvtokenizer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;
struct AgendaRecord;

// The spreadsheet exchange file: UTF-16 little-endian with the byte-order mark FF FE,
// lines ending in CR LF, 19 fields separated by ";", a fixed header line. A field holding
// ";" or a line break, or starting with a quote, is written in quotes (a quote inside
// doubled), as spreadsheets do; the reader takes such a field back, also over line breaks,
// and reads every other field as it stands.
constexpr int kCsvFieldCount = 19;

// The names of the header line, in column order.
const QStringList &OwnCsvHeader();

// Writes FF FE and the header line; false when the device took fewer bytes.
bool WriteCsvHeader(QIODevice &device);
// Writes the record's line (no byte-order mark); false when the device took fewer bytes.
bool WriteCsvLine(const AgendaRecord &record, QIODevice &device);

// Stores the fields of one line into the record, in column order. False when the line has
// fewer than 19 fields; the fields it has are stored all the same. On true the owner is
// clamped to 1..4 and the record type becomes 1.
bool ReadCsvFields(const QStringList &fields, AgendaRecord &record);

// Whether the fields are the own header: the 19 names (trimmed, case ignored) first.
bool IsOwnCsvHeader(const QStringList &fields);

// The lines of an own file, read from its bytes as the format has always been read.
class OwnCsvReader
{
public:
    // `bytes` is the whole file. The header line is read at once.
    explicit OwnCsvReader(const QByteArray &bytes);
    // Whether the file starts with FF FE and the own header line.
    bool IsOwnFile() const { return ownFile_; }
    // The fields of the first line.
    const QStringList &Header() const { return header_; }
    // Reads the next line into the record (ReadCsvFields); false also at the end of the
    // file. The caller tells the end of the file from a short line with AtEnd().
    bool ReadLine(AgendaRecord &record);
    bool AtEnd() const { return tokenizer_.AtEnd(); }

private:
    QString text_;
    CsvTokenizer tokenizer_;
    QStringList header_;
    QStringList fields_;
    bool ownFile_ = false;
};
