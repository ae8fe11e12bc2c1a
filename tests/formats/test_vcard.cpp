#include "support/scriptedprompter.h"
#include "common/textcodec.h"
#include "formats/vcard.h"
#include "formats/vcarddecoding.h"
#include "formats/vcardreader.h"
#include "store/agenda.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// vCard reading (real files of other programs and the reader's rules), writing, and the
// round trip record -> card -> record.
class TestVCard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { vcfDebug = false; }
    void realWorldCards_data();
    void realWorldCards();
    void androidQuotedPrintable();
    void lines_data();
    void lines();
    void cardRules_data();
    void cardRules();
    void readResult_data();
    void readResult();
    void reasons_data();
    void reasons();
    void importKeepsOtherFields();
    void geoClearsNavigation();
    void debugMessages_data();
    void debugMessages();
    void noMessagesWithoutDebug();
    void addressSplit_data();
    void addressSplit();
    void badInputDoesNotCrash();
    void cardsOneAtATime_data();
    void cardsOneAtATime();
    void importAt();
    void writerLines_data();
    void writerLines();
    void writerExample();
    void writerOverwritesAndFails();
    void typeTablesAreInverse();
    void roundTrip_data();
    void roundTrip();
    void standardExample();
    void standardRoundTrip();

private:
    QString Write(const QByteArray &bytes);
    QTemporaryDir dir_;
    int files_ = 0;
};

namespace {

// The fields a card can set, one "name=value" per non-empty field, in a fixed order.
QStringList Describe(const AgendaRecord &r)
{
    QStringList out;
    out << QStringLiteral("rec=%1/%2").arg(r.recType).arg(r.owner);
    const auto add = [&](const char *name, const QString &v) {
        if (!v.isEmpty())
            out << QLatin1String(name) + QLatin1Char('=') + v;
    };
    add("label", r.label);
    for (int k = 0; k < kPhoneCount; ++k)
        if (!r.phone[size_t(k)].isEmpty() || r.phoneType[size_t(k)])
            out << QStringLiteral("phone%1=%2/%3").arg(k + 1).arg(r.phone[size_t(k)]).arg(r.phoneType[size_t(k)]);
    for (int k = 0; k < kEmailCount; ++k)
        if (!r.email[size_t(k)].isEmpty() || r.emailType[size_t(k)])
            out << QStringLiteral("email%1=%2/%3").arg(k + 1).arg(r.email[size_t(k)]).arg(r.emailType[size_t(k)]);
    add("street", r.street);
    add("numb", r.numb);
    add("city", r.city);
    add("zip", r.zip);
    add("country", r.country);
    if (r.note.size() <= 80)
        add("note", r.note);
    else
        out << QStringLiteral("note=(long)");
    add("gps", r.nav.GpsText());
    return out;
}

QString Data(const char *name)
{
    return QStringLiteral(KESTRAVON_TESTDATA "/vcards/") + QLatin1String(name);
}

} // namespace

Q_DECLARE_METATYPE(AgendaRecord)

namespace {

const QString kLicenceEnd = QStringLiteral("POSSIBILITY OF SUCH DAMAGE.");

} // namespace

QString TestVCard::Write(const QByteArray &bytes)
{
    const QString path = dir_.filePath(QStringLiteral("card%1.vcf").arg(++files_));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
    return path;
}

void TestVCard::realWorldCards_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("noteParts");  // pieces the note holds; the last one ends it

    QTest::newRow("android: first card only") << Data("John_Doe_ANDROID.vcf")
        << QStringList{"rec=1/1", "email1=john.doe@company.com/5"} << QStringList{};
    QTest::newRow("evolution: folded phones, e-mail, address, note") << Data("John_Doe_EVOLUTION.vcf")
        << QStringList{"rec=1/1", "label=Mr. John Richter, James Doe Sr.", "phone1=905-666-1234/19",
                       "phone2=905-555-1234/12", "email1=john.doe@ibm.com/2", "street=Crescent moon drive",
                       "numb=15", "city=Albaney", "zip=12345", "country=United States of America", "note=(long)"}
        << QStringList{"THIS SOFTWARE IS PROVIDED BY THE COPYRIGHT HOLDERS AND CONTRIBUTORS \"AS IS\" AND",
                       "BUT NOT LIMITED TO, THE IMPLIED", "A PARTICULAR PURPOSE", kLicenceEnd};
    QTest::newRow("gmail: address in the extended component") << Data("John_Doe_GMAIL.vcf")
        << QStringList{"rec=1/1", "label=Mr. John Richter, James Doe Sr.", "phone1=905-555-1234/19",
                       "phone2=905-666-1234/7", "email1=john.doe@ibm.com/1", "note=(long)"}
        << QStringList{"CONTRIBUTORS \\\"AS IS\\\" AND", "NOT LIMITED TO,", "DAMAGE.\nFavotire Color: Blue"};
    // vCard 3.0, lines ending in CR CR LF: no CR stays in a value. Of seven phones the
    // preferred and typed voice ones are kept before the faxes; the pager and the grouped
    // seventh are dropped. The grouped e-mail counts; of the two grouped addresses the
    // preferred one wins.
    QTest::newRow("iphone: CR CR LF, seven phones, preferred address") << Data("John_Doe_IPHONE.vcf")
        << QStringList{"rec=1/1", "label=Mr. John Richter James Doe Sr.", "phone1=905-555-1234/20",
                       "phone2=905-666-1234/7", "phone3=905-777-1234/12", "phone4=905-888-1234/3",
                       "phone5=905-999-1234/10", "email1=john.doe@ibm.com/5", "street=Silicon Alley 5,",
                       "city=New York", "zip=12345", "country=United States of America"}
        << QStringList{};
    QTest::newRow("outlook: the preferred first address wins") << Data("John_Doe_MS_OUTLOOK.vcf")
        << QStringList{"rec=1/1", "label=Mr. John Richter James Doe Sr.", "phone1=(905) 555-1234/12",
                       "phone2=(905) 666-1234/7", "email1=john.doe@ibm.cm/5", "street=Cresent moon drive",
                       "city=Albaney", "zip=12345", "country=United States of America", "note=(long)"}
        << QStringList{"THIS SOFTWARE IS PROVIDED BY GEORGE EL-HADDAD ''AS IS''", kLicenceEnd};
    QTest::newRow("outlook 2003: QP note with soft break") << Data("outlook-2003.vcf")
        << QStringList{"rec=1/1", "label=John Doe III", "phone1=BusinessPhone/12", "phone2=HomePhone/7",
                       "phone3=MobilePhone/19", "phone4=BusinessFaxPhone/10", "email1=jdoe@hotmail.com/5",
                       "street=Main St", "numb=123", "city=Austin", "zip=12345", "country=United States of America",
                       "note=This is the note field!!\r\nSecond line\r\n\r\nThird line is empty\r\n"}
        << QStringList{};
    QTest::newRow("gmail list: first of three") << Data("gmail-list.vcf")
        << QStringList{"rec=1/1", "label=Arnold Smith", "email1=asmithk@gmail.com/1"} << QStringList{};
    QTest::newRow("rfc 2426: folded address, LF only") << Data("rfc2426-example.vcf")
        << QStringList{"rec=1/1", "label=Frank Dawson", "phone1=+1-919-676-9515/12", "phone2=+1-919-676-9564/10",
                       "email1=Frank_Dawson@Lotus.com/5", "email2=fdawson@earthlink.net/1", "street=Battleford Drive",
                       "numb=6544", "city=Raleigh", "zip=27613-3502", "country=U.S.A."}
        << QStringList{};
    QTest::newRow("thunderbird: CHARSET, five e-mails, a fax of no place is a home fax") << Data("thunderbird-MoreFunctionsForAddressBook-extension.vcf")
        << QStringList{"rec=1/1", "label=John Doe", "phone1=555-555-1111/12", "phone2=555-555-2222/7",
                       "phone3=555-555-5555/19", "phone4=555-555-3333/3", "phone5=555-555-4444/19",
                       "email1=doe.john@hotmail.com/5", "email2=additional-email@company.com/1",
                       "email3=additional-email1@company.com/1", "email4=additional-email2@company.com/1",
                       "email5=additional-email3@company.com/1", "street=Apt", "numb=10", "city=Austin", "zip=12345",
                       "country=USA", "note=(long)"}
        << QStringList{"This is the notes field.\nSecond Line\n\nFourth Line\nYou can put anything in the "
                       "\"note\" field; even curse words."};
}

