// The online and phone modules: found and loaded where the build and the install rules
// put them, refused when they are not one, and never loaded by a window started with
// -nocheck; numbers without the phone module.
#include "common/version.h"
#include "online/online.h"
#include "store/phonemodule.h"

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
    void phoneModule_data();
    void phoneModule();
    void withoutPhoneLibrary_data();
    void withoutPhoneLibrary();
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

void TestModule::phoneModule_data()
{
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<bool>("loads");

    const QString missing = QStringLiteral("/nonexistent/kestravon-phone.so");
    const QString module = QStringLiteral(KESTRAVON_PHONE_MODULE);
    const QString online = QStringLiteral(KESTRAVON_ONLINE_MODULE);
    QTest::newRow("the built module") << QStringList{missing, module} << true;
    QTest::newRow("the online module") << QStringList{online} << false;
    QTest::newRow("none there") << QStringList{missing} << false;
}

// The module's table reads numbers with the library: a national number of the region
// is valid and written internationally.
void TestModule::phoneModule()
{
    QFETCH(QStringList, candidates);
    QFETCH(bool, loads);

    QString reason;
    const PhoneFunctions *phone = LoadPhoneModule(candidates, reason);
    QCOMPARE(phone != nullptr, loads);
    QCOMPARE(reason.isEmpty(), loads);
    if (!phone)
        return;
    QCOMPARE(phone->readPhone(QStringLiteral("030 1234567"), QStringLiteral("DE")).kind, PhoneKind::Valid);
    QCOMPARE(phone->tidyPhone(QStringLiteral("030 1234567"), QStringLiteral("DE"), PhoneFormat::International).text,
             QStringLiteral("+49 30 1234567"));
    QCOMPARE(phone->phoneCountryCode(QStringLiteral("IT")), 39);
}

void TestModule::withoutPhoneLibrary_data()
{
    QTest::addColumn<QString>("phone");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("other");
    QTest::addColumn<int>("match");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("found");

    const int same = int(PhoneMatch::Same), different = int(PhoneMatch::Different);
    QTest::newRow("digits") << "030/123 45" << int(PhoneKind::Valid) << "030 12345" << same << "0123" << true;
    QTest::newRow("country code not known") << "+49 30 12345" << int(PhoneKind::Valid) << "030 12345" << different
                                            << "+49 030" << false;
    QTest::newRow("pause") << "0301,23" << int(PhoneKind::DialCharacters) << "030123" << same << "12" << false;
    QTest::newRow("letters") << "0800 FLORAL" << int(PhoneKind::Letters) << "0800" << same << "800" << true;
    QTest::newRow("no digits") << "-" << int(PhoneKind::NotANumber) << "-" << different << "-" << false;
}

// A program whose phone module is missing keeps numbers as typed and compares them by
// their digits.
void TestModule::withoutPhoneLibrary()
{
    QFETCH(QString, phone);
    QFETCH(int, kind);
    QFETCH(QString, other);
    QFETCH(int, match);
    QFETCH(QString, typed);
    QFETCH(bool, found);

    const PhoneFunctions &without = PhoneFunctionsWithoutLibrary();
    const QString region = QStringLiteral("DE");
    QCOMPARE(int(without.readPhone(phone, region).kind), kind);
    const PhoneTidy tidy = without.tidyPhone(phone, region, PhoneFormat::International);
    QCOMPARE(tidy.text, phone);
    QVERIFY(!tidy.changed);
    QCOMPARE(int(without.comparePhones(phone, other, region)), match);
    const QString key = without.phoneMatchKey(phone, region);
    QCOMPARE(!key.isEmpty() && key == without.phoneMatchKey(other, region), match == int(PhoneMatch::Same));
    QCOMPARE(PhoneFilterKeyMatches(without.phoneFilterKey(phone, region), typed), found);
    QCOMPARE(without.phoneFilterMatches(phone, typed, region), found);
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
    QVERIFY2(LoadPhoneModule(PhoneModuleCandidates(bin), reason), qPrintable(reason));
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
                                "/imageformats/", "libphonenumber.so", "libprotobuf", "libabsl_",
                                "kestravon-phone"})
        QVERIFY2(!mapped.contains(library), library);
}

QTEST_GUILESS_MAIN(TestModule)
#include "test_module.moc"
