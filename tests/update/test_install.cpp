#include "common/scriptedprompter.h"
#include "support/testhttpserver.h"
#include "update/update.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <zip.h>

// The whole update check against the fixture server: a version list and a zip archive
// built here, installed into a temporary folder that stands in for the executable's.
class TestInstall : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void replacesFilesKeepingOldCopies();
    void restartStartsTheNewExecutable();
    void uncreatableEntryReportedOnce();
    void nothingTouched_data();
    void nothingTouched();
    void pathTraversalRefused();

private:
    using Entries = QList<QPair<QByteArray, QByteArray>>;  // stored name, content; content
                                                           // "/" makes a folder entry
    QByteArray Zip(const Entries &entries);
    void Serve(const QByteArray &archive);
    bool Check(bool restart);
    void Write(const QString &name, const QByteArray &content);
    QByteArray Read(const QString &name) const;
    QMap<QString, QByteArray> Snapshot() const;

    struct Launch
    {
        QString program;
        QStringList arguments;
    };

    QTemporaryDir *root_ = nullptr;
    QString app_;  // the stand-in executable folder, with a trailing "/"
    TestHttpServer *server_ = nullptr;
    ScriptedPrompter prompter_;
    QList<Launch> launches_;
};

namespace {
const QByteArray kList = "OTHER=v03.00,01/01/2014,other.zip;\r\n"
                         "KESTRAVON=v01.10,24/12/2013,kestravon110.zip;\r\n";
const QString kQuestion = QStringLiteral(
    "[3B New version present !&]Program filename -|: KESTRAVON&Version          -|: v01.10"
    "&Release date     -|: 24/12/2013&&Would you download the new file ?");
} // namespace

