#pragma once

#include <QByteArray>
#include <QString>

// Windows code page 1252, the character set the InfoBel directory is read and addressed in.
//
// Encoding: ASCII and Latin-1 letters map to their byte, the typographic characters of
// 0x80..0x9F to theirs. A character the code page cannot represent becomes the single
// byte 0x1F (a surrogate pair counts as one character). Held bytes (U+EE00..U+EEFF,
// bytes that were not valid UTF-8 in the phonebook) are written back as their byte.
// The five unassigned positions 0x81, 0x8D, 0x8F, 0x90, 0x9D pair with U+0081 etc.,
// as Windows does, so that every byte survives a decode and an encode.
QByteArray EncodeCp1252(const QString &text);

// Decoding: every byte becomes exactly one character.
QString DecodeCp1252(const QByteArray &bytes);

constexpr char kCp1252Unmappable = 0x1F;
