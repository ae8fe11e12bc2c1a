#include "web/fetch.h"

#include "common/prompter.h"
#include "common/version.h"
#include "web/fetchtexts.h"

#include <QDateTime>
#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
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

FetchResult FetchUrl(const QByteArray &url, Prompter &prompter, int stallMs)
{
    FetchOptions options;
    options.stallMs = stallMs;
    return FetchUrl(url, prompter, options);
}

QString FetchResult::Text() const
{
    using O = Outcome;
    switch (outcome) {
    case O::Ok:
        return {};
    case O::Unreachable:
        return FetchText::Tr(FetchText::kUnreachable).arg(host, detail);
    case O::Certificate:
        return FetchText::Tr(FetchText::kCertificate).arg(host);
    case O::Tls:
        return FetchText::Tr(FetchText::kTls).arg(host, detail);
    case O::HttpStatus:
        if (status == 429 || status == 503)
            return retryAfter >= 0 ? FetchText::Tr(FetchText::kBusyRetry).arg(status).arg(retryAfter)
                                   : FetchText::Tr(FetchText::kBusy).arg(status);
        if (status == 401 || status == 403)
            return FetchText::Tr(FetchText::kRefused).arg(status);
        if (status == 404 || status == 410)
            return FetchText::Tr(FetchText::kNotFound).arg(status);
        return FetchText::Tr(FetchText::kHttpError).arg(status);
    case O::Timeout:
        return FetchText::Tr(wholeTransfer ? FetchText::kTooSlow : FetchText::kStalled)
            .arg(qMax(1, (limitMs + 999) / 1000));
    case O::TooLarge:
        return FetchText::Tr(FetchText::kTooLarge).arg(QLocale::c().formattedDataSize(limitBytes));
    case O::Redirect:
        return host.isEmpty() ? FetchText::Tr(FetchText::kDowngrade)
                              : FetchText::Tr(FetchText::kRedirect).arg(host);
    case O::Cancelled:
        return FetchText::Tr(FetchText::kCancelled);
    }
    return {};
}

namespace {

// Retry-After: a number of seconds or an HTTP date; -1 when absent or unreadable.
int RetryAfterSeconds(const QByteArray &value)
{
    const QByteArray v = value.trimmed();
    if (v.isEmpty())
        return -1;
    bool number = false;
    const qint64 seconds = v.toLongLong(&number);
    if (number)
        return seconds < 0 ? -1 : int(qMin<qint64>(seconds, 24 * 3600));
    const QDateTime at = QDateTime::fromString(QString::fromLatin1(v), Qt::RFC2822Date);
    if (!at.isValid())
        return -1;
    return int(qBound(qint64(0), QDateTime::currentDateTimeUtc().secsTo(at), qint64(24 * 3600)));
}

// A redirect is followed only to the same host, and never from https to plain http: a
// look-up's or an update's answer must come from the server it was asked of.
bool RedirectAllowed(const QUrl &from, const QUrl &to, FetchResult &result)
{
    if (to.host().compare(from.host(), Qt::CaseInsensitive) != 0) {
        result.host = to.host();
        return false;
    }
    if (from.scheme() == QLatin1String("https") && to.scheme() != QLatin1String("https")) {
        result.host.clear();
        return false;
    }
    return true;
}

} // namespace

