#include "common/numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace {

char Ascii(char c)
{
    return c;
}

// Characters outside ASCII take no part in a number.
char Ascii(QChar c)
{
    return c.unicode() < 0x80 ? char(c.unicode()) : '\0';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

template <typename View>
NumberRead Read(View text, qsizetype pos, NumberSyntax syntax)
{
    NumberRead result;
    result.end = pos;
    if (pos < 0 || pos > text.size())
        return result;
    const auto at = [&text](qsizetype i) { return i < text.size() ? Ascii(text[i]) : '\0'; };

    qsizetype i = pos;
    if (syntax.leadingBlanks) {
        while (IsBlank(at(i)))
            ++i;
    }
    bool negative = false;
    if (at(i) == '+' || at(i) == '-')
        negative = at(i++) == '-';

    // The digits, with the decimal magnitude of the first one that is not zero
    // (12.5 -> 2, 0.05 -> -1): it tells a too large number from a too small one.
    std::string digits;
    qsizetype wholeDigits = 0;
    qsizetype fractionZeros = 0;
    bool nonZero = false;
    for (; IsDigit(at(i)); ++i) {
        digits += at(i);
        nonZero = nonZero || at(i) != '0';
        if (nonZero)
            ++wholeDigits;
    }
    const bool anyWhole = !digits.empty();
    bool anyFraction = false;
    if (at(i) == '.' || (syntax.decimalComma && at(i) == ',')) {
        const qsizetype point = i++;
        digits += '.';
        for (; IsDigit(at(i)); ++i) {
            digits += at(i);
            anyFraction = true;
            if (!nonZero && at(i) == '0')
                ++fractionZeros;
            nonZero = nonZero || at(i) != '0';
        }
        if (!anyWhole && !anyFraction)
            i = point;
    }
    if (!anyWhole && !anyFraction)
        return result;

    // An exponent counts only with at least one digit.
    long exponent = 0;
    if (at(i) == 'e' || at(i) == 'E') {
        qsizetype e = i + 1;
        const bool negativeExponent = at(e) == '-';
        if (at(e) == '+' || at(e) == '-')
            ++e;
        if (IsDigit(at(e))) {
            digits += 'e';
            if (negativeExponent)
                digits += '-';
            for (; IsDigit(at(e)); ++e) {
                digits += at(e);
                exponent = std::min(exponent * 10 + (at(e) - '0'), 1000000L);
            }
            if (negativeExponent)
                exponent = -exponent;
            i = e;
        }
    }

    double value = 0;
    const std::from_chars_result r =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::general);
    result.end = i;
    if (r.ec == std::errc::result_out_of_range) {
        const long magnitude = (wholeDigits > 0 ? long(wholeDigits) : -long(fractionZeros)) + exponent;
        result.status = NumberRead::Status::OutOfRange;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (r.ec != std::errc() || r.ptr != digits.data() + digits.size()) {
        result.end = pos;  // cannot happen: the text matched the form from_chars reads
        return result;
    } else {
        result.status = NumberRead::Status::Number;
    }
    result.value = negative ? -value : value;
    return result;
}

} // namespace

NumberRead ReadNumber(QStringView text, qsizetype pos, NumberSyntax syntax)
{
    return Read(text, pos, syntax);
}

NumberRead ReadNumber(QByteArrayView text, qsizetype pos, NumberSyntax syntax)
{
    return Read(text, pos, syntax);
}

std::optional<double> ReadNumberText(QStringView text, NumberSyntax syntax, std::optional<double> empty)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return empty;
    syntax.leadingBlanks = false;
    const NumberRead n = ReadNumber(t, 0, syntax);
    if (!n.ok() || n.end != t.size())
        return std::nullopt;
    return n.value;
}

int ScanInt(QByteArrayView text, qsizetype pos)
{
    if (pos < 0)
        pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    qint64 value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
        value = std::min(value * 10 + (text[pos] - '0'), qint64(INT_MAX) + 1);
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return int(value);
}
