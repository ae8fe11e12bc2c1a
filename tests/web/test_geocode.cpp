#include "support/scriptedprompter.h"
#include "support/testhttpserver.h"
#include "web/geocode.h"
#include "web/geocodetexts.h"
#include "web/lookupfields.h"

#include <QtTest>

// The geocoding query: street/number order, the free text, the request that reaches a
// local server, reading the answer; and the editor's side of both look-ups.
class TestGeocode : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void numberAfterStreet_data();
    void numberAfterStreet();
    void splitStreetNumber_data();
    void splitStreetNumber();
    void queryText_data();
    void queryText();
    void xmlTagText_data();
    void xmlTagText();
    void xmlTagNumber_data();
    void xmlTagNumber();
    void lookupRequest();
    void lookupAnswer_data();
    void lookupAnswer();
    void lookupFailureLeavesData();
    void editorQuery_data();
    void editorQuery();
    void labelFromName_data();
    void labelFromName();
    void applyResults();
};

void TestGeocode::numberAfterStreet_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<bool>("after");
    QTest::newRow("country italy upper-cased") << "" << "italy" << true;
    QTest::newRow("state decides") << "Lazio" << "ITALY" << false;
    QTest::newRow("state as country") << "Germany" << "FRANCE" << true;
    QTest::newRow("italia") << "" << "Italia" << true;
    QTest::newRow("belgium") << "" << "BELGIUM" << true;
    QTest::newRow("netherlands") << "" << "netherlands" << true;
    QTest::newRow("france") << "" << "FRANCE" << false;
    QTest::newRow("not trimmed") << "" << "ITALY " << false;
    QTest::newRow("empty") << "" << "" << false;
}

void TestGeocode::numberAfterStreet()
{
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(bool, after);
    QCOMPARE(NumberAfterStreet(state, country), after);
}

void TestGeocode::splitStreetNumber_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("number");
    QTest::newRow("number first") << "12,Via Roma" << "Via Roma" << "12";
    QTest::newRow("number last") << "Via Roma,12" << "Via Roma" << "12";
    QTest::newRow("no comma") << "Via Roma 12" << "Via Roma 12" << "";
    QTest::newRow("not trimmed") << "12 , Via Roma" << " Via Roma" << "12 ";
    QTest::newRow("comma in the middle") << "ab,cd" << "ab" << "cd";
    QTest::newRow("first comma only") << "1,Via A,B" << "Via A,B" << "1";
    QTest::newRow("lone comma") << "," << "" << "";
    QTest::newRow("empty") << "" << "" << "";
}

void TestGeocode::splitStreetNumber()
{
    QFETCH(QString, line);
    QFETCH(QString, street);
    QFETCH(QString, number);
    QString s = QStringLiteral("old"), n = QStringLiteral("old");
    SplitStreetNumber(line, s, n);
    QCOMPARE(s, street);
    QCOMPARE(n, number);
}

void TestGeocode::queryText_data()
{
    QTest::addColumn<QStringList>("input");  // address, city, state, zip, country
    QTest::addColumn<QString>("text");
    QTest::newRow("street first, empty state")
        << QStringList{"Via Roma,12", "Roma", "", "00100", "ITALY"} << "Via Roma 12 Roma  00100 ITALY";
    QTest::newRow("number first")
        << QStringList{"Via Roma,12", "Paris", "", "75001", "FRANCE"} << "12 Via Roma Paris  75001 FRANCE";
    QTest::newRow("no comma, number first")
        << QStringList{"Rue de la Paix", "Paris", "", "", "FRANCE"} << " Rue de la Paix Paris   FRANCE";
    QTest::newRow("no comma, street first")
        << QStringList{"Via Roma", "", "", "", "ITALY"} << "Via Roma     ITALY";
    QTest::newRow("as typed") << QStringList{"A&B \"x\",1", "C\u00E0", "", "", "ITALY"}
        << "A&B \"x\" 1 C\u00E0   ITALY";
    QTest::newRow("all empty") << QStringList{"", "", "", "", ""} << "     ";
}

