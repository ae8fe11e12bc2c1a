#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class Prompter;

// CRC-16 of the phonebook files: reflected, polynomial 0xD415 (reflected form), initial
// value 0, no final XOR, result with its two bytes swapped. "abc" gives 0x59d2.
uint16_t Crc16(const void *data, size_t length);
inline uint16_t Crc16(const QByteArray &bytes) { return Crc16(bytes.constData(), size_t(bytes.size())); }
// Continues a CRC over more data: pass the unswapped register (start with 0) and swap at
// the end with Crc16Finish.
uint16_t Crc16Update(uint16_t reg, const void *data, size_t length);
inline uint16_t Crc16Finish(uint16_t reg) { return uint16_t((reg >> 8) | ((reg & 0xFF) << 8)); }

// CRC-16 of a whole file; false (crc untouched) when it cannot be opened or read.
bool FileCrc16(const QString &path, uint16_t &crc);

// The sidecar of a data file is path + ".inf": a CRC line, then "key:value" lines, CR LF.
QString SidecarPath(const QString &path);
// Reads the sidecar of `path` (a missing one gives empty data); false when it is there but
// cannot be read (a folder, a device, unreadable, larger than a reader accepts).
bool ReadSidecar(const QString &path, QByteArray &data);
// The same operations on sidecar bytes in memory: the value of `key` (or empty text),
// setting a key (replaced, or appended unless onlyIfPresent), and the CRC line for a data
// file of the given CRC.
QString SidecarValue(const QByteArray &data, const QString &key);
void SidecarSetValue(QByteArray &data, const QString &key, const QString &value, bool onlyIfPresent);
void SidecarSetCrc(QByteArray &data, uint16_t dataCrc);
// Removes every line of `key` (not the CRC line).
void SidecarRemoveValue(QByteArray &data, const QString &key);
// The value of `key` in the sidecar of `path`, or empty text.
QString InfGetValue(const QString &path, const QString &key);
// Replaces the value of `key`, or appends the key when it is missing and !onlyIfPresent.
bool InfSetValue(const QString &path, const QString &key, const QString &value, bool onlyIfPresent);
// Rewrites the CRC line: characters 4-7 the CRC of the data file, 0-3 the CRC of the
// sidecar from offset 4 to its end.
bool InfUpdateCrc(const QString &path);
// The same with the data file's CRC already known (the caller has just written its bytes).
bool InfUpdateCrc(const QString &path, uint16_t dataCrc);

// The outcome of inflating; the failures are also the negative results of ZDeCompressFile.
enum class ZResult : qint64 { Ok = 0, ReadError = -1, DataError = -2, WriteError = -3, TooLarge = -4 };
// Compresses bytes in memory as one zlib stream (default level, window 15, memory level 8).
bool DeflateBytes(const QByteArray &plain, QByteArray &packed);
// Inflates one zlib stream; the output may not grow past kMaxInputFileSize (safefile.h).
ZResult InflateBytes(const QByteArray &packed, QByteArray &plain);

// Compresses the file `source` into `destination` (empty = source + ".GZ") as one zlib
// stream. Returns the number of compressed bytes written, or a negative number after
// showing "ZCompress ERROR".
qint64 ZCompressFile(const QString &source, const QString &destination, Prompter &prompter);
// Decompresses the zlib file `source` into `destination` (empty = source + ".unc").
// Returns the number of bytes written, or a negative ZResult after showing
// "ZDeCompress ERROR". Both write their destination atomically.
qint64 ZDeCompressFile(const QString &source, const QString &destination, Prompter &prompter);

namespace StoreText {
inline const char *const kZCompressError = "ZCompress ERROR";
inline const char *const kZDeCompressError = "ZDeCompress ERROR";
inline const char *const kUncompressedSuffix = ".unc";
inline const char *const kSidecarSuffix = ".inf";
inline const char *const kKeyCrcUncompressed = "CRC_UNCOMPRESSED";
inline const char *const kKeyUsize = "USIZE";
inline const char *const kKeySize = "SIZE";
} // namespace StoreText
