#include "common/textcodec.h"

QString DecodeHeldUtf8(const char *data, int size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    QString out;
    out.resize(size);  // never more code units than bytes
    QChar *dst = out.data();
    int n = 0;
    int i = 0;
    while (i < size) {
        const unsigned char b = p[i];
        if (b == 0)
            break;
        if (b < 0x80) {
            dst[n++] = QChar(b);
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF && i + 1 < size && (p[i + 1] & 0xC0) == 0x80) {
            dst[n++] = QChar(char16_t(((b & 0x1F) << 6) | (p[i + 1] & 0x3F)));
            i += 2;
            continue;
        }
        if (b >= 0xE0 && b <= 0xEF && i + 2 < size && (p[i + 1] & 0xC0) == 0x80
            && (p[i + 2] & 0xC0) == 0x80) {
            const char16_t cu = char16_t(((b & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F));
            // Overlong forms, surrogates and the held-byte range itself are not taken.
            if (cu >= 0x800 && (cu < 0xD800 || cu > 0xDFFF) && (cu & 0xFF00) != kHeldByteBase) {
                dst[n++] = QChar(cu);
                i += 3;
                continue;
            }
        }
        // Not the start of a sequence we take: hold this one byte and go on with the next.
        dst[n++] = QChar(char16_t(kHeldByteBase + b));
        ++i;
    }
    out.truncate(n);
    return out;
}

void AppendHeldUtf8(QByteArray &out, const QString &text)
{
    const int n = int(text.size());
    const QChar *s = text.constData();
    // Plain ASCII, the common case, is copied in one go.
    int i = 0;
    while (i < n && s[i].unicode() < 0x80)
        ++i;
    if (i > 0) {
        const qsizetype at = out.size();
        out.resize(at + i);
        char *dst = out.data() + at;
        for (int k = 0; k < i; ++k)
            dst[k] = char(s[k].unicode());
    }
    for (; i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (c < 0x80) {
            out.append(char(c));
        } else if ((c & 0xFF00) == kHeldByteBase) {
            out.append(char(c & 0xFF));
        } else if (c < 0x800) {
            out.append(char(0xC0 | (c >> 6)));
            out.append(char(0x80 | (c & 0x3F)));
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1].unicode())) {
            const char32_t u = QChar::surrogateToUcs4(c, s[i + 1].unicode());
            ++i;
            out.append(char(0xF0 | (u >> 18)));
            out.append(char(0x80 | ((u >> 12) & 0x3F)));
            out.append(char(0x80 | ((u >> 6) & 0x3F)));
            out.append(char(0x80 | (u & 0x3F)));
        } else {
            out.append(char(0xE0 | (c >> 12)));
            out.append(char(0x80 | ((c >> 6) & 0x3F)));
            out.append(char(0x80 | (c & 0x3F)));
        }
    }
}

QString UpperPerUnit(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = c.toUpper();
    return out;
}

QByteArray EncodeHeldUtf8(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() * 3 / 2 + 4);
    AppendHeldUtf8(out, text);
    return out;
}
