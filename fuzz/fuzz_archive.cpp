// The update archive on arbitrary bytes: the whole update check against the local fixture
// server, which offers a newer version and serves the input as its zip archive, signed
// with the run's own key. Never a crash, and nothing is ever written outside the
// program's directory.
#include "fuzzserver.h"
#include "fuzzsigner.h"
#include "update/update.h"

#include <QDir>

namespace {

// The server offers a newer version whose archive is the input.
TestHttpServer &Server()
{
    static TestHttpServer &server = [] () -> TestHttpServer & {
        TestHttpServer &s = FuzzServer();
        s.Route("/software/lastversions.txt", TestHttpServer::Ok("KESTRAVON=v01.10,01/02/2014,update.zip;\r\n"));
        return s;
    }();
    return server;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The program lives in <scratch>/outer/program/; <scratch>/outer must stay as it is.
    QDir scratch(FuzzDir().path());
    QDir(scratch.filePath(QStringLiteral("outer"))).removeRecursively();
    FUZZ_CHECK(scratch.mkpath(QStringLiteral("outer/program/sub")));
    const QString outer = scratch.filePath(QStringLiteral("outer"));

    static const FuzzSigner signer;
    const QByteArray archive(reinterpret_cast<const char *>(data), int(size));
    TestHttpServer &server = Server();
    server.Route("/software/update.zip", TestHttpServer::Ok(archive));
    server.Route("/software/update.zip.sig", TestHttpServer::Ok(signer.Sign(archive)));
    UpdateSite site;
    site.scheme = "http";
    site.host = server.HostPort();
    site.publicKey = signer.PublicKey();
    site.directory = outer + QStringLiteral("/program/");
    site.executable = QStringLiteral("kestravon");
    bool launched = false;
    site.launch = [&](const QString &, const QStringList &) { return launched = true; };
    FuzzPrompter prompter(true);
    CheckForUpdate(QStringLiteral("KESTRAVON"), QStringLiteral("v01.09"), false, prompter, site);
    FUZZ_CHECK(!launched);

    // Only the program folder below `outer`, and nothing new beside `outer`.
    const QStringList inOuter = QDir(outer).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    FUZZ_CHECK(inOuter == QStringList{QStringLiteral("program")});
    for (const QString &name : scratch.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        FUZZ_CHECK(name == QLatin1String("outer"));
    return 0;
}
