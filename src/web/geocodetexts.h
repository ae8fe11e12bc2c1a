#pragma once

// The geocoding look-up's own texts.
namespace GeocodeText {
inline constexpr char kApproximate[] =
    "Exact address not found. Here the best result.&Try to change some detail ie: "
    "add/remove zip, house number, name prefix/suffix.";
inline constexpr char kQueryFailed[] = "Query failed";
inline constexpr char kTitle[] = "Get GPS position";
inline constexpr char kTooLong[] = "Please enter no more than %d characters.";
} // namespace GeocodeText
