#include "support/scriptedprompter.h"
#include "infobelpages.h"
#include "support/testhttpserver.h"
#include "web/cp1252.h"
#include "web/infobel.h"

#include <QRandomGenerator>
#include <QtTest>

#include <climits>

using namespace InfoBelPages;

Q_DECLARE_METATYPE(InfoBelQuery)

// The directory search: code page 1252, the count and the link values cut out of a page,
// the URLs that reach a real server on 127.0.0.1, paging over follow-up pages and broken
// pages.
class TestInfoBel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void encodeCp1252_data();
    void encodeCp1252();
    void cp1252RoundTrip();
    void total_data();
    void total();
    void param_data();
    void param();
    void siteScheme_data();
    void siteScheme();
    void requestUrl_data();
    void requestUrl();
    void unknownKindFetchesNothing();
    void paging_data();
    void paging();
    void maxZeroOnlyCounts();
    void failures_data();
    void failures();
    void missingKeysLeaveFieldsEmpty();
    void stalledFollowUpCancelled();
    void randomPagesNeverCrash();
};

void TestInfoBel::encodeCp1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("Rossi 12") << QByteArray("Rossi 12");
    QTest::newRow("latin-1") << QStringLiteral("Li\u00E8ge M\u00FCller") << QByteArray("Li\xE8ge M\xFCller");
    QTest::newRow("typographic") << QStringLiteral("\u20AC \u2019\u0160\u0178") << QByteArray("\x80 \x92\x8A\x9F");
    QTest::newRow("unmappable") << QStringLiteral("\u0141\u00F3d\u017A") << QByteArray("\x1F\xF3" "d\x1F");
    QTest::newRow("C1 without glyph") << QStringLiteral("\u0080") << QByteArray("\x1F");
    QTest::newRow("surrogate pair is one character") << QStringLiteral("a\U0001F600b") << QByteArray("a\x1F" "b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("\x1F");
    QTest::newRow("held byte") << QString(QChar(0xEE81)) + QChar(0xEEFF) << QByteArray("\x81\xFF");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestInfoBel::encodeCp1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeCp1252(text), bytes);
}

void TestInfoBel::cp1252RoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = DecodeCp1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0xE8), QChar(0x00E8));
    QCOMPARE(EncodeCp1252(text), all);
}

void TestInfoBel::total_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<int>("total");
    QTest::newRow("blank then digits") << QByteArray("<p class=\"result-info\">1-7 / 7 results</p>") << 7;
    QTest::newRow("fixture head") << Head(345) << 345;
    QTest::newRow("no marker") << QByteArray("<html>nothing found</html>") << 0;
    QTest::newRow("marker at end") << QByteArray("xx class=\"result-info\"") << 0;
    QTest::newRow("one char after marker") << QByteArray("class=\"result-info\">") << 0;
    QTest::newRow("no slash") << QByteArray("class=\"result-info\">345 results") << 0;
    QTest::newRow("slash at end") << QByteArray("class=\"result-info\">1 /") << 0;
    QTest::newRow("slash right after marker char skipped")
        << QByteArray("class=\"result-info\"/ 3 / 9") << 9;
    QTest::newRow("extra blanks") << QByteArray("class=\"result-info\">a /   42x") << 42;
    QTest::newRow("no digits") << QByteArray("class=\"result-info\">a / many") << 0;
    QTest::newRow("huge saturates") << QByteArray("class=\"result-info\">a / 99999999999999999999") << INT_MAX;
    QTest::newRow("first marker counts")
        << QByteArray("class=\"result-info\">a / 5 class=\"result-info\">a / 9") << 5;
}

void TestInfoBel::total()
{
    QFETCH(QByteArray, page);
    QFETCH(int, total);
    QCOMPARE(InfoBelTotal(page), total);
}

