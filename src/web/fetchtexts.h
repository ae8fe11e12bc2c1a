#pragma once

#include <QCoreApplication>
#include <QString>

// What the user reads when a fetch fails (FetchResult::Text); %1, %2 as noted.
namespace FetchText {
// The progress window while a download runs: %1 the address.
inline constexpr char kReading[] = QT_TRANSLATE_NOOP("FetchText", "read : %1");
inline QString Tr(const char *text) { return QCoreApplication::translate("FetchText", text); }
inline constexpr char kUnreachable[] = QT_TRANSLATE_NOOP("FetchText", "Could not reach %1: %2");              // host, reason
inline constexpr char kCertificate[] = QT_TRANSLATE_NOOP("FetchText", "The server's certificate is not valid for %1");  // host
inline constexpr char kTls[] = QT_TRANSLATE_NOOP("FetchText", "The secure connection to %1 failed: %2");      // host, reason
inline constexpr char kBusyRetry[] = QT_TRANSLATE_NOOP("FetchText", "The server is busy (HTTP %1); try again in %2 s");
inline constexpr char kBusy[] = QT_TRANSLATE_NOOP("FetchText", "The server is busy (HTTP %1); try again later");
inline constexpr char kRefused[] = QT_TRANSLATE_NOOP("FetchText", "The server refused the request (HTTP %1)");
inline constexpr char kNotFound[] = QT_TRANSLATE_NOOP("FetchText", "The server does not know this address (HTTP %1)");
inline constexpr char kHttpError[] = QT_TRANSLATE_NOOP("FetchText", "The server reported an error (HTTP %1)");
inline constexpr char kStalled[] = QT_TRANSLATE_NOOP("FetchText", "The server did not answer within %1 s");
inline constexpr char kTooSlow[] = QT_TRANSLATE_NOOP("FetchText", "The server did not finish its answer within %1 s");
inline constexpr char kTooLarge[] = QT_TRANSLATE_NOOP("FetchText", "The server's answer is larger than %1");  // a size
inline constexpr char kRedirect[] = QT_TRANSLATE_NOOP("FetchText", "The server sent the request on to another host (%1); it was not followed");
inline constexpr char kDowngrade[] = QT_TRANSLATE_NOOP("FetchText", "The server sent the request on to an unencrypted address; it was not followed");
inline constexpr char kCancelled[] = QT_TRANSLATE_NOOP("FetchText", "Cancelled");
// A download that came whole but empty, where something was expected.
inline constexpr char kEmpty[] = QT_TRANSLATE_NOOP("FetchText", "The server sent an empty answer");
} // namespace FetchText
