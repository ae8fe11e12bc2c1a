#include "support/scriptedprompter.h"
#include "support/craftedcheck.h"
#include "support/testfiles.h"

#include <QtTest>

#include <memory>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

const QString kCli = QStringLiteral(KESTRAVON_BINARY_DIR "/src/cli/kestravon-cli");
const QString kGui = QStringLiteral(KESTRAVON_BINARY_DIR "/src/app/kestravon");

// Runs a program with no display at all: a program that needs one fails.
Run Program(const QString &program, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    p.setProcessEnvironment(env);
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

Run Cli(const QStringList &args)
{
    return Program(kCli, args);
}

QString Sample(const QString &name)
{
    return QStringLiteral(KESTRAVON_TESTDATA "/agenda/") + name;
}

} // namespace

// The command-line companion as a real process: output, exit status, files written.
class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void info_data();
    void info();
    void dumpIsJsonLines();
    void resavePlainAndCompressed();
    void errors_data();
    void errors();
    void keepLong();
    void conventions_data();
    void conventions();
    void dashIsStandardOutput_data();
    void dashIsStandardOutput();
    void check_data();
    void check();
};

void TestCli::info_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("patchVersion");  // header version written over the copy; 0 = as it is
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    const QString plain = Sample(QStringLiteral("Agenda.dat"));
    QTest::newRow("plain") << plain << 0 << QStringList() << 0
                           << QByteArray("slots: 403\nused: 45\nusers: 2\ncompressed: no\nversion: 80\n") << QByteArray();
    QTest::newRow("compressed") << Sample(QStringLiteral("compressed/Agenda.dat")) << 0 << QStringList() << 0
                                << QByteArray("slots: 403\nused: 45\nusers: 2\ncompressed: yes\nversion: 80\n") << QByteArray();
    QTest::newRow("version 81") << Sample(QStringLiteral("version81/Agenda.dat")) << 0 << QStringList() << 0
                                << QByteArray("slots: 403\nused: 45\nusers: 2\ncompressed: no\nversion: 81\n") << QByteArray();
    QTest::newRow("unknown version refused") << plain << 82 << QStringList() << 1 << QByteArray()
                                             << QByteArray("\nThis phonebook has format version 82, which this program does not know.\n");
    QTest::newRow("unknown version, --any-version") << plain << 82 << QStringList{QStringLiteral("--any-version")} << 0
                                                    << QByteArray("slots: 403\nused: 45\nusers: 2\ncompressed: no\nversion: 82\n")
                                                    << QByteArray();
}

void TestCli::info()
{
    QFETCH(QString, file);
    QFETCH(int, patchVersion);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    QTemporaryDir dir;
    // Copy the compressed sample with its sidecar, so that no temporary file lands in the
    // test data.
    const QString copy = dir.filePath(QStringLiteral("Agenda.dat"));
    QVERIFY(CopyWritable(file, copy));
    if (QFile::exists(file + QStringLiteral(".inf")))
        QVERIFY(CopyWritable(file + QStringLiteral(".inf"), copy + QStringLiteral(".inf")));
    if (patchVersion) {
        QFile f(copy);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(15));
        QVERIFY(f.putChar(char(patchVersion)));
    }
    const Run r = Cli(QStringList{QStringLiteral("info")} + options + QStringList{copy});
    QCOMPARE(r.status, status);
    QTEST(r.out, "out");
    QVERIFY2(r.err.endsWith(err), r.err.constData());
}

