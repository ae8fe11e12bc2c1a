#pragma once

#include "common/safefile.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class Prompter;

// One coordinate: whole degrees, minutes, seconds, hundredths of a second and a sign.
// For a latitude the sign is the usual one (negative = south). For a longitude the
// stored sign is reversed: positive = west, negative = east.
struct GpsCoord
{
    uint16_t deg = 0;
    uint16_t min = 0;
    uint16_t sec = 0;
    uint16_t hund = 0;
    uint32_t negative = 0;

    // The stored signed value in decimal degrees.
    double ToDegrees() const;
    // Stores a signed value given in decimal degrees. Only the hundredths are rounded,
    // and they never carry into the seconds, so `hund` can be 100.
    void FromDegrees(double value);
    // Stores a value written as text with an optional leading hemisphere letter:
    // N and W give the positive sign, S and E the negative one.
    void ReadCoordinate(const QString &text);

    bool operator==(const GpsCoord &o) const
    {
        return deg == o.deg && min == o.min && sec == o.sec && hund == o.hund && negative == o.negative;
    }
    bool operator!=(const GpsCoord &o) const { return !(*this == o); }
};

// Presence bits of NavData::navFlags.
enum NavFlag : uint32_t {
    kNavPoi = 1,
    kNavPostal = 2,
    kNavGps = 4,
};

// The navigation block of a record.
struct NavData
{
    uint32_t navFlags = 0;
    GpsCoord lon;
    GpsCoord lat;
    uint32_t postalType = 0;
    std::array<uint8_t, 7> posCode{};
    std::array<uint8_t, 11> posRoad1{};
    std::array<uint8_t, 11> posRoad2{};
    uint32_t posNumb = 0;
    uint16_t poiCat = 0;  // low byte: category part 0, high byte: category part 1
    uint32_t poiFac0 = 0;
    uint32_t poiFac1 = 0;
    QString poiLabel;
    uint32_t cdQuarter = 0;
    uint32_t cdYear = 0;
    uint32_t cdCid = 0;

    // Every field of the block becomes 0 / empty.
    void ClearNav();
    // "N45.500000,E9.250000" (latitude first, hemisphere letters), or empty text when the
    // GPS bit is clear.
    QString GpsText() const;
    // Sets the GPS bit and both coordinates from a text, or clears them for an empty text.
    // Lenient, as files written by other programs need: whatever is no number reads as 0.
    void SetGpsText(const QString &text);
    // Whether a text typed by a user is a position SetGpsText reads as meant: empty, or two
    // numbers separated by ",", each with an optional hemisphere letter or sign, the
    // latitude first (N/S) or the longitude first (E/W, then the latitude), within 90 and
    // 180 degrees. Spaces are ignored. "Munich 80331" or "12 Via Roma" are not.
    static bool IsGpsText(const QString &text);
    // SetGpsText for a text that IsGpsText takes; false and nothing changed otherwise.
    bool ReadGpsText(const QString &text);

    bool operator==(const NavData &o) const;
    bool operator!=(const NavData &o) const { return !(*this == o); }
};

constexpr int kPhoneCount = 5;
constexpr int kEmailCount = 5;

// One slot of the phonebook. recType 0 = free slot.
struct AgendaRecord
{
    uint32_t recType = 0;
    uint32_t owner = 0;
    QString label;
    QString note;
    QString fld51;
    uint16_t simPos = 0;
    uint16_t voiceIndex = 0xFFFF;
    QString street;
    QString numb;
    QString zip;
    QString city;
    QString country;
    NavData nav;
    uint16_t phoneWord = 0xFFFF;
    std::array<QString, kPhoneCount> phone;
    std::array<uint32_t, kPhoneCount> phoneType{};
    uint16_t emailWord = 0xFFFF;
    std::array<QString, kEmailCount> email;
    std::array<uint32_t, kEmailCount> emailType{};
    uint32_t acpType = 0;
    std::array<uint8_t, 6> acpDate1{};
    std::array<uint8_t, 6> acpDate2{};

