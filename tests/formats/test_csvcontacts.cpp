#include "support/scriptedprompter.h"
#include "formats/csvcolumns.h"
#include "formats/csvcontacts.h"
#include "formats/csvtokenizer.h"
#include "formats/interchange.h"
#include "store/agenda.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

// Contact CSV files of other address books: the tokenizer, the column tables per exporter
// and language, the mapping of rows onto records and the Google layout written.
class TestCsvContacts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tokenize_data();
    void tokenize();
    void delimiter_data();
    void delimiter();
    void layouts_data();
    void layouts();
    void addresses_data();
    void addresses();
    void encodings_data();
    void encodings();
    void refused_data();
    void refused();
    void unknownHeaderAndMap();
    void googleExportReadsBack();
};

namespace {

QString Csv(const char *file)
{
    return QStringLiteral(KESTRAVON_TESTDATA "/csv/") + QLatin1String(file);
}

// "value:type, value:type"
QString Typed(const std::array<QString, 5> &values, const std::array<uint32_t, 5> &types)
{
    QStringList out;
    for (size_t k = 0; k < values.size(); ++k)
        if (!values[k].isEmpty())
            out << values[k] + QLatin1Char(':') + QString::number(types[k]);
    return out.join(QStringLiteral(", "));
}

// One record as one line: label | phones | e-mails | street/number/zip/city/country | note | GPS.
QString Summary(const AgendaRecord &r)
{
    QString note = r.note;
    note.replace(QLatin1Char('\n'), QLatin1Char('/'));
    return QStringList{r.label, Typed(r.phone, r.phoneType), Typed(r.email, r.emailType),
                       QStringList{r.street, r.numb, r.zip, r.city, r.country}.join(QLatin1Char('/')), note,
                       r.nav.GpsText()}
        .join(QStringLiteral(" | "));
}

QStringList Summaries(const std::vector<CardOfFile> &cards)
{
    QStringList out;
    for (const CardOfFile &c : cards)
        out << Summary(c.record);
    return out;
}

QStringList Rows(const QString &text, const CsvDialect &dialect, QString *error = nullptr)
{
    CsvTokenizer t(text, dialect);
    QStringList rows;
    QStringList fields;
    while (t.Next(fields))
        rows << fields.join(QLatin1Char('|'));
    if (error)
        *error = t.Error();
    return rows;
}

} // namespace

void TestCsvContacts::tokenize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");  // fields joined by "|"
    QTest::addColumn<QString>("error");
    QTest::newRow("plain, CR LF") << "a,b\r\nc,d\r\n" << QStringList{"a|b", "c|d"} << "";
    QTest::newRow("LF and CR line ends") << "a,b\nc\rd" << QStringList{"a|b", "c", "d"} << "";
    QTest::newRow("quoted delimiter and quotes") << "\"x,y\",\"say \"\"hi\"\"\"\n" << QStringList{"x,y|say \"hi\""} << "";
    QTest::newRow("multi-line quoted address") << "\"Via Roma 12\r\n00100 Roma\nItalia\",z\r\nnext"
                                               << QStringList{"Via Roma 12\n00100 Roma\nItalia|z", "next"} << "";
    QTest::newRow("empty fields and line") << ",,\n\n" << QStringList{"||", ""} << "";
    QTest::newRow("quote inside a plain field kept") << "O\"Neil,b" << QStringList{"O\"Neil|b"} << "";
    QTest::newRow("text after closing quote kept") << "\"a\"b,c" << QStringList{"ab|c"} << "";
    QTest::newRow("last line without line end") << "a\nb" << QStringList{"a", "b"} << "";
    QTest::newRow("unclosed quote refused with its line") << "a\nb,\"c\nd\ne" << QStringList{"a"}
                                                          << "line 2: a quoted field is not closed";
    QTest::newRow("stray quote cannot swallow the file")
        << "\"" + QString(kCsvMaxQuoted + 10, QLatin1Char('x')) + "\"\n" << QStringList{}
        << "line 1: a quoted field is not closed";
}

void TestCsvContacts::tokenize()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    QFETCH(QString, error);
    QString got;
    QCOMPARE(Rows(text, CsvDialect(), &got), rows);
    QCOMPARE(got, error);
}

