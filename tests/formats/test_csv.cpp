#include "common/markup.h"
#include "support/scriptedprompter.h"
#include "formats/csv.h"
#include "formats/interchange.h"
#include "common/prompter.h"
#include "formats/vcardimport.h"
#include "formats/vcard.h"
#include "store/agenda.h"
#include "store/phonebook.h"

#include <functional>

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

// CSV lines and files, and the per-record exchange operations behind the bulk commands.
class TestCsv : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exportLine_data();
    void exportLine();
    void readLine_data();
    void readLine();
    void header();
    void gpsRoundTrip_data();
    void gpsRoundTrip();
    void fileRoundTripByteForByte();
    void insertCsv_data();
    void insertCsv();
    void insertCsvFull();
    void importCsvOntoRecords();
    void refusedFiles_data();
    void refusedFiles();
    void vcfOperations();
    void vcfFileName_data();
    void vcfFileName();

private:
    QString WriteFile(const QByteArray &bytes);
    QTemporaryDir dir_;
    int files_ = 0;
};

namespace {

// InsertCards on a phonebook document over `agenda`, which follows every insert.
CardInsertResult InsertInto(Agenda &agenda, uint32_t user, const std::vector<CardOfFile> &cards,
                            const CardInsertOptions &options, Prompter &prompter,
                            const std::function<void(int)> &inserted = {})
{
    Phonebook book;
    book.Replace(agenda);
    const CardInsertResult r = InsertCards(book, user, cards, options, prompter, [&](int slot) {
        agenda = book.Data();
        if (inserted)
            inserted(slot);
    });
    agenda = book.Data();
    return r;
}

QByteArray Utf16(const QString &text)
{
    QByteArray out;
    for (QChar c : text) {
        out += char(c.unicode() & 0xFF);
        out += char(c.unicode() >> 8);
    }
    return out;
}

const QString kHeader = QStringLiteral(
    "last;first;note;street;numb;zip;city;country;coord;phone1;phone2;phone3;phone4;phone5;email1;email2;email3;email4;email5\r\n");

QByteArray CsvFile(const QString &lines)
{
    return QByteArray("\xFF\xFE") + Utf16(kHeader + lines);
}

// An insert as kestravon-cli makes it without --skip-duplicates: every card of the file
// in order, the short lines of the own file reported.
CsvResult InsertCsv(Agenda &agenda, uint32_t user, const QString &path, Prompter &prompter,
                    const std::function<void(int)> &inserted = {})
{
    CsvResult result;
    CsvInsertFile file = ReadCsvInsertFile(path);
    if (!file.ok) {
        ReportCsvRefused(path, file.reason, prompter);
        result.fileOk = false;
        return result;
    }
    if (!file.Own())
        file.MapCards();
    ReportShortCsvLines(file.shortLines, prompter);
    const CardInsertResult r = InsertInto(agenda, user, file.cards, CardInsertOptions(), prompter, inserted);
    result.done = r.inserted;
    result.failed = int(file.shortLines.size()) + r.noRoom;
    return result;
}

// The own file's first line after the header, read into `record`.
bool ReadFirstLine(const QByteArray &lines, AgendaRecord &record, bool *atEnd = nullptr)
{
    OwnCsvReader reader(CsvFile(QString()) + lines);
    const bool read = reader.ReadLine(record);
    if (atEnd)
        *atEnd = reader.AtEnd();
    return read;
}

} // namespace

QString TestCsv::WriteFile(const QByteArray &bytes)
{
    const QString path = dir_.filePath(QStringLiteral("f%1.csv").arg(++files_));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write");
    f.write(bytes);
    return path;
}