void TestVCard::realWorldCards()
{
    QFETCH(QString, file);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, noteParts);
    ScriptedPrompter prompter;
    AgendaRecord r;
    QVERIFY(ImportVCard(r, file, prompter));
    QCOMPARE(Describe(r), fields);
    for (const QString &part : noteParts)
        QVERIFY2(r.note.contains(part), qPrintable(part));
    if (!noteParts.isEmpty())
        QVERIFY(r.note.endsWith(noteParts.last()));
    QVERIFY(prompter.shown.isEmpty());
}

void TestVCard::androidQuotedPrintable()
{
    ScriptedPrompter prompter;
    VCard card;
    QVERIFY(card.ReadVcf(Data("John_Doe_ANDROID.vcf"), prompter));
    QStringList names;
    QString lastOrg;
    for (int i = 0; i < card.Count(); ++i) {
        if (card.At(i).property == kVcFn)
            names << card.At(i).value;
        if (card.At(i).property == kVcOrg && card.At(i).value.endsWith(QChar(0x20AC)))
            lastOrg = card.At(i).value;
    }
    const QString n = QStringLiteral("\u00D1");
    QCOMPARE(names.size(), 4);
    QCOMPARE(names.at(0), QString(n + " " + n + " " + n + " " + n + " " + n + " "));
    // Soft line break inside the name.
    QCOMPARE(names.at(1), QStringList(11, n).join(QLatin1Char(' ')));
    QCOMPARE(names.at(3), QString(4, n.at(0)));
    // One ORG ends in a stray =80: not UTF-8, so that byte is read as Windows-1252 and the
    // UTF-8 before it stays UTF-8.
    QVERIFY(lastOrg.startsWith(QStringLiteral("\u00D1\u00D1")));
}