void TestCsvContacts::delimiter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("delimiter");
    QTest::newRow("comma") << "a,b,c\n1;2" << ",";
    QTest::newRow("semicolon") << "a;b;c\n1,2,3,4,5" << ";";
    QTest::newRow("tab") << "a\tb, c\tc" << "\t";
    QTest::newRow("quoted commas do not count") << "\"Werkadres, straat\";\"Huisadres, straat\";x" << ";";
    QTest::newRow("one column") << "Name\nx" << ",";
}

void TestCsvContacts::delimiter()
{
    QFETCH(QString, text);
    QFETCH(QString, delimiter);
    QCOMPARE(QString(DetectCsvDelimiter(text)), delimiter);
}

void TestCsvContacts::layouts_data()
{
    // Phone types: 3 HOME.FAX, 7 HOME, 10 WORK.FAX, 12 PREF.WORK (work), 19 CELL, 20 PREF.CELL;
    // e-mail types: 0 none, 2 WORK, 5 PREF, 6 PREF.HOME.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("records");
    QTest::newRow("Google current, UTF-8 with BOM")
        << "google-current.csv" << "Google Contacts"
        << QStringList{"Mario Rossi | +39 333 1234567:20, +39 333 7654321:19, +39 06 1234567:12 | mario@example.it:6 "
                       "| Via Roma/12/00100/Roma/Italia | Line one/Line two | ",
                       "ACME S.p.A. | 06 999:10 | info@acme.it:2 | ///Milano/ |  | "};
    QTest::newRow("Google older, UTF-16 LE")
        << "google-legacy.csv" << "Google Contacts (older layout)"
        << QStringList{"Anna Bianchi | +39 347 111:20, 02 222:7, 02 333:7 | anna@work.it:2 | Via Verdi/3/10100/Torino/ | VIP | ",
                       "Luca Maria Verdi | 123:19 |  | //// |  | "};
    QTest::newRow("Google's Outlook CSV, LF, multi-line address")
        << "google-outlook.csv" << "Google Contacts (Outlook CSV)"
        << QStringList{"John Smith | 020 7946 0000:7, +44 7700 900123:19, 020 7946 0001:10 | john@example.co.uk:0 "
                       "| Baker Street/221B/NW1 6XE/London/United Kingdom | He said \"hello\", twice | ",
                       "Globex | 555-0100:12 |  | Main St/1//Springfield/ |  | "};
    QTest::newRow("outlook.com")
        << "outlook-com.csv" << "outlook.com"
        << QStringList{"Jane Q Public | +1 555 0198:19, +1 555 0199:20 | jane@example.com:0, jq@example.org:0 "
                       "| Elm Road/42/02101/Boston/USA |  | ",
                       " | 5550000:19 |  | //// |  | "};
    QTest::newRow("Outlook English, Windows-1252, six phones")
        << "outlook-en.csv" << "Outlook (English)"
        << QStringList{QStringLiteral("José Núñez | +34 91 555 0000:12, +34 600 000 000:19 | jose@example.es:0 "
                                      "| Calle Mayor/1/28013/Madrid/España | Café | "),
                       "Ann | 124:3, 123:7, 125:0, 126:19, 127:20 |  | //// |  | "};
    QTest::newRow("Outlook German, newer names, ';', Windows-1252")
        << "outlook-de.csv" << "Outlook (German)"
        << QStringList{QStringLiteral("Jürgen Müller | 089 123:7, 0171 555:19 | j@mueller.de:0 "
                                      "| Hauptstraße/5/80331/München/Deutschland | Kunde; seit 2001 | "),
                       "Schmidt | 030 1:10, 030 2:12 |  | //// |  | "};
    QTest::newRow("Outlook German, older names")
        << "outlook-de-older.csv" << "Outlook (German)"
        << QStringList{"Eva Braun | 040 1:7, 040 2:7 |  | //// |  | ", "Firma Braun GmbH | 040 3:20 |  | //// |  | "};
    QTest::newRow("Outlook French, 'Nom' twice")
        << "outlook-fr.csv" << "Outlook (French)"
        << QStringList{QStringLiteral("François Lefèvre | 01 23 45 67 89:7, 06 12 34 56 78:19 | f@example.fr:0 "
                                      "| rue de la Paix/12/75002/Paris/ |  | "),
                       "Mairie de Lyon | 04 72:12 |  | //// |  | "};
    QTest::newRow("Outlook Italian, tab")
        << "outlook-it.csv" << "Outlook (Italian)"
        << QStringList{"Mario Rossi | 06 1:7, 333 1:19 | m@r.it:0 | Via Roma/12/00100/Roma/Italia |  | ",
                       "Ferrari | 0536 1:12 |  | //// |  | "};
    QTest::newRow("Outlook Spanish")
        << "outlook-es.csv" << "Outlook (Spanish)"
        << QStringList{QStringLiteral("Lucía García | 91 1:7, 600 1:19 |  | Gran Vía/1//Madrid/ |  | "),
                       "Telefónica | 91 2:12 |  | //// |  | "};
    QTest::newRow("Outlook Dutch, UTF-16 BE, names with commas")
        << "outlook-nl.csv" << "Outlook (Dutch)"
        << QStringList{"Jan de Vries | 06 1:19 | jan@example.nl:0 | Damrak/1/1012 LG/Amsterdam/ |  | ",
                       "Philips | 040 1:12 |  | //// |  | "};
    QTest::newRow("Thunderbird English")
        << "thunderbird-en.csv" << "Thunderbird (English)"
        << QStringList{"Anna B. | 02 1:12, 347 1:19 | anna@example.it:5, ab@example.com:0 | Via Po/3/10100/Torino/Italy | multi/line | ",
                       "Mozilla | 123:3 |  | //// |  | "};
    QTest::newRow("Thunderbird German")
        << "thunderbird-de.csv" << "Thunderbird (German)"
        << QStringList{QStringLiteral("Hans Meier | 1:7, 2:19 |  | ///Köln/ |  | "), "Stammtisch | 3:12 |  | //// |  | "};
    QTest::newRow("Thunderbird French, home and work both 'Ville'")
        << "thunderbird-fr.csv" << "Thunderbird (French)"
        << QStringList{QStringLiteral("Émile Zola | 01 9:12, 06 9:19 |  | rue X/5/75001/Paris/ |  | "),
                       "Bureau |  |  | quai Y/9//Lyon/ |  | "};
    QTest::newRow("Thunderbird Italian")
        << "thunderbird-it.csv" << "Thunderbird (Italian)"
        << QStringList{"Sara Neri | 3:19 |  | ///Bari/ |  | ", "Enel | 4:12 |  | //// |  | "};
    QTest::newRow("Thunderbird Spanish")
        << "thunderbird-es.csv" << "Thunderbird (Spanish)"
        << QStringList{"Pablo Ruiz | 5:19 |  | ///Sevilla/ |  | ", "Iberdrola | 6:12 |  | //// |  | "};
    QTest::newRow("Thunderbird Dutch")
        << "thunderbird-nl.csv" << "Thunderbird (Dutch)"
        << QStringList{"Piet Jansen | 7:19 |  | ///Utrecht/ |  | ", "KLM | 8:12 |  | //// |  | "};
    QTest::newRow("Windows Live Mail English")
        << "windows-live-en.csv" << "Windows Live Mail (English)"
        << QStringList{"Live User | 1:19 |  | //// |  | ", "A B | 2:10 |  | //// |  | "};
    QTest::newRow("Windows Live Mail German")
        << "windows-live-de.csv" << "Windows Live Mail (German)"
        << QStringList{"Karl Heinz Weber | 1:7 |  | Ring/7//Bonn/ |  | ", "Haribo | 2:10 |  | //// |  | "};
    QTest::newRow("Yahoo") << "yahoo.csv" << "Yahoo"
                           << QStringList{"Tom Jones | 2:7, 1:19 | t@y.com:0 | Downing St/10//London/ |  | ",
                                          "Yahoo | 3:12 |  | //// |  | "};
    QTest::newRow("generic names") << "generic.csv" << "generic"
                                   << QStringList{"Pizzeria Da Mario | 06 1:0, 333 1:19 | info@dm.it:0 | Via Appia/100/00179/Roma/ |  | ",
                                                  "Taxi | 06 3570:0 |  | //// |  | "};
    QTest::newRow("own header saved as UTF-8") << "own-names-utf8.csv" << "generic"
                                               << QStringList{"ROSSI MARIO | 06 1:0 | a@b.it:0 | VIA ROMA/12/00100/ROMA/IT | nota | N41.900000,E12.500000",
                                                              "BIANCHI | 02 2:0 |  | //// |  | "};
}