void TestCsv::exportLine_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("two words") << "ROSSI MARIO" << "ROSSI;MARIO;;VIA ROMA;;;;;;0123;;;;;;;;;\r\n" << "ROSSI MARIO";
    QTest::newRow("one word") << "ROSSI" << "ROSSI;;;VIA ROMA;;;;;;0123;;;;;;;;;\r\n" << "ROSSI";
    QTest::newRow("three words") << "DE LUCA MARIO" << "DE;LUCA MARIO;;VIA ROMA;;;;;;0123;;;;;;;;;\r\n" << "DE LUCA MARIO";
    QTest::newRow("leading space") << " LUCA" << " LUCA;;;VIA ROMA;;;;;;0123;;;;;;;;;\r\n" << " LUCA";
    QTest::newRow("held byte and accents") << QStringLiteral("CAFF\uEEE8 \u00C9LODIE")
                                           << QStringLiteral("CAFF\uEEE8;\u00C9LODIE;;VIA ROMA;;;;;;0123;;;;;;;;;\r\n")
                                           << QStringLiteral("CAFF\uEEE8 \u00C9LODIE");
    // Texts that would break the line or shift the fields travel in quotes.
    QTest::newRow("separator") << "SMITH; JOHN" << "\"SMITH;\";JOHN;;VIA ROMA;;;;;;0123;;;;;;;;;\r\n" << "SMITH; JOHN";
    QTest::newRow("quote first") << "\"BOB\" SMITH" << "\"\"\"BOB\"\"\";SMITH;;VIA ROMA;;;;;;0123;;;;;;;;;\r\n" << "\"BOB\" SMITH";
    QTest::newRow("quote inside") << "O\"NEIL" << "O\"NEIL;;;VIA ROMA;;;;;;0123;;;;;;;;;\r\n" << "O\"NEIL";
    QTest::newRow("line break") << "A\nB" << "\"A\nB\";;;VIA ROMA;;;;;;0123;;;;;;;;;\r\n" << "A\nB";
}

void TestCsv::exportLine()
{
    QFETCH(QString, label);
    QFETCH(QString, line);
    QFETCH(QString, readBack);
    AgendaRecord r;
    r.label = label;
    r.street = QStringLiteral("VIA ROMA");
    r.phone[0] = QStringLiteral("0123");
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QVERIFY(WriteCsvLine(r, buffer));
    QCOMPARE(buffer.data(), Utf16(line));
    AgendaRecord back;
    QVERIFY(ReadFirstLine(buffer.data(), back));
    QCOMPARE(back.label, readBack);
    QCOMPARE(back.street, r.street);
    QCOMPARE(back.phone[0], r.phone[0]);
    QCOMPARE(back.recType, 1u);
    QCOMPARE(back.owner, 1u);
}

void TestCsv::readLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("email5");
    QTest::addColumn<bool>("atEnd");
    QTest::newRow("18 empty fields") << Utf16(QString(18, QLatin1Char(';')) + "\r\n") << true << "" << "" << true;
    QTest::newRow("17 separators is short") << Utf16("A;" + QString(16, QLatin1Char(';')) + "\r\nB") << false << "A" << "" << false;
    QTest::newRow("CR anywhere dropped") << Utf16("RO\rSS\rI" + QString(18, QLatin1Char(';')) + "x\r\r\n") << true << "ROSSI" << "x" << true;
    QTest::newRow("fields after the 19th ignored") << Utf16("A" + QString(18, QLatin1Char(';')) + "e5;more;more\r\n") << true << "A" << "e5" << true;
    QTest::newRow("hundreds of fields") << Utf16("A" + QString(500, QLatin1Char(';')) + "\r\n") << true << "A" << "" << true;
    QTest::newRow("empty line") << Utf16("\r\nA") << false << "" << "" << false;
    QTest::newRow("end of file leaves the record") << QByteArray() << false << "old" << "" << true;
    QTest::newRow("last line without line end") << Utf16("A" + QString(18, QLatin1Char(';')) + "z") << true << "A" << "z" << true;
    QTest::newRow("odd byte at the end") << (Utf16("A" + QString(18, QLatin1Char(';')) + "z") + "\x41") << true << "A" << "z" << true;
    QTest::newRow("lone odd byte") << QByteArray("\x41") << false << "old" << "" << true;
    const QString rest = QString(18, QLatin1Char(';')) + "z\r\n";
    QTest::newRow("quoted over two lines") << Utf16("\"A\r\nB\"" + rest) << true << "A\nB" << "z" << true;
    QTest::newRow("doubled quote") << Utf16("\"A\"\"B\"" + rest) << true << "A\"B" << "z" << true;
    QTest::newRow("stray quote as it stands") << Utf16("\"A\" B" + rest) << true << "\"A\" B" << "z" << true;
    QTest::newRow("unclosed quote keeps the next line") << Utf16("\"A" + rest + "B" + rest) << true << "\"A" << "z" << false;
}

void TestCsv::readLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, result);
    QFETCH(QString, label);
    QFETCH(QString, email5);
    QFETCH(bool, atEnd);
    AgendaRecord r;
    r.label = QStringLiteral("old");
    r.email[4] = QStringLiteral("");
    bool end = false;
    QCOMPARE(ReadFirstLine(bytes, r, &end), result);
    QCOMPARE(r.label, label);
    QCOMPARE(r.email[4], email5);
    QCOMPARE(end, atEnd);
    QCOMPARE(r.recType, result ? 1u : 0u);
}

