#include "support/scriptedprompter.h"
#include "support/testhttpserver.h"
#include "web/geocodedlg.h"
#include "web/geocodetexts.h"
#include "web/lookupfields.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The Geocode dialog driven through its controls, against a local geocoding server.
class TestGeocodeDlg : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void openingAddress_data();
    void openingAddress();
    void opening();
    void queryNeedsInput_data();
    void queryNeedsInput();
    void queryEditQueryAgain();
    void failedQuery();
    void approximateAnswer();
    void webMap();
    void acceptReturnsInputAndResultCoordinate();
    void acceptChecksLengths();
    void cancelLeavesData();
    void editorRoundTrip();
    void resultNamesProvider_data();
    void resultNamesProvider();
    void latestQueryWins();
    void cancelWhileWaitingSendsNothing();
    void failureNamesCause_data();
    void failureNamesCause();

private:
    struct Dlg;
    TestHttpServer *server_ = nullptr;
};

struct TestGeocodeDlg::Dlg
{
    ScriptedPrompter prompter;
    GeocodeData data;
    std::unique_ptr<GeocodeDlg> dlg;
    QLineEdit *addr, *city, *zip, *state, *country, *ll;
    QLineEdit *geoAddr, *geoCity, *geoZip, *geoState, *geoCountry, *geoLL;
    QPushButton *btQuery, *btGoogle, *btOK, *btCancel;

    void Open(const QByteArray &base, const QString &map = QStringLiteral("http://map.test"))
    {
        dlg.reset(new GeocodeDlg(data, prompter, nullptr, base, map));
        auto e = [&](const char *name) { return dlg->findChild<QLineEdit *>(name); };
        addr = e("esActAddr");
        city = e("esActCity");
        zip = e("esActZip");
        state = e("esActState");
        country = e("esActCountry");
        ll = e("esActLL");
        geoAddr = e("esGeoAddr");
        geoCity = e("esGeoCity");
        geoZip = e("esGeoZip");
        geoState = e("esGeoState");
        geoCountry = e("esGeoCountry");
        geoLL = e("esGeoLL");
        auto b = [&](const char *name) { return dlg->findChild<QPushButton *>(name); };
        btQuery = b("btQuery");
        btGoogle = b("btGoogle");
        btOK = b("btOK");
        btCancel = b("btCancel");
        dlg->show();
    }
};

namespace {

const QByteArray kPath = "/v1/public/yql";

QByteArray Answer(const QByteArray &quality = "<quality>90</quality>")
{
    return "<query><results><Result>" + quality
        + "<latitude>41.9</latitude><longitude>12.5</longitude><house>12</house>"
          "<street>Via Roma</street><city>Roma</city><state>Lazio</state><uzip>00184</uzip>"
          "<country>Italy</country></Result></results></query>";
}

} // namespace

void TestGeocodeDlg::init()
{
    server_ = new TestHttpServer;
    QVERIFY(server_->Listen());
}

void TestGeocodeDlg::cleanup()
{
    delete server_;
    server_ = nullptr;
}

void TestGeocodeDlg::openingAddress_data()
{
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("address");
    QTest::newRow("italy: street first") << "Via Roma" << "12" << "ITALY" << "Via Roma,12";
    QTest::newRow("france: number first") << "Via Roma" << "12" << "FRANCE" << "12,Via Roma";
    QTest::newRow("street only") << "Via Roma" << "" << "FRANCE" << "Via Roma";
    QTest::newRow("number only") << "" << "12" << "ITALY" << "12";
    QTest::newRow("nothing") << "" << "" << "ITALY" << "";
}

void TestGeocodeDlg::openingAddress()
{
    QFETCH(QString, street);
    QFETCH(QString, number);
    QFETCH(QString, country);
    QFETCH(QString, address);
    Dlg d;
    d.data.street = street;
    d.data.number = number;
    d.data.country = country;
    d.Open(server_->BaseUrl());
    QCOMPARE(d.addr->text(), address);
}

