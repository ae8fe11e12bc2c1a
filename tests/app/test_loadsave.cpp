// Load, save and exit workflow, and start-up from the command line.
#include "app/windowfixture.h"
#include "support/testfiles.h"

#include "app/startup.h"
#include "common/markup.h"
#include "formats/vcard.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QTest>
#include <QTimer>

namespace {

using A = Prompter::Answer;

const QString kExitQuestion = QStringLiteral("Exit KESTRAVON ?");
const QString kSaveQuestion = QStringLiteral("Save modified Agenda ?");

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file below a directory with a hash of its content.
QStringList Snapshot(const QString &dir)
{
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        out.append(path + QLatin1Char(' ')
                   + QCryptographicHash::hash(FileBytes(path), QCryptographicHash::Md5).toHex());
    }
    out.sort();
    return out;
}

QList<int> SlotsOf(const MainWindow &w, int k)
{
    QList<int> out;
    for (int r = 0; r < w.List(k)->rowCount(); ++r)
        out.append(w.RowSlot(k, r));
    return out;
}

// Loads a copy of the sample and changes one label in place.
void LoadAndChange(TestWindow &w, const QString &path)
{
    QVERIFY(w.LoadFile(path));
    QVERIFY(w.EditCell(0, 1, MainWindow::colLabel, QStringLiteral("CHANGED")));
    QVERIFY(w.agenda.modified);
}

} // namespace

class TestLoadSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exitWorkflow_data();
    void exitWorkflow();
    void closeRequestAsksTheSame();
    void runEndsWithExitCode();
    void loadWithChangesSaveFails();
    void loadFailureKeepsLists();
    void loadErrorShowsPathLiterally();
    void loadShowsNothingOfTheLastFile();
    void loadCancelled();
    void unknownVersionIsAsked();
    void saveAsNewName();
    void commandLine_data();
    void commandLine();
    void startUp_data();
    void startUp();
};

void TestLoadSave::exitWorkflow_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<A>>("answers");
    QTest::addColumn<QStringList>("files");  // chosen in the save selector; "" = cancelled
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<bool>("written");

    QTest::newRow("no changes") << false << QList<A>{A::Ok} << QStringList{}
                                << QStringList{kExitQuestion} << true << false;
    QTest::newRow("no changes, cancel") << false << QList<A>{A::Cancel} << QStringList{}
                                        << QStringList{kExitQuestion} << false << false;
    QTest::newRow("changes, drop them") << true << QList<A>{A::Ok, A::No} << QStringList{}
                                        << QStringList{kExitQuestion, kSaveQuestion} << true << false;
    QTest::newRow("changes, cancel the save question") << true << QList<A>{A::Ok, A::Cancel} << QStringList{}
                                                       << QStringList{kExitQuestion, kSaveQuestion} << false << false;
    QTest::newRow("changes, save cancelled in selector") << true << QList<A>{A::Ok, A::Yes} << QStringList{""}
                                                         << QStringList{kExitQuestion, kSaveQuestion} << false << false;
    QTest::newRow("changes, saved") << true << QList<A>{A::Ok, A::Yes} << QStringList{"Agenda.dat"}
                                    << QStringList{kExitQuestion, kSaveQuestion} << true << true;
}

void TestLoadSave::exitWorkflow()
{
    QFETCH(bool, changed);
    QFETCH(QList<A>, answers);
    QFETCH(QStringList, files);
    QFETCH(QStringList, messages);
    QFETCH(bool, finished);
    QFETCH(bool, written);

    QTemporaryDir dir;
    const QString path = CopySample(dir);
    ScriptedPrompter p;
    TestWindow w(p);
    if (changed)
        LoadAndChange(w, path);
    else
        QVERIFY(w.LoadFile(path));
    const QStringList before = Snapshot(dir.path());
    p.answers = answers;
    for (const QString &f : files)
        p.files.append(QStringList{f.isEmpty() ? QString() : dir.filePath(f)});
    w.Exit();
    QCOMPARE(p.Messages(), messages);
    QVERIFY(p.unanswered.isEmpty());
    QCOMPARE(w.Finished(), finished);
    QCOMPARE(Snapshot(dir.path()) != before, written);
    // Unsaved changes stay in memory while the window stays open.
    QCOMPARE(w.agenda.modified, changed && !written);
    if (changed && !finished)
        QCOMPARE(w.agenda.slots[size_t(w.RowSlot(0, 1))].label, QStringLiteral("CHANGED"));
    if (written)
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Agenda.BAK"))));
}

