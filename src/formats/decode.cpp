#include "formats/decode.h"

#include <QCoreApplication>
#include <QHash>

#include <cerrno>
#include <iconv.h>

namespace {

constexpr int kMaxCharsetName = 40;

// A charset name as a file may give it, before it reaches iconv: letters, digits and the
// punctuation of real names only. This keeps "//TRANSLIT", "//IGNORE" and path-like
// names away from the converter.
bool IsPlainCharsetName(const QByteArray &name)
{
    if (name.isEmpty() || name.size() > kMaxCharsetName)
        return false;
    for (const char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
            || c == '_' || c == '.' || c == ':';
        if (!ok)
            return false;
    }
    return true;
}

bool IsUtf8Name(const QByteArray &upper)
{
    return upper == "UTF-8" || upper == "UTF8";
}

// One open converter per charset and thread: opening one costs far more than converting
// a short value.
class Converters
{
public:
    ~Converters()
    {
        for (iconv_t cd : std::as_const(open_))
            if (cd != iconv_t(-1))
                iconv_close(cd);
    }
    // iconv_t(-1) when iconv does not know the charset.
    iconv_t Get(const QByteArray &upperName)
    {
        const auto it = open_.constFind(upperName);
        if (it != open_.constEnd())
            return *it;
        if (open_.size() > 64) {
            // A file naming many made-up charsets does not grow this without end.
            for (iconv_t cd : std::as_const(open_))
                if (cd != iconv_t(-1))
                    iconv_close(cd);
            open_.clear();
        }
        const iconv_t cd = iconv_open("UTF-8", upperName.constData());
        open_.insert(upperName, cd);
        return cd;
    }

private:
    QHash<QByteArray, iconv_t> open_;
};

Converters &ThreadConverters()
{
    thread_local Converters converters;
    return converters;
}

// Converts with `cd` to UTF-8. With `lenient`, a byte the charset does not define
// becomes the character of the same code (used for Windows-1252 only).
std::optional<QByteArray> Convert(iconv_t cd, const QByteArray &bytes, bool lenient)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial shift state
    QByteArray out;
    out.resize(bytes.size() * 3 + 16);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *dst = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + used;
            outLeft = size_t(out.size() - used);
            continue;
        }
        if (errno == EILSEQ && lenient) {
            const unsigned char b = static_cast<unsigned char>(*in);
            if (outLeft < 2) {
                const qsizetype used = dst - out.data();
                out.resize(out.size() * 2);
                dst = out.data() + used;
                outLeft = size_t(out.size() - used);
            }
            if (b < 0x80) {
                *dst++ = char(b);
                --outLeft;
            } else {
                *dst++ = char(0xC0 | (b >> 6));
                *dst++ = char(0x80 | (b & 0x3F));
                outLeft -= 2;
            }
            ++in;
            --inLeft;
            continue;
        }
        return std::nullopt;  // an invalid or cut sequence
    }
    // Close a stateful encoding's shift sequence (ISO-2022-JP); nothing for most.
    if (outLeft < 16) {
        const qsizetype used = dst - out.data();
        out.resize(out.size() + 16);
        dst = out.data() + used;
        outLeft = size_t(out.size() - used);
    }
    if (iconv(cd, nullptr, nullptr, &dst, &outLeft) == size_t(-1))
        return std::nullopt;
    out.truncate(dst - out.data());
    return out;
}

std::optional<QString> DecodeWith(const QByteArray &upperName, const QByteArray &bytes, bool lenient)
{
    const iconv_t cd = ThreadConverters().Get(upperName);
    if (cd == iconv_t(-1))
        return std::nullopt;
    const std::optional<QByteArray> utf8 = Convert(cd, bytes, lenient);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

DecodedText Failed(const QByteArray &encoding, const char *reason)
{
    DecodedText result;
    result.encoding = encoding;
    result.reason = QCoreApplication::translate("ReadText", reason);
    return result;
}

DecodedText Decoded(QString text, const QByteArray &encoding)
{
    DecodedText result;
    result.text = std::move(text);
    result.encoding = encoding;
    result.ok = true;
    return result;
}

DecodedText DecodeUtf16(const QByteArray &bytes, const QByteArray &encoding)
{
    if (bytes.size() % 2 != 0)
        return Failed(encoding, QT_TRANSLATE_NOOP("ReadText", "the text ends inside a UTF-16 character"));
    std::optional<QString> text = DecodeWith(encoding, bytes, false);
    if (!text)
        return Failed(encoding, QT_TRANSLATE_NOOP("ReadText", "the text is not valid UTF-16"));
    return Decoded(std::move(*text), encoding);
}

} // namespace

