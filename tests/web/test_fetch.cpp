#include "common/qtprompter.h"
#include "support/scriptedprompter.h"
#include "support/testhttpserver.h"
#include "support/testkeys.h"
#include "web/fetch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

// The fetch routines against a real HTTP server on 127.0.0.1: what reaches the server,
// which responses count, the progress window, the stall time-out and Cancel.
class TestFetch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void percentEncode_data();
    void percentEncode();
    void requestTarget_data();
    void requestTarget();
    void statusDecides_data();
    void statusDecides();
    void connectionRefused();
    void redirectFollowed();
    void progressFollowsDeclaredLength_data();
    void progressFollowsDeclaredLength();
    void progressCountsBytesWithoutLength();
    void failureNamesCause_data();
    void failureNamesCause();
    void stalledServerGivesUp_data();
    void stalledServerGivesUp();
    void slowButSteadyTransferCompletes();
    void cancelAbortsTransfer();
    void progressWindowCancelButton();
    void progressWindowBusyWithoutLength();
    void bodyOverTheLimitFails_data();
    void bodyOverTheLimitFails();
    void bufferVariant_data();
    void bufferVariant();
};

void TestFetch::percentEncode_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray fetchSet(" \t");
    const QByteArray searchSet("&+\"=%");
    QTest::newRow("space") << QByteArray("a b") << fetchSet << QByteArray("a%20b");
    QTest::newRow("tab") << QByteArray("a\tb") << fetchSet << QByteArray("a%09b");
    QTest::newRow("percent not escaped twice") << QByteArray("50%") << searchSet << QByteArray("50%25");
    QTest::newRow("search set") << QByteArray("a&b+c\"d=e") << searchSet << QByteArray("a%26b%2Bc%22d%3De");
    QTest::newRow("adjacent") << QByteArray("%%") << searchSet << QByteArray("%25%25");
    QTest::newRow("nothing to do") << QByteArray("Rue de la Paix") << searchSet << QByteArray("Rue de la Paix");
    QTest::newRow("empty") << QByteArray() << fetchSet << QByteArray();
    QTest::newRow("high bytes untouched") << QByteArray("caf\xE8 \xFF") << fetchSet << QByteArray("caf\xE8%20\xFF");
    QTest::newRow("existing escape kept") << QByteArray("a%20b") << fetchSet << QByteArray("a%20b");
}

void TestFetch::percentEncode()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, set);
    QFETCH(QByteArray, expected);
    QCOMPARE(PercentEncode(text, set), expected);
}

void TestFetch::requestTarget_data()
{
    QTest::addColumn<bool>("scheme");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("target");
    QTest::newRow("plain") << false << QByteArray("/software/lastversions.txt") << QByteArray("/software/lastversions.txt");
    QTest::newRow("with scheme") << true << QByteArray("/a/b.txt") << QByteArray("/a/b.txt");
    QTest::newRow("space in path") << false << QByteArray("/a b.zip") << QByteArray("/a%20b.zip");
    QTest::newRow("tab in query") << false << QByteArray("/s?q=a\tb") << QByteArray("/s?q=a%09b");
    QTest::newRow("escape kept") << true << QByteArray("/s?q=a%20b") << QByteArray("/s?q=a%20b");
    QTest::newRow("key order and escapes") << false
        << QByteArray("/s?qWhat=a%26b&qWhere=x%2By&firstrec=21")
        << QByteArray("/s?qWhat=a%26b&qWhere=x%2By&firstrec=21");
    QTest::newRow("code page byte") << false << QByteArray("/s?q=Li\xE8ge") << QByteArray("/s?q=Li%E8ge");
    QTest::newRow("hash stays in query") << false << QByteArray("/s?q=a#b") << QByteArray("/s?q=a%23b");
    QTest::newRow("yql statement") << true
        << QByteArray("/v1/yql?q=select%20*%20from%20geo.placefinder%20where%20text%3D%22x%22")
        << QByteArray("/v1/yql?q=select%20*%20from%20geo.placefinder%20where%20text%3D%22x%22");
    QTest::newRow("host only") << false << QByteArray("") << QByteArray("/");
}

void TestFetch::requestTarget()
{
    QFETCH(bool, scheme);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, target);
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.SetFallback(TestHttpServer::Ok("body"));
    ScriptedPrompter prompter;
    const QByteArray url = (scheme ? server.BaseUrl() : server.HostPort()) + path;
    QCOMPARE(FetchUrl(url, prompter).body, QByteArray("body"));
    QCOMPARE(server.Targets(), QByteArrayList{target});
    QCOMPARE(server.requests.first().method, QByteArray("GET"));
    QCOMPARE(server.requests.first().Header("User-Agent"), QByteArray("KESTRAVON/01.09"));
    // The window shows the URL as the caller passed it, before any escaping.
    QCOMPARE(prompter.progressTexts, QStringList{QStringLiteral("read : ") + QString::fromLatin1(url)});
    QCOMPARE(prompter.progressOpen, 0);
    QVERIFY(prompter.shown.isEmpty());
}

