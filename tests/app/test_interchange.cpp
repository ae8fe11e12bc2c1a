// The main window's vCard and CSV commands: menus, file selectors, per-record errors and
// the lists they keep in step.
#include "app/windowfixture.h"

#include "common/markup.h"
#include "formats/vcardimport.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QStringDecoder>
#include <QTest>

namespace {

QString VcardFile(const char *name)
{
    return QStringLiteral(KESTRAVON_TESTDATA "/vcards/") + QLatin1String(name);
}

QString PathText(const QString &path)
{
    return MarkupEscape(MessagePath(path));
}

void FillUntilFree(Phonebook &book, int free)
{
    while (book.FreeSlots() > free) {
        AgendaRecord r;
        r.owner = 1;
        r.label = QStringLiteral("FILLER");
        QVERIFY(book.InsertRecord(r));
    }
}

QStringList Labels(const MainWindow &w, int k, int from)
{
    QStringList out;
    for (int r = from; r < w.List(k)->rowCount(); ++r)
        out.append(w.List(k)->CellText(r, MainWindow::colLabel));
    return out;
}

// Sorts list 0 by "#" descending: BARBIERI STEFANO (REC.395), GRECO MARTA (REC.392),
// BRUNO FRANCESCA (REC.381), ...
void SortByRecordDescending(MainWindow &w)
{
    QHeaderView *header = w.List(0)->horizontalHeader();
    Q_EMIT header->sectionClicked(MainWindow::colRecord);
    Q_EMIT header->sectionClicked(MainWindow::colRecord);
}

// The sample loaded, list 0 sorted by "#" descending and its first three rows selected:
// BARBIERI STEFANO, GRECO MARTA, BRUNO FRANCESCA in display order.
bool SelectThreeNewest(MainWindow &w)
{
    if (!w.LoadFile(SampleAgenda()))
        return false;
    SortByRecordDescending(w);
    SelectRows(w.List(0), {2, 0, 1}, 2);
    return true;
}

QByteArray Utf16(const QString &text)
{
    QStringEncoder encode(QStringEncoder::Utf16LE, QStringConverter::Flag::WriteBom);
    return encode(text);
}

const QString kHeader = QStringLiteral(
    "last;first;note;street;numb;zip;city;country;coord;phone1;phone2;phone3;phone4;phone5;"
    "email1;email2;email3;email4;email5");

QString WriteFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

// The lines of a CSV file; the file must start with FF FE and end its lines with CR LF.
QStringList CsvLines(const QString &path)
{
    QFile f(path);
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (!bytes.startsWith("\xFF\xFE") || !bytes.endsWith(QByteArray("\r\0\n\0", 4)))
        return {QStringLiteral("not a CSV file")};
    QStringDecoder decode(QStringDecoder::Utf16LE);
    QStringList lines = QString(decode(bytes.mid(2))).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

} // namespace

class TestInterchange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menus();
    void exportVcf_data();
    void exportVcf();
    void exportOneVcf();
    void vcfRoundTrip();
    void importVcfGoesOnAfterErrors_data();
    void importVcfGoesOnAfterErrors();
    void importVcfOntoUserRow();
    void insertVcf_data();
    void insertVcf();
    void exportCsv_data();
    void exportCsv();
    void csvRoundTripOntoMoreRows();
    void csvFileRefused_data();
    void csvFileRefused();
    void insertCsv_data();
    void insertCsv();
};

