#include "support/scriptedprompter.h"
#include "common/textcodec.h"
#include "formats/vcarddecoding.h"
#include "formats/csv.h"
#include "formats/vcardimport.h"
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
    void importVcfLongTexts();
    void insertVcfGoesOnAfterBadFile();
    void insertVcfCards_data();
    void insertVcfCards();
    void exportVcards();
    void exportCsv();
    void insertCsv();
    void insertCsvRefused();
    void insertCsvOtherLayouts_data();
    void insertCsvOtherLayouts();
    void exportGoogleCsv();
    void tidyPhones_data();
    void tidyPhones();
    void insertPhones_data();
    void insertPhones();

private:
    struct Run
    {
        int code = -1;
        QString err;
        QString out;
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
    r.out = QString::fromUtf8(p.readAllStandardOutput());
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
    // Texts kept long by --keep-long are kept on loading too.
    ScriptedPrompter prompter;
    prompter.answers = QList<Prompter::Answer>(8, Prompter::Answer::Yes);
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
    QTest::newRow("insert option for another command") << QStringList{"export-vcf", "--shorten", "@", "3", "o.vcf"}
                                                       << "usage: kestravon-cli";
    QTest::newRow("user 5") << QStringList{"insert-vcf", "@", "5", "i.vcf"} << "Not a user number (1-4) : 5\n";
    QTest::newRow("user the file lacks") << QStringList{"insert-csv", "@", "3", "i.csv"} << "The phonebook has no user 3\n";
    QTest::newRow("unknown region") << QStringList{"tidy-phones", "@", "--region", "QQ"} << "Not a region code : QQ\n";
    QTest::newRow("region without value") << QStringList{"tidy-phones", "@", "--region"} << "usage: kestravon-cli";
    QTest::newRow("flag with a value") << QStringList{"tidy-phones", "@", "--dry-run=yes"} << "usage: kestravon-cli";
    QTest::newRow("unknown form") << QStringList{"insert-csv", "@", "1", "i.csv", "--phones=wide"}
                                  << "Not a form of phone numbers (international, e164, national, as-is) : wide\n";
    QTest::newRow("as-is is no tidy form") << QStringList{"tidy-phones", "@", "--format", "none"}
                                           << "Not a form of phone numbers";
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

void TestInterchangeCli::importVcfLongTexts()
{
    // Cut to the unit's limits by default; --keep-long keeps them and names each.
    const QString in = Put(QStringLiteral("long.vcf"), "BEGIN:VCARD\r\nFN:BARTOLOMEO GIOVANNI MARIA RINALDI\r\nEND:VCARD\r\n");
    Run r = Cli({QStringLiteral("import-vcf"), agendaPath_, QStringLiteral("3"), in});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.err, QString());
    Agenda agenda;
    QVERIFY(LoadAgenda(agenda));
    QCOMPARE(agenda.slots[2].label, QStringLiteral("BARTOLOMEO GIOVANNI MARIA RINA"));
    r = Cli({QStringLiteral("import-vcf"), QStringLiteral("--keep-long"), agendaPath_, QStringLiteral("3"), in});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.err, QStringLiteral("record 3: label is 33 characters, the unit allows 30\n"));
    QVERIFY(LoadAgenda(agenda));
    QCOMPARE(agenda.slots[2].label, QStringLiteral("BARTOLOMEO GIOVANNI MARIA RINALDI"));
}

void TestInterchangeCli::insertVcfGoesOnAfterBadFile()
{
    // Each file or card that cannot be read is named with its reason; the others are
    // inserted and the command fails at the end.
    Agenda before;
    QVERIFY(LoadAgenda(before));
    const QString a = Put(QStringLiteral("a.vcf"), "FN:ALFA\nEND:VCARD\n");
    const QString bad = Put(QStringLiteral("bad.vcf"), "BEGIN:VCARD\nFN:BAD\n");  // no END
    const QString text = Put(QStringLiteral("text.vcf"), "hello\n");
    const QString b = Put(QStringLiteral("b.vcf"), "FN:BETA\nEND:VCARD\nFN:GAMMA\nEND:VCARD\n");
    const Run r = Cli({QStringLiteral("insert-vcf"), agendaPath_, QStringLiteral("2"), a, bad, text, b});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.out, QStringLiteral("inserted 3 of 5 cards, 2 failed\n"));
    QCOMPARE(r.err, QStringLiteral("Error importing : ") + bad + QStringLiteral("\ncard 1 has no END:VCARD line\n")
                        + QStringLiteral("Error importing : ") + text + QStringLiteral("\nline 1 is not a vCard property\n"));
    Agenda after;
    QVERIFY(LoadAgenda(after));
    QCOMPARE(after.usedCount, before.usedCount + 3);
    for (const char *label : {"ALFA", "BETA", "GAMMA"}) {
        const int slot = before.InsertRecord(AgendaRecord());  // the lowest free slot
        QCOMPARE(after.slots[size_t(slot)].label, QLatin1String(label));
        QCOMPARE(after.slots[size_t(slot)].owner, 2u);
    }
}

