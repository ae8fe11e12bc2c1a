#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QStringList>

// Keys for tests, made with the openssl command in a folder of the test: an Ed25519
// update-signing key pair, and a self-signed TLS certificate for 127.0.0.1.

// Runs openssl with `args` in `dir`; true on exit code 0.
inline bool RunOpenssl(const QString &dir, const QStringList &args, QByteArray *out = nullptr)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral("openssl"), args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return false;
    if (out)
        *out = p.readAllStandardOutput();
    return true;
}

// Writes `dir`/`name` (a PEM private key) and returns its raw 32-byte public half, or
// empty on failure.
inline QByteArray MakeSigningKey(const QString &dir, const QString &name)
{
    QByteArray der;
    if (!RunOpenssl(dir, {"genpkey", "-algorithm", "ed25519", "-out", name})
        || !RunOpenssl(dir, {"pkey", "-in", name, "-pubout", "-outform", "DER"}, &der))
        return {};
    return der.right(32);
}

struct TestCertificate
{
    QSslCertificate certificate;
    QSslKey key;

    // A self-signed certificate for the address 127.0.0.1, its files kept in `dir`.
    bool Make(const QString &dir, const QString &name)
    {
        const QString keyFile = name + QStringLiteral(".key");
        const QString certFile = name + QStringLiteral(".pem");
        if (!RunOpenssl(dir, {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                              "-nodes", "-keyout", keyFile, "-out", certFile, "-days", "2", "-subj",
                              "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"}))
            return false;
        const QList<QSslCertificate> certs = QSslCertificate::fromPath(dir + QLatin1Char('/') + certFile);
        QFile k(dir + QLatin1Char('/') + keyFile);
        if (certs.isEmpty() || !k.open(QIODevice::ReadOnly))
            return false;
        certificate = certs.first();
        key = QSslKey(k.readAll(), QSsl::Ec);
        return !key.isNull();
    }
};
