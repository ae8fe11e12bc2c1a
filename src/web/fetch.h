#pragma once

#include <QByteArray>
#include <QList>
#include <QSslCertificate>

#include <memory>

class Prompter;

// The program's only network access: HTTP GET of a URL under a progress window
// ("read : " + URL, 0-100 by bytes received against the declared length). URLs are byte
// strings, with or without the "http://" scheme (without it, plain HTTP on port 80).
// A failed fetch (connection or resolution failure, status outside 200-299, no data for
// kFetchStallMs, no end after kFetchTotalMs, a body over kFetchMaxBytes, the user pressing
// Cancel) gives an empty
// result. The routines never show a message themselves.
//
// What reaches the server: the URL with space and tab escaped ("%20", "%09"); escapes the
// caller made ("%26", "%20", ...) pass unchanged. Bytes a request line cannot carry raw
// (controls, bytes 0x80 and above such as code page 1252 letters, and " # < > \ ^ ` { | })
// are sent as "%XX" of the byte, so a "#" in a query value stays in the query.
// Redirects follow Qt's default policy (followed, except from https to http); the final
// status counts. Every request identifies the program: User-Agent "KESTRAVON/<version>".
// "https://" URLs are checked against the system's certificate authorities, or only
// against the certificates a caller names.

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

// The User-Agent header of every request.
QByteArray FetchUserAgent();

// Replaces every character of `set` in `text` by "%" and two upper-case hex digits.
QByteArray PercentEncode(const QByteArray &text, const QByteArray &set);

// The body of a GET of `url`, or empty on failure. `stallMs` is the longest time without
// any data before the transfer is given up.
QByteArray FetchUrl(const QByteArray &url, Prompter &prompter, int stallMs = kFetchStallMs);
QByteArray FetchUrl(const QByteArray &url, Prompter &prompter, const FetchOptions &options);

// FetchUrl into a new buffer of exactly `length` bytes (no terminating zero); null, with
// `length` 0, for an empty or failed fetch.
std::unique_ptr<char[]> FetchUrlBuffer(const QByteArray &url, int &length, Prompter &prompter,
                                       int stallMs = kFetchStallMs);