void TestInterchangeCli::insertVcfCards_data()
{
    // Options, the card file ("%1" = 360 generated cards), the summary, the status, standard
    // error ("%1" = the file's path) and the labels of the records added.
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("cards");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QStringList>("labels");
    const QByteArray three = "FN:UNO\nEND:VCARD\nFN:DUE\nEND:VCARD\nFN:TRE\nEND:VCARD\n";
    const QByteArray longName = "FN:BARTOLOMEO GIOVANNI MARIA RINALDI\nEND:VCARD\n";
    QTest::newRow("three cards") << QStringList{} << three << "inserted 3 of 3 cards" << 0 << ""
                                 << QStringList{"UNO", "DUE", "TRE"};
    QTest::newRow("rest without END") << QStringList{} << three + "FN:QUATTRO\n" << "inserted 3 of 4 cards, 1 failed" << 1
                                      << "Error importing : %1 (card 4)\ncard 4 has no END:VCARD line\n"
                                      << QStringList{"UNO", "DUE", "TRE"};
    QTest::newRow("phonebook full") << QStringList{} << QByteArray("%1") << "inserted 358 of 360 cards, 2 did not fit" << 1
                                    << "No more space to add contact to Agenda\n" << QStringList{"C0", "C1"};
    // A card that fails after the phonebook is full is still named before "No more space".
    QTest::newRow("phonebook full, then a card without END")
        << QStringList{} << QByteArray("%1FN:LAST\n") << "inserted 358 of 361 cards, 1 failed, 2 did not fit" << 1
        << "Error importing : %1 (card 361)\ncard 361 has no END:VCARD line\nNo more space to add contact to Agenda\n"
        << QStringList{"C0", "C1"};
    // A file's only card is inserted whatever it holds; in a file of several a group is
    // no contact, first card or not.
    QTest::newRow("contact group alone in its file") << QStringList{} << QByteArray("FN:AMICI\nKIND:group\nEND:VCARD\n")
                                                     << "inserted 1 of 1 cards" << 0 << "" << QStringList{"AMICI"};
    QTest::newRow("contact group first of two") << QStringList{} << "FN:AMICI\nKIND:group\nEND:VCARD\n" + three.left(15)
                                                << "inserted 1 of 2 cards, 1 skipped (contact groups or empty)" << 0 << ""
                                                << QStringList{"UNO"};
    QTest::newRow("duplicates skipped") << QStringList{"--skip-duplicates"}
                                        << "FN:rossi mario\nEND:VCARD\n" + three.left(15)
                                        << "inserted 1 of 2 cards, 1 skipped as duplicates" << 0 << "" << QStringList{"UNO"};
    QTest::newRow("contact group and empty card") << QStringList{}
                                                  << three + "FN:AMICI\nX-ADDRESSBOOKSERVER-KIND:group\nEND:VCARD\nN:;;;;\nEND:VCARD\n"
                                                  << "inserted 3 of 5 cards, 2 skipped (contact groups or empty)" << 0
                                                  << "" << QStringList{"UNO", "DUE", "TRE"};
    QTest::newRow("shortened") << QStringList{"--shorten"} << longName << "inserted 1 of 1 cards" << 0 << ""
                               << QStringList{"BARTOLOMEO GIOVANNI MARIA RINA"};
    QTest::newRow("shortened by default") << QStringList{} << longName << "inserted 1 of 1 cards" << 0 << ""
                                          << QStringList{"BARTOLOMEO GIOVANNI MARIA RINA"};
    QTest::newRow("long kept and named") << QStringList{"--keep-long"} << longName + "NOTE:" + QByteArray(300, 'n') + "\nEND:VCARD\n"
                                         << "inserted 2 of 2 cards" << 0
                                         << "record %2: label is 33 characters, the unit allows 30\n"
                                            "record %3: note is 300 characters, the unit allows 200\n"
                                         << QStringList{"BARTOLOMEO GIOVANNI MARIA RINALDI", ""};
    QTest::newRow("no name: the first phone") << QStringList{} << QByteArray("TEL:+39 333 1\nTEL:2\nEND:VCARD\n")
                                              << "inserted 1 of 1 cards" << 0 << "" << QStringList{"+39 333 1"};
}