void TestLoadSave::closeRequestAsksTheSame()
{
    ScriptedPrompter p;
    TestWindow w(p);
    w.show();
    p.answers = {A::Cancel};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(p.Messages(), QStringList{kExitQuestion});
    QVERIFY(!w.Finished());

    w.book.SetModified(true);
    p.ClearShown();
    p.answers = {A::Ok, A::No};
    w.close();
    QCOMPARE(p.Messages(), (QStringList{kExitQuestion, kSaveQuestion}));
    QVERIFY(w.Finished());
}

void TestLoadSave::runEndsWithExitCode()
{
    ScriptedPrompter p;
    TestWindow w(p);
    p.answers = {A::Cancel, A::Ok};
    // Escape works as the Exit button; the first time the question is cancelled.
    QTimer::singleShot(0, &w, [&] {
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        Button(w, "btExit")->click();
    });
    QCOMPARE(w.Run(), MainWindow::kExitCode);
    QVERIFY(!w.isVisible());
    QCOMPARE(p.Messages(), (QStringList{kExitQuestion, kExitQuestion}));
}

void TestLoadSave::loadWithChangesSaveFails()
{
    QTemporaryDir dir;
    const QString path = CopySample(dir);
    ScriptedPrompter p;
    TestWindow w(p);
    LoadAndChange(w, path);
    const QString target = dir.filePath(QStringLiteral("missing/folder/Agenda.dat"));
    p.answers = {A::Yes};
    p.files = {QStringList{target}};
    w.OnLoad();
    QCOMPARE(p.Messages(), (QStringList{kSaveQuestion, QStringLiteral("Error saving file : ") + MarkupEscape(target)}));
    // Only the save selector was shown; no load happened.
    QCOMPARE(p.fileRequests.size(), 1);
    QCOMPARE(p.fileRequests[0].title, QStringLiteral("Save Agenda.dat file"));
    QCOMPARE(p.fileRequests[0].mode, Prompter::FileRequest::Mode::Save);
    QCOMPARE(w.Filename(), target);
    QVERIFY(w.agenda.modified);
    QVERIFY(Button(w, "btSave")->isEnabled());
    QCOMPARE(w.List(0)->CellText(1, MainWindow::colLabel), QStringLiteral("CHANGED"));
}

void TestLoadSave::loadFailureKeepsLists()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const QList<int> rows0 = SlotsOf(w, 0);
    const QList<int> rows1 = SlotsOf(w, 1);
    const AgendaRecord first = *w.agenda.RecordAt(rows0[1]);
    const QString notAgenda = QStringLiteral(KESTRAVON_TESTDATA "/vcards/John_Doe_GMAIL.vcf");
    p.files = {QStringList{notAgenda}};
    w.OnLoad();
    QCOMPARE(p.fileRequests.size(), 1);
    QCOMPARE(p.fileRequests[0].title, QStringLiteral("Load Agenda.dat file"));
    QCOMPARE(p.fileRequests[0].mode, Prompter::FileRequest::Mode::Open);
    QCOMPARE(p.LastMessage(), QStringLiteral("Error loading file : ") + MarkupEscape(notAgenda));
    QCOMPARE(p.shown.last().detail, QStringLiteral("The file is not a phonebook file."));
    QCOMPARE(SlotsOf(w, 0), rows0);
    QCOMPARE(SlotsOf(w, 1), rows1);
    QVERIFY(*w.agenda.RecordAt(rows0[1]) == first);
    QCOMPARE(w.Filename(), SampleAgenda());
    QCOMPARE(Tabs(w)->tabText(0), QStringLiteral("MARCO:1"));
}

void TestLoadSave::loadErrorShowsPathLiterally()
{
    QTemporaryDir dir;
    // A name holding a backslash and markup characters.
    const QString path = dir.filePath(QStringLiteral("a\\b & [* c].dat"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a phonebook");
    }
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(!w.LoadFile(path));
    QString shown = path;
    shown.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QCOMPARE(MarkupToPlain(p.LastMessage()), QStringLiteral("Error loading file : ") + shown);
    QVERIFY(MarkupToHtml(p.LastMessage()).contains(QStringLiteral("a/b &amp; [* c].dat")));
    QCOMPARE(w.Filename(), QStringLiteral("Agenda.dat"));
    QCOMPARE(Tabs(w)->tabText(0), QStringLiteral("User:1"));
}

void TestLoadSave::loadShowsNothingOfTheLastFile()
{
    // The version-81 sample carries fld51 texts; the plain sample has none.
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(QStringLiteral(KESTRAVON_TESTDATA "/agenda/version81/Agenda.dat")));
    QVERIFY(w.LoadFile(SampleAgenda()));
    int rows = 0;
    for (int k = 0; k < Tabs(w)->count(); ++k)
        for (int r = 0; r < w.List(k)->rowCount(); ++r, ++rows)
            QCOMPARE(w.List(k)->CellText(r, MainWindow::colFld51), QString());
    QCOMPARE(rows, 45);
}

