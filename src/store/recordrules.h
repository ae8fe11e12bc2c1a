#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <optional>

class Prompter;
struct AgendaRecord;

// The rules a record meets before an edit is stored, shared by the lists' in-place edit and
// the record editor (the texts' limits are in the record-field table, store/fields.h).
// Only rules and their texts live here; which control shows a refusal is the caller's
// business.

// The texts of these rules, used verbatim by every caller; translated when they are used
// (the window installs a translator, the command-line tool none, so it stays English).
namespace RecordText {
inline QString addressQuestion()
{
    return QCoreApplication::translate("RecordText", "Address modified: clear \"Postal\" and \"Poi\" informations ?");
}
inline QString labelQuestion()
{
    return QCoreApplication::translate("RecordText", "Label modified: clear \"voice record index\" informations ?");
}
//: %1 is the field's limit.
inline QString tooLong() { return QCoreApplication::translate("RecordText", "Please enter no more than %1 characters."); }
inline QString nullValue() { return QCoreApplication::translate("RecordText", "Null value not allowed."); }
//: %1, %2: the lowest and highest value allowed.
inline QString outOfRange() { return QCoreApplication::translate("RecordText", "Number must be between %1 and %2."); }
inline QString invalidGps() { return QCoreApplication::translate("RecordText", "Invalid GPS position."); }
} // namespace RecordText

// The owners a record may have: the user numbers 1..Agenda::kMaxUsers.
constexpr int kFirstOwner = 1;
constexpr int kLastOwner = 4;
// The refusal for an owner number (nothing = not a number), or an empty string when it is
// one of the users.
QString OwnerRefusal(std::optional<int64_t> owner);

// The coordinate range of a GPS position that the unit can use, in degrees.
constexpr double kMaxLatitude = 90.0;
constexpr double kMaxLongitude = 180.0;

// Whether street, number, zip, city or country of `edited` differs from `stored` (compared
// as they stand, in that order, stopping at the first difference).
bool AddressDiffers(const AgendaRecord &stored, const AgendaRecord &edited);

// The "clear derived data?" decisions. Each asks its question through the prompter only when
// it applies, and applies a Yes to the value given; No leaves it. True when it was cleared.
//
// Address: when the address changed and `navFlags` carries the Postal or POI bit, asks
// RecordText::addressQuestion(); Yes clears both bits (the postal and POI data stay, marked
// absent).
bool AskClearPostal(bool addressChanged, uint32_t &navFlags, Prompter &prompter);
// Label: when the label changed and `voiceIndex` names a recorded label (not 0xFFFF), asks
// RecordText::labelQuestion(); Yes sets it to 0xFFFF.
bool AskClearVoice(bool labelChanged, uint16_t &voiceIndex, Prompter &prompter);
