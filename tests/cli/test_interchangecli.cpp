#include "common/scriptedprompter.h"
#include "formats/csv.h"
#include "store/agenda.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The exchange commands of kestravon-cli, run as real processes on copies of the sample
// phonebook (two users; record 3 is ROSSI MARIO, record 4 is free, record 51 holds a byte
// that is not UTF-8).
class TestInterchangeCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void usageErrors_data();
    void usageErrors();
    void exportVcf();
    void importVcf();
    void importVcfMissingFile();
    void insertVcfStopsAtBadFile();
    void exportCsv();
    void insertCsv();
    void insertCsvRefused();

private:
    struct Run
    {
        int code = -1;
        QString err;
    };
    Run Cli(const QStringList &args);
    QString Put(const QString &name, const QByteArray &bytes);
    QByteArray Bytes(const QString &path);
    bool LoadAgenda(Agenda &agenda);

    std::unique_ptr<QTemporaryDir> dir_;
    QString agendaPath_;
};

namespace {

QByteArray Utf16(const QString &text)
{
    QByteArray out;
    for (QChar c : text) {
        out += char(c.unicode() & 0xFF);
        out += char(c.unicode() >> 8);
    }
    return out;
}

} // namespace

void TestInterchangeCli::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    agendaPath_ = dir_->filePath(QStringLiteral("Agenda.dat"));
    QVERIFY(QFile::copy(QStringLiteral(KESTRAVON_TESTDATA "/agenda/Agenda.dat"), agendaPath_));
    QFile::setPermissions(agendaPath_, QFile::ReadOwner | QFile::WriteOwner);
}

TestInterchangeCli::Run TestInterchangeCli::Cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(KESTRAVON_BINARY_DIR "/src/cli/kestravon-cli"), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString TestInterchangeCli::Put(const QString &name, const QByteArray &bytes)
{
    const QString path = dir_->filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray TestInterchangeCli::Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestInterchangeCli::LoadAgenda(Agenda &agenda)
{
    ScriptedPrompter prompter;
    return agenda.Load(agendaPath_, prompter).ok;
}

void TestInterchangeCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("err");
    QTest::newRow("too few arguments") << QStringList{"export-vcf", "@", "3"} << "usage: kestravon-cli";
    QTest::newRow("record not a number") << QStringList{"export-vcf", "@", "x", "o.vcf"} << "Not a record number : x\n";
    QTest::newRow("record zero") << QStringList{"import-vcf", "@", "0", "i.vcf"} << "Not a record number : 0\n";
    QTest::newRow("free record") << QStringList{"export-vcf", "@", "4", "o.vcf"} << "No record in use with number 4\n";
    QTest::newRow("record beyond the slots") << QStringList{"export-csv", "@", "o.csv", "3", "999"}
                                             << "No record in use with number 999\n";
    QTest::newRow("user 5") << QStringList{"insert-vcf", "@", "5", "i.vcf"} << "Not a user number (1-4) : 5\n";
    QTest::newRow("user the file lacks") << QStringList{"insert-csv", "@", "3", "i.csv"} << "The phonebook has no user 3\n";
}

void TestInterchangeCli::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, err);
    args.replaceInStrings(QStringLiteral("@"), agendaPath_);
    const QByteArray before = Bytes(agendaPath_);
    const Run r = Cli(args);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.startsWith(err), qPrintable(r.err));
    QCOMPARE(Bytes(agendaPath_), before);
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("o.csv"))));
}

void TestInterchangeCli::exportVcf()
{
    const QByteArray before = Bytes(agendaPath_);
    const QString out = dir_->filePath(QStringLiteral("out.vcf"));
    const Run r = Cli({QStringLiteral("export-vcf"), agendaPath_, QStringLiteral("51"), out});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.err, QString());
    const QByteArray card = Bytes(out);
    QVERIFY(card.startsWith("BEGIN:VCARD\r\nFN:CAFF\xE8 CENTRALE\r\nN:CAFF\xE8 CENTRALE\r\n"));
    QVERIFY(card.endsWith("END:VCARD\r\n"));
    QCOMPARE(Bytes(agendaPath_), before);  // nothing changed, nothing saved
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("Agenda.BAK"))));
}

void TestInterchangeCli::importVcf()
{
    const QString in = Put(QStringLiteral("in.vcf"), "BEGIN:VCARD\r\nFN:NERI PAOLA\r\nTEL;WORK:0612\r\nGEO:-3.7,40.4\r\nEND:VCARD\r\n");
    const Run r = Cli({QStringLiteral("import-vcf"), agendaPath_, QStringLiteral("3"), in});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.err, QString());
    Agenda agenda;
    QVERIFY(LoadAgenda(agenda));
    const AgendaRecord &rec = agenda.slots[2];
    QCOMPARE(rec.label, QStringLiteral("NERI PAOLA"));
    QCOMPARE(rec.phone[0], QStringLiteral("0612"));
    QCOMPARE(rec.phoneType[0], 12u);
    QCOMPARE(rec.owner, 1u);
    QCOMPARE(rec.city, QStringLiteral("ROMA"));  // not in the card: kept
    QCOMPARE(rec.nav.GpsText(), QStringLiteral("N40.400000,W3.700000"));
    QVERIFY(QFile::exists(dir_->filePath(QStringLiteral("Agenda.BAK"))));
}

