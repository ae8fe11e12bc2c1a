// Contact CSV files on arbitrary bytes: decoding, the tokenizer, the column tables and the
// mapping of every row, once as the header is recognised and once with every column placed
// by hand. Never a crash, an endless loop or unbounded memory; every row gives a card
// within the record's limits; and the cards written in the Google layout read back with
// the same labels, phones and e-mails and their types.
#include "fuzzsupport.h"

#include "formats/csvcolumns.h"
#include "formats/csvcontacts.h"
#include "formats/csvtokenizer.h"
#include "store/agenda.h"

namespace {

bool SameContact(const AgendaRecord &a, const AgendaRecord &b)
{
    return a.label == b.label && a.phone == b.phone && a.phoneType == b.phoneType && a.email == b.email
           && a.emailType == b.emailType;
}

void CheckCards(const CsvTable &table, const CsvMapping &mapping)
{
    const std::vector<CardOfFile> cards = MapCsvRows(table, mapping, QString());
    FUZZ_CHECK(cards.size() == table.RowCount());
    QList<const AgendaRecord *> records;
    bool plain = true;
    for (const CardOfFile &c : cards) {
        FUZZ_CHECK(!c.record.label.contains(QLatin1Char('\n')));
        for (const QString &p : c.record.phone)
            plain = plain && !p.contains(QLatin1String(":::"));
        for (const QString &e : c.record.email)
            plain = plain && !e.contains(QLatin1String(":::"));
        records << &c.record;
    }
    // The Google layout of the cards, read back. Values that hold Google's own separator
    // would split again, so they are left out of the comparison.
    const CsvTable back = ReadCsvTable(GoogleCsvBytes(records));
    FUZZ_CHECK(back.ok && !back.own && back.RowCount() == cards.size());
    if (!plain)
        return;
    const std::vector<CardOfFile> again = MapCsvRows(back, RecognizeCsvColumns(back.header), QString());
    for (size_t i = 0; i < cards.size(); ++i) {
        // Phones and e-mails close up their empty places on the way.
        AgendaRecord expected = cards[i].record;
        int k = 0;
        AgendaRecord packed = expected;
        packed.phone = {};
        packed.phoneType = {};
        for (size_t j = 0; j < expected.phone.size(); ++j)
            if (!expected.phone[j].isEmpty()) {
                packed.phone[size_t(k)] = expected.phone[j];
                packed.phoneType[size_t(k++)] = expected.phoneType[j];
            }
        FUZZ_CHECK(SameContact(again[i].record, packed));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const CsvTable table = ReadCsvTable(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    if (!table.ok) {
        FUZZ_CHECK(!table.reason.isEmpty());
        return 0;
    }
    if (table.own)
        return 0;
    FUZZ_CHECK(table.RowCount() == table.lines.size() && int(table.RowCount()) <= kCsvMaxRows);
    FUZZ_CHECK(table.header.size() <= kCsvMaxFields);
    int line = 0;
    for (size_t i = 0; i < table.RowCount(); ++i) {
        FUZZ_CHECK(table.Row(i).size() <= kCsvMaxFields);
        FUZZ_CHECK(table.lines[i] > line);
        line = table.lines[i];
    }
    const CsvMapping recognised = RecognizeCsvColumns(table.header);
    FUZZ_CHECK(int(recognised.columns.size()) == table.header.size());
    CheckCards(table, recognised);
    // Every field chosen for some column, as the dialog and --map place them.
    CsvMapping chosen = recognised;
    const QStringList &names = CsvFieldNames();
    for (size_t i = 0; i < chosen.columns.size(); ++i)
        FUZZ_CHECK(CsvColumnForName(names.at(int((i + size) % size_t(names.size()))), chosen.columns[i]));
    CheckCards(table, chosen);
    return 0;
}
