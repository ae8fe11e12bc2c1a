#include "support/scriptedprompter.h"
#include "support/testhttpserver.h"
#include "support/testkeys.h"
#include "update/update.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <zip.h>

// The whole update check against a local TLS server: a version list and a zip archive
// built here and signed with scripts/sign-update.sh under a key made for the test, the
// only certificate trusted made here too, installed into a temporary folder that stands
// in for the executable's.
class TestInstall : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void replacesFilesKeepingOldCopies();
    void permissionsKept_data();
    void permissionsKept();
    void failedEntryChangesNothing_data();
    void failedEntryChangesNothing();
    void failedRestartRollsBack();
    void brokenNewProgramKeepsOld_data();
    void brokenNewProgramKeepsOld();
    void unrestorableFileReported();
    void nothingTouched_data();
    void nothingTouched();

private:
    struct Entry
    {
        QByteArray name;
        QByteArray content;  // "/" makes a folder entry
        int mode = -1;       // Unix permission bits; -1 none (a DOS entry)
    };
    using Entries = QList<Entry>;
    QByteArray Zip(const Entries &entries);
    QByteArray Sign(const QByteArray &archive, const QString &key);
    void Serve(const QByteArray &archive, const QByteArray &signature);
    void ServeSigned(const QByteArray &archive) { Serve(archive, Sign(archive, key_)); }
    bool Check(bool restart);
    void Write(const QString &name, const QByteArray &content, int mode = 0644);
    QByteArray Read(const QString &name) const;
    QMap<QString, QByteArray> Snapshot() const;

    QTemporaryDir keys_;
    QString key_, otherKey_;  // private keys (files in keys_)
    QByteArray publicKey_;
    TestCertificate certificate_, otherCertificate_;

    QTemporaryDir *root_ = nullptr;
    QString app_;  // the stand-in executable folder, with a trailing "/"
    TestHttpServer *server_ = nullptr;
    ScriptedPrompter prompter_;
    QStringList launches_;
    std::function<qint64(const QString &, const QStringList &, const QString &)> launch_;
    QList<QSslCertificate> trusted_;
    int probeMs_ = 3000;
    int confirmMs_ = 5000;
};

namespace {
const QByteArray kList = "OTHER=v03.00,01/01/2014,other.zip;\r\n"
                         "KESTRAVON=v01.10,24/12/2013,kestravon110.zip;\r\n";
const QString kQuestion = QStringLiteral(
    "[3B New version present !&]Program filename -|: KESTRAVON&Version          -|: v01.10"
    "&Release date     -|: 24/12/2013&&Would you download the new file ?");
const QByteArray kArchivePath = "/software/kestravon110.zip";

// New programs. Each answers "--version" as `version` says; started otherwise it does what
// `start` says. kScript notes its arguments in the file "started" beside itself and
// confirms that it runs.
QByteArray Program(const QByteArray &start, const QByteArray &version = "echo 'kestravon 1.10.0 (KESTRAVON v01.10 - 24/12/2013)'")
{
    return "#!/bin/sh\nif [ \"$1\" = --version ]; then\n" + version + "\nexit 0\nfi\n" + start + '\n';
}
const QByteArray kConfirm = "echo up > \"$KESTRAVON_UPDATE_CONFIRM\"";
const QByteArray kOldProgram = Program("exit 0", "echo 'kestravon 1.9.0 (KESTRAVON v01.09 - 01/12/2013)'");

// Whether process `pid` runs (one that ended but was not yet reaped does not).
bool Running(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && close + 2 < line.size() && line.at(close + 2) != 'Z' && line.at(close + 2) != 'X';
}
const QByteArray kScript = Program("echo \"$@\" > \"$(dirname \"$0\")/started\"\n" + kConfirm);
} // namespace

void TestInstall::initTestCase()
{
    // Qt's TLS backend (OpenSSL, loaded at run time) must be there, or https fails.
    QVERIFY(QSslSocket::supportsSsl());
    QVERIFY(keys_.isValid());
    key_ = QStringLiteral("update.pem");
    otherKey_ = QStringLiteral("other.pem");
    publicKey_ = MakeSigningKey(keys_.path(), key_);
    QCOMPARE(publicKey_.size(), 32);
    QVERIFY(!MakeSigningKey(keys_.path(), otherKey_).isEmpty());
    QVERIFY(certificate_.Make(keys_.path(), QStringLiteral("server")));
    QVERIFY(otherCertificate_.Make(keys_.path(), QStringLiteral("stranger")));
}