void TestFetch::statusDecides_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("body");
    QTest::newRow("200") << 200 << true;
    QTest::newRow("203") << 203 << true;
    QTest::newRow("404 error page") << 404 << false;
    QTest::newRow("500") << 500 << false;
}

void TestFetch::statusDecides()
{
    QFETCH(int, status);
    QFETCH(bool, body);
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route("/page", TestHttpServer::Status(status, "<html>page</html>"));
    ScriptedPrompter prompter;
    const QByteArray result = FetchUrl(server.HostPort() + "/page", prompter).body;
    QCOMPARE(result, body ? QByteArray("<html>page</html>") : QByteArray());
    QCOMPARE(prompter.progressOpen, 0);
}

void TestFetch::connectionRefused()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    ScriptedPrompter prompter;
    QVERIFY(FetchUrl("127.0.0.1:" + QByteArray::number(port) + "/x", prompter).body.isEmpty());
    QCOMPARE(prompter.progressOpen, 0);
    QVERIFY(prompter.shown.isEmpty());  // the routines never tell the user themselves
}

void TestFetch::redirectFollowed()
{
    // Qt's default policy: a redirect within plain HTTP is followed; the final answer counts.
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route("/old", TestHttpServer::Status(302, "moved").Header("Location", "/new"));
    server.Route("/new", TestHttpServer::Ok("here"));
    ScriptedPrompter prompter;
    QCOMPARE(FetchUrl(server.HostPort() + "/old", prompter).body, QByteArray("here"));
    QCOMPARE(server.Targets(), (QByteArrayList{"/old", "/new"}));
    server.Route("/new", TestHttpServer::Status(404, "gone"));
    QVERIFY(FetchUrl(server.HostPort() + "/old", prompter).body.isEmpty());
}

namespace {

QByteArray Pattern(int size)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char(i * 7 + 3);
    return b;
}

bool NonDecreasing(const QList<int> &values)
{
    for (int i = 1; i < values.size(); ++i)
        if (values.at(i) < values.at(i - 1))
            return false;
    return true;
}

} // namespace

void TestFetch::progressFollowsDeclaredLength_data()
{
    QTest::addColumn<int>("pieces");
    QTest::newRow("four pieces") << 4;
    QTest::newRow("one piece") << 1;
}

void TestFetch::progressFollowsDeclaredLength()
{
    QFETCH(int, pieces);
    TestHttpServer server;
    QVERIFY(server.Listen());
    const QByteArray body = Pattern(40000);
    server.Route("/big", TestHttpServer::Ok(body).Chunked(pieces, 150));
    ScriptedPrompter prompter;
    QCOMPARE(FetchUrl(server.HostPort() + "/big", prompter).body, body);
    const QList<int> v = prompter.progressValues;
    QCOMPARE(v.first(), 0);
    QCOMPARE(v.last(), 100);
    QCOMPARE(v.count(100), 1);  // the bytes received move the bar once to its end
    QVERIFY(NonDecreasing(v));
    bool between = false;
    for (int x : v)
        between = between || (x > 0 && x < 100);
    QVERIFY2(between || pieces == 1, "no position between 0 and 100 while the pieces arrived");
}

void TestFetch::progressCountsBytesWithoutLength()
{
    // Without a declared length the window shows a busy indicator with the bytes received,
    // never a position beyond the first 0.
    TestHttpServer server;
    QVERIFY(server.Listen());
    const QByteArray body = Pattern(30000);
    server.Route("/nolength", TestHttpServer::Ok(body).WithoutLength().Chunked(3, 150));
    ScriptedPrompter prompter;
    QCOMPARE(FetchUrl(server.HostPort() + "/nolength", prompter).body, body);
    QCOMPARE(prompter.progressValues, QList<int>{0});
    const QList<qint64> bytes = prompter.progressBytes;
    QVERIFY(bytes.size() >= 3);
    QCOMPARE(bytes.last(), qint64(body.size()));
    QVERIFY(std::is_sorted(bytes.begin(), bytes.end()));
    QVERIFY(bytes.first() < bytes.last());
}