void TestInstall::init()
{
    root_ = new QTemporaryDir;
    QVERIFY(root_->isValid());
    QVERIFY(QDir(root_->path()).mkdir(QStringLiteral("app")));
    app_ = root_->path() + QStringLiteral("/app/");
    server_ = new TestHttpServer;
    QVERIFY(server_->Listen());
    server_->Route("/software/lastversions.txt", TestHttpServer::Ok(kList));
    prompter_ = ScriptedPrompter();
    launches_.clear();
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
    for (const auto &e : entries) {
        if (e.second == "/") {
            zip_dir_add(zip, e.first.constData(), ZIP_FL_ENC_UTF_8);
            continue;
        }
        // The data must live until zip_close: `entries` outlives it.
        zip_source_t *src = zip_source_buffer(zip, e.second.constData(), zip_uint64_t(e.second.size()), 0);
        if (zip_file_add(zip, e.first.constData(), src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(src);
            qWarning("zip_file_add %s: %s", e.first.constData(), zip_strerror(zip));
        }
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

void TestInstall::Serve(const QByteArray &archive)
{
    server_->Route("/software/kestravon110.zip", TestHttpServer::Ok(archive));
}

bool TestInstall::Check(bool restart)
{
    UpdateSite site;
    site.host = server_->HostPort();
    site.directory = app_;
    site.executable = QStringLiteral("KESTRAVON");
    site.launch = [this](const QString &program, const QStringList &arguments) {
        launches_.append({program, arguments});
        return true;
    };
    site.stallMs = 5000;
    return CheckForUpdate(QStringLiteral("KESTRAVON"), QStringLiteral("v01.09"), restart, prompter_, site);
}

void TestInstall::Write(const QString &name, const QByteArray &content)
{
    QFile f(app_ + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray TestInstall::Read(const QString &name) const
{
    QFile f(app_ + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Every file below the temporary root (the stand-in folder and its surroundings).
QMap<QString, QByteArray> TestInstall::Snapshot() const
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root_->path(), QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files.insert(path.mid(root_->path().size()),
                     it.fileInfo().isDir() ? QByteArray("<dir>") : (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray()));
    }
    return files;
}

void TestInstall::replacesFilesKeepingOldCopies()
{
    Write(QStringLiteral("KESTRAVON"), "old program");
    Write(QStringLiteral("Help.txt"), "old help");
    Write(QStringLiteral("KESTRAVON.OLD"), "program of the update before");
    QVERIFY(QDir(app_).mkdir(QStringLiteral("docs")));
    const Entries entries = {{"KESTRAVON", "new program"}, {"Help.txt", "new help"},
                             {"docs/", "/"}, {"docs/manual.txt", "manual"}, {"New.txt", QByteArray(70000, 'n')}};
    Serve(Zip(entries));
    prompter_.answers = {Prompter::Answer::Ok};

    QVERIFY(Check(false));

    QCOMPARE(Read(QStringLiteral("KESTRAVON")), QByteArray("new program"));
    QCOMPARE(Read(QStringLiteral("KESTRAVON.OLD")), QByteArray("old program"));
    QCOMPARE(Read(QStringLiteral("Help.txt")), QByteArray("new help"));
    QCOMPARE(Read(QStringLiteral("Help.txt.OLD")), QByteArray("old help"));
    QCOMPARE(Read(QStringLiteral("docs/manual.txt")), QByteArray("manual"));
    QCOMPARE(Read(QStringLiteral("New.txt")), QByteArray(70000, 'n'));
    QVERIFY(!QFile::exists(app_ + QStringLiteral("New.txt.OLD")));
    QVERIFY(!QFile::exists(app_ + QStringLiteral("docs.OLD")));
    QCOMPARE(prompter_.Messages(), QStringList{kQuestion});
    QVERIFY(launches_.isEmpty());
    QCOMPARE(server_->Targets(), (QByteArrayList{"/software/lastversions.txt", "/software/kestravon110.zip"}));
    const QString host = QString::fromLatin1(server_->HostPort());
    QCOMPARE(prompter_.progressTexts,
             (QStringList{QStringLiteral("read : ") + host + QStringLiteral("/software/lastversions.txt"),
                          QStringLiteral("read : ") + host + QStringLiteral("/software/kestravon110.zip")}));
}

void TestInstall::restartStartsTheNewExecutable()
{
    Write(QStringLiteral("KESTRAVON"), "old program");
    const Entries entries = {{"KESTRAVON", "new program"}};
    Serve(Zip(entries));
    prompter_.answers = {Prompter::Answer::Ok};
    QVERIFY(Check(true));
    QCOMPARE(launches_.size(), 1);
    QCOMPARE(launches_.first().program, app_ + QStringLiteral("KESTRAVON"));
    QCOMPARE(launches_.first().arguments, QStringList{QStringLiteral("-nocheck")});
}

void TestInstall::uncreatableEntryReportedOnce()
{
    Write(QStringLiteral("A.txt"), "old a");
    const Entries entries = {{"A.txt", "new a"}, {"nofolder/B.txt", "b"}, {"C.txt", "c"}};
    Serve(Zip(entries));
    prompter_.answers = {Prompter::Answer::Ok};

    QVERIFY(!Check(true));

    QCOMPARE(prompter_.Messages(),
             (QStringList{kQuestion, QStringLiteral("Error creating file : nofolder/B.txt")}));
    QCOMPARE(Read(QStringLiteral("A.txt")), QByteArray("new a"));
    QCOMPARE(Read(QStringLiteral("A.txt.OLD")), QByteArray("old a"));
    QCOMPARE(Read(QStringLiteral("C.txt")), QByteArray("c"));
    QVERIFY(!QDir(app_ + QStringLiteral("nofolder")).exists());
    QVERIFY(launches_.isEmpty());
}

void TestInstall::nothingTouched_data()
{
    QTest::addColumn<bool>("serveList");
    QTest::addColumn<int>("archive");  // 0 none (404), 1 a real archive, 2 bytes that are no zip
    QTest::addColumn<bool>("answerOk");
    QTest::addColumn<QStringList>("messages");
    const QString url = QStringLiteral("%1/software/kestravon110.zip");
    QTest::newRow("list not fetched") << false << 1 << true
        << QStringList{QStringLiteral("Download of %1/software/lastversions.txt failed")};
    QTest::newRow("archive not fetched") << true << 0 << true
        << QStringList{kQuestion, QStringLiteral("Download of ") + url + QStringLiteral(" failed")};
    QTest::newRow("user cancels") << true << 1 << false << QStringList{kQuestion};
    QTest::newRow("archive unreadable") << true << 2 << true
        << QStringList{kQuestion, QStringLiteral("Download of ") + url + QStringLiteral(" failed")};
}

void TestInstall::nothingTouched()
{
    QFETCH(bool, serveList);
    QFETCH(int, archive);
    QFETCH(bool, answerOk);
    QFETCH(QStringList, messages);
    Write(QStringLiteral("KESTRAVON"), "old program");
    Write(QStringLiteral("KESTRAVON.OLD"), "older program");
    if (!serveList)
        server_->Route("/software/lastversions.txt", TestHttpServer::Status(404, "missing"));
    if (archive == 1) {
        const Entries entries = {{"KESTRAVON", "new program"}};
        Serve(Zip(entries));
    } else if (archive == 2) {
        Serve("<html>this is not the archive</html>");
    }
    prompter_.answers = {answerOk ? Prompter::Answer::Ok : Prompter::Answer::Cancel};
    const auto before = Snapshot();

    QVERIFY(!Check(true));

    QCOMPARE(Snapshot(), before);
    QVERIFY(launches_.isEmpty());
    for (QString &m : messages)
        if (m.contains(QLatin1String("%1")))
            m = m.arg(QString::fromLatin1(server_->HostPort()));
    QCOMPARE(prompter_.Messages(), messages);
    if (!answerOk)
        QCOMPARE(server_->Targets(), QByteArrayList{"/software/lastversions.txt"});
}

void TestInstall::pathTraversalRefused()
{
    // root/outside is a folder beside the stand-in executable folder root/app; app/link
    // points into it.
    QVERIFY(QDir(root_->path()).mkdir(QStringLiteral("outside")));
    const QString outside = root_->path() + QStringLiteral("/outside");
    QVERIFY(QFile::link(outside, app_ + QStringLiteral("link")));
    const QByteArray absolute = QFile::encodeName(root_->path() + QStringLiteral("/absolute.txt"));
    const Entries entries = {{"../evil.txt", "x"},
                             {absolute, "x"},
                             {"docs/../../evil2.txt", "x"},
                             {"..\\evil3.txt", "x"},
                             {"link/escape.txt", "x"},
                             {"good.txt", "good"}};
    Serve(Zip(entries));
    prompter_.answers = {Prompter::Answer::Ok};
    const auto before = Snapshot();

    QVERIFY(!Check(true));

    QCOMPARE(prompter_.Messages(),
             (QStringList{kQuestion,
                          QStringLiteral("Error creating file : ../evil.txt"),
                          QStringLiteral("Error creating file : ") + QFile::decodeName(absolute),
                          QStringLiteral("Error creating file : docs/../../evil2.txt"),
                          QStringLiteral("Error creating file : ../evil3.txt"),
                          QStringLiteral("Error creating file : link/escape.txt")}));
    auto after = Snapshot();
    QCOMPARE(after.take(QStringLiteral("/app/good.txt")), QByteArray("good"));
    QCOMPARE(after, before);  // nothing else written, renamed or deleted anywhere
    QVERIFY(launches_.isEmpty());
}

QTEST_MAIN(TestInstall)
#include "test_install.moc"