bool IsValidUtf8(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    qsizetype i = 0;
    const auto cont = [&](qsizetype k) { return i + k < size && (p[i + k] & 0xC0) == 0x80; };
    while (i < size) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
        } else if (b >= 0xC2 && b <= 0xDF) {
            if (!cont(1))
                return false;
            i += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            if (!cont(1) || !cont(2))
                return false;
            if ((b == 0xE0 && p[i + 1] < 0xA0) || (b == 0xED && p[i + 1] > 0x9F))
                return false;
            i += 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            if (!cont(1) || !cont(2) || !cont(3))
                return false;
            if ((b == 0xF0 && p[i + 1] < 0x90) || (b == 0xF4 && p[i + 1] > 0x8F))
                return false;
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

QString DecodeUtf16LeUnits(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    QString text(size / 2, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i + 1 < size; i += 2)
        *out++ = QChar(char16_t(p[i] | (p[i + 1] << 8)));
    return text;
}

QByteArray DetectUtf16WithoutMark(const QByteArray &bytes)
{
    // Text that is mostly ASCII has a zero in every other byte; look at the start only.
    const qsizetype n = qMin<qsizetype>(bytes.size(), 4096) & ~qsizetype(1);
    if (n < 4)
        return QByteArray();
    qsizetype evenZeros = 0;
    qsizetype oddZeros = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        evenZeros += bytes.at(i) == '\0';
        oddZeros += bytes.at(i + 1) == '\0';
    }
    const qsizetype units = n / 2;
    // At least a third of the code units are ASCII, and the other side has (almost) no
    // zeros: U+xx00 characters are rare in text.
    if (evenZeros * 3 >= units && oddZeros * 20 <= evenZeros)
        return QByteArrayLiteral("UTF-16BE");
    if (oddZeros * 3 >= units && evenZeros * 20 <= oddZeros)
        return QByteArrayLiteral("UTF-16LE");
    return QByteArray();
}

DecodedText DecodeTextFile(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        const char *data = bytes.constData() + 3;
        const qsizetype size = bytes.size() - 3;
        if (!IsValidUtf8(data, size))
            return Failed("UTF-8", QT_TRANSLATE_NOOP("ReadText", "the text is not valid UTF-8"));
        return Decoded(QString::fromUtf8(data, size), "UTF-8");
    }
    if (bytes.startsWith("\xFF\xFE"))
        return DecodeUtf16(bytes.mid(2), "UTF-16LE");
    if (bytes.startsWith("\xFE\xFF"))
        return DecodeUtf16(bytes.mid(2), "UTF-16BE");
    if (bytes.contains('\0')) {
        const QByteArray utf16 = DetectUtf16WithoutMark(bytes);
        if (!utf16.isEmpty()) {
            DecodedText text = DecodeUtf16(bytes, utf16);
            if (text.ok)
                return text;
        }
        return Failed(QByteArray(), QT_TRANSLATE_NOOP("ReadText", "not a text file"));
    }
    if (IsValidUtf8(bytes))
        return Decoded(QString::fromUtf8(bytes), "UTF-8");
    return Decoded(DecodeWindows1252(bytes), "windows-1252");
}

std::optional<QString> DecodeCharset(const QByteArray &bytes, const QByteArray &charset)
{
    const QByteArray upper = charset.trimmed().toUpper();
    if (!IsPlainCharsetName(upper))
        return std::nullopt;
    if (IsUtf8Name(upper)) {
        if (!IsValidUtf8(bytes))
            return std::nullopt;
        return QString::fromUtf8(bytes);
    }
    return DecodeWith(upper, bytes, false);
}

QString DecodeWindows1252(const QByteArray &bytes)
{
    std::optional<QString> text = DecodeWith(QByteArrayLiteral("WINDOWS-1252"), bytes, true);
    // glibc always has the code page; without it, Latin-1 is the nearest reading.
    return text ? std::move(*text) : QString::fromLatin1(bytes);
}