void TestCsv::header()
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QVERIFY(WriteCsvHeader(buffer));
    QCOMPARE(buffer.data(), QByteArray("\xFF\xFE") + Utf16(kHeader));
    QVERIFY(OwnCsvReader(buffer.data()).IsOwnFile());
    // The header is told by its names (case and blanks at the ends aside), not by its
    // number of fields.
    QVERIFY(OwnCsvReader(QByteArray("\xFF\xFE") + Utf16(kHeader.toUpper().replace("LAST", " last"))).IsOwnFile());
    QVERIFY(!OwnCsvReader(QByteArray("\xFF\xFE") + Utf16(QString(18, QLatin1Char(';')) + "\r\n")).IsOwnFile());
    QVERIFY(!OwnCsvReader(Utf16(kHeader)).IsOwnFile());
}

void TestCsv::gpsRoundTrip_data()
{
    QTest::addColumn<QString>("gps");
    QTest::newRow("north east") << "N45.500000,E9.250000";
    QTest::newRow("south west") << "S33.448890,W70.669265";
    QTest::newRow("north west") << "N51.507351,W0.127758";
    QTest::newRow("none") << "";
}

void TestCsv::gpsRoundTrip()
{
    QFETCH(QString, gps);
    AgendaRecord r;
    r.nav.SetGpsText(gps);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QVERIFY(WriteCsvLine(r, buffer));
    QVERIFY(buffer.data().contains(Utf16(";;;;;;;" + r.nav.GpsText() + ";")));
    AgendaRecord back;
    back.nav.navFlags = kNavGps | kNavPostal;
    QVERIFY(ReadFirstLine(buffer.data(), back));
    QCOMPARE(back.nav.GpsText(), r.nav.GpsText());
    QCOMPARE(gps.isEmpty(), r.nav.GpsText().isEmpty());
    QCOMPARE(back.nav.lat, r.nav.lat);
    QCOMPARE(back.nav.lon, r.nav.lon);
}

void TestCsv::fileRoundTripByteForByte()
{
    // Every record of the sample phonebook out to a file, into a fresh phonebook, out again.
    ScriptedPrompter prompter;
    Agenda agenda;
    QVERIFY(agenda.Load(QStringLiteral(KESTRAVON_TESTDATA "/agenda/Agenda.dat"), prompter));
    QList<int> used;
    for (int i = agenda.userCount; i < agenda.slotCount; ++i)
        if (agenda.RecordAt(i))
            used << i;
    QVERIFY(used.size() > 20);
    const QString first = dir_.filePath(QStringLiteral("first.csv"));
    CsvResult r = ExportCsvRecords(agenda, used, first, prompter);
    QVERIFY(r.fileOk);
    QCOMPARE(r.done, used.size());
    Agenda other;
    QList<int> inserted;
    r = InsertCsv(other, 2, first, prompter, [&](int slot) { inserted << slot; });
    QCOMPARE(r.done, used.size());
    QCOMPARE(r.failed, 0);
    QCOMPARE(inserted.size(), used.size());
    QCOMPARE(other.slots[size_t(inserted.first())].owner, 2u);
    const QString second = dir_.filePath(QStringLiteral("second.csv"));
    QVERIFY(ExportCsvRecords(other, inserted, second, prompter).fileOk);
    QFile a(first), b(second);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray bytes = a.readAll();
    QCOMPARE(b.readAll(), bytes);
    QVERIFY(bytes.contains(Utf16(QStringLiteral("CAFF\uEEE8;CENTRALE"))));
    QVERIFY(prompter.shown.isEmpty());
}

void TestCsv::insertCsv_data()
{
    const QString full = "B" + QString(18, QLatin1Char(';')) + "\r\n";
    const QString shortLine = "S" + QString(17, QLatin1Char(';'));
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("trailing CR LF") << full + full << QStringList{"B", "B"} << QStringList{};
    QTest::newRow("one empty line at the end") << full + "\r\n" << QStringList{"B"} << QStringList{};
    QTest::newRow("empty line between") << full + "\r\n" + full << QStringList{"B", "B"}
                                        << QStringList{"Error importing line 3: "};
    QTest::newRow("short first line") << shortLine + "\r\n" + full << QStringList{"B"}
                                      << QStringList{"Error importing line 2: S"};
    QTest::newRow("short last line without end") << full + shortLine << QStringList{"B"} << QStringList{};
    QTest::newRow("label with markup") << "A&B;[*x]" + QString(16, QLatin1Char(';')) + "\r\n" + full << QStringList{"B"}
                                       << QStringList{"Error importing line 2: " + MarkupEscape("A&B [*x]")};
    QTest::newRow("header only") << QString() << QStringList{} << QStringList{};
}

