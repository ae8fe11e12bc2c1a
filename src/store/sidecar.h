#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// CRC-16 of the phonebook files: reflected, polynomial 0xD415 (reflected form), initial
// value 0, no final XOR, result with its two bytes swapped. "abc" gives 0x59d2.
uint16_t Crc16(const void *data, size_t length);
inline uint16_t Crc16(const QByteArray &bytes) { return Crc16(bytes.constData(), size_t(bytes.size())); }
// Continues a CRC over more data: pass the unswapped register (start with 0) and swap at
// the end with Crc16Finish.
uint16_t Crc16Update(uint16_t reg, const void *data, size_t length);
inline uint16_t Crc16Finish(uint16_t reg) { return uint16_t((reg >> 8) | ((reg & 0xFF) << 8)); }

// The sidecar of a data file is path + ".inf": a CRC line, then "key:value" lines, CR LF.
QString SidecarPath(const QString &path);
// Reads the sidecar of `path` (a missing one gives empty data); false when it is there but
// cannot be read (a folder, a device, unreadable, larger than a reader accepts).
bool ReadSidecar(const QString &path, QByteArray &data);
// The operations on sidecar bytes in memory: the value of `key` (or empty text), setting a
// key (replaced, or appended unless onlyIfPresent), and the CRC line for a data file of
// the given CRC.
QString SidecarValue(const QByteArray &data, const QString &key);
void SidecarSetValue(QByteArray &data, const QString &key, const QString &value, bool onlyIfPresent);
// In the CRC line, characters 4-7 are the CRC of the data file, 0-3 the CRC of the sidecar
// from offset 4 to its end.
void SidecarSetCrc(QByteArray &data, uint16_t dataCrc);
// Removes every line of `key` (not the CRC line).
void SidecarRemoveValue(QByteArray &data, const QString &key);
// The outcome of inflating.
enum class ZResult { Ok, DataError, TooLarge };
// Compresses bytes in memory as one zlib stream (default level, window 15, memory level 8).
bool DeflateBytes(const QByteArray &plain, QByteArray &packed);
// Inflates one zlib stream; the output may not grow past kMaxInputFileSize (safefile.h).
ZResult InflateBytes(const QByteArray &packed, QByteArray &plain);

namespace StoreText {
inline const char *const kZCompressError = "ZCompress ERROR";
inline const char *const kZDeCompressError = "ZDeCompress ERROR";
inline const char *const kSidecarSuffix = ".inf";
inline const char *const kKeyCrcUncompressed = "CRC_UNCOMPRESSED";
inline const char *const kKeyUsize = "USIZE";
inline const char *const kKeySize = "SIZE";
} // namespace StoreText