void TestInterchange::menus()
{
    // Each entry runs its command: the selector it opens (cancelled here) shows which.
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    SelectRows(w.List(0), {1}, 1);
    QMenu exportMenu, importMenu;
    w.BuildExportMenu(exportMenu);
    w.BuildImportMenu(importMenu);
    QStringList entries;
    for (QAction *a : exportMenu.actions() + importMenu.actions()) {
        QVERIFY(a->isEnabled());
        entries.append(a->text());
        a->trigger();
    }
    QCOMPARE(entries, (QStringList{"to Vcf file", "to one Vcf file", "to Excel CSV file", "to Google CSV",
                                   "from Vcf file", "from Excel CSV file"}));
    QStringList titles;
    for (const Prompter::FileRequest &r : p.fileRequests)
        titles.append(r.title + " | " + r.proposed + " | " + r.filter + " | " + r.defaultSuffix
                      + (r.mode == Prompter::FileRequest::Mode::Save ? " | save" : " | open"));
    QCOMPARE(titles, (QStringList{
        "Export to vCard : REC.3 - ROSSI MARIO | ROSSI MARIO.vcf | vCard file (*.vcf);;All files (*) | vcf | save",
        "Export to one vCard file | MARCO.vcf | vCard file (*.vcf);;All files (*) | vcf | save",
        "Export to Excel CSV file |  | Excel CSV file (*.csv);;All files (*) | csv | save",
        "Export to Google CSV | contacts.csv | Excel CSV file (*.csv);;All files (*) | csv | save",
        "Import from vCard : REC.3 - ROSSI MARIO | ROSSI MARIO.vcf | vCard file (*.vcf);;All files (*) | vcf | open",
        "Import from Excel CSV file |  | Excel CSV file (*.csv);;All files (*) | csv | open"}));
    QVERIFY(p.Messages().isEmpty());
    QVERIFY(!w.agenda.modified);
}

void TestInterchange::exportVcf_data()
{
    // File names answered per selector, "" = cancel, "none/x.vcf" = a folder that does not exist.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("all three") << QStringList{"a.vcf", "b.vcf", "c.vcf"} << 3
                               << QStringList{"a.vcf", "b.vcf", "c.vcf"};
    QTest::newRow("cancel the second") << QStringList{"a.vcf", ""} << 2 << QStringList{"a.vcf"};
    QTest::newRow("second cannot be written") << QStringList{"a.vcf", "none/b.vcf", "c.vcf"} << 3
                                              << QStringList{"a.vcf", "c.vcf"};
}

void TestInterchange::exportVcf()
{
    QFETCH(QStringList, answers);
    QFETCH(int, requests);
    QFETCH(QStringList, written);
    QTemporaryDir dir;
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(SelectThreeNewest(w));
    QString failed;
    for (const QString &a : answers) {
        p.files.append(QStringList{a.isEmpty() ? QString() : dir.filePath(a)});
        if (a.startsWith(QLatin1String("none/")))
            failed = dir.filePath(a);
    }

    w.ExportVcf();

    const QStringList titles = {"Export to vCard : REC.395 - BARBIERI STEFANO",
                                "Export to vCard : REC.392 - GRECO MARTA",
                                "Export to vCard : REC.381 - BRUNO FRANCESCA"};
    const QStringList proposed = {"BARBIERI STEFANO.vcf", "GRECO MARTA.vcf", "BRUNO FRANCESCA.vcf"};
    QCOMPARE(p.fileRequests.size(), requests);
    for (int i = 0; i < requests; ++i) {
        QCOMPARE(p.fileRequests[i].title, titles[i]);
        QCOMPARE(p.fileRequests[i].proposed, proposed[i]);
        QCOMPARE(p.fileRequests[i].mode, Prompter::FileRequest::Mode::Save);
        QCOMPARE(p.fileRequests[i].defaultSuffix, QStringLiteral("vcf"));
    }
    QCOMPARE(p.Messages(), failed.isEmpty() ? QStringList() : QStringList{"Error exporting file : " + PathText(failed)});
    QStringList present = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(present, written);
    QVERIFY(!w.agenda.modified);
    // The selector starts next time in the folder of the last chosen file.
    QCOMPARE(w.fsVcf.directory, QFileInfo(dir.filePath(answers.first())).absolutePath());
}