void TestCli::dumpIsJsonLines()
{
    const Run r = Cli({QStringLiteral("dump"), Sample(QStringLiteral("Agenda.dat"))});
    QCOMPARE(r.status, 0);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 45);
    int lastSlot = -1;
    bool held = false;
    for (const QByteArray &line : lines) {
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(line, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QVERIFY(o.value(QStringLiteral("slot")).toInt() > lastSlot);
        lastSlot = o.value(QStringLiteral("slot")).toInt();
        for (const char *key : {"recType", "owner", "label", "note", "fld51", "simPos", "voiceIndex", "street", "numb",
                                "zip", "city", "country", "navFlags", "postalType", "posNumb", "poiCat", "poiFac0",
                                "poiFac1", "poiLabel", "cdQuarter", "cdYear", "cdCid", "phoneWord", "emailWord",
                                "acpType"})
            QVERIFY2(o.contains(QLatin1String(key)), key);
        QCOMPARE(o.value(QStringLiteral("phone")).toArray().size(), 5);
        QCOMPARE(o.value(QStringLiteral("emailType")).toArray().size(), 5);
        QCOMPARE(o.value(QStringLiteral("posCode")).toString().size(), 14);
        QCOMPARE(o.value(QStringLiteral("acpDate1")).toString().size(), 12);
        QVERIFY(o.value(QStringLiteral("lat")).toObject().contains(QStringLiteral("hund")));
        if (o.value(QStringLiteral("label")).toString().contains(QChar(char16_t(0xEEE8))))
            held = true;
        if (o.value(QStringLiteral("navFlags")).toInt() & 2) {
            QCOMPARE(o.value(QStringLiteral("posCode")).toString(), QStringLiteral("0102030405 06ab").remove(QLatin1Char(' ')));
        }
    }
    QVERIFY(held);
    const QJsonObject first = QJsonDocument::fromJson(lines.first()).object();
    QCOMPARE(first.value(QStringLiteral("slot")).toInt(), 0);
    QCOMPARE(first.value(QStringLiteral("label")).toString(), QStringLiteral("MARCO"));
}

void TestCli::resavePlainAndCompressed()
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("Agenda.dat"));
    QVERIFY(CopyWritable(Sample(QStringLiteral("Agenda.dat")), plain));
    Run r = Cli({QStringLiteral("resave"), plain});
    QCOMPARE(r.status, 0);
    QCOMPARE(ReadAll(plain), ReadAll(Sample(QStringLiteral("Agenda.dat"))));
    QCOMPARE(ReadAll(dir.filePath(QStringLiteral("Agenda.BAK"))), ReadAll(Sample(QStringLiteral("Agenda.dat"))));
    QCOMPARE(ReadAll(plain + QStringLiteral(".inf")).size(), 10);

    QTemporaryDir cdir;
    const QString packed = cdir.filePath(QStringLiteral("Agenda.dat"));
    QVERIFY(CopyWritable(Sample(QStringLiteral("compressed/Agenda.dat")), packed));
    QVERIFY(CopyWritable(Sample(QStringLiteral("compressed/Agenda.dat.inf")), packed + QStringLiteral(".inf")));
    r = Cli({QStringLiteral("resave"), packed});
    QCOMPARE(r.status, 0);
    QCOMPARE(quint8(ReadAll(packed).at(0)), quint8(0x78));
    QVERIFY(ReadAll(packed + QStringLiteral(".inf")).contains("USIZE:10180\r\n"));
    r = Cli({QStringLiteral("info"), packed});
    QVERIFY(r.out.contains("compressed: yes"));
}

void TestCli::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("err");
    QTest::newRow("no command") << QStringList() << 2 << QByteArray("usage:");
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2 << QByteArray("usage:");
    QTest::newRow("missing file argument") << QStringList{QStringLiteral("info")} << 2 << QByteArray("usage:");
    QTest::newRow("too many arguments") << QStringList{QStringLiteral("info"), QStringLiteral("a"), QStringLiteral("b")}
                                        << 2 << QByteArray("usage:");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("info"), QStringLiteral("--bogus"), QStringLiteral("a")}
                                    << 2 << QByteArray("usage:");
    QTest::newRow("missing file") << QStringList{QStringLiteral("info"), QStringLiteral("/no/such/Agenda.dat")} << 1
                                  << QByteArray("Error loading file : /no/such/Agenda.dat\nThe file does not exist.\n");
    QTest::newRow("not a phonebook") << QStringList{QStringLiteral("dump"), QStringLiteral(KESTRAVON_TESTDATA "/agenda/README.md")}
                                     << 1
                                     << QByteArray("Error loading file : " KESTRAVON_TESTDATA
                                                   "/agenda/README.md\nThe file is not a phonebook file.\n");
    QTest::newRow("a device") << QStringList{QStringLiteral("info"), QStringLiteral("/dev/zero")} << 1
                              << QByteArray("Error loading file : /dev/zero\nThe file is not a regular file.\n");
}