// Runs the GET in a local event loop. Four things end the loop: the reply finishing,
// no data for `stallMs` or no end after `totalMs` (the transfer is aborted), and the user pressing Cancel in the
// progress window (ProgressStep returning false; asked on every piece of data and every
// kProgressPollMs, so a server that sends nothing can still be cancelled).
//
// The body is read as it arrives and the position follows the bytes read, so a body
// that comes in one piece still moves the bar to 100 before the window closes.
FetchResult FetchUrl(const QByteArray &url, Prompter &prompter, const FetchOptions &options)
{
    prompter.ProgressOpen(FetchText::Tr(FetchText::kReading).arg(QString::fromLatin1(url)), 100);

    FetchResult result;
    const QUrl requestUrl = RequestUrl(PercentEncode(url, " \t"));
    result.host = requestUrl.host();
    QNetworkAccessManager manager;
    QNetworkRequest request(requestUrl);
    request.setHeader(QNetworkRequest::UserAgentHeader, FetchUserAgent());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
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
    // Set when the fetch was given up: the outcome is then already in `result`.
    bool aborted = false;
    bool certificateRefused = false;
    QByteArray body;
    int shown = -1;
    QUrl at = requestUrl;  // where the request is now, after redirects

    const auto declaredLength = [&]() -> qint64 {
        bool known = false;
        const qint64 declared = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        return known ? declared : -1;
    };
    const auto position = [&]() -> int {
        const qint64 declared = declaredLength();
        if (declared <= 0 || declared > kMaxDeclaredLength)
            return -1;
        return int(qBound(qint64(0), qint64(body.size()) * 100 / declared, qint64(100)));
    };
    // Takes what has arrived, but never more than one byte past the limit. (read() with a
    // large maximum would reserve that much each time.)
    const auto readSome = [&] {
        body += reply->read(qMin(reply->bytesAvailable(), options.maxBytes + 1 - body.size()));
    };
    const auto giveUp = [&](FetchResult::Outcome why) {
        if (aborted)
            return;
        aborted = true;
        result.outcome = why;
        reply->abort();
    };
    const auto tooLong = [&] {
        return body.size() > options.maxBytes || declaredLength() > options.maxBytes;
    };
    // Without a usable length the window shows the bytes received instead of a position.
    const auto step = [&] {
        if (aborted)
            return;
        const int pos = position();
        shown = pos;
        if (!(pos >= 0 ? prompter.ProgressStep(pos) : prompter.ProgressBytes(body.size())))
            giveUp(FetchResult::Outcome::Cancelled);
    };

    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        stall.start(options.stallMs);
        if (tooLong())
            giveUp(FetchResult::Outcome::TooLarge);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        if (aborted)
            return;
        stall.start(options.stallMs);
        readSome();
        if (tooLong())
            giveUp(FetchResult::Outcome::TooLarge);
        else
            step();
    });
    QObject::connect(reply, &QNetworkReply::redirected, &loop, [&](const QUrl &to) {
        const QUrl next = at.resolved(to);
        if (RedirectAllowed(at, next, result)) {
            at = next;
            Q_EMIT reply->redirectAllowed();
        } else {
            giveUp(FetchResult::Outcome::Redirect);
        }
    });
    QObject::connect(reply, &QNetworkReply::sslErrors, &loop, [&](const QList<QSslError> &errors) {
        certificateRefused = true;
        if (!errors.isEmpty())
            result.detail = errors.first().errorString();
    });
    const auto timedOut = [&](int limit, bool whole) {
        result.limitMs = limit;
        result.wholeTransfer = whole;
        giveUp(FetchResult::Outcome::Timeout);
    };
    QObject::connect(&stall, &QTimer::timeout, &loop, [&] { timedOut(options.stallMs, false); });
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] { timedOut(options.totalMs, true); });
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

    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!aborted) {
        const QNetworkReply::NetworkError error = reply->error();
        if (result.status != 0 && (result.status < 200 || result.status > 299)) {
            result.outcome = FetchResult::Outcome::HttpStatus;
            result.retryAfter = RetryAfterSeconds(reply->rawHeader("Retry-After"));
        } else if (error == QNetworkReply::NoError && result.status != 0) {
            readSome();
            result.outcome = tooLong() ? FetchResult::Outcome::TooLarge : FetchResult::Outcome::Ok;
        } else if (certificateRefused) {
            result.outcome = FetchResult::Outcome::Certificate;
        } else if (error == QNetworkReply::SslHandshakeFailedError) {
            result.outcome = FetchResult::Outcome::Tls;
            result.detail = reply->errorString();
        } else {
            result.outcome = FetchResult::Outcome::Unreachable;
            result.detail = reply->errorString();
        }
    }
    if (result.outcome == FetchResult::Outcome::TooLarge)
        result.limitBytes = options.maxBytes;
    if (result.Ok()) {
        const int pos = position();
        if (pos >= 0 && pos != shown)
            prompter.ProgressStep(pos);  // the final position; too late to cancel
        result.body = body;
    }
    delete reply;
    prompter.ProgressClose();
    return result;
}

std::unique_ptr<char[]> FetchUrlBuffer(const QByteArray &url, int &length, Prompter &prompter,
                                       int stallMs)
{
    const QByteArray body = FetchUrl(url, prompter, stallMs).body;
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