void TestInterchangeCli::importVcfMissingFile()
{
    const QByteArray before = Bytes(agendaPath_);
    const QString missing = dir_->filePath(QStringLiteral("missing.vcf"));
    const Run r = Cli({QStringLiteral("import-vcf"), agendaPath_, QStringLiteral("3"), missing});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.err, QStringLiteral("Error importing file : ") + missing + QStringLiteral("\nThe file does not exist.\n"));
    QCOMPARE(Bytes(agendaPath_), before);
}

void TestInterchangeCli::insertVcfStopsAtBadFile()
{
    Agenda before;
    QVERIFY(LoadAgenda(before));
    const QString a = Put(QStringLiteral("a.vcf"), "FN:ALFA\nEND:VCARD\n");
    const QString bad = Put(QStringLiteral("bad.vcf"), "FN:BAD\n");  // no END
    const QString b = Put(QStringLiteral("b.vcf"), "FN:BETA\nEND:VCARD\n");
    const Run r = Cli({QStringLiteral("insert-vcf"), agendaPath_, QStringLiteral("2"), a, bad, b});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.err, QStringLiteral("Error importing : ") + bad + QStringLiteral("\n-> Cancel\n"));
    Agenda after;
    QVERIFY(LoadAgenda(after));
    QCOMPARE(after.usedCount, before.usedCount + 1);
    const int slot = before.InsertRecord(AgendaRecord());  // the lowest free slot
    QCOMPARE(after.slots[size_t(slot)].label, QStringLiteral("ALFA"));
    QCOMPARE(after.slots[size_t(slot)].owner, 2u);
}

void TestInterchangeCli::exportCsv()
{
    const QString out = dir_->filePath(QStringLiteral("out.csv"));
    Run r = Cli({QStringLiteral("export-csv"), agendaPath_, out, QStringLiteral("51"), QStringLiteral("3")});
    QCOMPARE(r.code, 0);
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(CheckCsvHeader(f));
    AgendaRecord rec;
    QVERIFY(ReadCsvLine(rec, f));
    QCOMPARE(rec.label, QStringLiteral("CAFF\uEEE8 CENTRALE"));
    QVERIFY(ReadCsvLine(rec, f));
    QCOMPARE(rec.label, QStringLiteral("ROSSI MARIO"));
    QCOMPARE(rec.nav.GpsText(), QStringLiteral("N41.902800,E12.496400"));
    QVERIFY(!ReadCsvLine(rec, f));
    QVERIFY(f.atEnd());
    f.close();

    // Without records: every used slot, in slot order.
    r = Cli({QStringLiteral("export-csv"), agendaPath_, out});
    QCOMPARE(r.code, 0);
    Agenda agenda;
    QVERIFY(LoadAgenda(agenda));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(CheckCsvHeader(f));
    int lines = 0;
    for (int slot = 0; slot < agenda.slotCount; ++slot) {
        if (!agenda.RecordAt(slot))
            continue;
        QVERIFY(ReadCsvLine(rec, f));
        QCOMPARE(rec.label, agenda.slots[size_t(slot)].label);
        ++lines;
    }
    QCOMPARE(lines, agenda.usedCount);
    QVERIFY(f.atEnd());
}

void TestInterchangeCli::insertCsv()
{
    Agenda before;
    QVERIFY(LoadAgenda(before));
    const QString full = QString(18, QLatin1Char(';')) + "\r\n";
    const QString in = Put(QStringLiteral("in.csv"),
                           QByteArray("\xFF\xFE") + Utf16(QStringLiteral("h") + QString(18, QLatin1Char(';')) + "\r\n"
                                                          + "ONE TWO" + full + "SHORT;;\r\n" + "TRE" + full));
    const Run r = Cli({QStringLiteral("insert-csv"), agendaPath_, QStringLiteral("2"), in});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.err, QStringLiteral("Error importing line 3: SHORT\n"));
    Agenda after;
    QVERIFY(LoadAgenda(after));
    QCOMPARE(after.usedCount, before.usedCount + 2);
    const int first = before.InsertRecord(AgendaRecord());
    const int second = before.InsertRecord(AgendaRecord());
    QCOMPARE(after.slots[size_t(first)].label, QStringLiteral("ONE TWO"));
    QCOMPARE(after.slots[size_t(second)].label, QStringLiteral("TRE"));
    QCOMPARE(after.slots[size_t(second)].owner, 2u);
}

void TestInterchangeCli::insertCsvRefused()
{
    const QByteArray before = Bytes(agendaPath_);
    const QString in = Put(QStringLiteral("utf8.csv"), QString(18, QLatin1Char(';')).toUtf8() + "\r\n");
    const Run r = Cli({QStringLiteral("insert-csv"), agendaPath_, QStringLiteral("1"), in});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.err, QStringLiteral("Error reading file : ") + in + QLatin1Char('\n'));
    QCOMPARE(Bytes(agendaPath_), before);
}

QTEST_GUILESS_MAIN(TestInterchangeCli)
#include "test_interchangecli.moc"