void TestCsv::insertCsv()
{
    QFETCH(QString, lines);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, messages);
    ScriptedPrompter prompter;
    Agenda agenda;
    QStringList got;
    const CsvResult r = InsertCsv(agenda, 3, WriteFile(CsvFile(lines)), prompter,
                                         [&](int slot) { got << agenda.slots[size_t(slot)].label; });
    QCOMPARE(got, labels);
    QCOMPARE(prompter.Messages(), messages);
    QCOMPARE(r.failed, messages.size());
    QCOMPARE(agenda.usedCount, 4 + labels.size());
    QCOMPARE(agenda.modified, !labels.isEmpty());
}

void TestCsv::insertCsvFull()
{
    ScriptedPrompter prompter;
    Agenda agenda;
    for (int i = 0; i < agenda.slotCount - agenda.userCount - 1; ++i)
        QVERIFY(agenda.InsertRecord(AgendaRecord()) > 0);
    const QString line = "B" + QString(18, QLatin1Char(';')) + "\r\n";
    const CsvResult r = InsertCsv(agenda, 1, WriteFile(CsvFile(line + line + line)), prompter);
    QCOMPARE(r.done, 1);
    // Said once, as for the cards of vCard files: the rest did not fit.
    QCOMPARE(r.failed, 2);
    QCOMPARE(prompter.Messages(), QStringList(1, QStringLiteral("No more space to add contact to Agenda")));
}

void TestCsv::importCsvOntoRecords()
{
    ScriptedPrompter prompter;
    Agenda agenda;
    AgendaRecord sim;
    sim.recType = 71;
    sim.simPos = 12;
    sim.label = QStringLiteral("SIM 12");
    sim.phoneType[0] = 7;
    const int a = agenda.InsertRecord(sim);
    AgendaRecord other;
    other.label = QStringLiteral("OTHER");
    const int b = agenda.InsertRecord(other);
    const int c = agenda.InsertRecord(other);
    agenda.modified = false;
    const QString lines = "NEW;ONE;note" + QString(16, QLatin1Char(';')) + "\r\n" + "TWO" + QString(18, QLatin1Char(';')) + "\r\n";
    QList<int> stored;
    const CsvResult r = ImportCsvRecords(agenda, {a, 1, c, b}, WriteFile(CsvFile(lines)), prompter,
                                         [&](int slot) { stored << slot; });
    QCOMPARE(stored, (QList<int>{a, 1}));
    QCOMPARE(agenda.slots[size_t(a)].label, QStringLiteral("NEW ONE"));
    QCOMPARE(agenda.slots[size_t(a)].recType, 1u);
    QCOMPARE(agenda.slots[size_t(a)].simPos, uint16_t(12));
    QCOMPARE(agenda.slots[size_t(a)].phoneType[0], 7u);
    QCOMPARE(agenda.slots[1].label, QStringLiteral("TWO"));
    QCOMPARE(agenda.slots[1].owner, 2u);
    QCOMPARE(agenda.slots[size_t(c)].label, QStringLiteral("OTHER"));
    QCOMPARE(prompter.Messages(), (QStringList{QStringLiteral("Error importing record %1: OTHER").arg(c + 1),
                                               QStringLiteral("Error importing record %1: OTHER").arg(b + 1)}));
    QCOMPARE(r.failed, 2);
}

void TestCsv::refusedFiles_data()
{
    // Only the own file goes onto records line by line; an insert reads any CSV by names,
    // and refuses what is no CSV at all, with the reason.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("insertReason");  // empty: the insert reads it (nothing to add)
    QTest::newRow("UTF-8 text") << kHeader.toUtf8() << "";
    QTest::newRow("UTF-16 big-endian") << QByteArray("\xFE\xFF") + Utf16(kHeader) << "";
    QTest::newRow("short header") << QByteArray("\xFF\xFE") + Utf16(QStringLiteral("last;first\r\n")) << "";
    QTest::newRow("empty") << QByteArray() << "no header row";
    QTest::newRow("odd byte count") << QByteArray("\xFF\xFE\x41") << "the text ends inside a UTF-16 character";
    QTest::newRow("binary") << QByteArray("PK\x03\x04\0\0\x14\0", 8) << "not a text file";
}