void TestInterchange::exportOneVcf()
{
    QTemporaryDir dir;
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(SelectThreeNewest(w));
    const QString path = dir.filePath(QStringLiteral("all.vcf"));
    const QString bad = dir.filePath(QStringLiteral("none/all.vcf"));
    p.files = {QStringList{path}, QStringList{bad}, QStringList{}};
    w.ExportOneVcf();
    w.ExportOneVcf();
    w.ExportOneVcf();

    QCOMPARE(p.fileRequests.size(), 3);
    QCOMPARE(p.fileRequests[0].title, QStringLiteral("Export to one vCard file"));
    QCOMPARE(p.fileRequests[0].proposed, QStringLiteral("MARCO.vcf"));
    QCOMPARE(p.fileRequests[0].mode, Prompter::FileRequest::Mode::Save);
    QCOMPARE(p.Messages(), QStringList{"Error exporting file : " + PathText(bad)});
    QStringList labels;
    for (const CardOfFile &c : ReadCardFiles({path}, p))
        labels << c.record.label;
    QCOMPARE(labels, (QStringList{"BARBIERI STEFANO", "GRECO MARTA", "BRUNO FRANCESCA"}));  // display order
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"all.vcf"});
    QVERIFY(!w.agenda.modified);
}

void TestInterchange::vcfRoundTrip()
{
    QTemporaryDir dir;
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const QString file = dir.filePath(QStringLiteral("rossi.vcf"));
    SelectRows(w.List(0), {1}, 1);  // ROSSI MARIO, slot 2
    p.files.append(QStringList{file});
    w.ExportVcf();
    QVERIFY(QFileInfo::exists(file));

    const int row = RowOfLabel(w.List(0), QStringLiteral("OFFICINA AUTO"));
    QVERIFY(row > 0);
    SelectRows(w.List(0), {row}, row);
    p.files.append(QStringList{file});
    w.ImportVcf();

    QCOMPARE(p.fileRequests.last().title, QStringLiteral("Import from vCard : REC.36 - OFFICINA AUTO"));
    QCOMPARE(p.fileRequests.last().proposed, QStringLiteral("OFFICINA AUTO.vcf"));
    QVERIFY(p.Messages().isEmpty());
    // The texts, types and coordinate come back; the same row shows the imported record.
    const AgendaRecord &from = *w.agenda.RecordAt(2);
    const AgendaRecord &to = *w.agenda.RecordAt(35);
    QCOMPARE(MainWindow::FieldsOf(to), MainWindow::FieldsOf(from));
    QCOMPARE(to.phoneType, from.phoneType);
    QCOMPARE(to.owner, 1u);
    QCOMPARE(RecordCell(w.List(0), row), 36);
    QCOMPARE(w.RowFields(0, row), MainWindow::FieldsOf(from));
    QVERIFY(Button(w, "btSave")->isEnabled());
}

void TestInterchange::importVcfGoesOnAfterErrors_data()
{
    // One answer per selected row (ROSSI MARIO, BIANCHI ANNA, MÜLLER JÜRGEN):
    // a sample card, "missing" (a file that does not exist) or "" (cancel).
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("middle file missing")
        << QStringList{"gmail-list.vcf", "missing", "outlook-2003.vcf"}
        << QStringList{"Arnold Smith", "BIANCHI ANNA", "John Doe III"};
    QTest::newRow("middle card truncated")
        << QStringList{"gmail-list.vcf", "truncated", "outlook-2003.vcf"}
        << QStringList{"Arnold Smith", "BIANCHI ANNA", "John Doe III"};
    QTest::newRow("cancel the second") << QStringList{"rfc2426-example.vcf", ""}
                                       << QStringList{"Frank Dawson", "BIANCHI ANNA", "MÜLLER JÜRGEN"};
}