void TestVCard::lines_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QStringList>("fields");
    const QStringList base{"rec=1/1"};
    const auto note = [&](const QString &text) { return base + QStringList{"note=" + text}; };
    const auto tel = [&](int type) { return base + QStringList{QStringLiteral("phone1=1/%1").arg(type)}; };
    const auto mail = [&](int type) { return base + QStringList{QStringLiteral("email1=a@b/%1").arg(type)}; };

    QTest::newRow("four-line card") << QByteArray("BEGIN:VCARD\r\nFN:Anna\r\nTEL;CELL:12345\r\nEND:VCARD\r\n")
                                    << QStringList{"rec=1/1", "label=Anna", "phone1=12345/19"};
    // Phone types from the parameters, in both parameter styles.
    QTest::newRow("PREF WORK VOICE") << QByteArray("TEL;PREF;WORK;VOICE:1") << tel(6);
    QTest::newRow("TYPE=HOME,FAX") << QByteArray("TEL;TYPE=HOME,FAX:1") << tel(3);
    QTest::newRow("WORK") << QByteArray("TEL;WORK:1") << tel(12);
    QTest::newRow("TYPE=WORK;TYPE=VOICE") << QByteArray("TEL;TYPE=WORK;TYPE=VOICE:1") << tel(12);
    QTest::newRow("no parameter") << QByteArray("TEL:1") << tel(19);
    QTest::newRow("lower case") << QByteArray("tel;type=home:1") << tel(7);
    QTest::newRow("PREF WORK FAX") << QByteArray("TEL;PREF;WORK;FAX:1") << tel(15);
    QTest::newRow("PREF WORK CELL") << QByteArray("TEL;PREF;WORK;CELL:1") << tel(16);
    QTest::newRow("PREF HOME FAX") << QByteArray("TEL;PREF;HOME;FAX:1") << tel(8);
    QTest::newRow("PREF HOME CELL") << QByteArray("TEL;PREF;HOME;CELL:1") << tel(9);
    QTest::newRow("PREF HOME") << QByteArray("TEL;PREF;HOME:1") << tel(5);
    QTest::newRow("PREF alone") << QByteArray("TEL;PREF:1") << tel(20);
    QTest::newRow("WORK FAX") << QByteArray("TEL;WORK;FAX:1") << tel(10);
    QTest::newRow("WORK CELL") << QByteArray("TEL;WORK;CELL:1") << tel(11);
    QTest::newRow("HOME CELL") << QByteArray("TEL;HOME;CELL:1") << tel(4);
    QTest::newRow("VOICE alone") << QByteArray("TEL;VOICE:1") << tel(19);
    QTest::newRow("unknown parameter name keeps target") << QByteArray("TEL;X-ID=7;HOME:1") << tel(7);
    QTest::newRow("type after ENCODING= goes to the encoding") << QByteArray("TEL;ENCODING=QUOTED-PRINTABLE;HOME:1") << tel(19);
    QTest::newRow("quoted type list") << QByteArray("TEL;TYPE=\"home,fax\":1") << tel(3);
    QTest::newRow("number as a tel URI") << QByteArray("TEL;VALUE=uri;TYPE=home:TEL:1") << tel(7);
    QTest::newRow("bare QUOTED-PRINTABLE sets no type bit") << QByteArray("TEL;QUOTED-PRINTABLE:1") << tel(19);
    QTest::newRow("e-mail plain") << QByteArray("EMAIL:a@b") << mail(1);
    QTest::newRow("e-mail PREF") << QByteArray("EMAIL;PREF:a@b") << mail(5);
    QTest::newRow("e-mail PREF WORK") << QByteArray("EMAIL;PREF;WORK:a@b") << mail(7);
    QTest::newRow("e-mail PREF HOME") << QByteArray("EMAIL;TYPE=PREF,HOME:a@b") << mail(6);
    QTest::newRow("e-mail WORK") << QByteArray("EMAIL;WORK:a@b") << mail(2);
    QTest::newRow("e-mail INTERNET") << QByteArray("EMAIL;INTERNET:a@b") << mail(1);
    // Names of properties and parameters in any case; a name that only begins or ends
    // like a known one is unknown.
    QTest::newRow("mixed-case parameter names") << QByteArray("TEL;Type=Home;tYPE=fax:1") << tel(3);
    QTest::newRow("mixed-case encoding and charset") << QByteArray("Note;Encoding=Quoted-Printable;ChArSeT=iso-8859-1:caf=E9")
                                                     << note("caf\u00E9");
    QTest::newRow("name longer than a known one") << QByteArray("NOTES:x\nNOTE:y") << note("y");
    QTest::newRow("name shorter than a known one") << QByteArray("NOT:x\nnote:y") << note("y");
    QTest::newRow("last name of the table") << QByteArray("x-addressbookserver-kind:individual\nNOTE:y") << note("y");

    // Quoted-Printable.
    QTest::newRow("QP UTF-8 bytes") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:caf=C3=A9") << note("caf\u00E9");
    QTest::newRow("QP Latin-1 byte") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:caf=E9") << note("caf\u00E9");
    QTest::newRow("QP lower-case hex") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:caf=c3=a9") << note("caf\u00E9");
    QTest::newRow("QP invalid UTF-8 stays per byte") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:=C3=28") << note("\u00C3(");
    QTest::newRow("QP soft break") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:caf=C3=A9 =\r\nbar") << note("caf\u00E9 bar");
    QTest::newRow("QP soft break before a space") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:ab=\r\n cd") << note("ab cd");
    QTest::newRow("QP =3D decoded once") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:=3D41") << note("=41");
    QTest::newRow("QP bare name") << QByteArray("NOTE;QUOTED-PRINTABLE:a=3Db") << note("a=b");
    QTest::newRow("QP bare lower-case name") << QByteArray("fn;quoted-printable:D=C3=BCmmy GmbH")
                                             << QStringList{"rec=1/1", "label=D\u00FCmmy GmbH"};
    QTest::newRow("QP with CHARSET after it") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:=C3=A9") << note("\u00E9");
    QTest::newRow("QP spoiled by a type value") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE;HOME:=C3=A9") << note("=C3=A9");
    QTest::newRow("CHARSET alone does not decode") << QByteArray("NOTE;CHARSET=UTF-8:caf=C3=A9") << note("caf=C3=A9");
    QTest::newRow("QP escape cut at the end") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:a=4") << note("a=4");
    QTest::newRow("QP non-hex escape") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:a=ZZb") << note("a=ZZb");
    QTest::newRow("QP literal UTF-8 around escapes") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:\xC3\xA9=C3=A9") << note("\u00E9\u00E9");
    QTest::newRow("QP Windows-1252 byte next to escape") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:\xE9=41")
                                                         << note("\u00E9A");
    QTest::newRow("QP escape ends a file") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:a=") << note("a");

    // Folded lines.
    QTest::newRow("folded phone") << QByteArray("TEL;TYPE=CELL:905-666\r\n -1234") << QStringList{"rec=1/1", "phone1=905-666-1234/19"};
    QTest::newRow("folded with a tab") << QByteArray("NOTE:ab\n\tcd") << note("abcd");
    QTest::newRow("folded parameters") << QByteArray("TEL;TYPE=WO\r\n RK:1") << tel(12);
    QTest::newRow("folded QP value") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:caf\r\n =C3=A9") << note("caf\u00E9");
    QTest::newRow("fold of unknown property skipped") << QByteArray("X-A:1\r\n NOTE:no\r\nNOTE:yes") << note("yes");

    // Values are taken as they stand, escapes too, unless the card is vCard 3.0 or 4.0.
    QTest::newRow("no unescaping") << QByteArray("NOTE:a\\,b\\;c\\nd") << note("a\\,b\\;c\\nd");
    QTest::newRow("2.1: no unescaping") << QByteArray("VERSION:2.1\nNOTE:a\\,b") << note("a\\,b");
    QTest::newRow("3.0 note") << QByteArray("VERSION:3.0\nNOTE:a\\,b\\;c\\nd\\Ne\\\\n\\x\\") << note("a,b;c\nd\ne\\n\\x\\");
    QTest::newRow("4.0 label, VERSION after it") << QByteArray("FN:Rossi\\, Mario\\nJr\nVERSION:4.0")
                                                 << QStringList{"rec=1/1", "label=Rossi, Mario Jr"};
    QTest::newRow("3.0 address, escaped separator") << QByteArray("VERSION:3.0\nADR:;;Via Roma\\; int. 3\\, 12;Reggio\\nEmilia;;42100;IT")
        << QStringList{"rec=1/1", "street=Via Roma; int. 3,", "numb=12", "city=Reggio Emilia", "zip=42100", "country=IT"};
    QTest::newRow("every CR before LF dropped") << QByteArray("NOTE:x\r\r\n") << note("x");
    QTest::newRow("UTF-8 text") << QByteArray("FN:M\xC3\xBCller \xE2\x82\xAC") << QStringList{"rec=1/1", "label=M\u00FCller \u20AC"};
    QTest::newRow("byte not UTF-8 read as Windows-1252") << QByteArray("FN:CAFF\xE8") << QStringList{"rec=1/1", "label=CAFF\u00E8"};
    QTest::newRow("address house number only") << QByteArray("ADR:;;12;Roma;;00100;IT")
                                               << QStringList{"rec=1/1", "numb=12", "city=Roma", "zip=00100", "country=IT"};
    QTest::newRow("address street only") << QByteArray("ADR:;;Via Roma 12") << QStringList{"rec=1/1", "street=Via Roma", "numb=12"};
    QTest::newRow("GEO east north") << QByteArray("GEO:12.5,41.9") << QStringList{"rec=1/1", "gps=N41.900000,E12.500000"};
    QTest::newRow("GEO west south") << QByteArray("GEO:-70.65,-33.45") << QStringList{"rec=1/1", "gps=S33.450000,W70.650000"};
    QTest::newRow("GEO garbage sets no position") << QByteArray("GEO:abc") << QStringList{"rec=1/1"};
    // Group names before the property.
    QTest::newRow("grouped phone") << QByteArray("item1.TEL;type=HOME:1") << tel(7);
    QTest::newRow("grouped e-mail, group with a dash") << QByteArray("A-B.email;PREF:a@b") << mail(5);
    QTest::newRow("two groups") << QByteArray("a.b2.TEL:1") << tel(19);
    QTest::newRow("group with a bad character is unknown") << QByteArray("a_b.TEL:1\nNOTE:x") << note("x");
    QTest::newRow("empty group is unknown") << QByteArray(".TEL:1\nNOTE:x") << note("x");
    QTest::newRow("sixth phone dropped") << QByteArray("TEL:1\nTEL:2\nTEL:3\nTEL:4\nTEL:5\nTEL:6")
        << QStringList{"rec=1/1", "phone1=1/19", "phone2=2/19", "phone3=3/19", "phone4=4/19", "phone5=5/19"};
}

void TestVCard::lines()
{
    QFETCH(QByteArray, lines);
    QFETCH(QStringList, fields);
    QByteArray bytes = lines;
    if (!bytes.contains("END:VCARD"))
        bytes = "BEGIN:VCARD\r\n" + lines + "\r\nEND:VCARD\r\n";
    // A soft break at the very end of the file is checked on the bare line.
    if (lines.endsWith('='))
        bytes = lines + "\r\n";
    ScriptedPrompter prompter;
    AgendaRecord r;
    if (lines.endsWith('=')) {
        VCard card;
        card.ReadVcf(Write(bytes), prompter);
        QCOMPARE(card.Count(), 1);
        const QStringList got{"rec=1/1", "note=" + card.At(0).value};
        QCOMPARE(got, fields);
        return;
    }
    QVERIFY(ImportVCard(r, Write(bytes), prompter));
    QCOMPARE(Describe(r), fields);
}

