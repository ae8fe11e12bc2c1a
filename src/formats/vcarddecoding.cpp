#include "formats/vcarddecoding.h"

#include "common/textcodec.h"
#include "formats/decode.h"

#include <QHash>

#include <array>
#include <cstring>
#include <functional>
#include <memory>

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

// A single-byte code page as a table of its 256 characters, filled once from the
// converter: short values are read without a call into iconv each. A byte that is no
// character on its own (the first byte of a multi-byte character, a shift byte) is
// marked, and a value holding one is left to the converter.
constexpr char16_t kNotAlone = 0xFFFF;
using ByteTable = std::array<char16_t, 256>;

// Encodings whose shift sequences are made of bytes that are characters on their own.
bool IsStateful(const QByteArray &upper)
{
    return upper.contains("2022") || upper.contains("UTF-7") || upper.contains("UTF7") || upper.startsWith("HZ");
}

std::shared_ptr<const ByteTable> BuildTable(const std::function<std::optional<QString>(const QByteArray &)> &decode)
{
    auto table = std::make_shared<ByteTable>();
    for (int b = 0; b < 256; ++b) {
        const std::optional<QString> c = decode(QByteArray(1, char(b)));
        (*table)[size_t(b)] = c && c->size() == 1 && !c->at(0).isSurrogate() ? c->at(0).unicode() : kNotAlone;
    }
    return table;
}

// The table of a charset as a line names it; nullptr for a stateful one.
const ByteTable *TableOf(const QByteArray &charset)
{
    thread_local QHash<QByteArray, std::shared_ptr<const ByteTable>> tables;
    const auto it = tables.constFind(charset);
    if (it != tables.constEnd())
        return it->get();
    if (tables.size() > 64)
        tables.clear();  // a file naming many made-up charsets does not grow this without end
    std::shared_ptr<const ByteTable> table;
    if (!IsStateful(charset.trimmed().toUpper()))
        table = BuildTable([&charset](const QByteArray &byte) { return DecodeCharset(byte, charset); });
    tables.insert(charset, table);
    return table.get();
}

const ByteTable &Windows1252Table()
{
    static const std::shared_ptr<const ByteTable> table =
        BuildTable([](const QByteArray &byte) { return std::optional<QString>(DecodeWindows1252(byte)); });
    return *table;
}

// The bytes through a table; nullopt when one of them is no character on its own.
std::optional<QString> ThroughTable(const QByteArray &bytes, const ByteTable &table)
{
    for (const char c : bytes)
        if (table[uchar(c)] == kNotAlone)
            return std::nullopt;
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    for (const char c : bytes) {
        const char16_t u = table[uchar(c)];
        if (u == kNotAlone)
            return std::nullopt;
        *dst++ = u;
    }
    return out;
}

// The bytes in the charset a line names: through its table where each byte is one
// character, otherwise through the converter.
std::optional<QString> InCharset(const QByteArray &bytes, const QByteArray &charset)
{
    if (const ByteTable *table = TableOf(charset)) {
        if (std::optional<QString> text = ThroughTable(bytes, *table))
            return text;
    }
    return DecodeCharset(bytes, charset);
}

} // namespace

void DecodeQuotedPrintable(QByteArray &value)
{
    const qsizetype n = value.size();
    const char *in = value.constData();
    const void *first = n > 0 ? std::memchr(in, '=', size_t(n)) : nullptr;
    if (!first)
        return;
    // Each escape shortens the text, so the bytes are written over the ones already read.
    char *out = value.data();
    in = out;
    qsizetype w = static_cast<const char *>(first) - in;
    for (qsizetype i = w; i < n; ++i) {
        if (in[i] == '=' && i + 2 < n) {
            const int hi = HexValue(in[i + 1]);
            const int lo = HexValue(in[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out[w++] = char(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out[w++] = in[i];
    }
    value.truncate(w);
}

namespace {

// The character of a valid UTF-8 sequence of `len` bytes, appended as one or two units
// (QString::fromUtf8 would drop a byte-order mark standing alone).
void AppendUtf8Sequence(QString &out, const uchar *p, qsizetype len)
{
    char32_t c = 0;
    if (len == 2)
        c = char32_t(p[0] & 0x1F) << 6 | (p[1] & 0x3F);
    else if (len == 3)
        c = char32_t(p[0] & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
    else
        c = char32_t(p[0] & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 | char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
    if (QChar::requiresSurrogates(c)) {
        out += QChar(QChar::highSurrogate(c));
        out += QChar(QChar::lowSurrogate(c));
    } else {
        out += QChar(char16_t(c));
    }
}

} // namespace

QString DecodeUtf8OrWindows1252(const QByteArray &bytes)
{
    if (IsValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString out;
    out.reserve(bytes.size());
    qsizetype run = 0;  // start of the bytes not yet added
    const ByteTable &table = Windows1252Table();
    const auto flush1252 = [&](qsizetype end) {
        for (qsizetype k = run; k < end; ++k)
            out += QChar(table[uchar(bytes.at(k))]);
    };
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar b = uchar(bytes.at(i));
        const qsizetype len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        if (len > 1 && i + len <= bytes.size() && IsValidUtf8(bytes.constData() + i, len)) {
            flush1252(i);
            AppendUtf8Sequence(out, reinterpret_cast<const uchar *>(bytes.constData()) + i, len);
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
        if (std::optional<QString> text = InCharset(bytes, charset))
            return WithoutHeldRange(std::move(*text));
    }
    if (IsValidUtf8(bytes))
        return WithoutHeldRange(QString::fromUtf8(bytes));
    if (!cardCharset.isEmpty()) {
        if (std::optional<QString> text = InCharset(bytes, cardCharset))
            return WithoutHeldRange(std::move(*text));
    }
    return WithoutHeldRange(DecodeUtf8OrWindows1252(bytes));
}
