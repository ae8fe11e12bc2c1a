#include "support/scriptedprompter.h"
#include "support/testhttpserver.h"
#include "web/geocodeprovider.h"
#include "web/geocodetexts.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

// The Nominatim provider against answers recorded from the public server (trimmed to the
// fields the program reads), served by a local server.
class TestNominatim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void requestUrl_data();
    void requestUrl();
    void answers_data();
    void answers();
    void pacedCachedAndNamed();
};

namespace {

const QByteArray kExactHouse =
    R"([{"place_id":127373429,"licence":"Data © OpenStreetMap contributors, ODbL 1.0.","osm_type":"node",)"
    R"("lat":"41.9009346","lon":"12.4997519","category":"place","type":"house","place_rank":30,)"
    R"("importance":0.00001,"addresstype":"place","name":"","display_name":"12, Via Roma, Monti, Roma, )"
    R"(Roma Capitale, Lazio, 00184, Italia","address":{"house_number":"12","road":"Via Roma",)"
    R"("suburb":"Monti","city":"Roma","county":"Roma Capitale","state":"Lazio","postcode":"00184",)"
    R"("country":"Italia","country_code":"it"},"boundingbox":["41.9008846","41.9009846","12.4997019","12.4998019"]}])";
const QByteArray kStreetOnly =
    R"([{"place_id":9876,"lat":"45.4781556","lon":"9.2107563","category":"highway","type":"primary",)"
    R"("place_rank":26,"addresstype":"road","name":"Corso Buenos Aires","display_name":"Corso Buenos )"
    R"(Aires, Milano, 20124, Italia","address":{"road":"Corso Buenos Aires","town":"Milano",)"
    R"("postcode":"20124","country":"Italia","country_code":"it"}}])";
const QByteArray kVillage =
    R"([{"lat":"46.5","lon":"-1.25","category":"place","type":"village","place_rank":19,)"
    R"("addresstype":"village","address":{"village":"Saint-Just","state":"Pays de la Loire",)"
    R"("country":"France"}}])";

GeocodeQuery Query(const QString &address, const QString &city = QString(), const QString &state = QString(),
                   const QString &zip = QString(), const QString &country = QString())
{
    return {address, city, state, zip, country};
}

} // namespace

void TestNominatim::requestUrl_data()
{
    QTest::addColumn<QStringList>("fields");  // address, city, state, zip, country
    QTest::addColumn<QByteArray>("target");
    const QByteArray search = "/search?format=jsonv2&addressdetails=1&limit=1";
    QTest::newRow("structured, number first")
        << QStringList{"Via Roma,12", "Citt\u00E0", "", "00100", "ITALY"}
        << search + "&street=12%20Via%20Roma&city=Citt%C3%A0&postalcode=00100&country=ITALY";
    QTest::newRow("delimiters in values") << QStringList{"A&B=C+D #5%", "x", "", "", ""}
        << search + "&street=A%26B%3DC%2BD%20%235%25&city=x";
    QTest::newRow("empty fields left out") << QStringList{"", "Roma", "", "", ""} << search + "&city=Roma";
    QTest::newRow("state given: free text") << QStringList{"Via Roma,12", "Roma", "Lazio", "", "ITALY"}
        << search + "&q=12%20Via%20Roma%20Roma%20Lazio%20ITALY";
}

void TestNominatim::requestUrl()
{
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, target);
    const NominatimProvider provider("http://osm.test");
    QCOMPARE(provider.RequestUrl(Query(fields[0], fields[1], fields[2], fields[3], fields[4])),
             "http://osm.test" + target);
}