void TestCsvContacts::layouts()
{
    QFETCH(QString, file);
    const CsvInsertFile read = ReadCsvInsertFile(Csv(file.toLatin1().constData()));
    QVERIFY2(read.ok, qPrintable(read.reason));
    QVERIFY(!read.Own());
    QTEST(read.mapping.layout, "layout");
    QVERIFY(PlacesNameOrPhone(read.mapping));
    const std::vector<CardOfFile> cards = MapCsvRows(read.table, read.mapping, file);
    QTEST(Summaries(cards), "records");
    // Only the English Outlook file has a sixth phone.
    QCOMPARE(cards.back().droppedPhones, file == QLatin1String("outlook-en.csv") ? 1 : 0);
    QCOMPARE(cards.back().number, 2);
}

void TestCsvContacts::addresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("badGeo");
    QTest::newRow("Outlook: street lines after the street; region and PO box dropped")
        << "First Name,Business Street,Business Street 2,Business Street 3,Business City,Business State,"
           "Business Postal Code,Business Country/Region,Business Address PO Box,E-mail Type\n"
           "Ann,Main Street 10,Apt 4,Floor 2,Springfield,IL,62701,USA,PO Box 5,SMTP\n"
        << "Outlook (English)" << "Ann |  |  | Main Street, Apt 4, Floor 2/10/62701/Springfield/USA |  | " << "";
    QTest::newRow("Google: extended address after the street")
        << "First Name,Address 1 - Label,Address 1 - Street,Address 1 - Extended Address,Address 1 - City,"
           "Address 1 - Region,Address 1 - PO Box\nBea,Home,Via Roma 12,Scala B,Roma,RM,Casella 1\n"
        << "Google Contacts" << "Bea |  |  | Via Roma, Scala B/12//Roma/ |  | " << "";
    QTest::newRow("Thunderbird: Home Address is the street")
        << "First Name,Display Name,Home Address,Home Address 2,Home City,Home State\nC,Carla,Via Po 3,Interno 5,Torino,TO\n"
        << "Thunderbird (English)" << "Carla |  |  | Via Po, Interno 5/3//Torino/ |  | " << "";
    QTest::newRow("Google's Outlook CSV: Home Address is the whole address")
        << "First Name,Home Address,Categories,Business Fax\nCy,\"Baker Street 221\nLondon\",myContacts,1\n"
        << "Google Contacts (Outlook CSV)" << "Cy | 1:10 |  | Baker Street/221/// |  | " << "";
    QTest::newRow("a number only on the second line stays there")
        << "Last Name,Business Street,Business Street 2\nDora,Hauptstraße,Hinterhaus 3\n"
        << "Outlook (English)" << "Dora |  |  | Hauptstraße, Hinterhaus 3//// |  | " << "";
    QTest::newRow("Outlook: an Exchange directory name is no e-mail")
        << "First Name,E-mail Address,E-mail Type,E-mail 2 Address\nGil,/o=ExchangeLabs/ou=Exchange Administrative "
           "Group (FYDIBOHF23SPDLT)/cn=Recipients/cn=gil,EX,gil@example.com\n"
        << "Outlook (English)" << "Gil |  | gil@example.com:0 | //// |  | " << "";
    QTest::newRow("coordinates") << "Name,GPS\nEd,\"45.5, 9.25\"\n" << "generic" << "Ed |  |  | //// |  | N45.500000,E9.250000" << "";
    QTest::newRow("unquoted fields after a header and blank line that needed unquoting too")
        << "Name,Notes,\"x\"\"y\"\r\n\"\r\n\",,\r\n\"Ed \"\"E\"\" Jones\",\"a\r\nb\"c\r\n"
        << "Google Contacts (older layout)" << "Ed \"E\" Jones |  |  | //// | a/bc | " << "";
    QTest::newRow("no position: named, none set") << "Name,GPS\nFe,Munich 80331\n" << "generic" << "Fe |  |  | //// |  | "
                                                  << "Munich 80331";
}

