#pragma once

#include <QCoreApplication>
#include <QString>

// The texts of the phone number commands of the window, kept together; each translated
// when it is used.
namespace PhoneText {

inline QString menuTidy() { return QCoreApplication::translate("PhoneText", "Tidy phone numbers"); }
inline QString menuRegion() { return QCoreApplication::translate("PhoneText", "Phone region..."); }
inline QString tidyTitle() { return QCoreApplication::translate("PhoneText", "Tidy phone numbers"); }
inline QString nothingToTidy() { return QCoreApplication::translate("PhoneText", "The selected records hold no phone number to tidy."); }
inline QString columnRecord() { return QCoreApplication::translate("PhoneText", "Record"); }
inline QString columnPhone() { return QCoreApplication::translate("PhoneText", "Phone"); }
inline QString columnBefore() { return QCoreApplication::translate("PhoneText", "Before"); }
inline QString columnAfter() { return QCoreApplication::translate("PhoneText", "After"); }
inline QString kept() { return QCoreApplication::translate("PhoneText", "kept: %1"); }
inline QString form() { return QCoreApplication::translate("PhoneText", "Form:"); }
inline QString formInternational() { return QCoreApplication::translate("PhoneText", "International (+39 06 1234 5678)"); }
inline QString formE164() { return QCoreApplication::translate("PhoneText", "E.164 (+390612345678)"); }
inline QString formNational() { return QCoreApplication::translate("PhoneText", "National (06 1234 5678)"); }
inline QString counts() { return QCoreApplication::translate("PhoneText", "%1 numbers change, %2 selected, %3 kept as they are"); }
inline QString regionIs() { return QCoreApplication::translate("PhoneText", "Numbers without a country code are read as numbers of %1."); }
inline QString noRegion() { return QCoreApplication::translate("PhoneText", "No region is set: numbers without a country code are kept."); }
inline QString selectAll() { return QCoreApplication::translate("PhoneText", "Select all"); }
inline QString selectNone() { return QCoreApplication::translate("PhoneText", "Select none"); }
inline QString regionTitle() { return QCoreApplication::translate("PhoneText", "Phone region"); }
inline QString regionLabel() { return QCoreApplication::translate("PhoneText", "Read phone numbers without a country code as numbers of:"); }
inline QString moduleMissing() { return QCoreApplication::translate("PhoneText", "Phone numbers cannot be read as numbers: the phone number module could not be loaded. Numbers are kept as typed and compared by their digits."); }
inline QString regionSystem() { return QCoreApplication::translate("PhoneText", "The system's region (%1)"); }
inline QString regionSystemNone() { return QCoreApplication::translate("PhoneText", "The system's region (none)"); }
// The status bar after a phone number was typed into a list cell: the column ("Phone-2")
// and what is odd about the number.
inline QString cellNote() { return QCoreApplication::translate("PhoneText", "%1: %2"); }

} // namespace PhoneText