void TestInterchangeCli::insertVcfCards()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, cards);
    QFETCH(QStringList, labels);
    if (cards.startsWith("%1")) {
        QByteArray generated;
        for (int i = 0; i < 360; ++i)
            generated += "FN:C" + QByteArray::number(i) + "\nEND:VCARD\n";
        cards = generated + cards.mid(2);
    }
    const QString in = Put(QStringLiteral("in.vcf"), cards);
    Agenda before;
    QVERIFY(LoadAgenda(before));
    // %1 in the messages: the file; %2, %3: the records added.
    Agenda free;
    QVERIFY(LoadAgenda(free));
    const int first = free.InsertRecord(AgendaRecord()) + 1;
    const int second = free.InsertRecord(AgendaRecord()) + 1;
    const Run r = Cli(QStringList{QStringLiteral("insert-vcf")} + options + QStringList{agendaPath_, "1", in});
    QFETCH(QString, summary);
    QFETCH(QString, err);
    QCOMPARE(r.out, summary + QLatin1Char('\n'));
    QTEST(r.code, "code");
    QCOMPARE(r.err, err.replace(QLatin1String("%1"), in).replace(QLatin1String("%2"), QString::number(first))
                        .replace(QLatin1String("%3"), QString::number(second)));
    Agenda after;
    QVERIFY(LoadAgenda(after));
    for (int i = 0; i < labels.size(); ++i) {
        const int slot = before.InsertRecord(AgendaRecord());
        QCOMPARE(after.slots[size_t(slot)].label, labels.at(i));
        QCOMPARE(after.slots[size_t(slot)].owner, 1u);
    }
}

void TestInterchangeCli::exportVcards()
{
    const QString out = dir_->filePath(QStringLiteral("all.vcf"));
    Run r = Cli({QStringLiteral("export-vcards"), agendaPath_, out, QStringLiteral("51"), QStringLiteral("3")});
    QCOMPARE(r.code, 0);
    ScriptedPrompter prompter;
    QStringList labels;
    for (const CardOfFile &c : ReadCardFiles({out}, prompter))
        labels << c.record.label;
    // The byte of the label that is not UTF-8 is written as the Windows-1252 character.
    QCOMPARE(labels, (QStringList{"CAFF\u00E8 CENTRALE", "ROSSI MARIO"}));
    QVERIFY(Bytes(out).startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\nN:CAFF\xC3\xA8 CENTRALE;;;;\r\nFN:CAFF\xC3\xA8 CENTRALE\r\n"));

    // Without records: every used contact slot (not the users), in slot order.
    r = Cli({QStringLiteral("export-vcards"), agendaPath_, out});
    QCOMPARE(r.code, 0);
    Agenda agenda;
    QVERIFY(LoadAgenda(agenda));
    QStringList expected;
    for (int slot = agenda.userCount; slot < agenda.slotCount; ++slot)
        if (agenda.RecordAt(slot))
            expected << DecodeUtf8OrWindows1252(EncodeHeldUtf8(agenda.slots[size_t(slot)].label));
    labels.clear();
    for (const CardOfFile &c : ReadCardFiles({out}, prompter))
        labels << c.record.label;
    QCOMPARE(labels, expected);
    QCOMPARE(labels.size(), agenda.usedCount - agenda.userCount);

    r = Cli({QStringLiteral("export-vcards"), agendaPath_, dir_->filePath(QStringLiteral("no/dir.vcf"))});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.startsWith(QStringLiteral("Error exporting file : ")));
}