void TestInstall::init()
{
    root_ = new QTemporaryDir;
    QVERIFY(root_->isValid());
    QVERIFY(QDir(root_->path()).mkdir(QStringLiteral("app")));
    app_ = root_->path() + QStringLiteral("/app/");
    server_ = new TestHttpServer;
    QVERIFY(server_->ListenTls(certificate_.certificate, certificate_.key));
    server_->Route("/software/lastversions.txt", TestHttpServer::Ok(kList));
    prompter_ = ScriptedPrompter();
    launches_.clear();
    // Stands in for the restart: notes the command and confirms at once.
    launch_ = [this](const QString &program, const QStringList &arguments, const QString &confirm) {
        launches_.append(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
        QFile marker(confirm);
        return marker.open(QIODevice::WriteOnly) ? QCoreApplication::applicationPid() : qint64(0);
    };
    trusted_ = {certificate_.certificate};
    probeMs_ = 3000;
    confirmMs_ = 5000;
}

void TestInstall::cleanup()
{
    delete server_;
    server_ = nullptr;
    delete root_;
    root_ = nullptr;
}

QByteArray TestInstall::Zip(const Entries &entries)
{
    const QString path = root_->path() + QStringLiteral("/build.zip");
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return {};
    for (const Entry &e : entries) {
        if (e.content == "/") {
            zip_dir_add(zip, e.name.constData(), ZIP_FL_ENC_UTF_8);
            continue;
        }
        // The data must live until zip_close: `entries` outlives it.
        zip_source_t *src = zip_source_buffer(zip, e.content.constData(), zip_uint64_t(e.content.size()), 0);
        const zip_int64_t index = zip_file_add(zip, e.name.constData(), src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(src);
            continue;
        }
        // Stored, so that a test can find and damage an entry's bytes.
        zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
        if (e.mode >= 0)
            zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(0100000 | e.mode) << 16);
        else
            zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_DOS, 0);
    }
    if (zip_close(zip) != 0)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    file.close();
    file.remove();
    return data;
}

