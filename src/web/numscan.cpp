#include "web/numscan.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Skips blanks and a sign; returns whether the sign was a minus.
bool SkipBlanksAndSign(const QByteArray &text, qsizetype &pos)
{
    while (pos < text.size() && IsBlank(text.at(pos)))
        ++pos;
    if (pos < text.size() && (text.at(pos) == '+' || text.at(pos) == '-'))
        return text.at(pos++) == '-';
    return false;
}

} // namespace

int ScanInt(const QByteArray &text, qsizetype pos)
{
    if (pos < 0)
        pos = 0;
    const bool negative = SkipBlanksAndSign(text, pos);
    qint64 value = 0;
    for (; pos < text.size() && text.at(pos) >= '0' && text.at(pos) <= '9'; ++pos) {
        value = value * 10 + (text.at(pos) - '0');
        if (value > qint64(INT_MAX) + 1)
            value = qint64(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

bool ScanDouble(const QByteArray &text, double &value, qsizetype *end)
{
    qsizetype pos = 0;
    const bool negative = SkipBlanksAndSign(text, pos);
    // from_chars takes no sign of its own; a second sign is not a number.
    if (pos >= text.size() || text.at(pos) == '+' || text.at(pos) == '-')
        return false;
    double v = 0;
    const char *first = text.constData() + pos;
    const char *last = text.constData() + text.size();
    const std::from_chars_result r = std::from_chars(first, last, v, std::chars_format::general);
    if (r.ec != std::errc() || !std::isfinite(v))
        return false;
    value = negative ? -v : v;
    if (end)
        *end = r.ptr - text.constData();
    return true;
}