void TestInterchangeCli::exportCsv()
{
    const QString out = dir_->filePath(QStringLiteral("out.csv"));
    Run r = Cli({QStringLiteral("export-csv"), agendaPath_, out, QStringLiteral("51"), QStringLiteral("3")});
    QCOMPARE(r.code, 0);
    OwnCsvReader reader(Bytes(out));
    QVERIFY(reader.IsOwnFile());
    AgendaRecord rec;
    QVERIFY(reader.ReadLine(rec));
    QCOMPARE(rec.label, QStringLiteral("CAFF\uEEE8 CENTRALE"));
    QVERIFY(reader.ReadLine(rec));
    QCOMPARE(rec.label, QStringLiteral("ROSSI MARIO"));
    QCOMPARE(rec.nav.GpsText(), QStringLiteral("N41.902800,E12.496400"));
    QVERIFY(!reader.ReadLine(rec));
    QVERIFY(reader.AtEnd());

    // Without records: every used slot, in slot order.
    r = Cli({QStringLiteral("export-csv"), agendaPath_, out});
    QCOMPARE(r.code, 0);
    Agenda agenda;
    QVERIFY(LoadAgenda(agenda));
    OwnCsvReader all(Bytes(out));
    QVERIFY(all.IsOwnFile());
    int lines = 0;
    for (int slot = 0; slot < agenda.slotCount; ++slot) {
        if (!agenda.RecordAt(slot))
            continue;
        QVERIFY(all.ReadLine(rec));
        QCOMPARE(rec.label, agenda.slots[size_t(slot)].label);
        ++lines;
    }
    QCOMPARE(lines, agenda.usedCount);
    QVERIFY(all.AtEnd());
}

void TestInterchangeCli::insertCsv()
{
    Agenda before;
    QVERIFY(LoadAgenda(before));
    const QString full = QString(18, QLatin1Char(';')) + "\r\n";
    const QString in = Put(QStringLiteral("in.csv"),
                           QByteArray("\xFF\xFE") + Utf16(OwnCsvHeader().join(QLatin1Char(';')) + "\r\n"
                                                          + "ONE TWO" + full + "SHORT;;\r\n" + "TRE" + full));
    const Run r = Cli({QStringLiteral("insert-csv"), agendaPath_, QStringLiteral("2"), in});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.err, QStringLiteral("Error importing line 3: SHORT\n"));
    QCOMPARE(r.out, QStringLiteral("inserted 2 of 3 rows, 1 failed\n"));
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
    QCOMPARE(r.err, QStringLiteral("Error reading file : ") + in + QStringLiteral("\nno header row\n"));
    QCOMPARE(Bytes(agendaPath_), before);
}

void TestInterchangeCli::insertCsvOtherLayouts_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");  // "@" stands for the CSV file's path
    QTest::addColumn<QString>("label");  // of the first row inserted
    const QByteArray unknown = "Kunde;Nummer\r\nBar Sport;0123\r\n";
    QTest::newRow("Google, through the review's rules")
        << QStringList{} << QByteArray("First Name,Last Name,Phone 1 - Label,Phone 1 - Value\nAnna,Neri,Mobile,333\n,,,\n")
        << 0 << "inserted 1 of 1 rows\n" << "" << "Anna Neri";
    QTest::newRow("too long label kept, or cut with --shorten")
        << QStringList{"--shorten"} << QByteArray("Name,Phone\n") + QByteArray(40, 'X') + ",1\n" << 0
        << "inserted 1 of 1 rows\n" << "" << QString(30, QLatin1Char('X'));
    QTest::newRow("repeated row skipped")
        << QStringList{"--skip-duplicates"} << QByteArray("Name,Phone\nBAR,1\nBAR,1\n") << 0
        << "inserted 1 of 2 rows, 1 skipped as duplicates\n" << "" << "BAR";
    QTest::newRow("unknown columns named") << QStringList{} << unknown << 1 << ""
                                           << "Error reading file : @\nno label or phone column among: Kunde, Nummer\n" << "";
    QTest::newRow("unknown columns placed") << QStringList{"--map", "Kunde=label,Nummer=phone:cell"} << unknown << 0
                                            << "inserted 1 of 1 rows\n" << "" << "Bar Sport";
    QTest::newRow("map to no field") << QStringList{"--map=Kunde=name"} << unknown << 2 << ""
                                     << "--map: \"name\" is no field; the fields are: label, given, middle, family, "
                                        "organisation, note, street, number, zip, city, country, gps, phone, phone:cell, "
                                        "phone:home, phone:work, phone:fax, email, email:home, email:work, ignore\n" << "";
    QTest::newRow("quote not closed") << QStringList{} << QByteArray("Name,Phone\nA,1\n\"B,2\n") << 1 << ""
                                      << "Error reading file : @\nline 3: a quoted field is not closed\n" << "";
}