void TestCli::errors()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    const Run r = Cli(args);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.startsWith(err), r.err.constData());
    QCOMPARE(r.out, QByteArray());
}

void TestCli::keepLong()
{
    // A label of 31 characters: the length question is answered No unless --keep-long.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Agenda.dat"));
    QByteArray file = ReadAll(Sample(QStringLiteral("Agenda.dat")));
    const int at = int(file.indexOf("MARCO"));
    QVERIFY(at > 0);
    const QByteArray longLabel(31, 'M');
    file.replace(at - 2, 2 + 5, QByteArray("\0\x1F", 2) + longLabel);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
    }
    Run r = Cli({QStringLiteral("info"), path});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains("Field text length is greater than allowed maximum!\ncharacters read=31 - max=30"));
    QVERIFY(r.err.contains("Error loading file : "));
    r = Cli({QStringLiteral("resave"), QStringLiteral("--keep-long"), path});
    QCOMPARE(r.status, 0);
    r = Cli({QStringLiteral("dump"), QStringLiteral("--keep-long"), path});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.contains("\"label\":\"" + longLabel + "\""));
}

void TestCli::conventions_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");  // standard output starts so
    QTest::addColumn<QByteArray>("err");  // standard error starts so
    QTest::newRow("cli --help") << kCli << QStringList{"--help"} << 0 << QByteArray("usage: kestravon-cli COMMAND") << QByteArray();
    QTest::newRow("cli -h") << kCli << QStringList{"-h"} << 0 << QByteArray("usage: kestravon-cli COMMAND") << QByteArray();
    QTest::newRow("cli --version") << kCli << QStringList{"--version"} << 0 << QByteArray("kestravon-cli ") << QByteArray();
    QTest::newRow("command --help") << kCli << QStringList{"export-csv", "--help"} << 0
                                    << QByteArray("usage: kestravon-cli export-csv [--keep-long] [--any-version] [--format FORM] FILE OUT.csv [RECORD...]\n")
                                    << QByteArray();
    QTest::newRow("--help after an argument") << kCli << QStringList{"info", "a.dat", "-h"} << 0
                                              << QByteArray("usage: kestravon-cli info [--keep-long] [--any-version] FILE\n") << QByteArray();
    QTest::newRow("--help after -- is an argument") << kCli << QStringList{"info", "--", "--help"} << 1 << QByteArray()
                                                    << QByteArray("Error loading file : --help");
    QTest::newRow("unknown single-dash option") << kCli << QStringList{"info", "-x", "a.dat"} << 2 << QByteArray()
                                                << QByteArray("usage: kestravon-cli info ");
    QTest::newRow("unknown option before the command") << kCli << QStringList{"--bogus"} << 2 << QByteArray()
                                                       << QByteArray("usage: kestravon-cli COMMAND");
    QTest::newRow("gui --help") << kGui << QStringList{"--help"} << 0 << QByteArray("usage: kestravon [-nocheck]")
                                << QByteArray();
    QTest::newRow("gui --version after a file") << kGui << QStringList{"a.dat", "--version"} << 0
                                                << QByteArray("kestravon ") << QByteArray();
    QTest::newRow("gui unknown option") << kGui << QStringList{"--bogus"} << 2 << QByteArray()
                                        << QByteArray("usage: kestravon [-nocheck]");
}

