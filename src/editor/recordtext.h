#pragma once

#include "common/numbers.h"
#include "common/textcodec.h"
#include "store/agenda.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Text forms in which the record editor shows the opaque parts of a record, and their
// readers. Everything here is locale-independent.

// Each byte as two upper-case hex digits followed by a space ("01 02 AB ").
QString HexText(const uint8_t *bytes, int n);
// Reads n bytes back from a text written by HexText: byte i is the hex number that
// starts at character 3 * i (low 8 bits; 0 where there is none).
void HexBytes(const QString &text, uint8_t *bytes, int n);

template <size_t N>
QString HexText(const std::array<uint8_t, N> &bytes) { return HexText(bytes.data(), int(N)); }
template <size_t N>
void HexBytes(const QString &text, std::array<uint8_t, N> &bytes) { HexBytes(text, bytes.data(), int(N)); }

// An ACP date (bytes year, month, day, hour, minute, second) as "dd/mm/yy hh:mm:ss".
QString DateText(const std::array<uint8_t, 6> &bytes);
// Reads a text written by DateText back into its six bytes; numbers that cannot be read
// give 0.
std::array<uint8_t, 6> DateBytes(const QString &text);


// The shortest decimal text of `shown` degrees that reads back (through FromDegrees of
// the value, negated when `negate`) to exactly `stored`; where no text does, the shortest
// that reads back to the same position.
QString CoordText(double shown, const GpsCoord &stored, bool negate);

// A number typed into a decimal field (ReadNumberText): "." or "," as the decimal point,
// optional sign; empty text gives 0.
constexpr NumberSyntax kTypedDecimal{false, true};
// A whole number typed into an integer field (optional sign, digits). Empty text gives 0.
// Nothing when the text is not a number or does not fit in 64 bits.
std::optional<int64_t> ParseInteger(const QString &text);