void TestInterchangeCli::insertCsvOtherLayouts()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, csv);
    QFETCH(int, code);
    QFETCH(QString, err);
    const QByteArray before = Bytes(agendaPath_);
    const QString in = Put(QStringLiteral("in.csv"), csv);
    const Run r = Cli(QStringList{QStringLiteral("insert-csv")} + options + QStringList{agendaPath_, QStringLiteral("2"), in});
    QCOMPARE(r.code, code);
    QTEST(r.out, "out");
    QCOMPARE(r.err, err.replace(QLatin1Char('@'), in));
    Agenda after;
    QVERIFY(LoadAgenda(after));
    if (code != 0) {
        QCOMPARE(Bytes(agendaPath_), before);
        return;
    }
    // The label of the first row among user 2's records.
    QStringList labels;
    for (int slot = after.userCount; slot < after.slotCount; ++slot)
        if (after.RecordAt(slot) && after.slots[size_t(slot)].owner == 2u)
            labels << after.slots[size_t(slot)].label;
    QFETCH(QString, label);
    QVERIFY2(labels.contains(label), qPrintable(labels.join(QLatin1Char(','))));
}

void TestInterchangeCli::exportGoogleCsv()
{
    const QString out = dir_->filePath(QStringLiteral("google.csv"));
    Run r = Cli({QStringLiteral("export-csv"), QStringLiteral("--format"), QStringLiteral("google"), agendaPath_, out,
                 QStringLiteral("3"), QStringLiteral("51")});
    QCOMPARE(r.code, 0);
    const QByteArray bytes = Bytes(out);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF" "First Name,Middle Name,Last Name,"));
    QVERIFY(bytes.contains("\r\nROSSI MARIO,"));

    // Read back into user 2: the same labels, phones and coordinates.
    r = Cli({QStringLiteral("insert-csv"), agendaPath_, QStringLiteral("2"), out});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("inserted 2 of 2 rows\n"));
    Agenda after;
    QVERIFY(LoadAgenda(after));
    const AgendaRecord &rossi = after.slots[2];
    bool found = false;
    for (int slot = after.userCount; slot < after.slotCount; ++slot) {
        const AgendaRecord *rec = after.RecordAt(slot);
        if (rec && slot != 2 && rec->label == rossi.label) {
            found = true;
            QCOMPARE(rec->owner, 2u);
            QCOMPARE(rec->phone, rossi.phone);
            QCOMPARE(rec->phoneType, rossi.phoneType);
            QCOMPARE(rec->nav.GpsText(), rossi.nav.GpsText());
        }
    }
    QVERIFY(found);

    r = Cli({QStringLiteral("export-csv"), QStringLiteral("--format=xml"), agendaPath_, out});
    QCOMPARE(r.code, 2);
    QCOMPARE(r.err, QStringLiteral("Not a CSV format (google) : xml\n"));
}

void TestInterchangeCli::tidyPhones_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("table");
    // Record 3 holds two Italian numbers, record 18 two German ones, record 36 two Roman
    // numbers without a country code; the expected forms are python3-phonenumbers' own.
    QTest::newRow("national, IT")
        << QStringList{"3", "18", "36", "--region", "IT", "--format", "national"}
        << "record 3: phone 1 \"+39 06 1234567\" -> \"06 123 4567\"\n"
           "record 3: phone 2 \"+39 333 1234567\" -> \"333 123 4567\"\n"
           "record 36: phone 1 \"06 9988776\" -> \"06 998 8776\"\n"
           "record 36: phone 2 \"06 9988777\" -> \"06 998 8777\"\n";
    QTest::newRow("international, IT")
        << QStringList{"36", "--region=IT"}
        << "record 36: phone 1 \"06 9988776\" -> \"+39 06 998 8776\"\n"
           "record 36: phone 2 \"06 9988777\" -> \"+39 06 998 8777\"\n";
    QTest::newRow("user slot, e164")
        << QStringList{"1", "3", "--region", "IT", "--format", "e164"}
        << "record 1: phone 1 \"1111\" kept: is not a valid number for IT\n"
           "record 3: phone 1 \"+39 06 1234567\" -> \"+39061234567\"\n"
           "record 3: phone 2 \"+39 333 1234567\" -> \"+393331234567\"\n";
}