void TestGeocode::queryText()
{
    QFETCH(QStringList, input);
    QFETCH(QString, text);
    QCOMPARE(GeocodeQueryText(input[0], input[1], input[2], input[3], input[4]), text);
}

void TestGeocode::xmlTagText_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("plain") << QByteArray("<r><city>Roma</city></r>") << true << QByteArray("Roma");
    QTest::newRow("verbatim") << QByteArray("<city> A &amp; B </city>") << true << QByteArray(" A &amp; B ");
    QTest::newRow("empty element") << QByteArray("<city></city>") << true << QByteArray();
    QTest::newRow("first occurrence") << QByteArray("<city>A</city><city>B</city>") << true << QByteArray("A");
    QTest::newRow("no opening tag") << QByteArray("Roma</city>") << false << QByteArray("untouched");
    QTest::newRow("no closing tag") << QByteArray("<city>Roma") << false << QByteArray("untouched");
    QTest::newRow("closing before opening") << QByteArray("</city>x<city>") << false << QByteArray("untouched");
    QTest::newRow("attributes not recognised") << QByteArray("<city a=\"1\">Roma</city>") << false << QByteArray("untouched");
    QTest::newRow("prefix is another name") << QByteArray("<ns:city>Roma</ns:city>") << false << QByteArray("untouched");
}

void TestGeocode::xmlTagText()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, found);
    QFETCH(QByteArray, text);
    QByteArray out = "untouched";
    QCOMPARE(XmlTagText(xml, "city", out), found);
    QCOMPARE(out, text);
}

void TestGeocode::xmlTagNumber_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal") << QByteArray("<latitude>41.9</latitude>") << 41.9;
    QTest::newRow("blanks and sign") << QByteArray("<latitude> -12.5 </latitude>") << -12.5;
    QTest::newRow("plus sign") << QByteArray("<latitude>+3</latitude>") << 3.0;
    QTest::newRow("exponent") << QByteArray("<latitude>1e1</latitude>") << 10.0;
    QTest::newRow("comma is not a decimal point") << QByteArray("<latitude>41,9</latitude>") << 41.0;
    QTest::newRow("not a number") << QByteArray("<latitude>north</latitude>") << 7.0;
    QTest::newRow("not finite") << QByteArray("<latitude>nan</latitude>") << 7.0;
    QTest::newRow("missing") << QByteArray("<longitude>1</longitude>") << 7.0;
}

void TestGeocode::xmlTagNumber()
{
    QFETCH(QByteArray, element);
    QFETCH(double, value);
    double out = 7.0;
    XmlTagNumber(element, "latitude", out);
    QCOMPARE(out, value);
}

namespace {

const QByteArray kPath = "/v1/public/yql";

QByteArray Answer(const QByteArray &inner)
{
    return "<?xml version=\"1.0\"?><query><results><Result>" + inner
        + "</Result></results></query>";
}

} // namespace

void TestGeocode::lookupRequest()
{
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route(kPath, TestHttpServer::Ok(Answer("<quality>87</quality>")));
    ScriptedPrompter prompter;
    GeocodeData data;
    const QString text = GeocodeQueryText(QStringLiteral("Via Roma,12"), QStringLiteral("Citt\u00E0"),
                                          QString(), QStringLiteral("00100"), QStringLiteral("ITALY"));
    QVERIFY(GeocodeLookup(text, data, prompter, server.BaseUrl()));
    // Blanks become %20 and the double quotes are escaped on the wire; the rest of the
    // statement and the UTF-8 bytes of the text travel as they are.
    QCOMPARE(server.Targets(),
             QByteArrayList{"/v1/public/yql?q=select%20*%20from%20geo.placefinder%20where%20"
                            "text=%22Via%20Roma%2012%20Citt%C3%A0%20%2000100%20ITALY%22"});
    QCOMPARE(prompter.progressTexts.size(), 1);
    QVERIFY(prompter.progressTexts[0].startsWith(QStringLiteral("read : http://127.0.0.1:")));
    // Query delimiters typed into the address stay part of the text.
    QCOMPARE(GeocodeUrl(QStringLiteral("A&B=1+2 #3;50%"), "http://h"),
             QByteArray("http://h/v1/public/yql?q=select * from geo.placefinder where text=\"A%26B%3D1%2B2 %233%3B50%25\""));
}

