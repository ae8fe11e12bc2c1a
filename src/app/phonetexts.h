#pragma once

#include <QString>

// The texts of the phone number commands of the window, kept together.
namespace PhoneText {

inline const QString menuTidy = QStringLiteral("Tidy phone numbers");
inline const QString menuRegion = QStringLiteral("Phone region...");
inline const QString tidyTitle = QStringLiteral("Tidy phone numbers");
inline const QString nothingToTidy = QStringLiteral("The selected records hold no phone number to tidy.");
inline const QString columnRecord = QStringLiteral("Record");
inline const QString columnPhone = QStringLiteral("Phone");
inline const QString columnBefore = QStringLiteral("Before");
inline const QString columnAfter = QStringLiteral("After");
inline const QString kept = QStringLiteral("kept: %1");
inline const QString form = QStringLiteral("Form:");
inline const QString formInternational = QStringLiteral("International (+39 06 1234 5678)");
inline const QString formE164 = QStringLiteral("E.164 (+390612345678)");
inline const QString formNational = QStringLiteral("National (06 1234 5678)");
inline const QString counts = QStringLiteral("%1 numbers change, %2 selected, %3 kept as they are");
inline const QString regionIs = QStringLiteral("Numbers without a country code are read as numbers of %1.");
inline const QString noRegion = QStringLiteral("No region is set: numbers without a country code are kept.");
inline const QString selectAll = QStringLiteral("Select all");
inline const QString selectNone = QStringLiteral("Select none");
inline const QString regionTitle = QStringLiteral("Phone region");
inline const QString regionLabel = QStringLiteral("Read phone numbers without a country code as numbers of:");
inline const QString regionSystem = QStringLiteral("The system's region (%1)");
inline const QString regionSystemNone = QStringLiteral("The system's region (none)");
// The status bar after a phone number was typed into a list cell: "Phone-2: " and the notes.
inline const QString cellNote = QStringLiteral("%1: %2");

} // namespace PhoneText