void TestInterchangeCli::tidyPhones()
{
    QFETCH(QStringList, args);
    QFETCH(QString, table);
    const int changes = int(table.count(QStringLiteral(" -> ")));
    const int kept = int(table.count(QStringLiteral(" kept: ")));
    args.prepend(agendaPath_);
    args.prepend(QStringLiteral("tidy-phones"));
    // The dry run prints the table and leaves the file as it was, byte for byte.
    const QByteArray before = Bytes(agendaPath_);
    Run r = Cli(args + QStringList{QStringLiteral("--dry-run")});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, table + QStringLiteral("%1 numbers would change, %2 kept\n").arg(changes).arg(kept));
    QCOMPARE(Bytes(agendaPath_), before);
    // Without it the same table, and the numbers are written.
    r = Cli(args);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, table + QStringLiteral("%1 numbers changed, %2 kept\n").arg(changes).arg(kept));
    Agenda agenda;
    QVERIFY(LoadAgenda(agenda));
    for (const QString &line : table.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList w = line.split(QLatin1Char(' '));
        const int slot = w[1].chopped(1).toInt() - 1;
        const int phone = w[3].toInt() - 1;
        const QString stored = agenda.slots[size_t(slot)].phone[size_t(phone)];
        const QString expected = line.section(QLatin1Char('"'), line.contains(QLatin1String(" -> ")) ? 3 : 1, -1)
                                     .section(QLatin1Char('"'), 0, 0);
        QCOMPARE(stored, expected);
    }
    // Done once, nothing is left to change.
    r = Cli(args + QStringList{QStringLiteral("--dry-run")});
    QVERIFY2(r.out.endsWith(QStringLiteral("0 numbers would change, %1 kept\n").arg(kept)), qPrintable(r.out));
}

void TestInterchangeCli::insertPhones_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("phone1");
    QTest::addColumn<QString>("phone2");
    const QStringList de{"--region", "DE"};
    QTest::newRow("vCard, as-is by default") << "vcf" << de << "0049 (0)89 1234567" << "112";
    QTest::newRow("vCard, international") << "vcf" << de + QStringList{"--phones", "international"}
                                          << "+49 89 1234567" << "112";
    QTest::newRow("vCard, national") << "vcf" << de + QStringList{"--phones", "national"} << "089 1234567" << "112";
    QTest::newRow("CSV, e164") << "csv" << de + QStringList{"--phones", "e164"} << "+49891234567" << "112";
    QTest::newRow("CSV, region AT") << "csv" << QStringList{"--region", "AT", "--phones", "international"}
                                    << "+49 89 1234567" << "112";
}

void TestInterchangeCli::insertPhones()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, options);
    QString in;
    if (kind == QLatin1String("vcf")) {
        in = Put(QStringLiteral("in.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Neu\r\nTEL;CELL:0049 (0)89 1234567\r\n"
                                             "TEL;HOME:112\r\nEND:VCARD\r\n");
    } else {
        const QString header = QStringLiteral("last;first;note;street;numb;zip;city;country;coord;phone1;phone2;phone3;"
                                              "phone4;phone5;email1;email2;email3;email4;email5\r\n");
        in = Put(QStringLiteral("in.csv"), QByteArray("\xFF\xFE") + Utf16(header + QStringLiteral("Neu;;;;;;;;;0049 (0)89 1234567;112;;;;;;;;\r\n")));
    }
    const Run r = Cli(QStringList{QStringLiteral("insert-") + kind, agendaPath_, QStringLiteral("1"), in} + options);
    QCOMPARE(r.code, 0);
    Agenda agenda;
    QVERIFY(LoadAgenda(agenda));
    const AgendaRecord *neu = nullptr;
    for (int i = 0; i < agenda.slotCount && !neu; ++i)
        if (agenda.RecordAt(i) && agenda.RecordAt(i)->label.startsWith(QLatin1String("Neu"), Qt::CaseInsensitive))
            neu = agenda.RecordAt(i);
    QVERIFY(neu);
    QTEST(neu->phone[0], "phone1");
    QTEST(neu->phone[1], "phone2");
}

QTEST_GUILESS_MAIN(TestInterchangeCli)
#include "test_interchangecli.moc"