void TestCsvContacts::addresses()
{
    QFETCH(QString, text);
    const CsvTable table = ReadCsvTable(text.toUtf8());
    QVERIFY2(table.ok, qPrintable(table.reason));
    const CsvMapping mapping = RecognizeCsvColumns(table.header);
    QTEST(mapping.layout, "layout");
    const std::vector<CardOfFile> cards = MapCsvRows(table, mapping, QString());
    QCOMPARE(cards.size(), size_t(1));
    QTEST(Summary(cards[0].record), "record");
    QTEST(cards[0].badGeo, "badGeo");
}

void TestCsvContacts::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = QStringLiteral("Name;Mobile;Notes\r\nCaf\u00e9 M\u00fcller;0123;\"a;b\"\r\n");
    QStringEncoder le(QStringEncoder::Utf16LE, QStringConverter::Flag::WriteBom);
    QStringEncoder be(QStringEncoder::Utf16BE, QStringConverter::Flag::WriteBom);
    QStringEncoder leBare(QStringEncoder::Utf16LE);
    QTest::newRow("UTF-8") << text.toUtf8();
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + text.toUtf8();
    QTest::newRow("UTF-16 LE") << QByteArray(le(text));
    QTest::newRow("UTF-16 BE") << QByteArray(be(text));
    QTest::newRow("UTF-16 LE without mark") << QByteArray(leBare(text));
    QTest::newRow("Windows-1252") << text.toLatin1();
    QTest::newRow("tab") << QString(text).replace(QLatin1Char(';'), QLatin1Char('\t')).replace(QStringLiteral("a\tb"), QStringLiteral("a;b")).toUtf8();
}

