#pragma once

#include <QByteArray>
#include <QString>

// Byte-preserving UTF-8.
//
// Decoding turns valid one-, two- and three-byte UTF-8 sequences into their UTF-16 code
// unit. Every byte that is not part of such a sequence (invalid bytes, overlong forms,
// encoded surrogates, four-byte sequences) is held as the code unit 0xEE00 + byte. A
// three-byte sequence that would itself decode to U+EE00..U+EEFF is held byte by byte
// too, so that no decoded code unit is ambiguous. Encoding writes every code unit
// 0xEE00..0xEEFF back as its single byte and everything else as UTF-8, so any byte
// string survives a decode and an encode unchanged.
//
// A zero byte ends the text (the file format stores no terminator; a zero is taken as
// the end of the text).
QString DecodeHeldUtf8(const char *data, int size);
inline QString DecodeHeldUtf8(const QByteArray &bytes) { return DecodeHeldUtf8(bytes.constData(), int(bytes.size())); }
// Appends the decoding of `data` to `out` (saves the temporary of `out += Decode…`).
void AppendDecodedHeldUtf8(QString &out, const char *data, int size);
QByteArray EncodeHeldUtf8(const QString &text);
// Appends the encoding of `text` to `out` (avoids a temporary in the file writer).
void AppendHeldUtf8(QByteArray &out, const QString &text);

// Upper case per UTF-16 code unit, so the length never changes ("Straße" becomes
// "STRAßE") and held bytes (U+EE00..U+EEFF) stay as they are.
QString UpperPerUnit(const QString &text);

constexpr char16_t kHeldByteBase = 0xEE00;
inline bool IsHeldByte(QChar c) { return (c.unicode() & 0xFF00) == kHeldByteBase; }