namespace {

// A card in UTF-16, with or without a byte-order mark.
QByteArray Utf16(const QString &text, bool bigEndian, bool mark)
{
    QByteArray out;
    const QString all = mark ? QChar(0xFEFF) + text : text;
    for (const QChar c : all) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

} // namespace

void TestVCard::cardRules_data()
{
    // The lines of one card (BEGIN and END are added) as phones and address books write
    // them, and the record they give.
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QStringList>("fields");
    const QStringList rec{"rec=1/1"};
    const auto label = [&](const QString &text) { return rec + QStringList{"label=" + text}; };
    const auto gps = [&](const char *text) { return rec + QStringList{QLatin1String("gps=") + QLatin1String(text)}; };

    // Code pages: the line's CHARSET, another line's, else Windows-1252; UTF-8 stays UTF-8.
    QTest::newRow("Windows-1252 without CHARSET") << QByteArray("VERSION:2.1\r\nFN:John Do\xEB") << label("John Do\u00EB");
    QTest::newRow("CHARSET=windows-1252") << QByteArray("FN;CHARSET=windows-1252:Andr\xE9 \x80") << label("Andr\u00E9 \u20AC");
    QTest::newRow("CHARSET with Quoted-Printable") << QByteArray("FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:J=F6rg")
                                                   << label("J\u00F6rg");
    QTest::newRow("Shift_JIS") << QByteArray("FN;CHARSET=SHIFT_JIS:\x93\x63\x92\x86") << label("\u7530\u4E2D");
    QTest::newRow("CHARSET of another line of the card")
        << QByteArray("N;CHARSET=Shift_JIS:\x93\x63;;;;\r\nFN:\x93\x63\x92\x86") << label("\u7530\u4E2D");
    QTest::newRow("valid UTF-8 beside a CHARSET line") << QByteArray("NOTE;CHARSET=ISO-8859-1:x\r\nFN:M\xC3\xBCller")
                                                       << rec + QStringList{"label=M\u00FCller", "note=x"};
    QTest::newRow("CHARSET=UTF-8 on bytes that are not") << QByteArray("FN;CHARSET=UTF-8:Z\xFCrich") << label("Z\u00FCrich");
    QTest::newRow("unknown CHARSET") << QByteArray("FN;CHARSET=X-NONE:Z\xFCrich") << label("Z\u00FCrich");
    QTest::newRow("private-use character of held bytes") << QByteArray("FN:a\xEE\xBB\xA8") << label("a\uFFFD");
    // UTF-16 files.
    const QString utf16Card = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:J\u00F6rg \u7530\r\nEND:VCARD\r\n");
    QTest::newRow("UTF-16 LE") << Utf16(utf16Card, false, true) << label("J\u00F6rg \u7530");
    QTest::newRow("UTF-16 BE") << Utf16(utf16Card, true, true) << label("J\u00F6rg \u7530");
    QTest::newRow("UTF-16 BE without mark") << Utf16(utf16Card, true, false) << label("J\u00F6rg \u7530");
    // A name for every person.
    QTest::newRow("N only, 3.0") << QByteArray("VERSION:3.0\r\nN:Rossi;Mario;Giuseppe,Luigi;Dott.;") << label("Mario Giuseppe Luigi Rossi");
    QTest::newRow("N with an empty FN, 2.1") << QByteArray("VERSION:2.1\r\nFN: \r\nN:Doe;John;;;") << label("John Doe");
    QTest::newRow("N of the family name alone") << QByteArray("N:Doe") << label("Doe");
    QTest::newRow("ORG only") << QByteArray("VERSION:3.0\r\nORG:ACME\\, Inc.;Sales") << label("ACME, Inc.");
    QTest::newRow("N before ORG") << QByteArray("ORG:ACME\r\nN:Doe;Jane") << label("Jane Doe");
    // GEO: latitude first in cards with a VERSION line, longitude first in the program's own.
    QTest::newRow("GEO 3.0") << QByteArray("VERSION:3.0\r\nGEO:41.9;12.5") << gps("N41.900000,E12.500000");
    QTest::newRow("GEO 4.0 URI") << QByteArray("VERSION:4.0\r\nGEO:geo:-33.45,-70.65;u=10") << gps("S33.450000,W70.650000");
    QTest::newRow("GEO Android 2.1") << QByteArray("VERSION:2.1\r\nGEO:41.9,12.5") << gps("N41.900000,E12.500000");
    QTest::newRow("GEO own card") << QByteArray("GEO:12.5,41.9") << gps("N41.900000,E12.500000");
    QTest::newRow("GEO latitude out of range") << QByteArray("VERSION:3.0\r\nGEO:120;12") << rec;
    QTest::newRow("GEO one number") << QByteArray("VERSION:3.0\r\nGEO:41.9") << rec;
    QTest::newRow("GEO own card out of range") << QByteArray("GEO:200,41.9") << rec;
    // Line ends.
    QTest::newRow("CR CR LF") << QByteArray("FN:Anna\r\r\nTEL:123\r\r\nNOTE:x\r\r\n")
                              << rec + QStringList{"label=Anna", "phone1=123/19", "note=x"};
    // Quoted parameter values.
    QTest::newRow("quoted LABEL with : ; ,")
        << QByteArray("ADR;LABEL=\"Mr Holmes, 221B: Baker; Street\";TYPE=home:;;221B Baker Street;London;;NW1;UK")
        << rec + QStringList{"street=Baker Street", "numb=221B", "city=London", "zip=NW1", "country=UK"};
    QTest::newRow("quoted type list") << QByteArray("TEL;TYPE=\"work,voice\":1") << rec + QStringList{"phone1=1/12"};
    // Addresses, notes, phones.
    QTest::newRow("preferred address") << QByteArray("ADR;TYPE=home:;;A 1;X;;;\r\nADR;TYPE=work,pref:;;B 2;Y;;;\r\nADR:;;C 3;Z;;;")
                                       << rec + QStringList{"street=B", "numb=2", "city=Y"};
    QTest::newRow("PREF=1 address") << QByteArray("ADR;PREF=1:;;B 2;Y;;;\r\nADR;PREF=2:;;C 3;Z;;;") << rec + QStringList{"street=B", "numb=2", "city=Y"};
    QTest::newRow("bare PREF address") << QByteArray("ADR;HOME;PREF:;;B 2;Y;;;\r\nADR;WORK:;;C 3;Z;;;") << rec + QStringList{"street=B", "numb=2", "city=Y"};
    QTest::newRow("last address without PREF") << QByteArray("ADR:;;B 2;Y;;;\r\nADR:;;C 3;Z;;;") << rec + QStringList{"street=C", "numb=3", "city=Z"};
    QTest::newRow("QP line break in a street") << QByteArray("ADR;ENCODING=QUOTED-PRINTABLE:;;Via Roma=0D=0AScala B;Roma;;;")
                                               << rec + QStringList{"street=Via Roma Scala B", "city=Roma"};
    QTest::newRow("several notes") << QByteArray("NOTE:a\r\nNOTE:b") << rec + QStringList{"note=a\nb"};
    QTest::newRow("seven phones: preferred and voice first")
        << QByteArray("TEL:1\r\nTEL;FAX:2\r\nTEL;PAGER:3\r\nTEL;CELL:4\r\nTEL;HOME:5\r\nTEL;WORK;FAX:6\r\nTEL;PREF:7")
        << rec + QStringList{"phone1=1/19", "phone2=2/3", "phone3=4/19", "phone4=5/7", "phone5=7/20"};
    QTest::newRow("fax without place") << QByteArray("TEL;FAX:1\r\nTEL;TYPE=fax,pref:2")
                                       << rec + QStringList{"phone1=1/3", "phone2=2/8"};
    QTest::newRow("blanks around phones and e-mails") << QByteArray("TEL: 0612 \r\nEMAIL;INTERNET:  a@b\t")
                                                      << rec + QStringList{"phone1=0612/19", "email1=a@b/1"};
    QTest::newRow("tel URI with extension")
        << QByteArray("VERSION:4.0\r\nTEL;VALUE=uri;TYPE=\"voice,home\":tel:+1-555-555-5555;ext=5555;phone-context=x")
        << rec + QStringList{"phone1=+1-555-555-5555,5555/7"};
    // Nested cards.
    QTest::newRow("2.1 AGENT card") << QByteArray("FN:Outer\r\nAGENT:\r\nBEGIN:VCARD\r\nFN:Inner\r\nTEL:9\r\nEND:VCARD\r\nTEL:1")
                                    << rec + QStringList{"label=Outer", "phone1=1/19"};
    QTest::newRow("AGENT value begins the card") << QByteArray("FN:Outer\r\nAGENT:BEGIN:VCARD\r\nFN:Inner\r\nEND:VCARD\r\nTEL:1")
                                                 << rec + QStringList{"label=Outer", "phone1=1/19"};
    QTest::newRow("3.0 AGENT on one line") << QByteArray("VERSION:3.0\r\nFN:Outer\r\nAGENT:BEGIN:VCARD\\nFN:Inner\\nEND:VCARD\r\nTEL:1")
                                           << rec + QStringList{"label=Outer", "phone1=1/19"};
}

void TestVCard::cardRules()
{
    QFETCH(QByteArray, lines);
    QFETCH(QStringList, fields);
    const QByteArray bytes = lines.contains('\0') ? lines : "BEGIN:VCARD\r\n" + lines + "\r\nEND:VCARD\r\n";
    ScriptedPrompter prompter;
    AgendaRecord r;
    QVERIFY(ImportVCard(r, Write(bytes), prompter));
    QCOMPARE(Describe(r), fields);
}

void TestVCard::reasons_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "no BEGIN:VCARD line";
    QTest::newRow("properties only") << QByteArray("X-A:1\r\nFN:A\r\n") << "no BEGIN:VCARD line";
    QTest::newRow("plain text") << QByteArray("\r\nDear Anna,\r\nsee you\r\n") << "line 2 is not a vCard property";
    QTest::newRow("binary") << QByteArrayLiteral("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\x01") << "not a text file";
    QTest::newRow("UTF-16 cut in a character") << QByteArrayLiteral("\xFF\xFE" "F\0N\0:") << "the text ends inside a UTF-16 character";
    QTest::newRow("first card cut") << QByteArray("BEGIN:VCARD\r\nFN:A\r\n") << "card 1 has no END:VCARD line";
    QTest::newRow("third card cut")
        << QByteArray("BEGIN:VCARD\nEND:VCARD\nBEGIN:VCARD\nEND:VCARD\nBEGIN:VCARD\nFN:C") << "card 3 has no END:VCARD line";
}

