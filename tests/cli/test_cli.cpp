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

Run Cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(KESTRAVON_BINARY_DIR "/src/cli/kestravon-cli"), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
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
};

void TestCli::info_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("plain") << Sample(QStringLiteral("Agenda.dat"))
                           << QByteArray("slots: 403\nused: 45\nusers: 2\ncompressed: no\n");
    QTest::newRow("compressed") << Sample(QStringLiteral("compressed/Agenda.dat"))
                                << QByteArray("slots: 403\nused: 45\nusers: 2\ncompressed: yes\n");
}

void TestCli::info()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    // Copy the compressed sample with its sidecar, so that no temporary file lands in the
    // test data.
    const QString copy = dir.filePath(QStringLiteral("Agenda.dat"));
    QVERIFY(CopyWritable(file, copy));
    if (QFile::exists(file + QStringLiteral(".inf")))
        QVERIFY(CopyWritable(file + QStringLiteral(".inf"), copy + QStringLiteral(".inf")));
    const Run r = Cli({QStringLiteral("info"), copy});
    QCOMPARE(r.status, 0);
    QTEST(r.out, "out");
    QCOMPARE(r.err, QByteArray());
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

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