// Each kind of failure has its own outcome and sentence; the user's Cancel is one too.
void TestFetch::failureNamesCause_data()
{
    QTest::addColumn<QByteArray>("situation");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("text");
    using O = FetchResult::Outcome;
    QTest::newRow("429 with Retry-After") << QByteArray("429") << int(O::HttpStatus)
                                          << "The server is busy (HTTP 429); try again in 60 s";
    QTest::newRow("503 without") << QByteArray("503") << int(O::HttpStatus)
                                 << "The server is busy (HTTP 503); try again later";
    QTest::newRow("500") << QByteArray("500") << int(O::HttpStatus) << "The server reported an error (HTTP 500)";
    QTest::newRow("stall") << QByteArray("stall") << int(O::Timeout) << "The server did not answer within 1 s";
    QTest::newRow("cancel") << QByteArray("cancel") << int(O::Cancelled) << "Cancelled";
    QTest::newRow("too large") << QByteArray("large") << int(O::TooLarge)
                               << "The server's answer is larger than 1000 bytes";
    QTest::newRow("refused") << QByteArray("refused") << int(O::Unreachable)
                             << "Could not reach 127.0.0.1: Connection refused";
    QTest::newRow("redirect to another host") << QByteArray("elsewhere") << int(O::Redirect)
        << "The server sent the request on to another host (localhost); it was not followed";
    QTest::newRow("untrusted certificate") << QByteArray("certificate") << int(O::Certificate)
                                           << "The server's certificate is not valid for 127.0.0.1";
}

void TestFetch::failureNamesCause()
{
    QFETCH(QByteArray, situation);
    QFETCH(int, outcome);
    QFETCH(QString, text);
    QTemporaryDir keys;
    TestCertificate certificate;
    TestHttpServer server;
    if (situation == "certificate") {
        QVERIFY(certificate.Make(keys.path(), QStringLiteral("server")));
        QVERIFY(server.ListenTls(certificate.certificate, certificate.key));
    } else {
        QVERIFY(server.Listen());
    }
    server.Route("/429", TestHttpServer::Status(429, "slow down").Header("Retry-After", "60"));
    server.Route("/503", TestHttpServer::Status(503, "busy"));
    server.Route("/500", TestHttpServer::Status(500, "oops"));
    server.Route("/stall", TestHttpServer::Stalled());
    server.Route("/cancel", TestHttpServer::Stalled());
    server.Route("/large", TestHttpServer::Ok(QByteArray(1001, 'x')));
    server.Route("/elsewhere", TestHttpServer::Status(302, "moved").Header(
                                   "Location", "http://localhost:" + QByteArray::number(server.Port()) + "/500"));
    server.Route("/certificate", TestHttpServer::Ok("secret"));
    QByteArray url = (situation == "certificate" ? server.BaseUrl() : server.HostPort()) + '/' + situation;
    if (situation == "refused") {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        url = "127.0.0.1:" + QByteArray::number(probe.serverPort()) + "/x";
        probe.close();  // nothing listens there any more
    }
    ScriptedPrompter prompter;
    prompter.cancelProgressAt = situation == "cancel" ? 3 : -1;
    FetchOptions options;
    options.stallMs = 1000;
    options.maxBytes = 1000;

    const FetchResult result = FetchUrl(url, prompter, options);

    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.Text(), text);
    QVERIFY(result.body.isEmpty());
    if (situation == "elsewhere")
        QCOMPARE(server.requests.size(), 1);  // the other host was never asked
    QVERIFY(prompter.shown.isEmpty());
}

void TestFetch::stalledServerGivesUp_data()
{
    QTest::addColumn<bool>("afterHeaders");
    QTest::newRow("no answer at all") << false;
    QTest::newRow("headers, then nothing") << true;
}

void TestFetch::stalledServerGivesUp()
{
    QFETCH(bool, afterHeaders);
    TestHttpServer server;
    QVERIFY(server.Listen());
    TestHttpServer::Response r = afterHeaders ? TestHttpServer::Ok("never sent") : TestHttpServer::Stalled();
    r.stallAfterHeaders = afterHeaders;
    server.Route("/hang", r);
    ScriptedPrompter prompter;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(FetchUrl(server.HostPort() + "/hang", prompter, 400).body.isEmpty());
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 350 && elapsed < 5000, qPrintable(QString::number(elapsed)));
    QCOMPARE(server.requests.size(), 1);
    QCOMPARE(prompter.progressOpen, 0);
}

void TestFetch::slowButSteadyTransferCompletes()
{
    // The limit is on silence, not on the whole transfer: 5 pieces 250 ms apart take
    // a second, longer than the 600 ms stall time, and still arrive.
    TestHttpServer server;
    QVERIFY(server.Listen());
    const QByteArray body = Pattern(5000);
    server.Route("/steady", TestHttpServer::Ok(body).Chunked(5, 250));
    ScriptedPrompter prompter;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(FetchUrl(server.HostPort() + "/steady", prompter, 600).body, body);
    QVERIFY(clock.elapsed() >= 900);

    // A server that keeps dripping is given up once the whole transfer takes too long.
    FetchOptions options;
    options.stallMs = 600;
    options.totalMs = 500;
    clock.restart();
    QVERIFY(FetchUrl(server.HostPort() + "/steady", prompter, options).body.isEmpty());
    QVERIFY2(clock.elapsed() >= 450 && clock.elapsed() < 900, qPrintable(QString::number(clock.elapsed())));
}