void TestGeocodeDlg::opening()
{
    Dlg d;
    d.data.street = QStringLiteral("Via Roma");
    d.data.number = QStringLiteral("12");
    d.data.city = QStringLiteral("Roma");
    d.data.zip = QStringLiteral("00100");
    d.data.country = QStringLiteral("ITALY");
    d.data.latitude = 45.5;
    d.data.longitude = -9.25;
    d.Open(server_->BaseUrl());
    QCOMPARE(d.dlg->windowTitle(), QStringLiteral("Get GPS position"));
    QCOMPARE(d.ll->text(), QStringLiteral("45.500000,-9.250000"));
    QCOMPARE((QStringList{d.city->text(), d.zip->text(), d.state->text(), d.country->text()}),
             (QStringList{"Roma", "00100", "", "ITALY"}));
    for (QLineEdit *g : {d.geoAddr, d.geoCity, d.geoZip, d.geoState, d.geoCountry, d.geoLL}) {
        QVERIFY(g->text().isEmpty());
        QVERIFY(g->isReadOnly());
        QCOMPARE(g->focusPolicy(), Qt::NoFocus);
        QCOMPARE(g->toolTip(), QStringLiteral("value result from query"));
    }
    QVERIFY(d.btQuery->isEnabled());
    QVERIFY(d.btQuery->isDefault());
    QVERIFY(!d.btOK->isEnabled());
    QVERIFY(!d.btOK->isDefault());
    QVERIFY(!d.btGoogle->isEnabled());
    QCOMPARE(d.addr->toolTip(), QStringLiteral("Insert here \"street,number\" to search"));
    QCOMPARE(d.btOK->text(), QStringLiteral("O&K"));
}

void TestGeocodeDlg::queryNeedsInput_data()
{
    QTest::addColumn<QString>("field");
    for (const char *f : {"esActAddr", "esActCity", "esActZip", "esActState", "esActCountry"})
        QTest::newRow(f) << QString::fromLatin1(f);
}

void TestGeocodeDlg::queryNeedsInput()
{
    QFETCH(QString, field);
    Dlg d;
    d.Open(server_->BaseUrl());
    QVERIFY(!d.btQuery->isEnabled());
    QLineEdit *edit = d.dlg->findChild<QLineEdit *>(field);
    QTest::keyClick(edit, Qt::Key_A);
    QVERIFY(d.btQuery->isEnabled());
    QTest::keyClick(edit, Qt::Key_Backspace);
    QVERIFY(!d.btQuery->isEnabled());
}

void TestGeocodeDlg::queryEditQueryAgain()
{
    server_->Route(kPath, TestHttpServer::Ok(Answer()));
    Dlg d;
    d.data.street = QStringLiteral("Via Roma");
    d.data.number = QStringLiteral("12");
    d.data.city = QStringLiteral("Roma");
    d.data.country = QStringLiteral("ITALY");
    d.Open(server_->BaseUrl());
    QTest::mouseClick(d.btQuery, Qt::LeftButton);
    QCOMPARE(server_->Targets(),
             QByteArrayList{"/v1/public/yql?q=select%20*%20from%20geo.placefinder%20where%20"
                            "text=%22Via%20Roma%2012%20Roma%20%20%20ITALY%22"});
    QCOMPARE((QStringList{d.geoAddr->text(), d.geoCity->text(), d.geoZip->text(), d.geoState->text(),
                          d.geoCountry->text(), d.geoLL->text()}),
             (QStringList{"12,Via Roma", "Roma", "00184", "Lazio", "Italy", "41.900000,12.500000"}));
    QVERIFY(d.btOK->isEnabled());
    QVERIFY(d.btOK->isDefault());
    QVERIFY(!d.btQuery->isDefault());
    QVERIFY(d.btGoogle->isEnabled());
    QVERIFY(d.prompter.shown.isEmpty());

    QTest::keyClicks(d.city, QStringLiteral("x"));
    QVERIFY(!d.btOK->isEnabled());
    QVERIFY(d.btQuery->isDefault());
    QVERIFY(d.btGoogle->isEnabled());

    QTest::mouseClick(d.btQuery, Qt::LeftButton);
    QVERIFY(d.btOK->isEnabled());
    QVERIFY(d.btOK->isDefault());
    QCOMPARE(server_->requests.size(), 2);
}