void TestCsv::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, insertReason);
    ScriptedPrompter prompter;
    Agenda agenda;
    const QString path = WriteFile(bytes);
    QCOMPARE(InsertCsv(agenda, 1, path, prompter).fileOk, insertReason.isEmpty());
    if (!insertReason.isEmpty())
        QCOMPARE(prompter.shown.last().detail, insertReason);
    QVERIFY(!ImportCsvRecords(agenda, {0}, path, prompter).fileOk);
    QVERIFY(!prompter.shown.last().detail.isEmpty());
    QCOMPARE(prompter.Messages(), QStringList(insertReason.isEmpty() ? 1 : 2, QStringLiteral("Error reading file : ") + path));
    QVERIFY(!agenda.modified);
    prompter.ClearShown();
    QVERIFY(!ExportCsvRecords(agenda, {0}, dir_.filePath(QStringLiteral("no/dir.csv")), prompter).fileOk);
    QCOMPARE(prompter.LastMessage(), QStringLiteral("Error creating file : ") + dir_.filePath(QStringLiteral("no/dir.csv")));
    // No record: the file holds only the byte-order mark and the header.
    const QString empty = dir_.filePath(QStringLiteral("empty.csv"));
    QVERIFY(ExportCsvRecords(agenda, {}, empty, prompter).fileOk);
    QFile f(empty);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), CsvFile(QString()));
}

void TestCsv::vcfOperations()
{
    ScriptedPrompter prompter;
    Agenda agenda;
    const QString missing = dir_.filePath(QStringLiteral("missing.vcf"));
    QVERIFY(!ExportVcfRecord(agenda, 10, dir_.filePath(QStringLiteral("x.vcf")), prompter));
    QCOMPARE(prompter.LastMessage(), QStringLiteral("Error exporting file : ") + dir_.filePath(QStringLiteral("x.vcf")));
    QVERIFY(!ImportVcfRecord(agenda, 0, 1, missing, prompter));
    QCOMPARE(prompter.LastMessage(), QStringLiteral("Error importing file : ") + missing);
    // A file that cannot be read asks; OK adds an empty record of the user, Cancel stops.
    prompter.answers = {Prompter::Answer::Ok, Prompter::Answer::Cancel};
    QList<int> added;
    const auto add = [&](int slot) { added << slot; };
    CardInsertResult r = InsertInto(agenda, 3, ReadCardFiles({missing}, prompter), {}, prompter, add);
    QVERIFY(r.failed == 1 && !r.cancelled);
    QCOMPARE(added, QList<int>{4});
    QCOMPARE(agenda.slots[4].owner, 3u);
    QCOMPARE(agenda.slots[4].recType, 1u);
    QCOMPARE(prompter.shown.last().kind, ScriptedPrompter::Shown::Kind::OkCancel);
    QCOMPARE(prompter.LastMessage(), QStringLiteral("Error importing : ") + missing);
    r = InsertInto(agenda, 3, ReadCardFiles({missing}, prompter), {}, prompter, add);
    QVERIFY(r.cancelled);
    QCOMPARE(added.size(), 1);
    QCOMPARE(agenda.usedCount, 5);
    const QString card = dir_.filePath(QStringLiteral("card.vcf"));
    AgendaRecord rec;
    rec.label = QStringLiteral("Card");
    QVERIFY(ExportVCard(rec, card));
    r = InsertInto(agenda, 2, ReadCardFiles({card}, prompter), {}, prompter, add);
    QCOMPARE(added.last(), 5);
    QCOMPARE(agenda.slots[5].label, QStringLiteral("Card"));
    QCOMPARE(agenda.slots[5].owner, 2u);
    QCOMPARE(RecordTitle(InterchangeText::kExportVcfTitle, 7, QStringLiteral("MARIO")),
             QStringLiteral("Export to vCard : REC.8 - MARIO"));
}

void TestCsv::vcfFileName_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "MARIO ROSSI" << "MARIO ROSSI.vcf";
    QTest::newRow("slash and backslash") << "AC/DC \\ FAN" << "AC_DC _ FAN.vcf";
    QTest::newRow("control characters") << QStringLiteral("A\tB\nC") + QChar(0x7F) << "A_B_C_.vcf";
    QTest::newRow("accents and dots kept") << "Café Müller Jr." << "Café Müller Jr..vcf";
    QTest::newRow("empty label: record number") << "" << "REC.8.vcf";
}

void TestCsv::vcfFileName()
{
    QFETCH(QString, label);
    QTEST(VcfFileName(label, 7), "name");
}

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
