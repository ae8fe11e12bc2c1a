#include "editor/recordtext.h"

#include <cmath>

QString HexText(const uint8_t *bytes, int n)
{
    QString out;
    out.reserve(3 * n);
    for (int i = 0; i < n; ++i)
        out += QString::asprintf("%02X ", unsigned(bytes[i]));
    return out;
}

namespace {

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool IsSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f' || u == '\v';
}

// Reads one decimal number the way "%d" does (leading white space, optional sign, digits)
// starting at `pos`; advances `pos` past it. False when there are no digits.
bool ScanDecimal(const QString &text, int &pos, long long &value)
{
    int p = pos;
    while (p < text.size() && IsSpace(text[p]))
        ++p;
    bool minus = false;
    if (p < text.size() && (text[p] == '-' || text[p] == '+')) {
        minus = text[p] == '-';
        ++p;
    }
    const int digits = p;
    long long v = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
        if (v < 1000000000000LL)
            v = v * 10 + (text[p].unicode() - '0');
        ++p;
    }
    if (p == digits)
        return false;
    value = minus ? -v : v;
    pos = p;
    return true;
}

} // namespace

void HexBytes(const QString &text, uint8_t *bytes, int n)
{
    for (int i = 0; i < n; ++i) {
        int p = 3 * i;
        while (p < text.size() && IsSpace(text[p]))
            ++p;
        if (p + 1 < text.size() && text[p] == '0' && (text[p + 1] == 'x' || text[p + 1] == 'X')
            && p + 2 < text.size() && HexDigit(text[p + 2]) >= 0)
            p += 2;
        unsigned v = 0;
        while (p < text.size() && HexDigit(text[p]) >= 0) {
            v = (v << 4 | unsigned(HexDigit(text[p]))) & 0xFFu;
            ++p;
        }
        bytes[i] = uint8_t(v);
    }
}

QString DateText(const std::array<uint8_t, 6> &b)
{
    return QString::asprintf("%02d/%02d/%02d %02d:%02d:%02d", int(b[2]), int(b[1]), int(b[0]), int(b[3]),
                             int(b[4]), int(b[5]));
}

std::array<uint8_t, 6> DateBytes(const QString &text)
{
    // Field order in the text: day, month, year, hour, minute, second; each is followed
    // by its separator (a space in the pattern matches any white space).
    static const int kByteOf[6] = {2, 1, 0, 3, 4, 5};
    static const char kSeparator[6] = {'/', '/', ' ', ':', ':', 0};
    std::array<uint8_t, 6> out{};
    int pos = 0;
    for (int i = 0; i < 6; ++i) {
        long long v = 0;
        if (!ScanDecimal(text, pos, v))
            break;
        out[kByteOf[i]] = uint8_t(v & 0xFF);
        const char sep = kSeparator[i];
        if (sep == ' ') {
            while (pos < text.size() && IsSpace(text[pos]))
                ++pos;
        } else if (sep) {
            if (pos >= text.size() || text[pos] != QLatin1Char(sep))
                break;
            ++pos;
        }
    }
    return out;
}

QString CoordText(double shown, const GpsCoord &stored, bool negate)
{
    // First choice: the shortest text that reads back to the very same fields. Some
    // fields (59 seconds and 100 hundredths, or values that binary fractions miss) have
    // no such text; then the shortest text that reads back to the same position.
    const double target = stored.ToDegrees();
    QString sameValue;
    for (int decimals = 1; decimals <= 12; ++decimals) {
        QString t = QString::asprintf("%.*f", decimals, shown);
        GpsCoord back;
        const double v = ReadNumber(t).value;
        back.FromDegrees(negate ? -v : v);
        const bool exact = back == stored;
        if (exact || (sameValue.isEmpty() && std::fabs(back.ToDegrees() - target) < 1e-9)) {
            while (t.endsWith(QLatin1Char('0')))
                t.chop(1);
            if (t.endsWith(QLatin1Char('.')))
                t.chop(1);
            if (t == QLatin1String("-0"))
                t = QStringLiteral("0");
            if (exact)
                return t;
            sameValue = t;
        }
    }
    return sameValue.isEmpty() ? QString::asprintf("%.12g", shown) : sameValue;
}

std::optional<int64_t> ParseInteger(const QString &text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return int64_t(0);
    if (t.startsWith(QLatin1Char('+')))
        t.remove(0, 1);
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return int64_t(v);
}