void TestGeocodeDlg::failedQuery()
{
    server_->Route(kPath, TestHttpServer::Ok(Answer()));
    Dlg d;
    d.data.city = QStringLiteral("Roma");
    d.Open(server_->BaseUrl());
    QTest::mouseClick(d.btQuery, Qt::LeftButton);
    QVERIFY(d.btGoogle->isEnabled());

    server_->Route(kPath, TestHttpServer::Status(404, "<html>gone</html>"));
    QTest::mouseClick(d.btQuery, Qt::LeftButton);
    QCOMPARE(d.prompter.Messages(), QStringList{QStringLiteral("Query failed")});
    QCOMPARE(d.prompter.shown.first().detail, QStringLiteral("The server does not know this address (HTTP 404)"));
    QCOMPARE(d.prompter.shown.first().kind, ScriptedPrompter::Shown::Kind::Information);
    QVERIFY(!d.btOK->isEnabled());
    QVERIFY(!d.btGoogle->isEnabled());
    QCOMPARE(d.geoLL->text(), QStringLiteral("41.900000,12.500000"));  // previous result stays
    QVERIFY(d.dlg->isVisible());

    // The next edit brings the map back, since a coordinate is shown.
    QTest::keyClicks(d.zip, QStringLiteral("1"));
    QVERIFY(d.btGoogle->isEnabled());
    QVERIFY(!d.btOK->isEnabled());
}

void TestGeocodeDlg::approximateAnswer()
{
    server_->Route(kPath, TestHttpServer::Ok(Answer("<quality>40</quality>")));
    Dlg d;
    d.data.city = QStringLiteral("Roma");
    d.Open(server_->BaseUrl());
    QTest::mouseClick(d.btQuery, Qt::LeftButton);
    QCOMPARE(d.prompter.Messages(), QStringList{GeocodeText::Tr(GeocodeText::kApproximate)});
    QCOMPARE(d.geoCity->text(), QStringLiteral("Roma"));
    QVERIFY(d.btOK->isEnabled());
}

void TestGeocodeDlg::webMap()
{
    server_->Route(kPath, TestHttpServer::Ok(Answer()));
    Dlg d;
    d.data.city = QStringLiteral("Roma");
    d.Open(server_->BaseUrl(), QStringLiteral("http://maps.test"));
    QTest::mouseClick(d.btQuery, Qt::LeftButton);
    QTest::mouseClick(d.btGoogle, Qt::LeftButton);
    QCOMPARE(d.prompter.openedUrls, QStringList{QStringLiteral("http://maps.test/maps?q=41.900000,12.500000")});
    QVERIFY(d.dlg->isVisible());
}

void TestGeocodeDlg::acceptReturnsInputAndResultCoordinate()
{
    server_->Route(kPath, TestHttpServer::Ok(Answer()));
    Dlg d;
    d.data.street = QStringLiteral("Via Roma");
    d.data.number = QStringLiteral("12");
    d.data.city = QStringLiteral("Roma");
    d.data.zip = QStringLiteral("00100");
    d.data.country = QStringLiteral("ITALY");
    d.Open(server_->BaseUrl());
    d.addr->selectAll();
    QTest::keyClicks(d.addr, QStringLiteral("Via Appia,3"));
    QTest::mouseClick(d.btQuery, Qt::LeftButton);
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    QCOMPARE(d.dlg->result(), 1);
    QCOMPARE(d.data.street, QStringLiteral("Via Appia"));
    QCOMPARE(d.data.number, QStringLiteral("3"));
    QCOMPARE(d.data.city, QStringLiteral("Roma"));
    QCOMPARE(d.data.zip, QStringLiteral("00100"));
    QCOMPARE(d.data.country, QStringLiteral("ITALY"));
    QVERIFY(d.data.state.isEmpty());
    QCOMPARE(d.data.latitude, 41.9);
    QCOMPARE(d.data.longitude, 12.5);
}

