#pragma once

class QIODevice;
struct AgendaRecord;

// The spreadsheet exchange file: UTF-16 little-endian with the byte-order mark FF FE,
// lines ending in CR LF, 19 fields separated by ";", a fixed header line. A field holding
// ";" or a line break, or starting with a quote, is written in quotes (a quote inside
// doubled), as spreadsheets do; the reader takes such a field back, also over line breaks,
// and reads every other field as it stands.
constexpr int kCsvFieldCount = 19;

// Writes FF FE and the header line; false when the device took fewer bytes.
bool WriteCsvHeader(QIODevice &device);
// Writes the record's line (no byte-order mark); false when the device took fewer bytes.
bool WriteCsvLine(const AgendaRecord &record, QIODevice &device);
// Reads the next line into the record, storing each field as it is read. False when the
// line has fewer than 19 fields (an empty line and the end of the file included); the
// fields read so far stay in the record. The caller tells the end of the file from a short
// line with device.atEnd().
bool ReadCsvLine(AgendaRecord &record, QIODevice &device);
// True when the device starts with FF FE and a first line of at least 19 fields.
bool CheckCsvHeader(QIODevice &device);