void TestInterchange::importVcfGoesOnAfterErrors()
{
    QFETCH(QStringList, answers);
    QTemporaryDir dir;
    const QString truncated = WriteFile(dir, QStringLiteral("truncated.vcf"),
                                        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Half\r\nTEL:123\r\n");
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const AgendaRecord bianchi = *w.agenda.RecordAt(8);
    SelectRows(w.List(0), {1, 2, 3}, 3);
    QStringList expectedMessages;
    for (const QString &a : answers) {
        QString path;
        if (a == QLatin1String("missing"))
            path = dir.filePath(QStringLiteral("missing.vcf"));
        else if (a == QLatin1String("truncated"))
            path = truncated;
        else if (!a.isEmpty())
            path = VcardFile(a.toLatin1().constData());
        if (a == QLatin1String("missing") || a == QLatin1String("truncated"))
            expectedMessages.append("Error importing file : " + PathText(path));
        p.files.append(QStringList{path});
    }

    w.ImportVcf();

    QCOMPARE(p.fileRequests.size(), answers.size());
    QCOMPARE(p.Messages(), expectedMessages);
    // The reason is the message's detail.
    for (const ScriptedPrompter::Shown &shown : p.shown)
        if (shown.text.startsWith(QLatin1String("Error importing file : ")))
            QCOMPARE(shown.detail, QLatin1String(shown.text.endsWith(QLatin1String("missing.vcf"))
                                                     ? "The file does not exist." : "card 1 has no END:VCARD line"));
    QTEST(Labels(w, 0, 1).mid(0, 3), "labels");
    QCOMPARE(RecordCell(w.List(0), 2), 9);
    QVERIFY(*w.agenda.RecordAt(8) == bianchi);  // the failed record is untouched
    QVERIFY(w.agenda.modified);
}

void TestInterchange::importVcfOntoUserRow()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    Tabs(w)->setCurrentIndex(1);
    QCOMPARE(Tabs(w)->tabText(1), QStringLiteral("GIULIA:2"));
    SelectRows(w.List(1), {0}, 0);
    p.files.append(QStringList{VcardFile("outlook-2003.vcf")});
    w.ImportVcf();
    QCOMPARE(p.fileRequests.first().title, QStringLiteral("Import from vCard : REC.2 - GIULIA"));
    QCOMPARE(Tabs(w)->tabText(1), QStringLiteral("John Doe III:2"));
    QCOMPARE(w.List(1)->CellText(0, MainWindow::colLabel), QStringLiteral("John Doe III"));
    QCOMPARE(w.agenda.RecordAt(1)->owner, 2u);
    QCOMPARE(w.agenda.RecordAt(1)->city, QStringLiteral("Austin"));
}

void TestInterchange::insertVcf_data()
{
    // Files chosen at once ("garbage" = a file that is no card), free slots left (-1 = as
    // loaded), answers to "Error importing : ...", labels of the rows appended, messages,
    // and whether the review was shown (more than one card in all).
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<int>("free");
    QTest::addColumn<QList<bool>>("okAnswers");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("reviews");
    const QString full = QStringLiteral("No more space to add contact to Agenda");
    // Cut to the unit's 30 characters by the review's default.
    const QString gmail = QStringLiteral("Mr. John Richter, James Doe Sr");
    QTest::newRow("every card of three files, reviewed")
        << QStringList{"gmail-list.vcf", "rfc2426-example.vcf", "John_Doe_GMAIL.vcf"} << -1 << QList<bool>{}
        << QStringList{"Arnold Smith", "Chris Beatle", "Doug White", "Frank Dawson", "Tim Howes", gmail}
        << QStringList{} << 1;
    QTest::newRow("one file of one card: no review")
        << QStringList{"outlook-2003.vcf"} << -1 << QList<bool>{} << QStringList{"John Doe III"} << QStringList{} << 0;
    QTest::newRow("five cards, three free slots: one message")
        << QStringList{"outlook-2003.vcf", "thunderbird-MoreFunctionsForAddressBook-extension.vcf", "gmail-list.vcf"}
        << 3 << QList<bool>{} << QStringList{"John Doe III", "John Doe", "Arnold Smith"} << QStringList{full} << 1;
    QTest::newRow("bad file, OK keeps its empty record")
        << QStringList{"gmail-list.vcf", "garbage", "outlook-2003.vcf"} << -1 << QList<bool>{true}
        << QStringList{"Arnold Smith", "Chris Beatle", "Doug White", "", "John Doe III"} << QStringList{"garbage"} << 1;
    QTest::newRow("bad file, Cancel before the review inserts nothing")
        << QStringList{"gmail-list.vcf", "garbage", "outlook-2003.vcf"} << -1 << QList<bool>{false}
        << QStringList{} << QStringList{"garbage"} << 0;
    QTest::newRow("bad file alone, OK adds an empty record")
        << QStringList{"garbage"} << -1 << QList<bool>{true} << QStringList{""} << QStringList{"garbage"} << 0;
    QTest::newRow("bad file, phonebook full")
        << QStringList{"garbage", "outlook-2003.vcf"} << 0 << QList<bool>{true} << QStringList{}
        << QStringList{"garbage", full} << 1;
}

