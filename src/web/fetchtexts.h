#pragma once

// What the user reads when a fetch fails (FetchResult::Text); %1, %2 as noted.
namespace FetchText {
inline constexpr char kUnreachable[] = "Could not reach %1: %2";              // host, reason
inline constexpr char kCertificate[] = "The server's certificate is not valid for %1";  // host
inline constexpr char kTls[] = "The secure connection to %1 failed: %2";      // host, reason
inline constexpr char kBusyRetry[] = "The server is busy (HTTP %1); try again in %2 s";
inline constexpr char kBusy[] = "The server is busy (HTTP %1); try again later";
inline constexpr char kRefused[] = "The server refused the request (HTTP %1)";
inline constexpr char kNotFound[] = "The server does not know this address (HTTP %1)";
inline constexpr char kHttpError[] = "The server reported an error (HTTP %1)";
inline constexpr char kStalled[] = "The server did not answer within %1 s";
inline constexpr char kTooSlow[] = "The server did not finish its answer within %1 s";
inline constexpr char kTooLarge[] = "The server's answer is larger than %1";  // a size
inline constexpr char kRedirect[] = "The server sent the request on to another host (%1); it was not followed";
inline constexpr char kDowngrade[] = "The server sent the request on to an unencrypted address; it was not followed";
inline constexpr char kCancelled[] = "Cancelled";
// A download that came whole but empty, where something was expected.
inline constexpr char kEmpty[] = "The server sent an empty answer";
} // namespace FetchText