    bool HasAddress() const;

    bool operator==(const AgendaRecord &o) const;
    bool operator!=(const AgendaRecord &o) const { return !(*this == o); }
};

// Maximum lengths, in UTF-16 code units, that the head unit accepts.
namespace FieldMax {
constexpr int label = 30;
constexpr int note = 200;
constexpr int fld51 = 200;
constexpr int street = 150;
constexpr int numb = 5;
constexpr int zip = 44;
constexpr int city = 91;
constexpr int country = 44;
constexpr int poiLabel = 150;
constexpr int phone = 33;
constexpr int email = 60;
} // namespace FieldMax

// A coded value and its display text.
struct CodeText
{
    uint32_t code;
    const char *text;
};

// The value sets of the coded fields, in drop-list order.
namespace Codes {
extern const std::array<CodeText, 7> recordTypes;
extern const std::array<CodeText, 3> postalTypes;
extern const std::array<CodeText, 15> phoneTypes;
extern const std::array<CodeText, 6> emailTypes;
} // namespace Codes

// The outcome of Agenda::Load: success, or why the file was not taken, as a sentence for
// the user, and for a file that stops inside a slot the 0-based index of that slot.
struct LoadResult
{
    bool ok = false;
    QString reason;
    int slot = -1;
    bool declined = false;  // the user chose not to open a file of an unknown version

    explicit operator bool() const { return ok; }
};

// The in-memory phonebook: a fixed array of slots, the first `userCount` of which are the
// unit's users.
class Agenda
{
public:
    static constexpr int kCapacity = 403;
    static constexpr int kMinSlots = 401;
    static constexpr int kMaxUsers = 4;

    Agenda();  // the default state: four users, 403 slots

    std::array<AgendaRecord, kCapacity> slots;
    int usedCount = 0;
    bool modified = false;
    bool compressed = false;
    int slotCount = kCapacity;
    int userCount = kMaxUsers;
    uint32_t version = 80;  // the header version of the file it was loaded from

    // The record in a used slot, or nothing for a free slot or an index out of range.
    std::optional<AgendaRecord> GetRecord(int index) const;
    // Pointer access without a copy; nullptr where GetRecord gives nothing.
    const AgendaRecord *RecordAt(int index) const;
    // Stores a record into a slot (adjusting its type and owner, also in `record`).
    bool StoreRecord(int index, AgendaRecord &record);
    bool StoreRecord(int index, const AgendaRecord &record)
    {
        AgendaRecord copy = record;
        return StoreRecord(index, copy);
    }
    // Stores a record into the lowest free contact slot; returns its index, or 0 when full.
    int InsertRecord(AgendaRecord &record);
    int InsertRecord(const AgendaRecord &record)
    {
        AgendaRecord copy = record;
        return InsertRecord(copy);
    }
    // Frees a contact slot.
    bool DeleteRecord(int index);
    // "label:n" for a user slot, empty text otherwise.
    QString UserName(int index) const;

    // Replaces the phonebook from a file (plain or compressed). The file is read into a
    // fresh phonebook in its default state that is taken over only on success: nothing of
    // an earlier file survives a load, and a failed load leaves this Agenda as it was.
    // A header version this program does not know is read as version 80 only when the
    // policy allows it: the window asks (default No), the command-line tool refuses unless
    // told otherwise.
    enum class UnknownVersion { Ask, Refuse, Accept };
    LoadResult Load(const QString &path, Prompter &prompter, UnknownVersion unknown = UnknownVersion::Ask);
    // Writes the phonebook to a file in the form it was loaded in, keeping a ".BAK" backup.
    // The file and its sidecar are replaced only when both were written completely; on
    // failure they are as they were and the result says why (a backup that could not be
    // written is no failure).
    WriteResult Save(const QString &path, Prompter &prompter);
};