void TestInterchange::insertVcf()
{
    QFETCH(QStringList, chosen);
    QFETCH(int, free);
    QFETCH(QList<bool>, okAnswers);
    QFETCH(QStringList, added);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) & 0xFF);
    const QString garbagePath = WriteFile(dir, QStringLiteral("garbage.vcf"), garbage);
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    if (free >= 0)
        FillUntilFree(w.book, free);
    Tabs(w)->setCurrentIndex(1);
    const int rowsBefore = w.List(1)->rowCount();
    const int usedBefore = w.agenda.usedCount;
    QStringList paths;
    for (const QString &c : chosen)
        paths.append(c == QLatin1String("garbage") ? garbagePath : VcardFile(c.toLatin1().constData()));
    p.files.append(paths);
    for (bool ok : okAnswers)
        p.answers.append(ok ? Prompter::Answer::Ok : Prompter::Answer::Cancel);
    for (QString &m : messages)
        if (m == QLatin1String("garbage"))
            m = "Error importing : " + PathText(garbagePath);

    w.InsertVcf();

    QTEST(w.reviews, "reviews");
    QCOMPARE(p.fileRequests.size(), 1);
    QCOMPARE(p.fileRequests[0].title, QStringLiteral("Insert from vCard"));
    QCOMPARE(p.fileRequests[0].mode, Prompter::FileRequest::Mode::OpenMany);
    QCOMPARE(p.fileRequests[0].proposed, QString());
    QCOMPARE(p.Messages(), messages);
    // The message about the file says why, as its detail.
    for (const ScriptedPrompter::Shown &shown : p.shown)
        if (shown.text.startsWith(QLatin1String("Error importing : ")))
            QCOMPARE(shown.detail, QStringLiteral("not a text file"));
    QVERIFY(p.unanswered.isEmpty());
    QCOMPARE(Labels(w, 1, rowsBefore), added);
    for (int r = rowsBefore; r < w.List(1)->rowCount(); ++r) {
        const AgendaRecord *rec = w.agenda.RecordAt(w.RowSlot(1, r));
        QVERIFY(rec);
        QCOMPARE(rec->owner, 2u);
        QCOMPARE(rec->recType, 1u);
    }
    if (!added.isEmpty()) {
        QCOMPARE(w.List(1)->currentRow(), w.List(1)->rowCount() - 1);
        QVERIFY(w.agenda.modified);
        QVERIFY(Button(w, "btSave")->isEnabled());
    }
    QCOMPARE(w.agenda.usedCount, usedBefore + added.size());
}

void TestInterchange::exportCsv_data()
{
    QTest::addColumn<QList<int>>("rows");  // rows of list 0 sorted by "#" descending
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two rows in display order")
        << QList<int>{2, 0}
        << QStringList{kHeader, "BARBIERI;STEFANO;;;;;;;;+39 346 4219054;;;;;;;;;",
                       "BRUNO;FRANCESCA;;;;;;;;+39 347 1023950;;;;;;;;;"};
    QTest::newRow("no row selected") << QList<int>{} << QStringList{kHeader};
}