void TestLoadSave::loadCancelled()
{
    ScriptedPrompter p;
    TestWindow w(p);
    w.book.SetModified(true);
    p.answers = {A::No};
    p.files = {QStringList{}};
    w.OnLoad();
    QCOMPARE(p.Messages(), QStringList{kSaveQuestion});
    QCOMPARE(p.fileRequests.size(), 1);
    QCOMPARE(p.fileRequests[0].proposed, QStringLiteral("Agenda.dat"));
    QCOMPARE(w.Filename(), QStringLiteral("Agenda.dat"));
    QCOMPARE(w.List(0)->rowCount(), 1);

    // Cancelling the save question stops the load before the selector.
    p.ClearShown();
    p.answers = {A::Cancel};
    w.OnLoad();
    QCOMPARE(p.Messages(), QStringList{kSaveQuestion});
    QVERIFY(p.fileRequests.isEmpty());
}

void TestLoadSave::unknownVersionIsAsked()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Agenda.dat"));
    QByteArray bytes = FileBytes(SampleAgenda());
    bytes[15] = char(82);
    QVERIFY(WriteAll(path, bytes));
    const QString question = QStringLiteral("This phonebook has format version 82, which this program does not know. "
                                            "Open it anyway? It will be saved as version 80.");
    ScriptedPrompter p;
    TestWindow w(p);
    // No (the default) opens nothing and needs no error message.
    QVERIFY(!w.LoadFile(path));
    QCOMPARE(p.Messages(), QStringList{question});
    QCOMPARE(w.Filename(), QStringLiteral("Agenda.dat"));
    p.ClearShown();
    p.answers = {A::Yes};
    QVERIFY(w.LoadFile(path));
    QCOMPARE(p.Messages(), QStringList{question});
    QCOMPARE(w.Filename(), path);
    QCOMPARE(Tabs(w)->tabText(0), QStringLiteral("MARCO:1"));
}

void TestLoadSave::saveAsNewName()
{
    QTemporaryDir dir;
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const QString target = dir.filePath(QStringLiteral("Copy.dat"));
    p.files = {QStringList{target}};
    QVERIFY(w.SaveAs());
    QCOMPARE(p.fileRequests[0].proposed, SampleAgenda());
    QCOMPARE(p.fileRequests[0].defaultSuffix, QStringLiteral("dat"));
    QVERIFY(p.fileRequests[0].filter.startsWith(QStringLiteral("Agenda.dat (Agenda.dat)")));
    QVERIFY(p.fileRequests[0].filter.endsWith(QStringLiteral(";;All files (*)")));
    QCOMPARE(w.Filename(), target);
    // An unchanged phonebook is written back byte for byte.
    QCOMPARE(FileBytes(target), FileBytes(SampleAgenda()));
    QVERIFY(!w.agenda.modified);
    QVERIFY(!Button(w, "btSave")->isEnabled());
    QVERIFY(p.Messages().isEmpty());

    // The next load proposes the new name, in its folder.
    p.files = {QStringList{}};
    w.OnLoad();
    QCOMPARE(p.fileRequests.last().proposed, target);
    QCOMPARE(QDir(p.fileRequests.last().directory), QDir(dir.path()));
}

void TestLoadSave::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("nocheck");
    QTest::addColumn<bool>("vcfDebug");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("none") << QStringList{} << false << false << QStringList{};
    QTest::newRow("-vcfdebug") << QStringList{"-vcfdebug"} << false << true << QStringList{};
    QTest::newRow("-nocheck -vcfdebug") << QStringList{"-nocheck", "-vcfdebug"} << true << true << QStringList{};
    QTest::newRow("path") << QStringList{"a.dat"} << true << false << QStringList{"a.dat"};
    QTest::newRow("other option is a path") << QStringList{"-x", "-NOCHECK"} << true << false
                                            << QStringList{"-x", "-NOCHECK"};
    QTest::newRow("order kept") << QStringList{"b.dat", "-vcfdebug", "a b.dat"} << true << true
                                << QStringList{"b.dat", "a b.dat"};
    QTest::newRow("after -- only paths") << QStringList{"-vcfdebug", "--", "-nocheck", "--"} << true << true
                                         << QStringList{"-nocheck", "--"};
}

