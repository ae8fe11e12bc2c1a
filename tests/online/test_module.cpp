// The online module: found and loaded where the build and the install rules put it,
// refused when it is not one, and never loaded by a window started with -nocheck.
#include "common/version.h"
#include "online/online.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data();
    void load();
    void installedModuleIsFound();
    void windowStartsWithoutNetworkLibraries();
};

void TestModule::load_data()
{
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QStringList>("named");  // files the reason must name

    const QString module = QStringLiteral(KESTRAVON_ONLINE_MODULE);
    const QString missing = QStringLiteral("/nonexistent/kestravon-online.so");
    const QString text = QStringLiteral(KESTRAVON_SOURCE_DIR "/tests/online/test_module.cpp");
    const QString other = QStringLiteral(KESTRAVON_GONE_LIBRARY);
    QTest::newRow("the built module") << QStringList{module} << true << QStringList{};
    QTest::newRow("first missing, second tried") << QStringList{missing, module} << true << QStringList{};
    QTest::newRow("none there") << QStringList{missing} << false << QStringList{missing};
    QTest::newRow("not a library") << QStringList{text} << false << QStringList{text};
    QTest::newRow("a library without the entry") << QStringList{missing, other} << false
                                                  << QStringList{missing, other};
}

void TestModule::load()
{
    QFETCH(QStringList, candidates);
    QFETCH(bool, loads);
    QFETCH(QStringList, named);

    QString reason = QStringLiteral("stale");
    const OnlineServices *services = LoadOnlineModule(candidates, reason);
    QCOMPARE(services != nullptr, loads);
    if (loads) {
        QVERIFY(reason.isEmpty());
        QCOMPARE(services->revision, kOnlineRevision);
        QCOMPARE(QByteArray(services->release), QByteArray(kProgramRelease));
        QVERIFY(services->checkForUpdate && services->infoBelLookup && services->geocodeLookup);
        return;
    }
    // One line per file tried.
    QCOMPARE(reason.count(QLatin1Char('\n')), candidates.size() - 1);
    for (const QString &path : named)
        QVERIFY2(reason.contains(path), qPrintable(reason));
}

// `cmake --install` puts the program and the module where the program looks for it.
void TestModule::installedModuleIsFound()
{
    QTemporaryDir prefix;
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(KESTRAVON_BINARY_DIR),
                                            QStringLiteral("--prefix"), prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QVERIFY(QFile::exists(bin + QStringLiteral("/kestravon")));
    const QStringList candidates = OnlineModuleCandidates(bin);
    QVERIFY(!QFile::exists(candidates.first()));  // nothing is installed beside the program
    QString reason;
    QVERIFY2(LoadOnlineModule(candidates, reason), qPrintable(reason));
}

// The window is up (the program confirms it as it does for an update) and none of the
// libraries that only the look-ups and the update check need is mapped, nor any image
// plugin (the program's images are PNG, which Qt reads itself).
void TestModule::windowStartsWithoutNetworkLibraries()
{
    QTemporaryDir dir;
    const QString confirm = dir.filePath(QStringLiteral("up"));
    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KESTRAVON_UPDATE_CONFIRM"), confirm);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(QStringLiteral(KESTRAVON_BINARY_DIR "/src/app/kestravon"), {QStringLiteral("-nocheck")});
    QVERIFY(app.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(confirm), 20000);
    QFile maps(QStringLiteral("/proc/%1/maps").arg(app.processId()));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    app.kill();
    app.waitForFinished(5000);

    QVERIFY(mapped.contains("libQt6Widgets.so"));
    for (const char *library : {"libQt6Network.so", "libcrypto.so", "libssl.so", "libzip.so", "libbz2.so",
                                "libgssapi_krb5.so", "libkrb5.so", "libproxy.so", "kestravon-online",
                                "/imageformats/"})
        QVERIFY2(!mapped.contains(library), library);
}

QTEST_GUILESS_MAIN(TestModule)
#include "test_module.moc"
