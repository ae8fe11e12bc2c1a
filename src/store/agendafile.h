#pragma once

#include "store/agenda.h"

#include <QByteArray>
#include <QString>

#include <array>

class QIODevice;
class Prompter;

// Reads the big-endian items of a phonebook file from a device, through its own buffer so
// that the many small items do not each cost a device call.
class SlotReader
{
public:
    explicit SlotReader(QIODevice &device) : device_(&device) {}
    // Reads from memory instead of a device.
    explicit SlotReader(const QByteArray &bytes) : buffer_(bytes), end_(int(bytes.size())) {}

    bool ReadU16(uint16_t &v);
    bool ReadU32(uint32_t &v);
    bool ReadBytes(void *dst, int n);
    bool ReadBytes(QByteArray &dst, int n);
    // Makes the next n bytes available and returns a pointer to them (valid until the
    // next call), or nullptr at the end of the data.
    const char *Take(int n);
    // True once a read failed because the data ended.
    bool RanOut() const { return ranOut_; }

private:
    bool Fill(int need);

    QIODevice *device_ = nullptr;
    QByteArray buffer_;
    int pos_ = 0;
    int end_ = 0;
    bool ranOut_ = false;
};

// Collects the bytes of a phonebook file in memory.
class SlotWriter
{
public:
    QByteArray bytes;

    void WriteU16(uint16_t v);
    void WriteU32(uint32_t v);
    void WriteBytes(const void *src, int n);
};

// The file version that Save writes; version 81 files also carry `fld51`.
constexpr uint32_t kAgendaVersion = 80;
constexpr uint32_t kAgendaVersionFld51 = 81;
constexpr int kAgendaHeaderSize = 20;

// The header versions this program knows, and what their slots carry beyond version 80's.
struct FormatVersion
{
    uint32_t number;
    bool hasFld51;
};
inline constexpr std::array<FormatVersion, 2> kFormatVersions{{{kAgendaVersion, false}, {kAgendaVersionFld51, true}}};
// The table entry of a version, or nullptr for a version this program does not know.
const FormatVersion *FindFormatVersion(uint32_t number);

// Reads one length-prefixed text into `text`. When the text is longer than `max` code
// units, the prompter asks whether to go on; "&No" makes the read fail. The decoded text
// is in `text` even when the read fails after decoding.
bool ReadText(SlotReader &in, int max, QString &text, Prompter &prompter);
// Writes one length-prefixed text (byte count modulo 65536, then the bytes, then 0).
bool WriteText(SlotWriter &out, const QString &text);

bool ReadSlot(AgendaRecord &record, SlotReader &in, uint32_t version, Prompter &prompter);
bool WriteSlot(const AgendaRecord &record, SlotWriter &out, uint32_t version);

// The length question asked by ReadText.
QString LengthQuestion(int length, int max, const QString &text);

// Why Load refused a file (LoadResult::reason); %1 is a record number or a file name.
namespace LoadText {
// Translated where used: QCoreApplication::translate("LoadText", text).
inline const char *const kNotPhonebook = QT_TRANSLATE_NOOP("LoadText", "The file is not a phonebook file.");
inline const char *const kTruncated = QT_TRANSLATE_NOOP("LoadText", "The file ends inside record %1.");
inline const char *const kStopped = QT_TRANSLATE_NOOP("LoadText", "Loading was stopped at record %1, whose text is longer than allowed.");
inline const char *const kDamaged = QT_TRANSLATE_NOOP("LoadText", "The compressed data is damaged.");
inline const char *const kUnpackedTooLarge = QT_TRANSLATE_NOOP("LoadText", "The unpacked phonebook is larger than 64 MiB.");
inline const char *const kSidecarUnreadable = QT_TRANSLATE_NOOP("LoadText", "The sidecar file %1 cannot be read.");
inline const char *const kUnknownVersion = QT_TRANSLATE_NOOP("LoadText", "This phonebook has format version %1, which this program does not know.");
inline const char *const kOpenUnknownVersion =
    QT_TRANSLATE_NOOP("LoadText", "This phonebook has format version %1, which this program does not know. Open it anyway? It will be saved as version 80.");
} // namespace LoadText

// The backup path: the extension of the file-name part replaced by ".BAK", or ".BAK"
// appended when there is none.
QString BackupPath(const QString &path);