void TestInfoBel::param_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("name") << QByteArray("QName=") << QStringLiteral("ROSSI MARIO");
    QTest::newRow("street") << QByteArray("QStreet=") << QStringLiteral("VIA ROMA");
    QTest::newRow("number") << QByteArray("QNum=") << QStringLiteral("12");
    QTest::newRow("zip") << QByteArray("QZip=") << QStringLiteral("00100");
    QTest::newRow("city keeps %20") << QByteArray("QCity=") << QStringLiteral("SAN%20PAOLO");
    QTest::newRow("phone, last key") << QByteArray("qphone=") << QStringLiteral("061234");
    QTest::newRow("code page byte") << QByteArray("QLoc=") << QStringLiteral("LI\u00C8GE");
    QTest::newRow("empty value") << QByteArray("QEmpty=") << QString();
    QTest::newRow("absent") << QByteArray("QFax=") << QString();
    QTest::newRow("case-sensitive") << QByteArray("qname=") << QString();
}

void TestInfoBel::param()
{
    QFETCH(QByteArray, key);
    QFETCH(QString, value);
    const QByteArray params = "QName=ROSSI MARIO&QStreet=VIA ROMA&QNum=12&QZip=00100"
                              "&QCity=SAN%20PAOLO&QLoc=LI\xC8GE&QEmpty=&qphone=061234";
    QCOMPARE(InfoBelParam(params, key), value);
}

void TestInfoBel::requestUrl_data()
{
    QTest::addColumn<InfoBelQuery>("query");
    QTest::addColumn<QByteArray>("target");

    InfoBelQuery q;
    q.country = QStringLiteral("ITALY");
    q.lastname = QStringLiteral("Rossi");
    q.city = QStringLiteral("Roma");
    q.category = QStringLiteral("unused");
    q.phone = QStringLiteral("unused");
    QTest::newRow("private") << q
        << QByteArray("/it/ITALY/people.aspx?&qlastname=Rossi&qfirstname=&qcity=Roma&firstrec=0");

    q = InfoBelQuery();
    q.country = QStringLiteral("Italy");
    q.lastname = QStringLiteral("A&B=C+D");
    q.firstname = QStringLiteral("50% \"x\"");
    q.city = QStringLiteral("Li\u00E8ge \u0141");
    QTest::newRow("escapes and code page") << q
        << QByteArray("/it/Italy/people.aspx?&qlastname=A%26B%3DC%2BD&qfirstname=50%25%20%22x%22"
                      "&qcity=Li%E8ge%20%1F&firstrec=0");

    q = InfoBelQuery();
    q.kind = Business;
    q.country = QStringLiteral("ITALY");
    q.lastname = QStringLiteral("Bar");
    q.category = QStringLiteral("Pizza Pasta");
    q.city = QStringLiteral("Roma");
    q.firstname = QStringLiteral("unused");
    QTest::newRow("business with category") << q
        << QByteArray("/it/ITALY/business.aspx?&qkeyword=Bar%20Pizza%20Pasta&qcityb=Roma&firstrec=0");
    q.category.clear();
    q.city.clear();
    QTest::newRow("business without category") << q
        << QByteArray("/it/ITALY/business.aspx?&qkeyword=Bar&qcityb=&firstrec=0");

    q = InfoBelQuery();
    q.kind = Inverse;
    q.country = QStringLiteral("BELGIUM");
    q.phone = QStringLiteral("+32 4/123=5");
    q.lastname = QStringLiteral("unused");
    QTest::newRow("inverse phone, delimiters escaped") << q
        << QByteArray("/it/BELGIUM/inverse.aspx?&qphone=%2B32%204/123%3D5&firstrec=0");
}

// The directory is asked over https unless its host setting names another scheme.
void TestInfoBel::siteScheme_data()
{
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<QByteArray>("site");
    QTest::newRow("default") << QByteArray(kInfoBelHost) << QByteArray("https://www.infobel.com");
    QTest::newRow("host with port") << QByteArray("dir.test:8443") << QByteArray("https://dir.test:8443");
    QTest::newRow("scheme kept") << QByteArray("http://dir.test") << QByteArray("http://dir.test");
}