void TestVCard::reasons()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    ScriptedPrompter prompter;
    VCard card;
    QVERIFY(!card.ReadVcfBytes(bytes, QStringLiteral("x.vcf"), prompter));
    QCOMPARE(card.Reason(), reason);
    AgendaRecord r;
    QString why;
    const bool firstCardWhole = bytes.startsWith("BEGIN:VCARD\nEND");
    QCOMPARE(ImportVCard(r, Write(bytes), prompter, &why), firstCardWhole);
    QCOMPARE(why, firstCardWhole ? QString() : reason);
}

void TestVCard::readResult_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("label");
    QTest::newRow("no END") << QByteArray("BEGIN:VCARD\r\nFN:A\r\n") << false << QString();
    QTest::newRow("NOTE after END: the first card counts") << QByteArray("BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nNOTE:x\r\n") << true << "A";
    QTest::newRow("unknown line after END") << QByteArray("BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nX-A:x\r\n\r\n") << true << "A";
    QTest::newRow("lower case") << QByteArray("begin:vcard\nfn:A\nend:vcard") << true << "A";
    QTest::newRow("empty file") << QByteArray() << false << QString();
    QTest::newRow("END without colon is unknown") << QByteArray("FN:A\nEND") << false << QString();
    QTest::newRow("second card cut: first one") << QByteArray("BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B") << true << "A";
    QTest::newRow("two cards: first one") << QByteArray("BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\nEND:VCARD\n") << true << "A";
    QTest::newRow("property before BEGIN counts") << QByteArray("FN:Z\nBEGIN:VCARD\nEND:VCARD\nFN:B\nEND:VCARD\n") << true << "Z";
    QTest::newRow("byte-order mark skipped") << QByteArray("\xEF\xBB\xBF" "FN:A\nEND:VCARD") << true << "A";
    QTest::newRow("byte-order mark only at the start") << QByteArray("FN:A\n\xEF\xBB\xBF" "FN:B\nEND:VCARD") << true << "A";
}

void TestVCard::readResult()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, result);
    QFETCH(QString, label);
    ScriptedPrompter prompter;
    AgendaRecord r;
    r.note = QStringLiteral("before");
    QCOMPARE(ImportVCard(r, Write(bytes), prompter), result);
    QCOMPARE(r.label, label);
    QCOMPARE(r.recType, result ? 1u : 0u);
    QCOMPARE(r.note, QStringLiteral("before"));
    QVERIFY(!ImportVCard(r, dir_.filePath(QStringLiteral("missing.vcf")), prompter));
}

void TestVCard::importKeepsOtherFields()
{
    AgendaRecord r;
    r.owner = 7;
    r.phone[1] = QStringLiteral("old2");
    r.phoneType[1] = 7;
    r.note = QStringLiteral("kept");
    r.voiceIndex = 3;
    r.simPos = 12;
    ScriptedPrompter prompter;
    QVERIFY(ImportVCard(r, Write("BEGIN:VCARD\r\nFN:Anna\r\nTEL;CELL:12345\r\nEND:VCARD\r\n"), prompter));
    QCOMPARE(r.owner, 4u);
    QCOMPARE(r.phone[0], QStringLiteral("12345"));
    QCOMPARE(r.phone[1], QStringLiteral("old2"));
    QCOMPARE(r.phoneType[1], 7u);
    QCOMPARE(r.note, QStringLiteral("kept"));
    QCOMPARE(r.voiceIndex, uint16_t(3));
    QCOMPARE(r.simPos, uint16_t(12));
}

void TestVCard::geoClearsNavigation()
{
    AgendaRecord r;
    r.nav.navFlags = kNavPoi | kNavPostal;
    r.nav.posCode[0] = 1;
    r.nav.poiLabel = QStringLiteral("POI");
    r.nav.cdYear = 2012;
    ScriptedPrompter prompter;
    // A GEO value that gives no position leaves the navigation data as it was.
    const NavData before = r.nav;
    QVERIFY(ImportVCard(r, Write("VERSION:3.0\nGEO:41.9;east\nEND:VCARD"), prompter));
    QVERIFY(ImportVCard(r, Write("GEO:\nEND:VCARD"), prompter));
    QVERIFY(r.nav == before);
    QVERIFY(ImportVCard(r, Write("GEO:12.5,41.9\nEND:VCARD"), prompter));
    NavData expected;
    expected.navFlags = kNavGps;
    expected.lon.FromDegrees(-12.5);
    expected.lat.FromDegrees(41.9);
    QVERIFY(r.nav == expected);
    QCOMPARE(r.nav.lon.negative, 1u);  // east is stored negative
}

void TestVCard::debugMessages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("tokens");  // "TOKEN@line"
    QTest::newRow("unknown properties, named with their group")
        << QByteArray("BEGIN:VCARD\r\nX-CUSTOM:1\r\nitem1.TEL:1\r\nitem1.X-ABLabel:x\r\nEND:VCARD\r\n")
        << QStringList{"X-CUSTOM@2", "ITEM1.X-ABLABEL@4"};
    QTest::newRow("parameter name and value") << QByteArray("FN;X-CS=utf-8:A\nTEL;X-Y:1\n")
                                              << QStringList{"X-CS@1", "UTF-8@1", "X-Y@2"};
    QTest::newRow("folded unknown property: one message") << QByteArray("X-A:1\r\n 2\r\n 3\r\nX-B:1\r\n")
                                                          << QStringList{"X-A@1", "X-B@4"};
    QTest::newRow("soft breaks count physical lines") << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:a=\r\nb=\r\nc\r\nX-A:1")
                                                      << QStringList{"X-A@4"};
    QTest::newRow("folded value counts lines") << QByteArray("NOTE:a\r\n b\r\n\r\nX-A:1") << QStringList{"@3", "X-A@4"};
    QTest::newRow("line without separator") << QByteArray("garbage\nEND:VCARD") << QStringList{"@1"};
}