void TestCli::conventions()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    const Run r = Program(program, args);
    QCOMPARE(r.status, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QVERIFY2(out.isEmpty() ? r.out.isEmpty() : r.out.startsWith(out), r.out.constData());
    QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.startsWith(err), r.err.constData());
}

void TestCli::dashIsStandardOutput_data()
{
    // The exports to "-" write exactly the bytes they write to a file.
    QTest::addColumn<QStringList>("before");  // arguments before the output path
    QTest::addColumn<QStringList>("after");
    QTest::newRow("export-vcf") << QStringList{"export-vcf", Sample("Agenda.dat"), "3"} << QStringList{};
    QTest::newRow("export-csv, records") << QStringList{"export-csv", Sample("Agenda.dat")} << QStringList{"51", "3"};
    QTest::newRow("export-csv, all") << QStringList{"export-csv", Sample("Agenda.dat")} << QStringList{};
    QTest::newRow("export-vcards") << QStringList{"export-vcards", Sample("Agenda.dat")} << QStringList{"3", "51"};
}

void TestCli::dashIsStandardOutput()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out"));
    Run r = Cli(before + QStringList{file} + after);
    QCOMPARE(r.status, 0);
    const QByteArray expected = ReadAll(file);
    QVERIFY(expected.size() > 100);
    r = Cli(before + QStringList{QStringLiteral("-")} + after);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, expected);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"out"});
}

void TestCli::check_data()
{
    QTest::addColumn<QString>("file");  // a sample, or "clean" / "crafted" for a phonebook written here
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    // The sample's contacts are generated names: four of them repeat a name of the same
    // user with another phone number.
    const QByteArray sample = "record 309: looks like a duplicate of record 259 (same label)\n"
                              "record 352: looks like a duplicate of record 183 (same label)\n"
                              "record 358: looks like a duplicate of record 343 (same label)\n"
                              "record 389: looks like a duplicate of record 249 (same label)\n";
    QTest::newRow("sample") << Sample(QStringLiteral("Agenda.dat")) << 1 << sample;
    QTest::newRow("compressed sample") << Sample(QStringLiteral("compressed/Agenda.dat")) << 1 << sample;
    QTest::newRow("version 81 sample") << Sample(QStringLiteral("version81/Agenda.dat")) << 1 << sample;
    QTest::newRow("clean") << QStringLiteral("clean") << 0 << QByteArray();
    QTest::newRow("every kind once")
        << QStringLiteral("crafted") << 1
        << QByteArray("record 6: label is 33 characters, the unit allows 30\n"
                      "record 7: owner 7 is not one of the phonebook's 4 users\n"
                      "record 8: looks like a duplicate of record 5 (same label)\n"
                      "record 9: phone 3 \"347/1234567\" is the same number as record 5\n"
                      "record 10: phone 2 \"0800 FLOWERS\" holds characters a phone cannot dial\n"
                      "record 11: GPS latitude 95.500000 is beyond \xC2\xB1" "90\n"
                      "record 12: GPS longitude -200.000000 is beyond \xC2\xB1" "180\n"
                      "record 13: has no label\n"
                      "record 14: has no label, phone or e-mail\n");
}

void TestCli::check()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    if (file == QLatin1String("clean") || file == QLatin1String("crafted")) {
        Agenda agenda = file == QLatin1String("clean") ? Agenda() : CraftedCheck::EveryKindOnce();
        file = dir.filePath(QStringLiteral("Agenda.dat"));
        ScriptedPrompter prompter;
        QVERIFY(agenda.Save(file, prompter));
    }
    const Run r = Cli({QStringLiteral("check"), QStringLiteral("--region"), QStringLiteral("IT"), file});
    QTEST(r.status, "status");
    QTEST(r.out, "out");
    QCOMPARE(r.err, QByteArray());  // long texts are kept without a question
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
