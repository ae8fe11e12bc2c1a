#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Turning the bytes of a text file written elsewhere (vCard, CSV) into text. Conversions
// go through the C library's iconv, so every code page it knows is read.

// The text of a whole file and how it was read.
struct DecodedText
{
    QString text;          // without a byte-order mark
    QByteArray encoding;   // "UTF-8", "UTF-16LE", "UTF-16BE" or "windows-1252"
    bool ok = false;
    QString reason;        // why the bytes are no text, when !ok
};

// A byte-order mark (UTF-8, UTF-16 LE/BE) decides; otherwise UTF-16 that shows itself by
// its zero bytes (ASCII text in UTF-16 without a mark); otherwise valid UTF-8; otherwise
// Windows-1252. A file with zero bytes that is not UTF-16 is "not a text file".
DecodedText DecodeTextFile(const QByteArray &bytes);

// Converts bytes in the named charset (any name iconv knows, case-insensitive) to text;
// nullopt when the charset is unknown or the bytes are invalid in it.
std::optional<QString> DecodeCharset(const QByteArray &bytes, const QByteArray &charset);

// Windows-1252; the five bytes the code page leaves undefined become the control
// character of the same code, so this never fails.
QString DecodeWindows1252(const QByteArray &bytes);

// UTF-16 little-endian code units as they stand: a lone surrogate is kept, a last odd
// byte (a cut code unit) dropped. This program's own exchange file is read this way, so
// that every text it wrote comes back unchanged.
QString DecodeUtf16LeUnits(const char *data, qsizetype size);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(const char *data, qsizetype size);
inline bool IsValidUtf8(const QByteArray &bytes) { return IsValidUtf8(bytes.constData(), bytes.size()); }

// Which UTF-16 byte order the bytes show without a byte-order mark: "UTF-16LE" or
// "UTF-16BE" when the zero bytes of ASCII characters stand consistently on one side,
// empty otherwise.
QByteArray DetectUtf16WithoutMark(const QByteArray &bytes);