void TestVCard::debugMessages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, tokens);
    vcfDebug = true;
    ScriptedPrompter prompter;
    const QString path = Write(bytes);
    VCard card;
    card.ReadVcf(path, prompter);
    QStringList expected;
    for (const QString &t : tokens) {
        const QStringList parts = t.split(QLatin1Char('@'));
        expected << QStringLiteral("File: ") + path + QStringLiteral(" - Unknown token \"") + parts.at(0)
                        + QStringLiteral("\" at line ") + parts.at(1);
    }
    QCOMPARE(prompter.Messages(), expected);
}

void TestVCard::noMessagesWithoutDebug()
{
    ScriptedPrompter prompter;
    VCard card;
    QVERIFY(card.ReadVcf(Data("John_Doe_EVOLUTION.vcf"), prompter));
    QVERIFY(prompter.shown.isEmpty());
}

void TestVCard::addressSplit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("number");
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("number first") << "12 Via Roma" << "Via Roma" << "12";
    QTest::newRow("number last") << "Via Roma 12" << "Via Roma" << "12";
    QTest::newRow("letter after number") << "Via Roma 12b" << "Via Roma 12b" << "";
    QTest::newRow("number only") << "12" << "" << "12";
    QTest::newRow("street only") << "Via Roma" << "Via Roma" << "";
    QTest::newRow("number with letter first") << "12b Via Roma" << "Via Roma" << "12b";
    QTest::newRow("as written without number") << "Via Roma " << "Via Roma" << "";
    QTest::newRow("as written without street") << " 12" << "" << "12";
}

void TestVCard::addressSplit()
{
    QFETCH(QString, text);
    QFETCH(QString, street);
    QFETCH(QString, number);
    QString s = QStringLiteral("x"), n = QStringLiteral("y");
    SplitHouseNumber(text, s, n);
    QCOMPARE(s, street);
    QCOMPARE(n, number);
    const QString adr = QStringLiteral(";;Via Roma 12;Milano;;20100;IT");
    QCOMPARE(AddressComponent(adr, 2), QStringLiteral("Via Roma 12"));
    QCOMPARE(AddressComponent(adr, 4), QString());
    QCOMPARE(AddressComponent(adr, 6), QStringLiteral("IT"));
    QCOMPARE(AddressComponent(adr, 7), QString());
}

void TestVCard::badInputDoesNotCrash()
{
    ScriptedPrompter prompter;
    vcfDebug = false;
    QRandomGenerator gen(4711);
    QByteArray garbage(200000, '\0');
    for (char &c : garbage)
        c = char(gen.bounded(256));
    AgendaRecord r;
    ImportVCard(r, Write(garbage), prompter);
    // One enormous line, one enormous parameter list, an endless soft break.
    const QByteArray big = "NOTE:" + QByteArray(3000000, 'x') + "\r\nEND:VCARD";
    QVERIFY(ImportVCard(r, Write(big), prompter));
    QCOMPARE(r.note.size(), 3000000);
    QVERIFY(ImportVCard(r, Write("TEL" + QByteArray(200000, ';') + ":1\nEND:VCARD"), prompter));
    QByteArray soft = "NOTE;ENCODING=QUOTED-PRINTABLE:";
    for (int i = 0; i < 20000; ++i)
        soft += "=C3=A9=\r\n";
    QVERIFY(ImportVCard(r, Write(soft + "\r\nEND:VCARD"), prompter));
    QCOMPARE(r.note, QString(20000, QChar(0xE9)));
}

void TestVCard::cardsOneAtATime_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QDir samples(QStringLiteral(KESTRAVON_TESTDATA "/vcards"));
    for (const QString &name : samples.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name)) {
        QFile f(samples.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable(name)) << f.readAll();
    }
    QTest::newRow("last card without END") << QByteArray("FN:A\nEND:VCARD\nFN:B\nNOTE:x\n");
    QTest::newRow("CHARSET named on a later line")
        << QByteArray("BEGIN:VCARD\nFN:\x93\x63\nPHOTO;CHARSET=Shift_JIS:\x93\x63\nEND:VCARD\nFN:\xE9\nEND:VCARD\n");
    QTest::newRow("UTF-16 with CHARSET") << Utf16(QStringLiteral("FN;CHARSET=X:\u00E9\nEND:VCARD\n"), false, true);
    QTest::newRow("AGENT card skipped, QP photo")
        << QByteArray("BEGIN:VCARD\nFN:A\nAGENT:\nBEGIN:VCARD\nFN:B\nEND:VCARD\n"
                      "PHOTO;ENCODING=QUOTED-PRINTABLE:=41=\n=42\nNOTE:n\nEND:VCARD\n");
    QTest::newRow("not a text file") << QByteArray("FN:A\nEND:VCARD\n\0\0\0");
    // Larger than the pieces a file is read in.
    const QByteArray card = "BEGIN:VCARD\r\nN;ENCODING=QUOTED-PRINTABLE:M=C3=BC=\r\nller;A\r\nNOTE:" + QByteArray(70, 'n')
                            + "\r\n  folded\r\n\tagain\r\nTEL\r\n ;CELL:1\r\nEND:VCARD\r\n";
    QTest::newRow("cards across pieces, no final line feed") << card.repeated(5) + "FN:last";
    QTest::newRow("UTF-8 mark, a long line") << "\xEF\xBB\xBF" + card + "NOTE:" + QByteArray(300, 'x') + "\nEND:VCARD\n";
    QTest::newRow("zero byte after the first piece") << card.repeated(4) + '\0';
    QTest::newRow("UTF-16 larger than a piece") << Utf16(QString::fromUtf8(card.repeated(3)), true, false);
    QTest::newRow("stray line numbered across pieces") << QByteArray("X-A:1\r\n").repeated(30) + "stray\nFN:A\n";
}

void TestVCard::cardsOneAtATime()
{
    // Card by card, the reader gives the items that reading the whole file gives, and
    // the same records; reading only what the mapping needs leaves the other values empty
    // and changes no record.
    QFETCH(QByteArray, bytes);
    ScriptedPrompter prompter;
    VCard whole;
    const bool complete = whole.ReadVcfBytes(bytes, QStringLiteral("x.vcf"), prompter);
    VCardReader all(bytes, QStringLiteral("x.vcf"), prompter);
    VCardReader mapped(bytes, QStringLiteral("x.vcf"), prompter);
    int cards = 0;
    VCard expected;
    while (whole.TakeCard(expected)) {
        ++cards;
        VCard full;
        VCard lean;
        QVERIFY(all.NextCard(full));
        QVERIFY(mapped.NextCard(lean, true));
        QCOMPARE(full.Count(), expected.Count());
        QCOMPARE(lean.Count(), expected.Count());
        for (int i = 0; i < expected.Count(); ++i) {
            const VCardItem &e = expected.At(i);
            QCOMPARE(full.At(i).property, e.property);
            QCOMPARE(full.At(i).params, e.params);
            QCOMPARE(full.At(i).pref, e.pref);
            QCOMPARE(full.At(i).value, e.value);
            QCOMPARE(lean.At(i).value, MapCardReadsValue(e.property) ? e.value : QString());
        }
        AgendaRecord a, b;
        const VCardMapResult ra = MapCard(expected, a);
        const VCardMapResult rb = MapCard(lean, b);
        QCOMPARE(rb.ok, ra.ok);
        QCOMPARE(rb.group, ra.group);
        QCOMPARE(rb.droppedPhones, ra.droppedPhones);
        QCOMPARE(b, a);
        expected = VCard();
    }
    VCard none;
    QVERIFY(!all.NextCard(none) && !mapped.NextCard(none));
    QCOMPARE(all.Complete(), complete);
    QCOMPARE(mapped.Reason(), whole.Reason());
    QVERIFY(cards > 0 || !whole.Reason().isEmpty());

    // Read from the file a piece at a time, the items and the outcome are the same
    // whatever the size of the pieces (lines and cards cut anywhere).
    VCard again;
    again.ReadVcfBytes(bytes, QStringLiteral("x.vcf"), prompter);
    const QString path = Write(bytes);
    for (const qsizetype piece : {16, 17, 50, 4096}) {
        VCardReader file(path, prompter, piece);
        VCard read;
        while (file.NextCard(read)) {
        }
        QCOMPARE(read.Count(), again.Count());
        for (int i = 0; i < read.Count(); ++i) {
            QCOMPARE(read.At(i).property, again.At(i).property);
            QCOMPARE(read.At(i).params, again.At(i).params);
            QCOMPARE(read.At(i).value, again.At(i).value);
        }
        QCOMPARE(file.Complete(), complete);
        QCOMPARE(file.Reason(), again.Reason());
        QCOMPARE(file.Consumed(), file.Total());
    }
}

