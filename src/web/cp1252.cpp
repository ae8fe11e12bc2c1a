#include "web/cp1252.h"

#include "common/textcodec.h"

namespace {

// Characters of the bytes 0x80..0x9F; the unassigned ones map to the C1 control of the
// same value.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char EncodeOne(char16_t c)
{
    if (c < 0x80 || c >= 0xA0) {
        if (c <= 0xFF)
            return char(c);
        if ((c & 0xFF00) == kHeldByteBase)
            return char(c & 0xFF);
    }
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return char(0x80 + i);
    return kCp1252Unmappable;
}

} // namespace

QByteArray EncodeCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            out.append(kCp1252Unmappable);
            ++i;
            continue;
        }
        out.append(EncodeOne(c.unicode()));
    }
    return out;
}

QString DecodeCp1252(const QByteArray &bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar *d = out.data();
    for (int i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes.at(i));
        d[i] = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}