void TestCsvContacts::encodings()
{
    QFETCH(QByteArray, bytes);
    const CsvTable table = ReadCsvTable(bytes);
    QVERIFY2(table.ok, qPrintable(table.reason));
    const std::vector<CardOfFile> cards = MapCsvRows(table, RecognizeCsvColumns(table.header), QString());
    QCOMPARE(Summaries(cards), QStringList{QStringLiteral("Caf\u00e9 M\u00fcller | 0123:19 |  | //// | a;b | ")});
}

void TestCsvContacts::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "not a text file";
    QTest::newRow("empty") << QByteArray() << "no header row";
    QTest::newRow("blank lines only") << QByteArray(" \r\n,,\r\n\r\n") << "no header row";
    QTest::newRow("quote not closed") << QByteArray("Name,Phone\nA,1\n\"B,2\nC,3\n") << "line 3: a quoted field is not closed";
    QTest::newRow("too many rows") << "Name\n" + QByteArray("x\n").repeated(kCsvMaxRows + 1)
                                   << QStringLiteral("more than %1 rows").arg(kCsvMaxRows);
}

void TestCsvContacts::refused()
{
    QFETCH(QByteArray, bytes);
    const CsvTable table = ReadCsvTable(bytes);
    QVERIFY(!table.ok);
    QTEST(table.reason, "reason");
}