void TestInfoBel::siteScheme()
{
    QFETCH(QByteArray, host);
    QFETCH(QByteArray, site);
    QCOMPARE(InfoBelSite(host), site);
    InfoBelQuery q;
    q.country = QStringLiteral("ITALY");
    QVERIFY(InfoBelBaseUrl(q, host).startsWith(site + "/it/ITALY/"));
}

void TestInfoBel::requestUrl()
{
    QFETCH(InfoBelQuery, query);
    QFETCH(QByteArray, target);
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.SetFallback(TestHttpServer::Ok(Page(0, 0, 0)));
    ScriptedPrompter prompter;
    QList<InfoBelResult> hits;
    QCOMPARE(InfoBelSearch(query, hits, 0, 20, prompter, server.BaseUrl()), 0);
    QCOMPARE(server.Targets(), QByteArrayList{target});
}

void TestInfoBel::unknownKindFetchesNothing()
{
    TestHttpServer server;
    QVERIFY(server.Listen());
    InfoBelQuery q;
    q.country = QStringLiteral("ITALY");
    q.lastname = QStringLiteral("Rossi");
    q.kind = 3;
    ScriptedPrompter prompter;
    QList<InfoBelResult> hits;
    QCOMPARE(InfoBelSearch(q, hits, 0, 20, prompter, server.BaseUrl()), -1);
    QCOMPARE(server.connections, 0);
    QVERIFY(prompter.progressTexts.isEmpty());
}

namespace {

const QByteArray kBase = "/it/ITALY/people.aspx?&qlastname=Rossi&qfirstname=&qcity=";

InfoBelQuery Rossi()
{
    InfoBelQuery q;
    q.country = QStringLiteral("ITALY");
    q.lastname = QStringLiteral("Rossi");
    return q;
}

QByteArray At(int first)
{
    return kBase + "&firstrec=" + QByteArray::number(first);
}

// The pages asked for, in order. Qt's HTTP client may send a GET again on a new connection
// when the server closed the first one early (it does so under load, with an answer that
// ends by closing the connection); such a repeat is not a page the search asked for.
QByteArrayList PagesAsked(const TestHttpServer &server)
{
    QByteArrayList pages;
    for (const QByteArray &t : server.Targets())
        if (pages.isEmpty() || pages.constLast() != t)
            pages.append(t);
    return pages;
}

// Serves a directory of `total` hits with `perPage` links per page at every offset.
void ServeDirectory(TestHttpServer &server, int total, int perPage, int upTo)
{
    for (int first = 0; first < upTo; ++first)
        server.Route(At(first), TestHttpServer::Ok(Page(total, first, qMin(perPage, total - first))));
}

} // namespace

void TestInfoBel::paging_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArrayList>("targets");
    QTest::newRow("20 links per page") << 345 << 20 << 0 << 20 << QByteArrayList{At(0)};
    QTest::newRow("10 links per page") << 345 << 10 << 0 << 20 << QByteArrayList{At(0), At(10)};
    QTest::newRow("7 links per page") << 345 << 7 << 20 << 20
        << QByteArrayList{At(20), At(27), At(34)};
    QTest::newRow("last page") << 345 << 20 << 340 << 5 << QByteArrayList{At(340)};
    QTest::newRow("seven hits") << 7 << 20 << 0 << 7 << QByteArrayList{At(0)};
    QTest::newRow("short pages up to the total") << 25 << 10 << 0 << 20 << QByteArrayList{At(0), At(10)};
    QTest::newRow("without content length") << 345 << 20 << 0 << 20 << QByteArrayList{At(0)};
}

