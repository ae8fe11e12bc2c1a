#pragma once

#include <QByteArray>
#include <QString>

// The second layer of the vCard reader: value bytes into text.

// Decodes "=XX" escapes into their bytes, in place; an "=" not followed by two
// hexadecimal digits stays as it is.
void DecodeQuotedPrintable(QByteArray &value);

// Bytes that are mostly not UTF-8: each valid UTF-8 sequence of two to four bytes is its
// character, every other byte the Windows-1252 character of its code. (A phonebook keeps
// bytes it could not read as UTF-8 beside UTF-8 text; a Windows-1252 text practically
// never holds a valid UTF-8 sequence.)
QString DecodeUtf8OrWindows1252(const QByteArray &bytes);

// The text of a value: in the line's `charset` when it names one that reads the bytes;
// otherwise as UTF-8 when the bytes are valid UTF-8; otherwise in the charset another
// line of the card names (`cardCharset`); otherwise as Windows-1252 (with the UTF-8
// sequences among the bytes read as UTF-8, DecodeUtf8OrWindows1252). The result is always
// valid Unicode and holds no character of the range this program uses for bytes that
// are not UTF-8 (U+EE00..U+EEFF become U+FFFD).
QString DecodeVCardValue(const QByteArray &bytes, const QByteArray &charset, const QByteArray &cardCharset);

// Whether a charset name stands for UTF-8.
bool IsUtf8Charset(const QByteArray &charset);