void TestCsvContacts::unknownHeaderAndMap()
{
    const QStringList header{"Kunde", "Nummer", "Werkadres, straat", "Ort"};
    CsvMapping mapping = RecognizeCsvColumns(header);
    QVERIFY(!PlacesNameOrPhone(mapping));
    QCOMPARE(UnplacedColumns(header, mapping), header);

    // Refusals name what is wrong; the mapping stays as it was.
    QString reason;
    QVERIFY(!ApplyCsvMap(QStringLiteral("Kunde=name"), header, mapping, reason));
    QVERIFY(reason.startsWith(QStringLiteral("--map: \"name\" is no field; the fields are: label, given,")));
    QVERIFY(!ApplyCsvMap(QStringLiteral("Client=label"), header, mapping, reason));
    QCOMPARE(reason, QStringLiteral("--map: the file has no column \"Client\""));
    QVERIFY(!ApplyCsvMap(QStringLiteral("Kunde"), header, mapping, reason));
    QVERIFY(!PlacesNameOrPhone(mapping));

    // Names trimmed, case ignored; a column name may hold a comma.
    QVERIFY(ApplyCsvMap(QStringLiteral(" kunde =label,NUMMER=Phone:Cell,Werkadres, straat=street"), header, mapping, reason));
    QVERIFY(PlacesNameOrPhone(mapping));
    QCOMPARE(UnplacedColumns(header, mapping), QStringList{"Ort"});
    const CardOfFile card = MapCsvRow({"Bar Sport", "0123", "Piazza Duomo 1", "Milano"}, mapping);
    QCOMPARE(Summary(card.record), QStringLiteral("Bar Sport | 0123:19 |  | Piazza Duomo/1/// |  | "));

    // Every field name is a choice, and a recognised column shows its nearest choice.
    for (const QString &name : CsvFieldNames()) {
        CsvColumn column;
        QVERIFY(CsvColumnForName(name, column));
        QCOMPARE(CsvFieldName(column), name);
    }
    const CsvMapping outlook = RecognizeCsvColumns({"Business Fax", "Home Address", "Categories"});
    QCOMPARE(CsvFieldName(outlook.columns[0]), QStringLiteral("phone:fax"));
    QCOMPARE(CsvFieldName(outlook.columns[1]), QStringLiteral("street"));
    QCOMPARE(CsvFieldName(outlook.columns[2]), QStringLiteral("ignore"));
}

void TestCsvContacts::googleExportReadsBack()
{
    ScriptedPrompter prompter;
    Agenda agenda;
    QVERIFY(agenda.Load(QStringLiteral(KESTRAVON_TESTDATA "/agenda/Agenda.dat"), prompter));
    QList<int> slotList;
    for (int slot = agenda.userCount; slot < agenda.slotCount; ++slot)
        if (agenda.RecordAt(slot))
            slotList << slot;
    // Texts that need quotes, and every phone and e-mail type.
    AgendaRecord odd;
    odd.label = QStringLiteral("\"QUOTED\", WITH COMMA");
    odd.note = QStringLiteral("two\nlines, and \"quotes\"");
    odd.street = QStringLiteral("VIA ROMA");
    odd.numb = QStringLiteral("12");
    odd.city = QStringLiteral("ROMA");
    odd.nav.SetGpsText(QStringLiteral("S33.448890,W70.669265"));
    const std::array<uint32_t, 15> phoneCodes{0, 7, 3, 4, 19, 10, 11, 20, 5, 8, 9, 12, 6, 15, 16};
    const std::array<uint32_t, 6> emailCodes{0, 1, 2, 5, 6, 7};
    for (size_t k = 0; k < phoneCodes.size(); k += 5) {
        AgendaRecord r = odd;
        for (size_t j = 0; j < 5; ++j) {
            r.phone[j] = QStringLiteral("+39 06 %1").arg(k + j);
            r.phoneType[j] = phoneCodes[k + j];
            r.email[j] = QStringLiteral("a%1@example.it").arg(j);
            r.emailType[j] = emailCodes[(k + j) % emailCodes.size()];
        }
        slotList << agenda.InsertRecord(r);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("google.csv"));
    QVERIFY(ExportGoogleCsvRecords(agenda, slotList, path, prompter));
    CsvInsertFile file = ReadCsvInsertFile(path);
    QVERIFY2(file.ok, qPrintable(file.reason));
    QCOMPARE(file.table.encoding, QByteArray("UTF-8"));
    QCOMPARE(file.table.delimiter, QLatin1Char(','));
    QCOMPARE(file.mapping.layout, QStringLiteral("Google Contacts"));
    file.MapCards();
    QCOMPARE(int(file.cards.size()), slotList.size());
    for (int i = 0; i < slotList.size(); ++i) {
        AgendaRecord expected = *agenda.RecordAt(slotList[i]);
        // Only the texts, types and coordinates travel; empty places close up.
        AgendaRecord got = file.cards[size_t(i)].record;
        QCOMPARE(Summary(got), Summary(expected));
    }
    QVERIFY(prompter.shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestCsvContacts)
#include "test_csvcontacts.moc"
