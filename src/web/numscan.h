#pragma once

#include <QByteArray>

// Locale-independent readers for numbers in the C library's text forms, used on the
// answers of the outside services.

// A decimal integer at `pos` like atoi: leading blanks, an optional sign, digits up to
// the first non-digit; 0 when there are none. Saturates at the int range.
int ScanInt(const QByteArray &text, qsizetype pos = 0);

// A decimal floating-point number at the start of `text` like "%lf" (leading blanks,
// optional sign). False, with `value` untouched, when there is none or it is not finite;
// `end` receives the position behind the number.
bool ScanDouble(const QByteArray &text, double &value, qsizetype *end = nullptr);
