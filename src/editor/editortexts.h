#pragma once

// The record editor's own texts.
namespace EditorText {

inline constexpr char kTitle[] = "Edit Record";

inline constexpr char kImportTitle[] = "Import from vCard : REC.";
inline constexpr char kExportTitle[] = "Export to vCard : REC.";
inline constexpr char kTitleSeparator[] = " - ";
inline constexpr char kVcfExtension[] = ".vcf";
inline constexpr char kVcfFilter[] = "vCard file (*.vcf);;All files (*)";
inline constexpr char kVcfSuffix[] = "vcf";
inline constexpr char kImportError[] = "Error importing file : ";
inline constexpr char kExportError[] = "Error exporting file : ";

// Field checks when the dialog is accepted, besides the record rules' own texts.
inline constexpr char kNotANumber[] = "Invalid number.";

// The tip of the button at the end of a phone field that writes the number internationally.
inline constexpr char kWriteInternational[] = "Write as %1";

} // namespace EditorText
