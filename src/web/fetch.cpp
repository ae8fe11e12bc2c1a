#include "web/fetch.h"

#include "common/prompter.h"
#include "common/version.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <cstring>
#include <new>

namespace {

// How often the progress window is asked for its Cancel button while no data arrives.
constexpr int kProgressPollMs = 100;

// The largest declared length that still gives a progress position.
constexpr qint64 kMaxDeclaredLength = 2147483646;

char HexDigit(int v)
{
    return "0123456789ABCDEF"[v & 0xF];
}

bool IsSchemeChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+'
        || c == '-' || c == '.';
}

// Bytes a request line cannot carry as they are. They are sent as "%XX" of the byte, so
// that a code page 1252 byte of a query value reaches the server as that byte's escape
// and a "#" stays part of the query instead of starting a fragment. "%" itself is left
// alone: escapes the caller made pass unchanged.
bool NeedsWireEscape(unsigned char c)
{
    if (c <= 0x20 || c >= 0x7F)
        return true;
    switch (c) {
    case '"': case '#': case '<': case '>': case '\\': case '^': case '`': case '{':
    case '|': case '}':
        return true;
    default:
        return false;
    }
}

QByteArray WireEscape(const QByteArray &part)
{
    QByteArray out;
    out.reserve(part.size());
    for (char ch : part) {
        const auto c = static_cast<unsigned char>(ch);
        if (NeedsWireEscape(c)) {
            out += '%';
            out += HexDigit(c >> 4);
            out += HexDigit(c);
        } else {
            out += ch;
        }
    }
    return out;
}

// Builds the request URL from the caller's byte string. A URL without "scheme://" is
// plain HTTP; everything after the host (path and query) is sent as given, apart from
// the bytes WireEscape has to escape.
QUrl RequestUrl(const QByteArray &url)
{
    QByteArray scheme = "http";
    QByteArray rest = url;
    const int sep = int(url.indexOf("://"));
    if (sep > 0) {
        bool plain = true;
        for (int i = 0; i < sep && plain; ++i)
            plain = IsSchemeChar(url.at(i));
        if (plain) {
            scheme = url.left(sep).toLower();
            rest = url.mid(sep + 3);
        }
    }
    int hostEnd = 0;
    while (hostEnd < rest.size() && rest.at(hostEnd) != '/' && rest.at(hostEnd) != '?')
        ++hostEnd;
    const QByteArray authority = rest.left(hostEnd);
    QByteArray target = rest.mid(hostEnd);
    const int q = int(target.indexOf('?'));
    QByteArray path = q < 0 ? target : target.left(q);
    if (path.isEmpty())
        path = "/";

    QUrl result;
    result.setScheme(QString::fromLatin1(scheme));
    result.setAuthority(QString::fromLatin1(authority), QUrl::TolerantMode);
    result.setPath(QString::fromLatin1(WireEscape(path)), QUrl::TolerantMode);
    if (q >= 0)
        result.setQuery(QString::fromLatin1(WireEscape(target.mid(q + 1))), QUrl::TolerantMode);
    return result;
}

} // namespace

QByteArray PercentEncode(const QByteArray &text, const QByteArray &set)
{
    QByteArray out;
    out.reserve(text.size());
    for (char ch : text) {
        if (set.contains(ch)) {
            const auto c = static_cast<unsigned char>(ch);
            out += '%';
            out += HexDigit(c >> 4);
            out += HexDigit(c);
        } else {
            out += ch;
        }
    }
    return out;
}

QByteArray FetchUserAgent()
{
    QByteArray version = kProgramVersion;
    if (!version.isEmpty() && !(version.at(0) >= '0' && version.at(0) <= '9'))
        version.remove(0, 1);  // "v01.09" -> "01.09"
    return QByteArray(kProgramName) + '/' + version;
}

QByteArray FetchUrl(const QByteArray &url, Prompter &prompter, int stallMs)
{
    FetchOptions options;
    options.stallMs = stallMs;
    return FetchUrl(url, prompter, options);
}