void TestGeocode::lookupAnswer_data()
{
    QTest::addColumn<QByteArray>("inner");
    QTest::addColumn<bool>("message");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QStringList>("texts");  // street, city, state, zip, country
    const QByteArray full = "<latitude>41.9</latitude><longitude>12.5</longitude><house>12</house>"
                            "<street>Via Roma</street><city>Roma</city><state>Lazio</state>"
                            "<uzip>00100</uzip><country>Italy</country>";
    const QStringList fullTexts{"12,Via Roma", "Roma", "Lazio", "00100", "Italy"};
    QTest::newRow("exact") << full + "<quality>87</quality>" << false << 41.9 << 12.5 << fullTexts;
    QTest::newRow("approximate") << full + "<quality>86</quality>" << true << 41.9 << 12.5 << fullTexts;
    QTest::newRow("no quality") << full << true << 41.9 << 12.5 << fullTexts;
    QTest::newRow("unreadable quality") << full + "<quality>high</quality>" << true << 41.9 << 12.5 << fullTexts;
    QTest::newRow("no longitude, no house")
        << QByteArray("<quality>99</quality><latitude>41.9</latitude><street>Via Roma</street>")
        << false << 41.9 << 0.0 << QStringList{",Via Roma", "", "", "", ""};
    QTest::newRow("nothing known") << QByteArray("<html>hello</html>") << true << 0.0 << 0.0
        << QStringList{",", "", "", "", ""};
    QTest::newRow("first result counts")
        << QByteArray("<quality>90</quality><latitude>1.5</latitude><city>A</city></Result><Result>"
                      "<quality>10</quality><latitude>2.5</latitude><longitude>3.5</longitude><city>B</city>")
        << false << 1.5 << 3.5 << QStringList{",", "A", "", "", ""};
    QTest::newRow("utf-8 text") << QByteArray("<quality>87</quality><city>Citt\xC3\xA0</city>") << false
        << 0.0 << 0.0 << QStringList{",", "Citt\u00E0", "", "", ""};
}

void TestGeocode::lookupAnswer()
{
    QFETCH(QByteArray, inner);
    QFETCH(bool, message);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QStringList, texts);
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route(kPath, TestHttpServer::Ok(Answer(inner)).WithoutLength());
    ScriptedPrompter prompter;
    GeocodeData data;
    data.latitude = 99;
    data.number = QStringLiteral("old");
    data.state = QStringLiteral("old");
    QVERIFY(GeocodeLookup(QStringLiteral("x"), data, prompter, server.BaseUrl()));
    QCOMPARE(prompter.Messages(),
             message ? QStringList{GeocodeText::Tr(GeocodeText::kApproximate)} : QStringList());
    QCOMPARE(data.latitude, latitude);
    QCOMPARE(data.longitude, longitude);
    QCOMPARE((QStringList{data.street, data.city, data.state, data.zip, data.country}), texts);
    QVERIFY(data.number.isEmpty());
}

void TestGeocode::lookupFailureLeavesData()
{
    TestHttpServer server;
    QVERIFY(server.Listen());
    ScriptedPrompter prompter;
    GeocodeData data;
    data.latitude = 5;
    data.city = QStringLiteral("Roma");
    QVERIFY(!GeocodeLookup(QStringLiteral("x"), data, prompter, server.BaseUrl()));  // 404
    QCOMPARE(data.latitude, 5.0);
    QCOMPARE(data.city, QStringLiteral("Roma"));
    QVERIFY(prompter.shown.isEmpty());
}