void TestNominatim::answers_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("kind");  // 0 answer at once, 1 slowly in pieces, 2 HTTP 403
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("found");
    QTest::addColumn<bool>("approximate");
    QTest::addColumn<QStringList>("texts");  // street, city, state, zip, country
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    const QStringList house = {"12,Via Roma", "Roma", "Lazio", "00184", "Italia"};
    const QStringList street = {",Corso Buenos Aires", "Milano", "", "20124", "Italia"};
    const QStringList none;
    QTest::newRow("exact house") << "Via Roma,12" << 0 << kExactHouse << true << false << house << 41.9009346 << 12.4997519;
    QTest::newRow("street only, number asked") << "Corso Buenos Aires,5" << 0 << kStreetOnly << true << true << street
                                               << 45.4781556 << 9.2107563;
    QTest::newRow("street only, none asked") << "Corso Buenos Aires" << 0 << kStreetOnly << true << false << street
                                             << 45.4781556 << 9.2107563;
    QTest::newRow("coarser than a street") << "Rue X" << 0 << kVillage << true << true
                                           << QStringList{",", "Saint-Just", "Pays de la Loire", "", "France"} << 46.5 << -1.25;
    QTest::newRow("slow answer") << "Via Roma,12" << 1 << kExactHouse << true << false << house << 41.9009346 << 12.4997519;
    QTest::newRow("nothing found") << "Via Roma,12" << 0 << QByteArray("[]") << false << false << none << 0.0 << 0.0;
    QTest::newRow("garbage") << "Via Roma,12" << 0 << QByteArray("<html>Service unavailable</html>") << false << false
                             << none << 0.0 << 0.0;
    QTest::newRow("coordinate out of range") << "x" << 0 << QByteArray(R"([{"lat":"91","lon":"0"}])") << false
                                             << false << none << 0.0 << 0.0;
    QTest::newRow("numbers for texts, no address") << "Via Roma,12" << 0
        << QByteArray(R"([{"lat":41.5,"lon":12,"place_rank":30,"address":{"house_number":12,"road":"Via Roma",)"
                      R"("postcode":80331,"city":["Roma"]}}, 5])")
        << true << false << QStringList{"12,Via Roma", "", "", "80331", ""} << 41.5 << 12.0;
    QTest::newRow("no address") << "Via Roma" << 0 << QByteArray(R"([{"lat":"1.5","lon":"2","address":"x"}])") << true
                                << true << QStringList{",", "", "", "", ""} << 1.5 << 2.0;
    QTest::newRow("object, not array") << "x" << 0 << QByteArray(R"({"lat":"1","lon":"2"})") << false << false << none
                                       << 0.0 << 0.0;
    QTest::newRow("HTTP 403") << "Via Roma,12" << 2 << kExactHouse << false << false << none << 0.0 << 0.0;
}

void TestNominatim::answers()
{
    QFETCH(QString, address);
    QFETCH(int, kind);
    QFETCH(QByteArray, answer);
    QFETCH(bool, found);
    QFETCH(bool, approximate);
    QFETCH(QStringList, texts);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    TestHttpServer server;
    QVERIFY(server.Listen());
    TestHttpServer::Response response = TestHttpServer::Status(kind == 2 ? 403 : 200, answer);
    if (kind == 1)
        response.Chunked(3, 300);
    server.Route("/search", response);
    ScriptedPrompter prompter;
    GeocodeSession session;
    GeocodeData data;
    data.city = QStringLiteral("untouched");

    QCOMPARE(GeocodeLookup(Query(address), data, prompter, NominatimProvider(server.BaseUrl()), session), found);

    QCOMPARE(prompter.Messages(),
             approximate ? QStringList{GeocodeText::Tr(GeocodeText::kApproximate)} : QStringList());
    if (!found) {
        QCOMPARE(data.city, QStringLiteral("untouched"));
        return;
    }
    QCOMPARE((QStringList{data.street, data.city, data.state, data.zip, data.country}), texts);
    QCOMPARE(data.latitude, latitude);
    QCOMPARE(data.longitude, longitude);
}

// The usage policy: the program's own User-Agent, at most one request a second (the
// second query waits, with the event loop running), identical queries answered from the
// session's cache.
void TestNominatim::pacedCachedAndNamed()
{
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route("/search", TestHttpServer::Ok(kExactHouse));
    ScriptedPrompter prompter;
    GeocodeSession session;
    const NominatimProvider provider(server.BaseUrl());
    GeocodeData data;

    QElapsedTimer clock;
    clock.start();
    QVERIFY(GeocodeLookup(Query("Via Roma,12", "Roma"), data, prompter, provider, session));
    const qint64 first = clock.elapsed();
    bool eventsRan = false;
    QTimer::singleShot(100, this, [&] { eventsRan = true; });
    QVERIFY(GeocodeLookup(Query("Via Roma,14", "Roma"), data, prompter, provider, session));
    QVERIFY2(clock.elapsed() >= 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(first < 900, qPrintable(QString::number(first)));
    QVERIFY(eventsRan);
    QCOMPARE(server.requests.size(), 2);
    for (const auto &r : server.requests)
        QCOMPARE(r.Header("User-Agent"), QByteArray("KESTRAVON/01.09"));

    clock.restart();
    QVERIFY(GeocodeLookup(Query("Via Roma,12", "Roma"), data, prompter, provider, session));
    QVERIFY(clock.elapsed() < 900);
    QCOMPARE(server.requests.size(), 2);
    QCOMPARE(data.street, QStringLiteral("12,Via Roma"));
}

QTEST_MAIN(TestNominatim)
#include "test_nominatim.moc"