// Runs the GET in a local event loop. Four things end the loop: the reply finishing,
// no data for `stallMs` or no end after `totalMs` (the transfer is aborted), and the user pressing Cancel in the
// progress window (ProgressStep returning false; asked on every piece of data and every
// kProgressPollMs, so a server that sends nothing can still be cancelled).
//
// The body is read as it arrives and the position follows the bytes read, so a body
// that comes in one piece still moves the bar to 100 before the window closes.
// Redirects follow Qt's default policy (NoLessSafeRedirectPolicy: followed unless they
// go from https to http); the status that counts is the final one.
QByteArray FetchUrl(const QByteArray &url, Prompter &prompter, const FetchOptions &options)
{
    prompter.ProgressOpen(QStringLiteral("read : ") + QString::fromLatin1(url), 100);

    QNetworkAccessManager manager;
    QNetworkRequest request(RequestUrl(PercentEncode(url, " \t")));
    request.setHeader(QNetworkRequest::UserAgentHeader, FetchUserAgent());
    if (!options.trusted.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setCaCertificates(options.trusted);
        request.setSslConfiguration(tls);
    }
    QNetworkReply *reply = manager.get(request);

    QEventLoop loop;
    QTimer stall;
    stall.setSingleShot(true);
    QTimer poll;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool aborted = false;
    QByteArray body;
    int shown = -1;

    const auto position = [&]() -> int {
        const QVariant header = reply->header(QNetworkRequest::ContentLengthHeader);
        bool known = false;
        const qint64 declared = header.toLongLong(&known);
        if (!known || declared <= 0 || declared > kMaxDeclaredLength)
            return 0;
        return int(qBound(qint64(0), qint64(body.size()) * 100 / declared, qint64(100)));
    };
    // Takes what has arrived, but never more than one byte past the limit. (read() with a
    // large maximum would reserve that much each time.)
    const auto readSome = [&] {
        body += reply->read(qMin(reply->bytesAvailable(), options.maxBytes + 1 - body.size()));
    };
    const auto giveUp = [&] {
        aborted = true;
        reply->abort();
    };
    const auto tooLong = [&] {
        bool known = false;
        const qint64 declared = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        return body.size() > options.maxBytes || (known && declared > options.maxBytes);
    };
    const auto step = [&] {
        if (aborted)
            return;
        const int at = position();
        shown = at;
        if (!prompter.ProgressStep(at))
            giveUp();
    };

    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        stall.start(options.stallMs);
        if (!aborted && tooLong())
            giveUp();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        if (aborted)
            return;
        stall.start(options.stallMs);
        readSome();
        if (tooLong())
            giveUp();
        else
            step();
    });
    QObject::connect(&stall, &QTimer::timeout, &loop, giveUp);
    QObject::connect(&deadline, &QTimer::timeout, &loop, giveUp);
    QObject::connect(&poll, &QTimer::timeout, &loop, step);

    prompter.ProgressStep(0);
    if (!reply->isFinished()) {
        stall.start(options.stallMs);
        deadline.start(options.totalMs);
        poll.start(kProgressPollMs);
        loop.exec();
    }
    stall.stop();
    deadline.stop();
    poll.stop();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = !aborted && reply->error() == QNetworkReply::NoError && status >= 200 && status <= 299;
    if (ok)
        readSome();
    if (ok && !tooLong()) {
        if (position() != shown)
            prompter.ProgressStep(position());  // the final position; too late to cancel
    } else {
        body.clear();
    }
    delete reply;
    prompter.ProgressClose();
    return body;
}

std::unique_ptr<char[]> FetchUrlBuffer(const QByteArray &url, int &length, Prompter &prompter,
                                       int stallMs)
{
    const QByteArray body = FetchUrl(url, prompter, stallMs);
    length = int(body.size());
    if (length == 0)
        return nullptr;
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[size_t(length)]);
    if (!buffer) {
        length = 0;
        return nullptr;
    }
    memcpy(buffer.get(), body.constData(), size_t(length));
    return buffer;
}