void TestGeocodeDlg::acceptChecksLengths()
{
    server_->Route(kPath, TestHttpServer::Ok(Answer()));
    Dlg d;
    d.data.city = QString(92, QLatin1Char('c'));
    d.Open(server_->BaseUrl());
    QTest::mouseClick(d.btQuery, Qt::LeftButton);
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    QCOMPARE(d.prompter.LastMessage(), QStringLiteral("Please enter no more than 91 characters."));
    QVERIFY(d.dlg->isVisible());
    QCOMPARE(d.data.latitude, 0.0);
    QTest::keyClick(d.city, Qt::Key_End);
    QTest::keyClick(d.city, Qt::Key_Backspace);
    QTest::mouseClick(d.btQuery, Qt::LeftButton);
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    QCOMPARE(d.dlg->result(), 1);
    QCOMPARE(d.data.city.size(), 91);
}

void TestGeocodeDlg::cancelLeavesData()
{
    server_->Route(kPath, TestHttpServer::Ok(Answer()));
    Dlg d;
    d.data.city = QStringLiteral("Roma");
    d.data.latitude = 1;
    d.Open(server_->BaseUrl());
    QTest::keyClicks(d.city, QStringLiteral("xx"));
    QTest::mouseClick(d.btQuery, Qt::LeftButton);
    QTest::mouseClick(d.btCancel, Qt::LeftButton);
    QCOMPARE(d.dlg->result(), 2);
    QCOMPARE(d.data.city, QStringLiteral("Roma"));
    QCOMPARE(d.data.latitude, 1.0);
}

void TestGeocodeDlg::editorRoundTrip()
{
    server_->Route(kPath, TestHttpServer::Ok(Answer()));
    LookupFields f;
    f.label = QStringLiteral("Rossi");
    f.street = QStringLiteral("VIA ROMA");
    f.number = QStringLiteral("12");
    f.city = QStringLiteral("ROMA");
    f.country = QStringLiteral("ITALY");
    f.phone1 = QStringLiteral("06");
    ScriptedPrompter prompter;
    QString shownAddress;
    QTimer::singleShot(0, this, [&] {
        QWidget *dlg = QApplication::activeModalWidget();
        if (!dlg)
            return;
        shownAddress = dlg->findChild<QLineEdit *>("esActAddr")->text();
        QTest::mouseClick(dlg->findChild<QPushButton *>("btQuery"), Qt::LeftButton);
        QTest::mouseClick(dlg->findChild<QPushButton *>("btOK"), Qt::LeftButton);
    });
    QVERIFY(RunGeocodeLookup(f, prompter, nullptr, server_->BaseUrl()));
    QCOMPARE(shownAddress, QStringLiteral("VIA ROMA,12"));
    QCOMPARE(f.street, QStringLiteral("VIA ROMA"));
    QCOMPARE(f.number, QStringLiteral("12"));
    QCOMPARE(f.latitude, 41.9);
    QCOMPARE(f.longitude, 12.5);
    QVERIFY(f.gps);
    QCOMPARE(f.label, QStringLiteral("Rossi"));

    QTimer::singleShot(0, this, [] {
        if (QWidget *dlg = QApplication::activeModalWidget())
            dlg->close();
    });
    f.gps = false;
    QVERIFY(!RunGeocodeLookup(f, prompter, nullptr, server_->BaseUrl()));
    QVERIFY(!f.gps);
}

// The result column names the service; Nominatim's answers carry OpenStreetMap's
// attribution, shown once that service has answered.
void TestGeocodeDlg::resultNamesProvider_data()
{
    QTest::addColumn<bool>("nominatim");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("attribution");
    QTest::addColumn<QStringList>("messages");
    const QByteArray osm = R"([{"lat":"41.9","lon":"12.5","place_rank":30,"address":{"house_number":"12",)"
                           R"("road":"Via Roma","city":"Roma","postcode":"00100","country":"Italia"}}])";
    QTest::newRow("nominatim") << true << osm << "Result from : OpenStreetMap Nominatim"
                               << "\u00A9 OpenStreetMap contributors" << QStringList();
    QTest::newRow("nominatim, nothing found") << true << QByteArray("[]") << "Result from : OpenStreetMap Nominatim"
                                              << "" << QStringList{"Query failed"};
    QTest::newRow("placefinder") << false << Answer() << "Result from : Yahoo! - Geocoding API" << "" << QStringList();
}

