#include "common/textcodec.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Decodes into `dst`, which has room for `size` code units (never more are needed);
// returns the number written.
int DecodeInto(QChar *dst, const char *data, int size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    int n = 0;
    int i = 0;
    while (i < size) {
#if defined(__SSE2__)
        // Sixteen bytes at a time: the ASCII ones before the first other byte (or zero)
        // are widened together. All sixteen are stored; `dst` has room, since it holds
        // one unit per byte and never gets ahead of the input.
        const __m128i zeroes = _mm_setzero_si128();
        while (i + 16 <= size) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
            const unsigned stop = unsigned(_mm_movemask_epi8(v) | _mm_movemask_epi8(_mm_cmpeq_epi8(v, zeroes)));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + n), _mm_unpacklo_epi8(v, zeroes));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + n + 8), _mm_unpackhi_epi8(v, zeroes));
            const int plain = stop ? __builtin_ctz(stop) : 16;
            n += plain;
            i += plain;
            if (stop)
                break;
        }
#endif
        // Eight ASCII bytes without a zero among them at a time.
        while (i + 8 <= size) {
            uint64_t w;
            std::memcpy(&w, p + i, 8);
            const uint64_t high = w & 0x8080808080808080ull;
            const uint64_t zero = (w - 0x0101010101010101ull) & ~w & 0x8080808080808080ull;
            if (high | zero)
                break;
            for (int k = 0; k < 8; ++k)
                dst[n + k] = QChar(char16_t(p[i + k]));
            n += 8;
            i += 8;
        }
        if (i >= size)
            break;
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
    return n;
}

} // namespace

QString DecodeHeldUtf8(const char *data, int size)
{
    QString out;
    out.resize(size);
    out.truncate(DecodeInto(out.data(), data, size));
    return out;
}

void AppendDecodedHeldUtf8(QString &out, const char *data, int size)
{
    const qsizetype at = out.size();
    out.resize(at + size);
    out.truncate(at + DecodeInto(out.data() + at, data, size));
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