void TestLoadSave::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(bool, nocheck);
    QFETCH(bool, vcfDebug);
    QFETCH(QStringList, paths);
    const StartOptions o = ParseCommandLine(args);
    QCOMPARE(o.nocheck, nocheck);
    QCOMPARE(o.vcfDebug, vcfDebug);
    QCOMPARE(o.paths, paths);
}

void TestLoadSave::startUp_data()
{
    const QString sample = SampleAgenda();
    const QString missing = QStringLiteral(KESTRAVON_TESTDATA "/agenda/none/Agenda.dat");
    const QString update = QStringLiteral("Check for program updates ?");
    const QString loadError = QStringLiteral("Error loading file : ");

    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QList<A>>("answers");
    QTest::addColumn<bool>("updateInstalled");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("checks");
    QTest::addColumn<bool>("run");
    QTest::addColumn<QString>("filename");
    QTest::addColumn<QString>("programDir");  // empty: the test program's own (writable)

    QTest::newRow("no arguments, No") << QStringList{} << QList<A>{A::No} << false << QStringList{update}
                                      << 0 << true << "Agenda.dat" << QString();
    QTest::newRow("no arguments, Yes, nothing new") << QStringList{} << QList<A>{A::Yes} << false
                                                    << QStringList{update} << 1 << true << "Agenda.dat" << QString();
    QTest::newRow("no arguments, Yes, new version started") << QStringList{} << QList<A>{A::Yes} << true
                                                            << QStringList{update} << 1 << false << "Agenda.dat" << QString();
    QTest::newRow("-vcfdebug still asks") << QStringList{"-vcfdebug"} << QList<A>{A::No} << false
                                          << QStringList{update} << 0 << true << "Agenda.dat" << QString();
    QTest::newRow("-nocheck -vcfdebug") << QStringList{"-nocheck", "-vcfdebug"} << QList<A>{} << false
                                        << QStringList{} << 0 << true << "Agenda.dat" << QString();
    QTest::newRow("path loads, no question") << QStringList{sample} << QList<A>{} << false << QStringList{}
                                             << 0 << true << sample << QString();
    QTest::newRow("failed path, no question") << QStringList{missing} << QList<A>{} << false
                                              << QStringList{loadError + MarkupEscape(missing)} << 0 << true
                                              << "Agenda.dat" << QString();
    QTest::newRow("second path fails, first stays") << QStringList{sample, missing} << QList<A>{} << false
                                                    << QStringList{loadError + MarkupEscape(missing)} << 0
                                                    << true << sample << QString();
    QTest::newRow("-x is a path") << QStringList{"-x"} << QList<A>{} << false
                                  << QStringList{loadError + "-x"} << 0 << true << "Agenda.dat" << QString();
    QTest::newRow("program folder not writable, no question")
        << QStringList{} << QList<A>{} << false << QStringList{} << 0 << true << "Agenda.dat"
        << QStringLiteral("/nonexistent/kestravon/");
}

void TestLoadSave::startUp()
{
    QFETCH(QStringList, args);
    QFETCH(QList<A>, answers);
    QFETCH(bool, updateInstalled);
    QFETCH(QStringList, messages);
    QFETCH(int, checks);
    QFETCH(bool, run);
    QFETCH(QString, filename);
    QFETCH(QString, programDir);

    ScriptedPrompter p;
    TestWindow w(p);
    w.updateResult = updateInstalled;
    p.answers = answers;
    vcfDebug = false;
    QCOMPARE(StartUp(w, ParseCommandLine(args), programDir), run);
    QCOMPARE(vcfDebug, args.contains(QStringLiteral("-vcfdebug")));
    vcfDebug = false;
    QCOMPARE(p.Messages(), messages);
    QVERIFY(p.unanswered.isEmpty());
    QCOMPARE(w.updateChecks, checks);
    QCOMPARE(w.Filename(), filename);
    QCOMPARE(Tabs(w)->tabText(0), filename == SampleAgenda() ? QStringLiteral("MARCO:1") : QStringLiteral("User:1"));
    QVERIFY(!w.agenda.modified);
}

QTEST_MAIN(TestLoadSave)
#include "test_loadsave.moc"