void TestInfoBel::paging()
{
    QFETCH(int, total);
    QFETCH(int, perPage);
    QFETCH(int, first);
    QFETCH(int, stored);
    QFETCH(QByteArrayList, targets);
    TestHttpServer server;
    QVERIFY(server.Listen());
    ServeDirectory(server, total, perPage, total);
    if (QByteArray(QTest::currentDataTag()) == "without content length")
        server.Route(At(0), TestHttpServer::Ok(Page(total, 0, 20)).WithoutLength());
    ScriptedPrompter prompter;
    InfoBelResult old;
    old.name = QStringLiteral("OLD");
    QList<InfoBelResult> hits(20, old);
    QCOMPARE(InfoBelSearch(Rossi(), hits, first, 20, prompter, server.BaseUrl()), total);
    QCOMPARE(PagesAsked(server), targets);
    QCOMPARE(hits.size(), 20);
    for (int i = 0; i < stored; ++i) {
        const QByteArray k = QByteArray::number(first + i + 1);
        QCOMPARE(hits[i].name, QString::fromLatin1("NAME" + k));
        QCOMPARE(hits[i].street, QString::fromLatin1("STREET" + k));
        QCOMPARE(hits[i].number, QString::fromLatin1(k));
        QCOMPARE(hits[i].zip, QString::fromLatin1("Z" + k));
        QCOMPARE(hits[i].city, QString::fromLatin1("CITY" + k));
        QCOMPARE(hits[i].phone, QString::fromLatin1("06" + k));
        QCOMPARE(hits[i].country, QStringLiteral("ITALY"));
    }
    for (int i = stored; i < 20; ++i)
        QCOMPARE(hits[i].name, QStringLiteral("OLD"));  // entries past the hits stay as they were
}

void TestInfoBel::maxZeroOnlyCounts()
{
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route(At(0), TestHttpServer::Ok(Head(12) + "href=\"mapresult.aspx?\""));
    ScriptedPrompter prompter;
    QList<InfoBelResult> hits;
    QCOMPARE(InfoBelSearch(Rossi(), hits, 0, 0, prompter, server.BaseUrl()), 12);
    QVERIFY(hits.isEmpty());
}

void TestInfoBel::failures_data()
{
    QTest::addColumn<QByteArray>("page0");
    QTest::addColumn<int>("status0");
    QTest::addColumn<QByteArray>("page10");
    QTest::addColumn<int>("status10");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("stored");
    const QByteArray ten = Page(345, 0, 10);
    QTest::newRow("first page 404") << Page(345, 0, 20) << 404 << QByteArray() << 404 << -1 << 0;
    QTest::newRow("first page empty") << QByteArray() << 200 << QByteArray() << 404 << -1 << 0;
    QTest::newRow("no count marker") << QByteArray("<html>" + Link(Params(1)) + "</html>") << 200
        << QByteArray() << 404 << 0 << 0;
    QTest::newRow("follow-up 404") << ten << 200 << Page(345, 10, 10) << 404 << -1 << 10;
    QTest::newRow("follow-up without links") << ten << 200 << Head(345) << 200 << -1 << 10;
    QTest::newRow("link without closing quote") << QByteArray(Head(9) + "<a href=\"mapresult.aspx?QName=X&QNum=1")
        << 200 << QByteArray() << 404 << -1 << 0;
    QTest::newRow("empty parameter string") << QByteArray(Link(Params(1)) + Head(9) + Link(""))
        << 200 << QByteArray() << 404 << -1 << 1;
    QTest::newRow("link marker at the very end") << QByteArray(Head(9) + "href=\"mapresult.aspx?")
        << 200 << QByteArray() << 404 << -1 << 0;
    QTest::newRow("negative count") << QByteArray("class=\"result-info\">a / -5") << 200
        << QByteArray() << 404 << -1 << 0;
    QTest::newRow("huge count") << Page(INT_MAX, 0, 20) << 200 << QByteArray() << 404 << INT_MAX << 20;
    QTest::newRow("huge count, short page") << Page(INT_MAX, 0, 3) << 200 << QByteArray() << 404 << -1 << 3;
}

