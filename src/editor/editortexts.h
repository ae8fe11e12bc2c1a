#pragma once

#include <QCoreApplication>
#include <QString>

// The record editor's own texts, marked for translation here and translated where they are
// used (Tr).
namespace EditorText {

inline QString Tr(const char *text) { return QCoreApplication::translate("EditorText", text); }

inline constexpr char kTitle[] = QT_TRANSLATE_NOOP("EditorText", "Edit Record");

// The export's file selector title: %1 the record number, %2 the label (the import's and the
// error messages are the exchange's own, formats/interchange.h).
inline constexpr char kExportTitle[] = QT_TRANSLATE_NOOP("EditorText", "Export to vCard : REC.%1 - %2.vcf");

// Field checks when the dialog is accepted, besides the record rules' own texts.
inline constexpr char kNotANumber[] = QT_TRANSLATE_NOOP("EditorText", "Invalid number.");

// The tip of the button at the end of a phone field that writes the number internationally.
inline constexpr char kWriteInternational[] = QT_TRANSLATE_NOOP("EditorText", "Write as %1");


} // namespace EditorText