void TestGeocodeDlg::resultNamesProvider()
{
    QFETCH(bool, nominatim);
    QFETCH(QByteArray, answer);
    QFETCH(QString, title);
    QFETCH(QString, attribution);
    QFETCH(QStringList, messages);
    server_->Route(nominatim ? QByteArray("/search") : kPath, TestHttpServer::Ok(answer));
    const NominatimProvider osm(server_->BaseUrl());
    const PlacefinderProvider placefinder(server_->BaseUrl());
    Dlg d;
    d.data.street = QStringLiteral("Via Roma");
    d.data.number = QStringLiteral("12");
    d.data.city = QStringLiteral("Roma");
    d.dlg.reset(new GeocodeDlg(d.data, d.prompter, nominatim ? static_cast<const GeocodeProvider &>(osm) : placefinder));
    GeocodeSession session;  // no wait for the turn of an earlier row's query
    d.dlg->UseSession(session);
    auto *label = d.dlg->findChild<QLabel *>("lbAttribution");
    QVERIFY(label);
    QCOMPARE(label->text(), QString());
    QTest::mouseClick(d.dlg->findChild<QPushButton *>("btQuery"), Qt::LeftButton);
    QCOMPARE(d.dlg->findChild<QGroupBox *>("boxResult")->title(), title);
    QCOMPARE(label->text(), attribution);
    QCOMPARE(d.prompter.Messages(), messages);
    QCOMPARE(d.dlg->findChild<QPushButton *>("btOK")->isEnabled(), messages.isEmpty());
    if (messages.isEmpty())
        QCOMPARE(d.dlg->findChild<QLineEdit *>("esGeoLL")->text(), QStringLiteral("41.900000,12.500000"));
}

namespace {

// A Nominatim answer at house `number` of Via Roma, latitude 41.<number>.
QByteArray House(int number)
{
    return QByteArray(R"([{"lat":"41.)") + QByteArray::number(number)
        + R"(","lon":"12.5","place_rank":30,"address":{"house_number":")" + QByteArray::number(number)
        + R"(","road":"Via Roma","city":"Roma"}}])";
}

} // namespace

// Three queries within a second: the first goes out at once, the second waits for its
// turn and is replaced by the third, whose answer is the one shown and accepted.
void TestGeocodeDlg::latestQueryWins()
{
    const NominatimProvider osm(server_->BaseUrl());
    for (int n : {42, 43, 44})
        server_->Route("/search?format=jsonv2&addressdetails=1&limit=1&street=" + QByteArray::number(n)
                           + "%20Via%20Roma&city=Roma",
                       TestHttpServer::Ok(House(n)));
    Dlg d;
    d.data.street = QStringLiteral("Via Roma");
    d.data.number = QStringLiteral("42");
    d.data.city = QStringLiteral("Roma");
    d.data.country = QStringLiteral("");
    d.dlg.reset(new GeocodeDlg(d.data, d.prompter, osm));
    GeocodeSession session;
    d.dlg->UseSession(session);
    auto *addr = d.dlg->findChild<QLineEdit *>("esActAddr");
    auto *btQuery = d.dlg->findChild<QPushButton *>("btQuery");
    auto *btOK = d.dlg->findChild<QPushButton *>("btOK");
    auto *geoLL = d.dlg->findChild<QLineEdit *>("esGeoLL");
    const QString caption = btQuery->text();

    QTest::mouseClick(btQuery, Qt::LeftButton);
    QCOMPARE(geoLL->text(), QStringLiteral("41.420000,12.500000"));
    for (int n : {43, 44}) {
        addr->setText(QStringLiteral("%1,Via Roma").arg(n));
        QVERIFY(!btOK->isEnabled());  // the answer shown is not for this input
        QTest::mouseClick(btQuery, Qt::LeftButton);
        QCOMPARE(btQuery->text(), QStringLiteral("&Query (waiting)"));
        QVERIFY(!btOK->isEnabled());
    }
    QTRY_COMPARE_WITH_TIMEOUT(btQuery->text(), caption, 3000);
    QCOMPARE(geoLL->text(), QStringLiteral("41.440000,12.500000"));
    QVERIFY(btOK->isEnabled());
    QTest::mouseClick(btOK, Qt::LeftButton);
    QCOMPARE(d.data.latitude, 41.44);
    QCOMPARE(d.data.number, QStringLiteral("44"));
    QCOMPARE(server_->requests.size(), 2);  // house 43 was never asked for
    QVERIFY(server_->requests.last().target.contains("street=44%20"));
}