void TestVCard::importAt()
{
    ScriptedPrompter prompter;
    Agenda agenda;
    const QString card = Write("FN:New\nEND:VCARD");
    QVERIFY(!ImportVCardAt(agenda, -1, 1, card, prompter));
    QVERIFY(!ImportVCardAt(agenda, agenda.slotCount, 1, card, prompter));
    QVERIFY(!agenda.modified);
    // A user slot keeps its own number as owner.
    QVERIFY(ImportVCardAt(agenda, 1, 3, card, prompter));
    QCOMPARE(agenda.slots[1].owner, 2u);
    QCOMPARE(agenda.usedCount, 4);
    QVERIFY(agenda.modified);
    // A free contact slot becomes used.
    QVERIFY(ImportVCardAt(agenda, 10, 3, card, prompter));
    QCOMPARE(agenda.slots[10].owner, 3u);
    QCOMPARE(agenda.usedCount, 5);
    // A failed import leaves the record, its owner and modified as they were.
    agenda.modified = false;
    QVERIFY(!ImportVCardAt(agenda, 10, 2, dir_.filePath(QStringLiteral("none.vcf")), prompter));
    QCOMPARE(agenda.slots[10].owner, 3u);
    QCOMPARE(agenda.slots[10].label, QStringLiteral("New"));
    QVERIFY(!agenda.modified);
    QCOMPARE(agenda.usedCount, 5);
}

void TestVCard::writerLines_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QByteArray>("body");  // the lines between BEGIN and END
    QTest::newRow("empty label") << "empty" << QByteArray("FN:\r\nN:\r\n");
    QTest::newRow("house number only") << "numb" << QByteArray("FN:\r\nN:\r\nADR;HOME;DOM;POSTAL:;; 5;;;;\r\n");
    QTest::newRow("e-mail type 7") << "email7" << QByteArray("FN:\r\nN:\r\nEMAIL;PREF;WORK:a@b\r\n");
    QTest::newRow("phone types outside the table") << "oddphones"
        << QByteArray("FN:\r\nN:\r\nTEL:0\r\nTEL:1\r\nTEL:2\r\nTEL:13\r\nTEL:14\r\n");
    QTest::newRow("phone type 8, gaps skipped") << "phone8" << QByteArray("FN:\r\nN:\r\nTEL;PREF;HOME;FAX:x\r\n");
    QTest::newRow("no GPS bit, no GEO") << "nogps" << QByteArray("FN:\r\nN:\r\n");
    QTest::newRow("text as it stands") << "text"
        << QByteArray("FN:A;B\\C \xC3\xA9\xE8\r\nN:A;B\\C \xC3\xA9\xE8\r\nNOTE:x,y\r\n");
}

void TestVCard::writerLines()
{
    QFETCH(QString, what);
    QFETCH(QByteArray, body);
    AgendaRecord r;
    if (what == QLatin1String("numb"))
        r.numb = QStringLiteral("5");
    if (what == QLatin1String("email7")) {
        r.email[2] = QStringLiteral("a@b");
        r.emailType[2] = 7;
    }
    if (what == QLatin1String("oddphones"))
        for (int k = 0; k < 5; ++k) {
            const uint32_t codes[] = {0, 1, 2, 13, 14};
            r.phone[size_t(k)] = QString::number(codes[k]);
            r.phoneType[size_t(k)] = codes[k];
        }
    if (what == QLatin1String("phone8")) {
        r.phone[3] = QStringLiteral("x");
        r.phoneType[3] = 8;
    }
    if (what == QLatin1String("nogps")) {
        r.nav.lat.FromDegrees(45);
        r.nav.navFlags = kNavPostal;
    }
    if (what == QLatin1String("text")) {
        r.label = QStringLiteral("A;B\\C \u00E9") + QChar(0xEEE8);
        r.note = QStringLiteral("x,y");
    }
    const QString path = dir_.filePath(what + QStringLiteral(".vcf"));
    QVERIFY(ExportVCard(r, path));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("BEGIN:VCARD\r\n") + body + QByteArray("END:VCARD\r\n"));
}

void TestVCard::writerExample()
{
    AgendaRecord r;
    r.recType = 1;
    r.label = QStringLiteral("Anna Rossi");
    r.phone[0] = QStringLiteral("+39 06 12 34 56");
    r.phoneType[0] = 5;
    r.phone[2] = QStringLiteral("333 12 34");
    r.phoneType[2] = 19;
    r.street = QStringLiteral("Via Roma");
    r.numb = QStringLiteral("12");
    r.city = QStringLiteral("Roma");
    r.zip = QStringLiteral("00100");
    r.country = QStringLiteral("IT");
    r.nav.navFlags = kNavGps;
    r.nav.lat.FromDegrees(41.9);
    r.nav.lon.FromDegrees(-12.5);
    Agenda agenda;
    agenda.StoreRecord(7, r);
    const QString path = dir_.filePath(QStringLiteral("anna.vcf"));
    QVERIFY(!ExportVCardAt(agenda, 8, path));  // free slot: no file
    QVERIFY(!QFile::exists(path));
    QVERIFY(!ExportVCardAt(agenda, -1, path));
    QVERIFY(ExportVCardAt(agenda, 7, path));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("BEGIN:VCARD\r\nFN:Anna Rossi\r\nN:Anna Rossi\r\nTEL;PREF;HOME:+39 06 12 34 56\r\n"
                                     "TEL;CELL:333 12 34\r\nADR;HOME;DOM;POSTAL:;;Via Roma 12;Roma;;00100;IT\r\n"
                                     "GEO:12.500000,41.900000\r\nEND:VCARD\r\n"));
}

void TestVCard::writerOverwritesAndFails()
{
    const QString path = dir_.filePath(QStringLiteral("over.vcf"));
    AgendaRecord r;
    r.note = QString(5000, QLatin1Char('n'));
    QVERIFY(ExportVCard(r, path));
    r.note.clear();
    QVERIFY(ExportVCard(r, path));
    QCOMPARE(QFileInfo(path).size(), qint64(strlen("BEGIN:VCARD\r\nFN:\r\nN:\r\nEND:VCARD\r\n")));
    const QString missing = dir_.filePath(QStringLiteral("no/such/dir/x.vcf"));
    QCOMPARE(ExportVCard(r, missing).reason, missing + QStringLiteral(": No such file or directory"));
#ifdef Q_OS_LINUX
    if (QFile::exists(QStringLiteral("/dev/full"))) {
        r.note = QString(100000, QLatin1Char('n'));
        // A full disk is not a success, and says so.
        QCOMPARE(ExportVCard(r, QStringLiteral("/dev/full")).reason, QStringLiteral("/dev/full: No space left on device"));
    }
#endif
}

void TestVCard::typeTablesAreInverse()
{
    for (uint32_t code = 0; code < 32; ++code) {
        const uint32_t params = PhoneTypeToParams(code);
        QCOMPARE(ParamsToPhoneType(params), params ? code : 19u);
        const uint32_t eparams = EmailTypeToParams(code);
        QCOMPARE(ParamsToEmailType(eparams), eparams ? code : 1u);
    }
}

