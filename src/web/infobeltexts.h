#pragma once

#include <QCoreApplication>
#include <QString>

// The InfoBel dialog's own texts, marked for translation and translated where used (Tr).
namespace InfoBelText {
inline QString Tr(const char *text) { return QCoreApplication::translate("InfoBelText", text); }
// The window title: %1 the directory's site.
inline constexpr char kTitle[] = QT_TRANSLATE_NOOP("InfoBelText", "%1 Query");
inline constexpr char kWriteQuery[] = QT_TRANSLATE_NOOP("InfoBelText", "write query data");
inline constexpr char kSearching[] = QT_TRANSLATE_NOOP("InfoBelText", "searching...");
// The status line after a failed search: "error: " and the reason.
inline constexpr char kErrorBecause[] = QT_TRANSLATE_NOOP("InfoBelText", "error: %1");
inline constexpr char kUnreadable[] = QT_TRANSLATE_NOOP("InfoBelText", "The server's answer could not be read");
inline constexpr char kNone[] = QT_TRANSLATE_NOOP("InfoBelText", "found: 0 result");
inline constexpr char kFound[] = QT_TRANSLATE_NOOP("InfoBelText", "found: %1 / %2 result");
inline constexpr const char *kColumns[7] = {
    "#", QT_TRANSLATE_NOOP("InfoBelText", "Name"), QT_TRANSLATE_NOOP("InfoBelText", "Street"),
    QT_TRANSLATE_NOOP("InfoBelText", "Num"), QT_TRANSLATE_NOOP("InfoBelText", "Zip"),
    QT_TRANSLATE_NOOP("InfoBelText", "City"), QT_TRANSLATE_NOOP("InfoBelText", "phone")};
inline constexpr int kColumnWidths[7] = {30, 120, 120, 40, 60, 120, 120};
} // namespace InfoBelText