// The signature as the release script makes it.
QByteArray TestInstall::Sign(const QByteArray &archive, const QString &key)
{
    const QString path = keys_.filePath(QStringLiteral("archive.zip"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    f.write(archive);
    f.close();
    QProcess p;
    p.start(QStringLiteral("bash"), {QStringLiteral(KESTRAVON_TESTDATA "/../../scripts/sign-update.sh"), path,
                                     keys_.filePath(key)});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    QFile sig(path + QStringLiteral(".sig"));
    return sig.open(QIODevice::ReadOnly) ? sig.readAll() : QByteArray();
}

void TestInstall::Serve(const QByteArray &archive, const QByteArray &signature)
{
    server_->Route(kArchivePath, TestHttpServer::Ok(archive));
    if (!signature.isNull())
        server_->Route(kArchivePath + ".sig", TestHttpServer::Ok(signature));
}

bool TestInstall::Check(bool restart)
{
    UpdateSite site;
    site.scheme = "https";
    site.host = server_->HostPort();
    site.publicKey = publicKey_;
    site.directory = app_;
    site.executable = QStringLiteral("kestravon");
    site.launch = launch_;
    site.probeMs = probeMs_;
    site.confirmMs = confirmMs_;
    site.fetch.stallMs = 5000;
    site.fetch.trusted = trusted_;
    return CheckForUpdate(QStringLiteral("KESTRAVON"), QStringLiteral("v01.09"), restart, prompter_, site);
}

void TestInstall::Write(const QString &name, const QByteArray &content, int mode)
{
    QFile f(app_ + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    QCOMPARE(::chmod(QFile::encodeName(app_ + name).constData(), mode_t(mode)), 0);
}

QByteArray TestInstall::Read(const QString &name) const
{
    QFile f(app_ + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Every file below the temporary root with its permission bits (the stand-in folder and
// its surroundings).
QMap<QString, QByteArray> TestInstall::Snapshot() const
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root_->path(), QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        const QByteArray mode = QByteArray::number(int(f.permissions()), 8) + ' ';
        files.insert(path.mid(root_->path().size()),
                     mode + (it.fileInfo().isDir() ? QByteArray("<dir>")
                                                   : (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray())));
    }
    return files;
}

void TestInstall::replacesFilesKeepingOldCopies()
{
    Write(QStringLiteral("kestravon"), "old program");
    Write(QStringLiteral("Help.txt"), "old help");
    Write(QStringLiteral("kestravon.OLD"), "program of the update before");
    QVERIFY(QDir(app_).mkdir(QStringLiteral("docs")));
    const Entries entries = {{"kestravon", kScript, 0755}, {"Help.txt", "new help"}, {"docs/", "/"},
                             {"docs/manual.txt", "manual"}, {"New.txt", QByteArray(70000, 'n')}};
    ServeSigned(Zip(entries));
    prompter_.answers = {Prompter::Answer::Ok};

    QVERIFY(Check(false));

    QCOMPARE(Read(QStringLiteral("kestravon")), kScript);
    QCOMPARE(Read(QStringLiteral("kestravon.OLD")), QByteArray("old program"));
    QCOMPARE(Read(QStringLiteral("Help.txt")), QByteArray("new help"));
    QCOMPARE(Read(QStringLiteral("Help.txt.OLD")), QByteArray("old help"));
    QCOMPARE(Read(QStringLiteral("docs/manual.txt")), QByteArray("manual"));
    QCOMPARE(Read(QStringLiteral("New.txt")), QByteArray(70000, 'n'));
    // Nothing else: no temporaries, no set-aside ".OLD" of the update before.
    QStringList files = QDir(app_).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    QCOMPARE(files, (QStringList{"Help.txt", "Help.txt.OLD", "New.txt", "kestravon", "kestravon.OLD"}));
    QCOMPARE(prompter_.Messages(), QStringList{kQuestion});
    QVERIFY(launches_.isEmpty());
    QCOMPARE(server_->Targets(), (QByteArrayList{"/software/lastversions.txt", kArchivePath, kArchivePath + ".sig"}));
    const QString base = QString::fromLatin1(server_->BaseUrl());
    QCOMPARE(prompter_.progressTexts,
             (QStringList{QStringLiteral("read : ") + base + QStringLiteral("/software/lastversions.txt"),
                          QStringLiteral("read : ") + base + QString::fromLatin1(kArchivePath),
                          QStringLiteral("read : ") + base + QString::fromLatin1(kArchivePath + ".sig")}));
}

// The restarted program must run: a shell script stands in for it and is really started.
void TestInstall::permissionsKept_data()
{
    QTest::addColumn<int>("entryMode");     // -1: the entry carries none
    QTest::addColumn<int>("replacedMode");  // the program being replaced
    QTest::addColumn<bool>("starts");
    QTest::newRow("entry 0755") << 0755 << 0644 << true;
    QTest::newRow("no mode: the replaced program's") << -1 << 0750 << true;
    QTest::newRow("no mode, replaced one not executable") << -1 << 0644 << false;
}

void TestInstall::permissionsKept()
{
    QFETCH(int, entryMode);
    QFETCH(int, replacedMode);
    QFETCH(bool, starts);
    Write(QStringLiteral("kestravon"), "#!/bin/sh\nexit 0\n", replacedMode);
    const Entries entries = {{"kestravon", kScript, entryMode}, {"readme.txt", "read me"}};
    ServeSigned(Zip(entries));
    prompter_.answers = {Prompter::Answer::Ok};
    launch_ = LaunchDetached;
    const mode_t mask = umask(022);

    const bool ok = Check(true);
    umask(mask);

    QCOMPARE(ok, starts);
    if (starts) {
        // Started, and it confirmed before the check returned.
        QCOMPARE(Read(QStringLiteral("started")), QByteArray("-nocheck\n"));
        QCOMPARE(Read(QStringLiteral("kestravon.OLD")), QByteArray("#!/bin/sh\nexit 0\n"));
        const mode_t expected = mode_t(entryMode >= 0 ? entryMode : replacedMode);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(app_ + "kestravon").constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, expected);
        QCOMPARE(::stat(QFile::encodeName(app_ + "readme.txt").constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0644));
        QCOMPARE(prompter_.Messages(), QStringList{kQuestion});
    } else {
        QCOMPARE(Read(QStringLiteral("kestravon")), QByteArray("#!/bin/sh\nexit 0\n"));
        QVERIFY(!QFile::exists(app_ + QStringLiteral("readme.txt")));
        QCOMPARE(prompter_.Messages(),
                 (QStringList{kQuestion, QStringLiteral("The new version does not start on this computer: "
                                                        "execvp: Permission denied")}));
    }
}

// One entry that cannot be written, in the middle of the archive: the folder stays
// exactly as it was (contents and permissions), and the failing entry is named.
void TestInstall::failedEntryChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<bool>("damaged");  // the entry's stored bytes are damaged after zipping
    QTest::newRow("damaged entry") << QByteArray("Middle.txt") << true;
    QTest::newRow("folder missing") << QByteArray("nofolder/B.txt") << false;
    QTest::newRow("a folder in the way") << QByteArray("docs") << false;
    QTest::newRow("parent") << QByteArray("../evil.txt") << false;
    QTest::newRow("parent inside") << QByteArray("docs/../../evil.txt") << false;
    QTest::newRow("parent, backslash") << QByteArray("..\\evil.txt") << false;
    QTest::newRow("absolute") << QByteArray("/tmp/kestravon-evil.txt") << false;
    QTest::newRow("through a link") << QByteArray("link/escape.txt") << false;
}

void TestInstall::failedEntryChangesNothing()
{
    QFETCH(QByteArray, bad);
    QFETCH(bool, damaged);
    QVERIFY(QDir(root_->path()).mkdir(QStringLiteral("outside")));
    QVERIFY(QFile::link(root_->path() + QStringLiteral("/outside"), app_ + QStringLiteral("link")));
    QVERIFY(QDir(app_).mkdir(QStringLiteral("docs")));
    Write(QStringLiteral("kestravon"), "old program", 0755);
    Write(QStringLiteral("A.txt"), "old a");
    Write(QStringLiteral("A.txt.OLD"), "older a");
    const QByteArray middle = "MIDDLE-" + QByteArray(5000, 'm');
    const Entries entries = {{"A.txt", "new a"}, {"kestravon", "new program", 0755}, {bad, middle},
                             {"C.txt", "c"}};
    QByteArray archive = Zip(entries);
    if (damaged) {
        const int at = int(archive.indexOf(middle));
        QVERIFY(at > 0);
        archive[at + 100] = 'X';
    }
    ServeSigned(archive);
    prompter_.answers = {Prompter::Answer::Ok};
    const auto before = Snapshot();

    QVERIFY(!Check(true));

    QCOMPARE(Snapshot(), before);
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/kestravon-evil.txt")));
    QVERIFY(launches_.isEmpty());
    const QString name = QString::fromLatin1(bad).replace('\\', '/');
    QCOMPARE(prompter_.Messages(),
             (QStringList{kQuestion, damaged ? QStringLiteral("The update archive is damaged (%1)").arg(name)
                                             : QStringLiteral("Error creating file : ") + name}));
}

void TestInstall::failedRestartRollsBack()
{
    Write(QStringLiteral("kestravon"), "old program", 0755);
    Write(QStringLiteral("kestravon.OLD"), "older program", 0755);
    Write(QStringLiteral("Help.txt"), "old help");
    const Entries entries = {{"kestravon", kScript, 0755}, {"Help.txt", "new help"}, {"New.txt", "new"}};
    ServeSigned(Zip(entries));
    prompter_.answers = {Prompter::Answer::Ok};
    launch_ = [this](const QString &, const QStringList &, const QString &) {
        // The new files are in place when the start is tried.
        launches_.append(QString::fromLatin1(Read(QStringLiteral("kestravon"))));
        return qint64(0);
    };
    const auto before = Snapshot();

    QVERIFY(!Check(true));

    QCOMPARE(launches_, QStringList{QString::fromLatin1(kScript)});
    QCOMPARE(Snapshot(), before);
    QCOMPARE(prompter_.Messages(), (QStringList{kQuestion, QStringLiteral("Error starting the new version")}));
}

// New programs that cannot run here: tried out before anything is replaced, or taken
// back out when they stop before their window is up. Either way the folder is as it was
// and the old program goes on (the check returns false).
void TestInstall::brokenNewProgramKeepsOld_data()
{
    QTest::addColumn<QByteArray>("program");  // "needs gone": the program built against a missing library
    QTest::addColumn<QString>("message");     // a pattern
    const QString probe = QStringLiteral("^The new version does not start on this computer: ");
    const QString restored = QStringLiteral("^The new version stopped at start-up; the previous version was restored\\.$");
    QTest::newRow("missing library") << QByteArray("needs gone")
        << probe + "kestravon: error while loading shared libraries: libkestravon_gone\\.so: .* \\(exit status 127\\)$";
    QTest::newRow("crash at --version") << Program("", "kill -SEGV $$")
                                        << probe + "ended by signal 11 \\(.+\\)$";  // the signal's name in the user's language
    QTest::newRow("exit 1 at --version") << Program("", "echo 'kestravon: broken' >&2; exit 1")
                                         << probe + "kestravon: broken \\(exit status 1\\)$";
    QTest::newRow("wrong version") << Program("", "echo 'kestravon 1.9 (KESTRAVON v01.09)'")
                                   << probe + "it reports \"kestravon 1\\.9 \\(KESTRAVON v01\\.09\\)\" instead of version v01\\.10$";
    QTest::newRow("no answer") << Program("", "exec sleep 20") << probe + "no answer within 1 s$";
    QTest::newRow("crash at start") << Program("kill -SEGV $$") << restored;
    QTest::newRow("exit 1 at start") << Program("exit 1") << restored;
    QTest::newRow("no window") << Program("exec sleep 20")
        << "^The new version did not open its window within 1 s; the previous version was restored\\.$";
}

void TestInstall::brokenNewProgramKeepsOld()
{
    QFETCH(QByteArray, program);
    QFETCH(QString, message);
    if (program == "needs gone") {
        QFile elf(QStringLiteral(KESTRAVON_NEEDS_GONE));
        QVERIFY(elf.open(QIODevice::ReadOnly));
        program = elf.readAll();
    }
    Write(QStringLiteral("kestravon"), kOldProgram, 0755);
    Write(QStringLiteral("Help.txt"), "old help");
    ServeSigned(Zip({{"kestravon", program, 0755}, {"Help.txt", "new help"}}));
    prompter_.answers = {Prompter::Answer::Ok};
    QList<qint64> started;
    launch_ = [&started](const QString &program, const QStringList &arguments, const QString &confirm) {
        started.append(LaunchDetached(program, arguments, confirm));
        return started.last();
    };
    probeMs_ = 1000;
    confirmMs_ = 1000;
    const auto before = Snapshot();

    QVERIFY(!Check(true));

    QCOMPARE(Snapshot(), before);
    const QStringList messages = prompter_.Messages();
    QCOMPARE(messages.size(), 2);
    QVERIFY2(QRegularExpression(message).match(messages.last()).hasMatch(), qPrintable(messages.last()));
    // No new program is left running, and the program in the folder is the old one, whole.
    for (qint64 pid : started)
        QVERIFY2(!Running(pid), qPrintable(QString::number(pid)));
    QString reason;
    QVERIFY2(ProbeProgram(app_ + QStringLiteral("kestravon"), QStringLiteral("v01.09"), 3000, reason),
             qPrintable(reason));
}

// A file that cannot be put back is named, with where it belongs.
void TestInstall::unrestorableFileReported()
{
    Write(QStringLiteral("kestravon"), "old program", 0755);
    // Started, the new program puts a folder in its own place and stops.
    ServeSigned(Zip({{"kestravon", Program("rm -f \"$0\"; mkdir -p \"$0/x\"; exit 1"), 0755}}));
    prompter_.answers = {Prompter::Answer::Ok};
    launch_ = LaunchDetached;

    QVERIFY(!Check(true));

    QCOMPARE(prompter_.Messages(),
             (QStringList{kQuestion, QStringLiteral("The new version stopped at start-up."),
                          QStringLiteral("The previous version could not be put back: rename %1kestravon.OLD to "
                                         "%1kestravon by hand.").arg(app_)}));
    QCOMPARE(Read(QStringLiteral("kestravon.OLD")), QByteArray("old program"));
}

void TestInstall::nothingTouched_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("answerOk");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("detail");  // under the last message
    const QString listFailed = QStringLiteral("Download of %1/software/lastversions.txt failed");
    const QString archiveFailed = QStringLiteral("Download of %1") + QString::fromLatin1(kArchivePath)
        + QStringLiteral(" failed");
    const QStringList failed = {kQuestion, archiveFailed};
    const QStringList damaged = {kQuestion, QStringLiteral("The update archive is damaged (kestravon110.zip)")};
    const QStringList unsigned_ = {kQuestion, QStringLiteral("The update is not signed by the publisher")};
    const QString notThere = QStringLiteral("The server does not know this address (HTTP 404)");
    const QString toHttp = QStringLiteral("The server sent the request on to an unencrypted address; it was not followed");
    QTest::newRow("list not fetched") << "no list" << true << QStringList{listFailed} << notThere;
    QTest::newRow("certificate not trusted") << "stranger" << true << QStringList{listFailed}
                                             << "The server's certificate is not valid for 127.0.0.1";
    QTest::newRow("list redirected to http") << "to http" << true << QStringList{listFailed} << toHttp;
    QTest::newRow("archive redirected to http") << "archive to http" << true << failed << toHttp;
    QTest::newRow("archive not fetched") << "no archive" << true << failed << notThere;
    QTest::newRow("user cancels") << "good" << false << QStringList{kQuestion} << "";
    QTest::newRow("archive unreadable") << "not a zip" << true << damaged << "";
    QTest::newRow("archive empty") << "empty" << true << failed << "The server sent an empty answer";
    QTest::newRow("archive with folders only") << "folders" << true << damaged << "";
    QTest::newRow("signature missing") << "no signature" << true << unsigned_ << "";
    QTest::newRow("signed with another key") << "other key" << true << unsigned_ << "";
    QTest::newRow("archive changed after signing") << "changed" << true << unsigned_ << "";
    QTest::newRow("signature cut short") << "short signature" << true << unsigned_ << "";
}

void TestInstall::nothingTouched()
{
    QFETCH(QString, situation);
    QFETCH(bool, answerOk);
    QFETCH(QStringList, messages);
    QFETCH(QString, detail);
    Write(QStringLiteral("kestravon"), "old program", 0755);
    Write(QStringLiteral("kestravon.OLD"), "older program");
    const QByteArray archive = Zip({{"kestravon", "new program", 0755}});
    const QByteArray signature = Sign(archive, key_);
    QCOMPARE(signature.size(), 64);
    Serve(archive, signature);
    // A plain HTTP server that serves the same files: a redirect there must not be followed.
    TestHttpServer plain;
    QVERIFY(plain.Listen());
    plain.Route("/software/lastversions.txt", TestHttpServer::Ok(kList));
    plain.Route(kArchivePath, TestHttpServer::Ok(archive));
    plain.Route(kArchivePath + ".sig", TestHttpServer::Ok(signature));
    const auto redirect = [&](const QByteArray &target) {
        server_->Route(target, TestHttpServer::Status(301, "moved").Header("Location", plain.BaseUrl() + target));
    };
    if (situation == QLatin1String("to http")) {
        redirect("/software/lastversions.txt");
    } else if (situation == QLatin1String("archive to http")) {
        redirect(kArchivePath);
    } else if (situation == QLatin1String("no list")) {
        server_->Route("/software/lastversions.txt", TestHttpServer::Status(404, "missing"));
    } else if (situation == QLatin1String("stranger")) {
        trusted_ = {otherCertificate_.certificate};
    } else if (situation == QLatin1String("no archive")) {
        server_->Route(kArchivePath, TestHttpServer::Status(404, "missing"));
    } else if (situation == QLatin1String("not a zip")) {
        ServeSigned("<html>this is not the archive</html>");
    } else if (situation == QLatin1String("empty")) {
        ServeSigned(Zip({}));
    } else if (situation == QLatin1String("folders")) {
        ServeSigned(Zip({{"docs/", "/"}}));
    } else if (situation == QLatin1String("no signature")) {
        server_->Route(kArchivePath + ".sig", TestHttpServer::Status(404, "missing"));
    } else if (situation == QLatin1String("other key")) {
        Serve(archive, Sign(archive, otherKey_));
    } else if (situation == QLatin1String("changed")) {
        QByteArray changed = archive;
        changed[int(changed.indexOf("new program"))] = 'N';
        Serve(changed, signature);
    } else if (situation == QLatin1String("short signature")) {
        Serve(archive, signature.left(63));
    }
    prompter_.answers = {answerOk ? Prompter::Answer::Ok : Prompter::Answer::Cancel};
    const auto before = Snapshot();

    QVERIFY(!Check(true));

    QCOMPARE(Snapshot(), before);
    QVERIFY(launches_.isEmpty());
    QVERIFY(plain.requests.isEmpty());
    for (QString &m : messages)
        if (m.contains(QLatin1String("%1")))
            m = m.arg(QString::fromLatin1(server_->BaseUrl()));
    QCOMPARE(prompter_.Messages(), messages);
    QCOMPARE(prompter_.shown.last().detail, detail);
    if (!answerOk)
        QCOMPARE(server_->Targets(), QByteArrayList{"/software/lastversions.txt"});
}

QTEST_MAIN(TestInstall)
#include "test_install.moc"
