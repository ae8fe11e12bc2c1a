// Values in a code page: the first byte picks the CHARSET a line names (or, from 0xF0 on,
// takes a made-up name from the input), the rest is the value, given with that CHARSET, in
// Quoted-Printable, and once without a CHARSET so that the card's is used. Every value
// read is text that a phonebook stores as valid UTF-8; a value that is valid UTF-8 and
// names no charset reads as UTF-8; nothing crashes on names iconv does not know.
#include "fuzzsupport.h"

#include "common/textcodec.h"
#include "formats/decode.h"
#include "formats/vcard.h"
#include "formats/vcarddecoding.h"
#include "store/agenda.h"

namespace {

const char *const kCharsets[] = {
    "UTF-8", "utf8", "windows-1252", "ISO-8859-1", "ISO-8859-15", "Shift_JIS", "CP932", "EUC-JP", "ISO-2022-JP",
    "GB18030", "GBK", "BIG5", "EUC-KR", "KOI8-R", "windows-1251", "UTF-16", "UTF-16BE", "UTF-7", "UTF-32",
    "x-unknown", "", "ISO-8859-1//TRANSLIT", "../../etc/passwd",
};

// Whether the text is stored as valid UTF-8 (a character beyond U+FFFF is held as its
// four bytes, which the phonebook writes back as they are).
bool StoresAsUtf8(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text.at(i).isSurrogate())
            return false;
    return IsValidUtf8(EncodeHeldUtf8(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    vcfDebug = false;
    QByteArray value(reinterpret_cast<const char *>(data) + 1, int(size - 1));
    QByteArray charset;
    if (data[0] >= 0xF0) {
        const qsizetype cut = value.indexOf(':');
        charset = cut < 0 ? value : value.left(cut);
        value = cut < 0 ? QByteArray() : value.mid(cut + 1);
    } else {
        charset = kCharsets[data[0] % (sizeof kCharsets / sizeof *kCharsets)];
    }

    // The decoding layer on its own.
    const QString direct = DecodeVCardValue(value, charset, QByteArray());
    FUZZ_CHECK(StoresAsUtf8(direct));
    FUZZ_CHECK(StoresAsUtf8(DecodeVCardValue(value, QByteArray(), charset)));
    // Bytes that are not UTF-8 read as Windows-1252, the UTF-8 among them as UTF-8.
    const QString mixed = DecodeUtf8OrWindows1252(value);
    FUZZ_CHECK(QStringView(mixed).isValidUtf16());
    FUZZ_CHECK(!IsValidUtf8(value) || mixed == QString::fromUtf8(value));
    if (IsValidUtf8(value) && !value.contains('\0')) {
        const QString utf8 = DecodeVCardValue(value, QByteArray(), charset);
        FUZZ_CHECK(utf8.size() >= QString::fromUtf8(value).size() || utf8.contains(QChar(QChar::ReplacementCharacter)));
    }

    // The same in a card: one line per way of giving the charset. The value is kept on
    // one line (line ends would start new properties).
    QByteArray line = value;
    line.replace('\r', ' ').replace('\n', ' ');
    QByteArray qp;
    for (const char c : value)
        qp += '=' + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=" + charset + ":" + line + "\r\nNOTE:" + line
        + "\r\nORG;CHARSET=\"" + charset + "\";ENCODING=QUOTED-PRINTABLE:" + qp + "\r\nEND:VCARD\r\n";
    FuzzPrompter prompter;
    VCard items;
    if (!items.ReadVcfBytes(card, QStringLiteral("charset.vcf"), prompter)) {
        FUZZ_CHECK(!items.Reason().isEmpty());
        return 0;
    }
    for (int i = 0; i < items.Count(); ++i)
        FUZZ_CHECK(StoresAsUtf8(items.At(i).value));
    AgendaRecord record;
    FUZZ_CHECK(MapCard(items, record).ok);
    FUZZ_CHECK(StoresAsUtf8(record.label) && StoresAsUtf8(record.note));
    return 0;
}
