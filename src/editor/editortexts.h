#pragma once

// The record editor's own texts.
namespace EditorText {

inline constexpr char kTitle[] = "Edit Record";

inline constexpr char kAddressQuestion[] = "Address modified: clear \"Postal\" and \"Poi\" informations ?";
inline constexpr char kLabelQuestion[] = "Label modified: clear \"voice record index\" informations ?";

inline constexpr char kImportTitle[] = "Import from vCard : REC.";
inline constexpr char kExportTitle[] = "Export to vCard : REC.";
inline constexpr char kTitleSeparator[] = " - ";
inline constexpr char kVcfExtension[] = ".vcf";
inline constexpr char kVcfFilter[] = "vCard file (*.vcf);;All files (*)";
inline constexpr char kVcfSuffix[] = "vcf";
inline constexpr char kImportError[] = "Error importing file : ";
inline constexpr char kExportError[] = "Error exporting file : ";

// Field checks when the dialog is accepted.
inline constexpr char kTooLong[] = "Please enter no more than %d characters.";
inline constexpr char kNullValue[] = "Null value not allowed.";
inline constexpr char kOutOfRange[] = "Number must be between %lld and %lld.";
inline constexpr char kNotANumber[] = "Invalid number.";

} // namespace EditorText
