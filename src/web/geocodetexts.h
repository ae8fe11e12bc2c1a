#pragma once

// The geocoding look-up's own texts.
namespace GeocodeText {
inline constexpr char kApproximate[] =
    "Exact address not found. Here the best result.&Try to change some detail ie: "
    "add/remove zip, house number, name prefix/suffix.";
inline constexpr char kQueryFailed[] = "Query failed";
inline constexpr char kNothingFound[] = "Nothing found for this address";
inline constexpr char kUnreadable[] = "The server's answer could not be read";
// The Query button while a query waits for its turn.
inline constexpr char kWaiting[] = "&Query (waiting)";
inline constexpr char kTitle[] = "Get GPS position";
// Required by OpenStreetMap's terms wherever Nominatim's results are shown (UTF-8).
inline constexpr char kOsmAttribution[] = "\u00A9 OpenStreetMap contributors";
inline constexpr char kResultFrom[] = "Result from : ";
inline constexpr char kQueryTooltip[] = "Query actual value to ";
inline constexpr char kTooLong[] = "Please enter no more than %d characters.";
} // namespace GeocodeText