void TestInterchange::exportCsv()
{
    QFETCH(QList<int>, rows);
    QTemporaryDir dir;
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    SortByRecordDescending(w);
    SelectRows(w.List(0), rows, rows.isEmpty() ? -1 : rows.first());
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    p.files.append(QStringList{path});
    w.ExportCsv();
    QCOMPARE(p.fileRequests.first().title, QStringLiteral("Export to Excel CSV file"));
    QCOMPARE(p.fileRequests.first().defaultSuffix, QStringLiteral("csv"));
    QVERIFY(p.Messages().isEmpty());
    QTEST(CsvLines(path), "lines");
    QVERIFY(!w.agenda.modified);

    // A file that cannot be created stops the command with one message.
    p.ClearShown();
    const QString bad = dir.filePath(QStringLiteral("none/out.csv"));
    p.files.append(QStringList{bad});
    w.ExportCsv();
    QCOMPARE(p.Messages(), QStringList{"Error creating file : " + PathText(bad)});
}

void TestInterchange::csvRoundTripOntoMoreRows()
{
    QTemporaryDir dir;
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const QString path = dir.filePath(QStringLiteral("two.csv"));
    SelectRows(w.List(0), {1, 2}, 1);  // ROSSI MARIO (slot 2), BIANCHI ANNA (slot 8)
    p.files.append(QStringList{path});
    w.ExportCsv();

    // Three rows of user 2 take the two lines; the third reports its missing line.
    Tabs(w)->setCurrentIndex(1);
    SelectRows(w.List(1), {1, 2, 3}, 1);  // VERDI LUCA, SMITH JOHN, GARCÍA LUCÍA
    const AgendaRecord garcia = *w.agenda.RecordAt(109);
    const uint32_t smithPhoneType = w.agenda.RecordAt(96)->phoneType[0];
    p.files.append(QStringList{path});
    w.ImportCsv();

    QCOMPARE(p.fileRequests.last().title, QStringLiteral("Import from Excel CSV file"));
    QCOMPARE(p.Messages(), QStringList{QStringLiteral("Error importing record 110: GARCÍA LUCÍA")});
    QCOMPARE(Labels(w, 1, 1).mid(0, 3),
             (QStringList{"ROSSI MARIO", "BIANCHI ANNA", "GARCÍA LUCÍA"}));
    // Every CSV column comes back (fld51 is not one of them); types are not in the file.
    MainWindow::EditFields expected = MainWindow::FieldsOf(*w.agenda.RecordAt(2));
    expected[MainWindow::colFld51 - 1] = w.agenda.RecordAt(86)->fld51;
    QCOMPARE(MainWindow::FieldsOf(*w.agenda.RecordAt(86)), expected);
    QCOMPARE(w.RowFields(1, 1), expected);
    QCOMPARE(w.agenda.RecordAt(86)->owner, 2u);
    QCOMPARE(w.agenda.RecordAt(96)->phoneType[0], smithPhoneType);
    QVERIFY(*w.agenda.RecordAt(109) == garcia);
    QVERIFY(Button(w, "btSave")->isEnabled());
}

void TestInterchange::csvFileRefused_data()
{
    QTest::addColumn<bool>("insert");
    QTest::addColumn<QByteArray>("bytes");  // empty: no file
    const QByteArray utf8 = (kHeader + "\r\nA;B;;;;;;;;;;;;;;;;;\r\n").toUtf8();
    QTest::newRow("import, UTF-8") << false << utf8;
    QTest::newRow("insert, no text") << true << QByteArray("PK\x03\x04\0\0\x14\0", 8);
    QTest::newRow("insert, quote not closed") << true << QByteArray("Name;Phone\r\n\"A;1\r\n");
    QTest::newRow("import, no file") << false << QByteArray();
}