void TestGeocode::editorQuery_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("lastname");
    QTest::addColumn<QString>("firstname");
    QTest::newRow("two words") << "Rossi Mario" << "Rossi" << "Mario";
    QTest::newRow("one word") << "Rossi" << "Rossi" << "";
    QTest::newRow("three words") << "De Luca Anna" << "De" << "Luca Anna";
    QTest::newRow("leading blank") << " Rossi" << " Rossi" << "";
    QTest::newRow("empty") << "" << "" << "";
}

void TestGeocode::editorQuery()
{
    QFETCH(QString, label);
    QFETCH(QString, lastname);
    QFETCH(QString, firstname);
    LookupFields f;
    f.label = label;
    f.city = QStringLiteral("Roma");
    f.country = QStringLiteral("ITALY");
    f.phone1 = QStringLiteral("061234");
    f.street = QStringLiteral("VIA ROMA");
    const InfoBelQuery q = InfoBelQueryFromFields(f);
    QCOMPARE(q.lastname, lastname);
    QCOMPARE(q.firstname, firstname);
    QCOMPARE(q.city, f.city);
    QCOMPARE(q.country, f.country);
    QCOMPARE(q.phone, f.phone1);
    QVERIFY(q.category.isEmpty());
}

void TestGeocode::labelFromName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::newRow("title") << "DR.ROSSI" << "DR ROSSI";
    QTest::newRow("first dot only") << "A.B.C" << "A B.C";
    QTest::newRow("leading dot kept") << ".ROSSI" << ".ROSSI";
    QTest::newRow("only the first dot is looked at") << ".A.B" << ".A.B";
    QTest::newRow("not shortened") << QString(40, QLatin1Char('X')) << QString(40, QLatin1Char('X'));
}

void TestGeocode::labelFromName()
{
    QFETCH(QString, name);
    QFETCH(QString, label);
    QCOMPARE(LabelFromInfoBelName(name), label);
}

void TestGeocode::applyResults()
{
    LookupFields f;
    f.label = QStringLiteral("Rossi");
    f.street = QStringLiteral("VIA ROMA");
    f.number = QStringLiteral("12");
    f.zip = QStringLiteral("00100");
    f.city = QStringLiteral("ROMA");
    f.country = QStringLiteral("ITALY");
    f.latitude = 41.5;
    f.longitude = 12.25;

    const GeocodeData in = GeocodeDataFromFields(f);
    QCOMPARE(in.street, f.street);
    QCOMPARE(in.number, f.number);
    QCOMPARE(in.latitude, 41.5);
    QCOMPARE(in.longitude, 12.25);
    QVERIFY(in.state.isEmpty());

    GeocodeData out = in;
    out.street = QStringLiteral("Via Appia");
    out.number = QStringLiteral("3");
    out.state = QStringLiteral("Lazio");
    out.latitude = 41.8;
    out.longitude = 12.6;
    ApplyGeocodeData(out, f);
    QCOMPARE(f.street, QStringLiteral("Via Appia"));
    QCOMPARE(f.number, QStringLiteral("3"));
    QCOMPARE(f.latitude, 41.8);
    QCOMPARE(f.longitude, 12.6);
    QVERIFY(f.gps);
    QCOMPARE(f.label, QStringLiteral("Rossi"));

    InfoBelResult hit;
    hit.name = QStringLiteral("DR.BIANCHI LUCA");
    hit.street = QStringLiteral("VIA VENETO");
    hit.number = QStringLiteral("7");
    hit.zip = QStringLiteral("00187");
    hit.city = QStringLiteral("ROMA");
    hit.country = QStringLiteral("ITALY");
    hit.phone = QStringLiteral("0655");
    ApplyInfoBelResult(hit, f);
    QCOMPARE(f.label, QStringLiteral("DR BIANCHI LUCA"));
    QCOMPARE((QStringList{f.street, f.number, f.zip, f.city, f.country, f.phone1}),
             (QStringList{"VIA VENETO", "7", "00187", "ROMA", "ITALY", "0655"}));
    QCOMPARE(f.latitude, 41.8);  // untouched by the directory
}

QTEST_GUILESS_MAIN(TestGeocode)
#include "test_geocode.moc"
