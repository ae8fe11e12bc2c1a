#pragma once

#include <QCoreApplication>
#include <QString>

// The geocoding look-up's own texts, marked for translation and translated where used (Tr).
namespace GeocodeText {
inline QString Tr(const char *text) { return QCoreApplication::translate("GeocodeText", text); }
inline constexpr char kApproximate[] =
    QT_TRANSLATE_NOOP("GeocodeText", "Exact address not found. Here the best result.&Try to change some detail ie: "
    "add/remove zip, house number, name prefix/suffix.");
inline constexpr char kQueryFailed[] = QT_TRANSLATE_NOOP("GeocodeText", "Query failed");
inline constexpr char kNothingFound[] = QT_TRANSLATE_NOOP("GeocodeText", "Nothing found for this address");
inline constexpr char kUnreadable[] = QT_TRANSLATE_NOOP("GeocodeText", "The server's answer could not be read");
// The Query button while a query waits for its turn.
inline constexpr char kWaiting[] = QT_TRANSLATE_NOOP("GeocodeText", "&Query (waiting)");
inline constexpr char kTitle[] = QT_TRANSLATE_NOOP("GeocodeText", "Get GPS position");
// Required by OpenStreetMap's terms wherever Nominatim's results are shown (UTF-8).
inline constexpr char kOsmAttribution[] = QT_TRANSLATE_NOOP("GeocodeText", "© OpenStreetMap contributors");
// %1: the provider's name.
inline constexpr char kResultFrom[] = QT_TRANSLATE_NOOP("GeocodeText", "Result from : %1");
inline constexpr char kQueryTooltip[] = QT_TRANSLATE_NOOP("GeocodeText", "Query actual value to %1");
} // namespace GeocodeText