void TestInterchange::csvFileRefused()
{
    QFETCH(bool, insert);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.csv"));
    if (!bytes.isEmpty())
        QCOMPARE(WriteFile(dir, QStringLiteral("in.csv"), bytes), path);
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    SelectRows(w.List(0), {1}, 1);
    const int rows = w.List(0)->rowCount();
    p.files.append(QStringList{path});
    if (insert)
        w.InsertCsv();
    else
        w.ImportCsv();
    QCOMPARE(p.fileRequests.first().title,
             insert ? QStringLiteral("Insert from Excel CSV file") : QStringLiteral("Import from Excel CSV file"));
    QCOMPARE(p.Messages(), QStringList{"Error reading file : " + PathText(path)});
    QVERIFY(!w.agenda.modified);
    QCOMPARE(w.List(0)->rowCount(), rows);
    QCOMPARE(w.List(0)->CellText(1, MainWindow::colLabel), QStringLiteral("ROSSI MARIO"));
}

void TestInterchange::insertCsv_data()
{
    QTest::addColumn<int>("free");
    QTest::addColumn<QString>("body");  // lines after the header, CR LF written as "|"
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("messages");
    const QString a = QStringLiteral("ROSSI;MARIO;;via roma;;;;;N45.500000,E9.250000;0123;;;;;;;;;");
    const QString b = QStringLiteral("DE;LUCA MARIO;nota;;;;;;;;;;;;m@x.it;;;;");
    const QString shortLine = QStringLiteral("SHORT;;;;;;;;;;;;;;;;;");  // 17 separators
    const QString full = QStringLiteral("No more space to add contact to Agenda");
    QTest::newRow("two records, trailing line end")
        << -1 << a + "|" + b + "|" << QStringList{"ROSSI MARIO", "DE LUCA MARIO"} << QStringList{};
    QTest::newRow("empty and short lines between")
        << -1 << a + "||" + shortLine + "|" + b + "||"
        << QStringList{"ROSSI MARIO", "DE LUCA MARIO"}
        << QStringList{"Error importing line 3: ", "Error importing line 4: SHORT"};
    QTest::newRow("short last line without line end") << -1 << a + "|" + shortLine
                                                       << QStringList{"ROSSI MARIO"} << QStringList{};
    QTest::newRow("one free slot") << 1 << a + "|" + b + "|" + a + "|" << QStringList{"ROSSI MARIO"}
                                   << QStringList{full};
}

void TestInterchange::insertCsv()
{
    QFETCH(int, free);
    QFETCH(QString, body);
    QFETCH(QStringList, added);
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("in.csv"),
                                   Utf16(kHeader + "\r\n" + body.replace(QLatin1Char('|'), QStringLiteral("\r\n"))));
    QVERIFY(!path.isEmpty());
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    if (free >= 0)
        FillUntilFree(w.book, free);
    Tabs(w)->setCurrentIndex(1);
    const int rowsBefore = w.List(1)->rowCount();
    p.files.append(QStringList{path});

    w.InsertCsv();

    QCOMPARE(p.fileRequests.first().title, QStringLiteral("Insert from Excel CSV file"));
    QTEST(p.Messages(), "messages");
    QCOMPARE(Labels(w, 1, rowsBefore), added);
    QCOMPARE(w.List(1)->currentRow(), w.List(1)->rowCount() - 1);
    const AgendaRecord *first = w.agenda.RecordAt(w.RowSlot(1, rowsBefore));
    QVERIFY(first);
    QCOMPARE(first->owner, 2u);
    QCOMPARE(first->street, QStringLiteral("via roma"));
    QCOMPARE(first->nav.GpsText(), QStringLiteral("N45.500000,E9.250000"));
    QCOMPARE(first->phone[0], QStringLiteral("0123"));
    QCOMPARE(w.List(1)->CellText(rowsBefore, MainWindow::colNav), QStringLiteral("N45.500000,E9.250000"));
    QVERIFY(Button(w, "btSave")->isEnabled());
}

QTEST_MAIN(TestInterchange)
#include "test_interchange.moc"
