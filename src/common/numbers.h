#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <optional>

// The program's one reader of decimal numbers in text: files, typed fields and the
// answers of outside services. It reads the C library's decimal form whatever the
// process locale: an optional sign, digits with an optional decimal point (".5" and "5."
// included), an optional exponent ("1.5e3"; an "e" without digits is not part of the
// number). Infinity, NaN and hexadecimal forms are not numbers here.

// Where the number may differ from that form.
struct NumberSyntax
{
    bool leadingBlanks = false;  // white space before the number is skipped (as strtod)
    bool decimalComma = false;   // "," is a decimal point too (typed by users of many locales)
};

// The number read at a position.
struct NumberRead
{
    enum class Status { Number, None, OutOfRange };
    Status status = Status::None;
    // The value; 0 when there is none; on OutOfRange the nearest a double can hold:
    // infinity with the number's sign when it is too large, a zero with its sign when it
    // is too small.
    double value = 0;
    // The position behind the number; the starting position when there is none.
    qsizetype end = 0;

    bool ok() const { return status == Status::Number; }
};

// Reads the number that starts at `pos` (after blanks, if the syntax allows them);
// anything behind it is left for the caller.
NumberRead ReadNumber(QStringView text, qsizetype pos = 0, NumberSyntax syntax = {});
NumberRead ReadNumber(QByteArrayView text, qsizetype pos = 0, NumberSyntax syntax = {});

// A text that is one number and nothing else (white space around it allowed), as a
// typed field holds it. Nothing when it is not a number or out of range; empty text
// (or only blanks) gives `empty`.
std::optional<double> ReadNumberText(QStringView text, NumberSyntax syntax = {},
                                     std::optional<double> empty = std::nullopt);

// A decimal integer at `pos` like atoi: leading blanks, an optional sign, digits up to
// the first non-digit; 0 when there are none. Saturates at the int range.
int ScanInt(QByteArrayView text, qsizetype pos = 0);