void TestFetch::cancelAbortsTransfer()
{
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route("/hang", TestHttpServer::Stalled());
    ScriptedPrompter prompter;
    prompter.cancelProgressAt = 3;  // the user presses Cancel while nothing arrives
    QElapsedTimer clock;
    clock.start();
    QVERIFY(FetchUrl(server.HostPort() + "/hang", prompter, 60000).body.isEmpty());
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    // Nothing asked after the cancel (without a length yet, the steps count bytes).
    QCOMPARE(prompter.progressValues.size() + prompter.progressBytes.size(), 3);
    QCOMPARE(prompter.progressOpen, 0);
}

void TestFetch::progressWindowCancelButton()
{
    // The GUI's progress window: pressing its Cancel button ends a stalled transfer.
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route("/hang", TestHttpServer::Stalled());
    QtPrompter prompter;
    QString label;
    QTimer::singleShot(300, [&label] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QProgressDialog *>(w); dialog && dialog->isVisible()) {
                label = dialog->labelText();
                if (auto *button = dialog->findChild<QPushButton *>())
                    button->click();
            }
    });
    QElapsedTimer clock;
    clock.start();
    const QByteArray url = server.HostPort() + "/hang";
    QVERIFY(FetchUrl(url, prompter, 60000).body.isEmpty());
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(label, QStringLiteral("read : ") + QString::fromLatin1(url));
}

// The GUI's progress window for a body of unknown length: a busy bar and the bytes so far.
void TestFetch::progressWindowBusyWithoutLength()
{
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route("/nolength", TestHttpServer::Ok(Pattern(3000)).WithoutLength().Chunked(3, 400));
    QtPrompter prompter;
    int maximum = -1;
    QString label;
    QTimer::singleShot(600, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QProgressDialog *>(w); dialog && dialog->isVisible()) {
                maximum = dialog->maximum();
                label = dialog->labelText();
            }
    });
    const QByteArray url = server.HostPort() + "/nolength";
    QCOMPARE(FetchUrl(url, prompter).body.size(), 3000);
    QCOMPARE(maximum, 0);  // a busy indicator
    QVERIFY2(label.startsWith(QStringLiteral("read : ") + QString::fromLatin1(url) + QStringLiteral("\n"))
                 && label.endsWith(QStringLiteral(" received")),
             qPrintable(label));
}

void TestFetch::bodyOverTheLimitFails_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("declared");
    QTest::addColumn<int>("chunks");
    QTest::newRow("at the limit") << 1000 << true << 1;
    QTest::newRow("one byte over, declared") << 1001 << true << 1;
    QTest::newRow("one byte over, undeclared") << 1001 << false << 1;
    QTest::newRow("far over, in pieces, undeclared") << 50000 << false << 10;
}

void TestFetch::bodyOverTheLimitFails()
{
    QFETCH(int, size);
    QFETCH(bool, declared);
    QFETCH(int, chunks);
    TestHttpServer server;
    QVERIFY(server.Listen());
    TestHttpServer::Response answer = TestHttpServer::Ok(QByteArray(size, 'x')).Chunked(chunks, 10);
    if (!declared)
        answer.WithoutLength();
    server.Route("/big", answer);
    ScriptedPrompter prompter;
    FetchOptions options;
    options.maxBytes = 1000;
    QCOMPARE(FetchUrl(server.HostPort() + "/big", prompter, options).body.size(), size <= 1000 ? size : 0);
}

void TestFetch::bufferVariant_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("filled");
    QByteArray binary("PK\x03\x04\0\0\xFF\x00zz", 10);
    QTest::newRow("binary body with zero bytes") << 200 << binary << true;
    QTest::newRow("empty body") << 200 << QByteArray() << false;
    QTest::newRow("404") << 404 << QByteArray("missing") << false;
}

void TestFetch::bufferVariant()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, filled);
    TestHttpServer server;
    QVERIFY(server.Listen());
    server.Route("/file.zip", TestHttpServer::Status(status, body));
    ScriptedPrompter prompter;
    int length = -1;
    const std::unique_ptr<char[]> buffer = FetchUrlBuffer(server.HostPort() + "/file.zip", length, prompter);
    if (filled) {
        QVERIFY(buffer);
        QCOMPARE(length, int(body.size()));
        QCOMPARE(QByteArray(buffer.get(), length), body);
    } else {
        QVERIFY(!buffer);
        QCOMPARE(length, 0);
    }
}

QTEST_MAIN(TestFetch)
#include "test_fetch.moc"
