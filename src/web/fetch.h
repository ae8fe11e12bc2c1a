#pragma once

#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QString>

#include <memory>

class Prompter;

// The program's only network access: HTTP GET of a URL under a progress window
// ("read : " + URL, 0-100 by bytes received against the declared length; without a
// declared length a busy indicator with the bytes received). URLs are byte strings, with
// or without a scheme (without one, plain HTTP on port 80).
// A fetch fails on a connection or resolution failure, a certificate that is not valid, a
// status outside 200-299, no data for stallMs, no end after totalMs, a body over maxBytes,
// a redirect to another host or from https to http, or the user pressing Cancel; the
// result tells which. The routines never show a message themselves.
//
// What reaches the server: the URL with space and tab escaped ("%20", "%09"); escapes the
// caller made ("%26", "%20", ...) pass unchanged. Bytes a request line cannot carry raw
// (controls, bytes 0x80 and above such as code page 1252 letters, and " # < > \ ^ ` { | })
// are sent as "%XX" of the byte, so a "#" in a query value stays in the query.
// Redirects are followed only on the same host (http to https included, https to http
// never); the final status counts. Every request identifies the program: User-Agent
// "KESTRAVON/<version>". "https://" URLs are checked against the system's certificate
// authorities, or only against the certificates a caller names.

constexpr int kFetchStallMs = 30000;
// The longest a whole transfer may take, so that a server sending a byte now and then
// cannot hold a look-up open for good. Far beyond what an answer or an update archive
// needs on a slow line.
constexpr int kFetchTotalMs = 10 * 60 * 1000;
// The largest body a fetch accepts: far beyond any answer or update archive, small enough
// that a broken or hostile server cannot fill the memory.
constexpr qint64 kFetchMaxBytes = qint64(128) * 1024 * 1024;

struct FetchOptions
{
    // Longest time without any data before the transfer is given up.
    int stallMs = kFetchStallMs;
    // Longest time for the whole transfer.
    int totalMs = kFetchTotalMs;
    // A longer body (declared or received) fails the fetch.
    qint64 maxBytes = kFetchMaxBytes;
    // The only certificates trusted for https; empty: the system's authorities.
    QList<QSslCertificate> trusted;
};

// What came of a fetch: the body, or why there is none.
struct FetchResult
{
    enum class Outcome {
        Ok,           // status 200-299 and the whole body (which may be empty)
        Unreachable,  // connection refused, host not found, connection dropped, ...
        Certificate,  // the server's certificate is not valid for the host
        Tls,          // the secure connection failed otherwise
        HttpStatus,   // the server answered with a status outside 200-299
        Timeout,      // no data for stallMs, or no end after totalMs
        TooLarge,     // the body is longer than maxBytes (declared or received)
        Redirect,     // redirected to another host, or from https to plain http
        Cancelled,    // the user pressed Cancel
    };
    Outcome outcome = Outcome::Unreachable;
    QByteArray body;       // only for Ok
    int status = 0;        // the final HTTP status, 0 when none came
    int retryAfter = -1;   // seconds the server asked to wait (Retry-After), -1 when not said
    int limitMs = 0;       // Timeout: the limit that ran out
    bool wholeTransfer = false;  // Timeout: it was totalMs (else stallMs)
    qint64 limitBytes = 0; // TooLarge: the limit
    QString host;          // the host concerned (Redirect: the one redirected to)
    QString detail;        // the network layer's own words, when there are some

    bool Ok() const { return outcome == Outcome::Ok; }
    // One sentence naming the cause for the user, e.g. "The server is busy (HTTP 429); try
    // again in 60 s"; empty for Ok.
    QString Text() const;
};

// The User-Agent header of every request.
QByteArray FetchUserAgent();

// Replaces every character of `set` in `text` by "%" and two upper-case hex digits.
QByteArray PercentEncode(const QByteArray &text, const QByteArray &set);

// A GET of `url`. `stallMs` is the longest time without any data before the transfer is
// given up.
FetchResult FetchUrl(const QByteArray &url, Prompter &prompter, int stallMs = kFetchStallMs);
FetchResult FetchUrl(const QByteArray &url, Prompter &prompter, const FetchOptions &options);

// FetchUrl into a new buffer of exactly `length` bytes (no terminating zero); null, with
// `length` 0, for an empty or failed fetch.
std::unique_ptr<char[]> FetchUrlBuffer(const QByteArray &url, int &length, Prompter &prompter,
                                       int stallMs = kFetchStallMs);
