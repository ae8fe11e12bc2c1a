#pragma once

// The InfoBel dialog's own texts.
namespace InfoBelText {
inline constexpr char kTitleSuffix[] = " Query";
inline constexpr char kWriteQuery[] = "write query data";
inline constexpr char kSearching[] = "searching...";
inline constexpr char kError[] = "error";
// The status line after a failed search: "error: " and the reason.
inline constexpr char kErrorBecause[] = "error: %1";
inline constexpr char kUnreadable[] = "The server's answer could not be read";
inline constexpr char kNone[] = "found: 0 result";
inline constexpr char kFound[] = "found: %d / %d result";
inline constexpr const char *kColumns[7] = {"#", "Name", "Street", "Num", "Zip", "City", "phone"};
inline constexpr int kColumnWidths[7] = {30, 120, 120, 40, 60, 120, 120};
} // namespace InfoBelText