void TestInfoBel::failures()
{
    QFETCH(QByteArray, page0);
    QFETCH(int, status0);
    QFETCH(QByteArray, page10);
    QFETCH(int, status10);
    QFETCH(int, result);
    QFETCH(int, stored);
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route(At(0), TestHttpServer::Status(status0, page0));
    server.Route(At(10), TestHttpServer::Status(status10, page10));
    ScriptedPrompter prompter;
    QList<InfoBelResult> hits;
    QCOMPARE(InfoBelSearch(Rossi(), hits, 0, 20, prompter, server.BaseUrl()), result);
    int n = 0;
    while (n < hits.size() && !hits[n].name.isEmpty())
        ++n;
    QCOMPARE(n, stored);
    QVERIFY(prompter.shown.isEmpty());
    QCOMPARE(prompter.progressOpen, 0);
}

void TestInfoBel::missingKeysLeaveFieldsEmpty()
{
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route(At(0), TestHttpServer::Ok(Head(2) + Link("QName=ONLY%20NAME") + Link("x=1")));
    ScriptedPrompter prompter;
    QList<InfoBelResult> hits;
    QCOMPARE(InfoBelSearch(Rossi(), hits, 0, 20, prompter, server.BaseUrl()), 2);
    QCOMPARE(hits[0].name, QStringLiteral("ONLY%20NAME"));
    QVERIFY(hits[0].street.isEmpty() && hits[0].phone.isEmpty());
    QVERIFY(hits[1].name.isEmpty());
    QCOMPARE(hits[1].country, QStringLiteral("ITALY"));  // counted although every key is missing
}

void TestInfoBel::stalledFollowUpCancelled()
{
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route(At(0), TestHttpServer::Ok(Page(345, 0, 10)));
    server.Route(At(10), TestHttpServer::Stalled());
    ScriptedPrompter prompter;
    prompter.cancelProgressAt = 8;  // the user gives up while the second page hangs
    QList<InfoBelResult> hits;
    QCOMPARE(InfoBelSearch(Rossi(), hits, 0, 20, prompter, server.BaseUrl()), -1);
    QCOMPARE(server.Targets(), (QByteArrayList{At(0), At(10)}));
    QCOMPARE(hits[9].name, QStringLiteral("NAME10"));
    QCOMPARE(prompter.progressOpen, 0);
}

void TestInfoBel::randomPagesNeverCrash()
{
    QRandomGenerator rng(20240607);
    const QByteArray pieces[] = {"class=\"result-info\"", "href=\"mapresult.aspx?", "/", " 9",
                                 "\"", "QName=", "&", "99999999999"};
    for (int round = 0; round < 200; ++round) {
        QByteArray page;
        const int parts = rng.bounded(1, 30);
        for (int p = 0; p < parts; ++p) {
            if (rng.bounded(2)) {
                page += pieces[rng.bounded(int(std::size(pieces)))];
            } else {
                QByteArray noise(rng.bounded(0, 40), '\0');
                for (char &c : noise)
                    c = char(rng.bounded(256));
                page += noise;
            }
        }
        // The parsers alone, on the page and every tail of it.
        for (int cut = 0; cut <= page.size(); cut += 7) {
            InfoBelTotal(page.mid(cut));
            InfoBelParam(page.mid(cut), "QName=");
        }
        // And a whole search, a few times, as the first and every follow-up page.
        if (round % 20 == 0) {
            TestHttpServer server;
            QVERIFY(server.Listen());
            server.SetFallback(TestHttpServer::Ok(page));
            ScriptedPrompter prompter;
            QList<InfoBelResult> hits;
            const int total = InfoBelSearch(Rossi(), hits, 0, 20, prompter, server.BaseUrl());
            QVERIFY(total >= -1);
            QVERIFY(server.requests.size() <= 21);
        }
    }
}

QTEST_GUILESS_MAIN(TestInfoBel)
#include "test_infobel.moc"
