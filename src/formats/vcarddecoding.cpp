#include "formats/vcarddecoding.h"

#include "common/textcodec.h"
#include "formats/decode.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IsAscii(const QByteArray &bytes)
{
    for (const char c : bytes)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

// The text as a phonebook holds it once saved and loaded again. Characters of the range
// that stands for bytes not valid UTF-8 would be written as those bytes: text from
// elsewhere never holds them. A character beyond U+FFFF is held as its four UTF-8 bytes,
// four units that the unit's limits count.
QString WithoutHeldRange(QString text)
{
    bool beyondBmp = false;
    for (QChar &c : text) {
        if (IsHeldByte(c))
            c = QChar(QChar::ReplacementCharacter);
        beyondBmp = beyondBmp || c.isSurrogate();
    }
    return beyondBmp ? DecodeHeldUtf8(text.toUtf8()) : text;
}

} // namespace

QByteArray DecodeQuotedPrintable(const QByteArray &value)
{
    const qsizetype n = value.size();
    if (!value.contains('='))
        return value;
    QByteArray out;
    out.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        if (value.at(i) == '=' && i + 2 < n) {
            const int hi = HexValue(value.at(i + 1));
            const int lo = HexValue(value.at(i + 2));
            if (hi >= 0 && lo >= 0) {
                out.append(char(hi * 16 + lo));
                i += 2;
                continue;
            }
        }
        out.append(value.at(i));
    }
    return out;
}

QString DecodeUtf8OrWindows1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    qsizetype run = 0;  // start of the bytes not yet added
    const auto flush1252 = [&](qsizetype end) {
        if (end > run)
            out += DecodeWindows1252(bytes.mid(run, end - run));
    };
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar b = uchar(bytes.at(i));
        const qsizetype len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        if (len > 1 && i + len <= bytes.size() && IsValidUtf8(bytes.constData() + i, len)) {
            flush1252(i);
            out += QString::fromUtf8(bytes.constData() + i, len);
            i += len;
            run = i;
        } else {
            i += 1;
        }
    }
    flush1252(bytes.size());
    return out;
}

bool IsUtf8Charset(const QByteArray &charset)
{
    const QByteArray upper = charset.trimmed().toUpper();
    return upper == "UTF-8" || upper == "UTF8";
}

QString DecodeVCardValue(const QByteArray &bytes, const QByteArray &charset, const QByteArray &cardCharset)
{
    // Most values are ASCII or UTF-8 and name no other charset.
    const bool ownCharset = !charset.isEmpty() && !IsUtf8Charset(charset);
    if (!ownCharset && IsAscii(bytes))
        return QString::fromLatin1(bytes);
    if (ownCharset) {
        if (std::optional<QString> text = DecodeCharset(bytes, charset))
            return WithoutHeldRange(std::move(*text));
    }
    if (IsValidUtf8(bytes))
        return WithoutHeldRange(QString::fromUtf8(bytes));
    if (!cardCharset.isEmpty()) {
        if (std::optional<QString> text = DecodeCharset(bytes, cardCharset))
            return WithoutHeldRange(std::move(*text));
    }
    return WithoutHeldRange(DecodeUtf8OrWindows1252(bytes));
}