void TestVCard::roundTrip_data()
{
    QTest::addColumn<AgendaRecord>("record");
    AgendaRecord r;
    r.label = QStringLiteral("M\u00DCLLER J\u00DCRGEN");
    r.note = QStringLiteral("Stra\u00DFe; caf\u00E9, \u20AC");
    r.street = QStringLiteral("Stra\u00DFe");
    r.numb = QStringLiteral("7");
    r.city = QStringLiteral("M\u00DCNCHEN");
    r.zip = QStringLiteral("80331");
    r.country = QStringLiteral("GERMANY");
    const uint32_t phoneTypes[] = {6, 3, 16, 20, 11};
    const uint32_t emailTypes[] = {1, 2, 5, 6, 7};
    for (int k = 0; k < 5; ++k) {
        r.phone[size_t(k)] = QStringLiteral("+49 89 %1").arg(k);
        r.phoneType[size_t(k)] = phoneTypes[k];
        r.email[size_t(k)] = QStringLiteral("m%1@example.de").arg(k);
        r.emailType[size_t(k)] = emailTypes[k];
    }
    r.nav.SetGpsText(QStringLiteral("N48.137154,E11.576124"));
    QTest::newRow("accented, all phones and e-mails, north-east") << r;
    AgendaRecord held;
    held.label = QStringLiteral("CAFF") + QChar(0xEEE8) + QStringLiteral(" CENTRALE");
    held.note = QString(QChar(0xEE80)) + QChar(0xEEFF);
    held.phone[2] = QStringLiteral("0123");
    held.phoneType[2] = 9;
    held.nav.SetGpsText(QStringLiteral("S33.448890,W70.669265"));
    QTest::newRow("held bytes, south-west") << held;
    AgendaRecord street;
    street.street = QStringLiteral("Via Roma");
    street.nav.SetGpsText(QStringLiteral("N51.507351,W0.127758"));
    QTest::newRow("street without number, north-west") << street;
    // A note read from a phone's card may hold line breaks; its later lines must not be
    // read as properties of their own.
    AgendaRecord lines;
    lines.label = QStringLiteral("A=B");
    lines.note = QStringLiteral("caf\u00E9=1\r\nTEL:999\nEND:VCARD\n") + QChar(0xEEE8) + QStringLiteral("=");
    QTest::newRow("note with line breaks") << lines;
}

void TestVCard::roundTrip()
{
    QFETCH(AgendaRecord, record);
    const QString path = dir_.filePath(QStringLiteral("round.vcf"));
    QVERIFY(ExportVCard(record, path));
    ScriptedPrompter prompter;
    AgendaRecord back;
    back.owner = 2;
    QVERIFY(ImportVCard(back, path, prompter));
    QCOMPARE(back.recType, 1u);
    QCOMPARE(back.owner, 2u);
    // A byte held because it was not UTF-8 comes back as the Windows-1252 character.
    const auto unheld = [](const QString &text) { return DecodeUtf8OrWindows1252(EncodeHeldUtf8(text)); };
    QCOMPARE(back.label, unheld(record.label));
    QCOMPARE(back.note, unheld(record.note));
    // Empty phones and e-mails are skipped; the others come back in order.
    QStringList phones, backPhones, emails, backEmails;
    for (size_t k = 0; k < 5; ++k) {
        if (!record.phone[k].isEmpty())
            phones << record.phone[k] + QLatin1Char('/') + QString::number(record.phoneType[k]);
        if (!back.phone[k].isEmpty())
            backPhones << back.phone[k] + QLatin1Char('/') + QString::number(back.phoneType[k]);
        if (!record.email[k].isEmpty())
            emails << record.email[k] + QLatin1Char('/') + QString::number(record.emailType[k]);
        if (!back.email[k].isEmpty())
            backEmails << back.email[k] + QLatin1Char('/') + QString::number(back.emailType[k]);
    }
    QCOMPARE(backPhones, phones);
    QCOMPARE(backEmails, emails);
    // The card always has one space between street and number; a street without a number
    // comes back without it.
    QCOMPARE(back.street, record.street);
    QCOMPARE(back.numb, record.numb);
    QCOMPARE(back.city, record.city);
    QCOMPARE(back.zip, record.zip);
    QCOMPARE(back.country, record.country);
    QCOMPARE(back.nav.GpsText(), record.nav.GpsText());
    QVERIFY(prompter.shown.isEmpty());
}

void TestVCard::standardExample()
{
    AgendaRecord r;
    r.label = QStringLiteral("Anna Rossi");
    r.phone[0] = QStringLiteral("+39 06 12 34 56");
    r.phoneType[0] = 5;
    r.phone[2] = QStringLiteral("333 12 34");
    r.phoneType[2] = 19;
    r.email[1] = QStringLiteral("anna@example.it");
    r.emailType[1] = 7;
    r.street = QStringLiteral("Via Roma");
    r.numb = QStringLiteral("12");
    r.city = QStringLiteral("Roma");
    r.zip = QStringLiteral("00100");
    r.country = QStringLiteral("IT");
    r.nav.navFlags = kNavGps;
    r.nav.lat.FromDegrees(41.9);
    r.nav.lon.FromDegrees(-12.5);
    QCOMPARE(StandardVCardBytes(r), QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Anna Rossi;;;;\r\nFN:Anna Rossi\r\n"
                                               "TEL;TYPE=PREF,HOME:+39 06 12 34 56\r\nTEL;TYPE=CELL:333 12 34\r\n"
                                               "EMAIL;TYPE=INTERNET,PREF,WORK:anna@example.it\r\n"
                                               "ADR;TYPE=HOME:;;Via Roma 12;Roma;;00100;IT\r\nGEO:41.900000;12.500000\r\n"
                                               "END:VCARD\r\n"));
}

void TestVCard::standardRoundTrip()
{
    // Escapes, a line break, a held byte, a house number with a letter, a long note that
    // is folded: read back as the same record (the held byte as its Windows-1252 letter).
    AgendaRecord r;
    r.label = QStringLiteral("Rossi, Mario; Jr\\ CAFF") + QChar(0xEEE8);
    r.note = QStringLiteral("riga uno\r\nriga due, \u20AC; ") + QString(100, QChar(0x00E9));
    r.street = QStringLiteral("Via Po");
    r.numb = QStringLiteral("12b");
    r.city = QStringLiteral("Torino");
    r.phone[0] = QStringLiteral("011 1");
    r.phoneType[0] = 8;
    r.phone[1] = QStringLiteral("011 2");
    r.phoneType[1] = 13;  // no parameters: reads back as CELL
    r.nav.SetGpsText(QStringLiteral("S33.448890,W70.669265"));
    const QByteArray bytes = StandardVCardBytes(r);
    for (const QByteArray &line : bytes.split('\n'))
        QVERIFY2(line.size() <= 76, line.constData());  // 75 bytes and the CR
    VCard card;
    ScriptedPrompter prompter;
    QVERIFY(card.ReadVcfBytes(bytes, QStringLiteral("x.vcf"), prompter));
    AgendaRecord back;
    QVERIFY(MapCard(card, back).ok);
    QCOMPARE(back.label, QStringLiteral("Rossi, Mario; Jr\\ CAFF\u00E8"));
    QCOMPARE(back.note, QString(r.note).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(back.street, r.street);
    QCOMPARE(back.numb, r.numb);
    QCOMPARE(back.city, r.city);
    QCOMPARE(back.phone[0] + back.phone[1], QStringLiteral("011 1011 2"));
    QCOMPARE(back.phoneType[0], 8u);
    QCOMPARE(back.phoneType[1], 19u);
    QCOMPARE(back.nav.GpsText(), r.nav.GpsText());
}

QTEST_GUILESS_MAIN(TestVCard)
#include "test_vcard.moc"