void TestGeocodeDlg::cancelWhileWaitingSendsNothing()
{
    const NominatimProvider osm(server_->BaseUrl());
    server_->Route("/search", TestHttpServer::Ok(House(12)));
    Dlg d;
    d.data.street = QStringLiteral("Via Roma");
    d.data.number = QStringLiteral("12");
    d.dlg.reset(new GeocodeDlg(d.data, d.prompter, osm));
    GeocodeSession session;
    d.dlg->UseSession(session);
    auto *btQuery = d.dlg->findChild<QPushButton *>("btQuery");
    QTest::mouseClick(btQuery, Qt::LeftButton);
    d.dlg->findChild<QLineEdit *>("esActCity")->setText(QStringLiteral("Roma"));
    QTest::mouseClick(btQuery, Qt::LeftButton);  // waits for its turn
    QTest::mouseClick(d.dlg->findChild<QPushButton *>("btCancel"), Qt::LeftButton);
    QCOMPARE(d.dlg->result(), 2);
    QTest::qWait(1500);
    QCOMPARE(server_->requests.size(), 1);
    QCOMPARE(d.data.latitude, 0.0);
}

// Each way a query can fail is told as such, under "Query failed" and in the dialog's
// status line; the user's own Cancel only there.
void TestGeocodeDlg::failureNamesCause_data()
{
    QTest::addColumn<int>("status");  // -1: no answer, and the user cancels
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("detail");
    QTest::newRow("busy") << 429 << QByteArray("slow down")
                          << "The server is busy (HTTP 429); try again in 60 s";
    QTest::newRow("server error") << 500 << QByteArray("oops") << "The server reported an error (HTTP 500)";
    QTest::newRow("garbage") << 200 << QByteArray("<html>maintenance</html>")
                             << "The server's answer could not be read";
    QTest::newRow("empty body") << 200 << QByteArray() << "The server's answer could not be read";
    QTest::newRow("nothing found") << 200 << QByteArray("[]") << "Nothing found for this address";
    QTest::newRow("cancelled") << -1 << QByteArray() << "Cancelled";
}

void TestGeocodeDlg::failureNamesCause()
{
    QFETCH(int, status);
    QFETCH(QByteArray, answer);
    QFETCH(QString, detail);
    const NominatimProvider osm(server_->BaseUrl());
    server_->Route("/search", status < 0 ? TestHttpServer::Stalled()
                                         : TestHttpServer::Status(status, answer).Header("Retry-After", "60"));
    Dlg d;
    d.data.street = QStringLiteral("Via Roma");
    d.prompter.cancelProgressAt = 3;
    d.dlg.reset(new GeocodeDlg(d.data, d.prompter, osm));
    GeocodeSession session;
    d.dlg->UseSession(session);
    QTest::mouseClick(d.dlg->findChild<QPushButton *>("btQuery"), Qt::LeftButton);
    QCOMPARE(d.dlg->findChild<QLabel *>("lStatus")->text(), detail);
    if (status < 0) {
        QVERIFY(d.prompter.shown.isEmpty());
    } else {
        QCOMPARE(d.prompter.Messages(), QStringList{"Query failed"});
        QCOMPARE(d.prompter.shown.first().detail, detail);
    }
    QVERIFY(!d.dlg->findChild<QPushButton *>("btOK")->isEnabled());
}

QTEST_MAIN(TestGeocodeDlg)
#include "test_geocodedlg.moc"
