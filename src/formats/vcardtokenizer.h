#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class Prompter;

// The first layer of the vCard reader: a file's bytes cut into property lines. Names and
// parameters are read here; values stay bytes (Quoted-Printable already decoded) until
// the decoding layer (vcarddecoding.h) reads them in their charset.

// One recognised property line.
struct VCardLine
{
    int32_t property = 0;  // index into VCardPropertyTable
    uint32_t typeBits = 0; // all type bits given, not yet reduced to those the property admits
    bool pref = false;     // PREF, TYPE=pref or PREF=1
    QByteArray charset;    // the line's CHARSET, empty when it names none
    QByteArray value;      // the value's bytes
};

struct VCardTokens
{
    std::vector<VCardLine> lines;
    bool unicode = false;  // the file was UTF-16: its values are UTF-8 whatever CHARSET says
    QString reason;        // why the bytes are no text at all (then there are no lines)
    bool begin = false;    // a BEGIN line was seen
    int firstStrayLine = 0;  // the first line, not blank, that is no property at all; 0 for none
};

// Cuts `bytes` into property lines: UTF-16 files (with a byte-order mark, or without one
// when their zero bytes show it) are read as UTF-8, a UTF-8 byte-order mark is dropped;
// a line ends at a line feed, the carriage returns before it dropped; folded lines and
// Quoted-Printable soft line breaks are joined; quoted parameter values may hold ":",
// ";" and ","; a card nested in an AGENT property is skipped whole. Unknown names and
// parameters are reported through `prompter` when vcfDebug is set.
VCardTokens TokenizeVCard(const QByteArray &bytes, const QString &fileName, Prompter &prompter);
