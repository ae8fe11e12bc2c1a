// UTF-16 vCard files: the input, read as text, is written as UTF-16 little- or big-endian,
// with or without a byte-order mark (the last byte chooses). With a mark the file reads
// to exactly the items of the same text in UTF-8; without one it does so too, or is
// refused with a reason when its zero bytes do not show the byte order. A cut last
// character is refused with a reason, never read.
#include "fuzzsupport.h"

#include "common/textcodec.h"
#include "formats/vcard.h"
#include "formats/vcarddecoding.h"

namespace {

QByteArray Utf16(const QString &text, bool bigEndian, bool mark)
{
    QByteArray out;
    out.reserve(text.size() * 2 + 2);
    const QString all = mark ? QChar(0xFEFF) + text : text;
    for (const QChar c : all) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

bool SameItems(const VCard &a, const VCard &b)
{
    if (a.Count() != b.Count())
        return false;
    for (int i = 0; i < a.Count(); ++i)
        if (a.At(i).property != b.At(i).property || a.At(i).params != b.At(i).params || a.At(i).value != b.At(i).value
            || a.At(i).pref != b.At(i).pref)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    vcfDebug = false;
    const uint8_t choice = data[size - 1];
    const QString text = DecodeUtf8OrWindows1252(QByteArray(reinterpret_cast<const char *>(data), int(size - 1)));
    const bool bigEndian = choice & 1;
    const bool mark = choice & 2;
    QByteArray bytes = Utf16(text, bigEndian, mark);
    FuzzPrompter prompter;

    if (choice & 4) {
        // A file cut inside its last character.
        bytes.append('A');
        if (!mark)
            bytes.prepend(bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE"));
        VCard cut;
        FUZZ_CHECK(!cut.ReadVcfBytes(bytes, QStringLiteral("cut.vcf"), prompter));
        FUZZ_CHECK(cut.Count() == 0 && !cut.Reason().isEmpty());
        return 0;
    }

    VCard wide;
    const bool wideOk = wide.ReadVcfBytes(bytes, QStringLiteral("utf16.vcf"), prompter);
    // A CHARSET means nothing in a UTF-16 file, and a zero character makes a UTF-8 file
    // no text: only other texts compare.
    if (text.contains(QLatin1String("charset"), Qt::CaseInsensitive) || text.contains(QChar(0)))
        return 0;
    if (!mark && text.startsWith(QChar(0xFFFE)))
        return 0;  // its bytes are the other byte order's mark
    VCard narrow;
    const bool narrowOk = narrow.ReadVcfBytes(text.toUtf8(), QStringLiteral("utf8.vcf"), prompter);
    if (!mark && wide.Count() == 0 && !wideOk && narrow.Count() > 0) {
        FUZZ_CHECK(!wide.Reason().isEmpty());  // the byte order did not show
        return 0;
    }
    FUZZ_CHECK(wideOk == narrowOk);
    FUZZ_CHECK(SameItems(wide, narrow));
    return 0;
}
