// The vCard reader and the record mapping on arbitrary bytes: never a crash; an import
// that fails leaves the record untouched and says why; a successful one gives a used record whose
// texts, written back as a card and read again, come out the same. Cut into cards, every
// item lands in one card and every card but the last ends with END; the cards of the file
// and the import review's rows over them agree; read from the file in small pieces, the
// items are those of the whole bytes.
#include "fuzzsupport.h"

#include "common/textcodec.h"
#include "formats/importreview.h"
#include "formats/vcard.h"
#include "formats/vcardimport.h"
#include "formats/vcardreader.h"
#include "store/agenda.h"
#include "store/phonebook.h"

namespace {

// Texts the writer puts on one line unchanged: no control characters (a line feed would
// start a new line, a zero byte ends the text) and no held bytes (they may join bytes of
// their neighbours into one character when written and read again).
bool PlainText(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || IsHeldByte(c))
            return false;
    return true;
}

// The non-empty phones (emails) of a record with their types, in order: the writer skips
// empty entries.
QStringList Filled(const std::array<QString, 5> &texts, const std::array<uint32_t, 5> &types)
{
    QStringList out;
    for (size_t k = 0; k < texts.size(); ++k)
        if (!texts[k].isEmpty())
            out << texts[k] + QLatin1Char('#') + QString::number(types[k]);
    return out;
}

bool AllPlain(const std::array<QString, 5> &texts)
{
    for (const QString &t : texts)
        if (!PlainText(t))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    vcfDebug = size % 2 == 0;
    FuzzPrompter prompter;

    VCard card;
    const bool complete = card.ReadVcfBytes(bytes, QStringLiteral("C:\\cards\\fuzz.vcf"), prompter);
    FUZZ_CHECK(complete == (card.Count() > 0 && card.At(card.Count() - 1).property == kVcEnd));
    for (int i = 0; i < card.Count(); ++i) {
        const VCardItem &item = card.At(i);
        FUZZ_CHECK(item.property >= 0 && item.property < int(VCardPropertyTable.size()));
        FUZZ_CHECK((item.params & ~VCardPropertyTable[size_t(item.property)].admitted) == 0);
    }

    FUZZ_CHECK(complete || !card.Reason().isEmpty());  // a failure always says why
    VCard rest = card;
    VCard one;
    int items = 0;
    int cards = 0;
    bool ended = true;
    bool firstComplete = false;
    while (rest.TakeCard(one)) {
        FUZZ_CHECK(ended);  // only the last card may lack its END
        ++cards;
        items += one.Count();
        ended = one.At(one.Count() - 1).property == kVcEnd;
        firstComplete = firstComplete || (cards == 1 && ended);
        one = VCard();
    }
    FUZZ_CHECK(items == card.Count());

    const QString path = FuzzWrite(QStringLiteral("fuzz.vcf"), bytes);
    {
        // Read from the file in small pieces, the items and the outcome are the same.
        VCardReader pieces(path, prompter, qsizetype(16 + size % 40));
        VCard read;
        while (pieces.NextCard(read)) {
        }
        FUZZ_CHECK(read.Count() == card.Count());
        for (int i = 0; i < read.Count(); ++i)
            FUZZ_CHECK(read.At(i).property == card.At(i).property && read.At(i).params == card.At(i).params
                       && read.At(i).value == card.At(i).value && read.At(i).pref == card.At(i).pref);
        FUZZ_CHECK(pieces.Complete() == complete);
        FUZZ_CHECK(pieces.Reason() == card.Reason());
    }
    {
        const std::vector<CardOfFile> read = ReadCardFiles({path}, prompter);
        FUZZ_CHECK(int(read.size()) == qMax(cards, 1));
        Phonebook book;
        ImportReview review(book.Data(), read, 1);
        for (int row = 0; row < review.Count(); ++row) {
            FUZZ_CHECK(bool(review.Remarks(row) & kRemarkUnreadable) == read[size_t(row)].failed);
            FUZZ_CHECK(review.Record(row).label.size() <= FieldMax::label);  // shortening is on
            review.RemarksText(row);
        }
        const CardInsertResult inserted = InsertCards(book, 1, review.ChosenCards(), review.Options(), prompter);
        FUZZ_CHECK(inserted.inserted + inserted.failed + inserted.noRoom <= review.Count());
    }
    AgendaRecord record;
    record.owner = uint32_t(size % 7);  // 0 and values above 4 are clamped on success
    const AgendaRecord before = record;
    // The first card is imported whatever follows it.
    QString reason;
    if (!ImportVCard(record, path, prompter, &reason)) {
        FUZZ_CHECK(!firstComplete && !reason.isEmpty());
        FUZZ_CHECK(record == before);
        return 0;
    }
    FUZZ_CHECK(firstComplete);
    FUZZ_CHECK(record.recType == 1 && record.owner >= 1 && record.owner <= 4);

    // Written back and read again, the texts the writer keeps on one line are the same.
    if (!PlainText(record.label) || !PlainText(record.note) || !AllPlain(record.phone) || !AllPlain(record.email))
        return 0;
    VCard out;
    BuildVCard(record, out);
    const QString copy = FuzzWrite(QStringLiteral("copy.vcf"), out.WriteVcfBytes());
    AgendaRecord again;
    FUZZ_CHECK(ImportVCard(again, copy, prompter));
    FUZZ_CHECK(again.label == record.label);
    FUZZ_CHECK(again.note == record.note);
    FUZZ_CHECK(Filled(again.phone, again.phoneType) == Filled(record.phone, record.phoneType));
    FUZZ_CHECK(Filled(again.email, again.emailType) == Filled(record.email, record.emailType));
    return 0;
}
