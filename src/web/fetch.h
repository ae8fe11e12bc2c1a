#pragma once

#include <QByteArray>

#include <memory>

class Prompter;

// The program's only network access: HTTP GET of a URL under a progress window
// ("read : " + URL, 0-100 by bytes received against the declared length). URLs are byte
// strings, with or without the "http://" scheme (without it, plain HTTP on port 80).
// A failed fetch (connection or resolution failure, status outside 200-299, no data for
// kFetchStallMs, the user pressing Cancel) gives an empty result.

constexpr int kFetchStallMs = 30000;

// Replaces every character of `set` in `text` by "%" and two upper-case hex digits.
QByteArray PercentEncode(const QByteArray &text, const QByteArray &set);

// The body of a GET of `url`, or empty on failure. `stallMs` is the longest time without
// any data before the transfer is given up.
QByteArray FetchUrl(const QByteArray &url, Prompter &prompter, int stallMs = kFetchStallMs);

// FetchUrl into a new buffer of exactly `length` bytes (no terminating zero); null, with
// `length` 0, for an empty or failed fetch.
std::unique_ptr<char[]> FetchUrlBuffer(const QByteArray &url, int &length, Prompter &prompter,
                                       int stallMs = kFetchStallMs);
