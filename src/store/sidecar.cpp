#include "store/sidecar.h"

#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include <array>
#include <memory>

// ---- CRC-16 -------------------------------------------------------------------------

namespace {

// Eight tables for slicing by eight: table 0 is the classic byte table, table k advances
// a byte that is followed by k more bytes. The result is the same as byte by byte.
using CrcTables = std::array<std::array<uint16_t, 256>, 8>;

constexpr CrcTables MakeCrcTables()
{
    CrcTables t{};
    for (unsigned b = 0; b < 256; ++b) {
        uint16_t reg = uint16_t(b);
        for (int k = 0; k < 8; ++k)
            reg = (reg & 1) ? uint16_t((reg >> 1) ^ 0xD415) : uint16_t(reg >> 1);
        t[0][b] = reg;
    }
    for (size_t k = 1; k < t.size(); ++k)
        for (unsigned b = 0; b < 256; ++b)
            t[k][b] = uint16_t((t[k - 1][b] >> 8) ^ t[0][t[k - 1][b] & 0xFF]);
    return t;
}

constexpr CrcTables kCrc = MakeCrcTables();

constexpr qint64 kChunk = 64 * 1024;

} // namespace

uint16_t Crc16Update(uint16_t reg, const void *data, size_t length)
{
    const auto *p = static_cast<const unsigned char *>(data);
    // Eight bytes per step: the register meets the first two of them, the other six only
    // pass through their own tables.
    while (length >= 8) {
        const unsigned r0 = (reg ^ p[0]) & 0xFF;
        const unsigned r1 = ((reg >> 8) ^ p[1]) & 0xFF;
        reg = uint16_t(kCrc[7][r0] ^ kCrc[6][r1] ^ kCrc[5][p[2]] ^ kCrc[4][p[3]] ^ kCrc[3][p[4]] ^ kCrc[2][p[5]]
                       ^ kCrc[1][p[6]] ^ kCrc[0][p[7]]);
        p += 8;
        length -= 8;
    }
    for (size_t i = 0; i < length; ++i)
        reg = uint16_t((reg >> 8) ^ kCrc[0][(reg ^ p[i]) & 0xFF]);
    return reg;
}

uint16_t Crc16(const void *data, size_t length)
{
    return Crc16Finish(Crc16Update(0, data, length));
}

// ---- sidecar ------------------------------------------------------------------------

namespace {

QByteArray Hex4(uint16_t v)
{
    return QString::asprintf("%04x", unsigned(v)).toLatin1();
}

// Offset just past the line that starts at `from` (past its LF, or the end of data).
int LineEnd(const QByteArray &data, int from)
{
    const int lf = int(data.indexOf('\n', from));
    return lf < 0 ? int(data.size()) : lf + 1;
}

// The line starting at `from` without its line end.
QByteArray LineAt(const QByteArray &data, int from)
{
    int end = LineEnd(data, from);
    if (end > from && data.at(end - 1) == '\n') {
        --end;
        if (end > from && data.at(end - 1) == '\r')
            --end;
    }
    return data.mid(from, end - from);
}

bool LineHasKey(const QByteArray &line, const QByteArray &key)
{
    return line.size() > key.size() && line.startsWith(key) && line.at(key.size()) == ':';
}

// The sidecar's first line is the CRC line. A missing or empty one becomes the
// placeholder "00000000"; a line too short to hold both CRCs is replaced by it as well,
// so that writing the CRCs never runs into the key lines behind it.
void EnsureCrcLine(QByteArray &data)
{
    const QByteArray first = LineAt(data, 0);
    if (first.size() >= 8)
        return;
    data.replace(0, LineEnd(data, 0), QByteArrayLiteral("00000000\r\n"));
}

} // namespace

QString SidecarPath(const QString &path)
{
    return path + QLatin1String(StoreText::kSidecarSuffix);
}

bool ReadSidecar(const QString &path, QByteArray &data)
{
    const QString sidecar = SidecarPath(path);
    data.clear();
    // A missing sidecar is an empty one; one that is there must be readable.
    if (!QFileInfo::exists(sidecar) && !QFileInfo(sidecar).isSymLink())
        return true;
    return ReadInputFile(sidecar, data);
}

QString SidecarValue(const QByteArray &data, const QString &key)
{
    const QByteArray k = key.toLatin1();
    for (int pos = LineEnd(data, 0); pos < data.size(); pos = LineEnd(data, pos)) {
        const QByteArray line = LineAt(data, pos);
        if (LineHasKey(line, k))
            return QString::fromLatin1(line.mid(k.size() + 1));
    }
    return QString();
}

void SidecarSetValue(QByteArray &data, const QString &key, const QString &value, bool onlyIfPresent)
{
    const QByteArray k = key.toLatin1();
    const QByteArray v = value.toLatin1();
    // An empty CRC line gets the placeholder; key lines behind it are still looked at, so
    // that a key is never written twice.
    if (LineAt(data, 0).isEmpty())
        data.replace(0, LineEnd(data, 0), QByteArrayLiteral("00000000\r\n"));
    for (int pos = LineEnd(data, 0); pos < data.size(); pos = LineEnd(data, pos)) {
        if (LineHasKey(LineAt(data, pos), k)) {
            const int valueStart = pos + int(k.size()) + 1;
            data.replace(valueStart, LineEnd(data, pos) - valueStart, v + "\r\n");
            return;
        }
    }
    if (onlyIfPresent)
        return;
    if (!data.isEmpty() && !data.endsWith('\n'))
        data += "\r\n";
    data += k + ':' + v + "\r\n";
}

void SidecarRemoveValue(QByteArray &data, const QString &key)
{
    const QByteArray k = key.toLatin1();
    for (int pos = LineEnd(data, 0); pos < data.size();) {
        const int end = LineEnd(data, pos);
        if (LineHasKey(LineAt(data, pos), k))
            data.remove(pos, end - pos);
        else
            pos = end;
    }
}

void SidecarSetCrc(QByteArray &data, uint16_t dataCrc)
{
    EnsureCrcLine(data);
    data.replace(4, 4, Hex4(dataCrc));
    const uint16_t sideCrc = Crc16(data.constData() + 4, size_t(data.size() - 4));
    data.replace(0, 4, Hex4(sideCrc));
}

// ---- zlib ---------------------------------------------------------------------

namespace {

struct Inflater
{
    z_stream zs{};
    bool ready = false;
    ~Inflater()
    {
        if (ready)
            inflateEnd(&zs);
    }
};

} // namespace

bool DeflateBytes(const QByteArray &plain, QByteArray &packed)
{
    // compress2 is deflate with the default level, window 15 and memory level 8, the
    // zlib wrapper and the default strategy: the form the head unit reads.
    uLongf length = compressBound(uLong(plain.size()));
    packed.resize(qsizetype(length));
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &length, reinterpret_cast<const Bytef *>(plain.constData()),
                  uLong(plain.size()), Z_DEFAULT_COMPRESSION)
        != Z_OK) {
        packed.clear();
        return false;
    }
    packed.resize(qsizetype(length));
    return true;
}

ZResult InflateBytes(const QByteArray &packed, QByteArray &plain)
{
    plain.clear();
    Inflater z;
    if (inflateInit2(&z.zs, 15) != Z_OK)
        return ZResult::DataError;
    z.ready = true;
    z.zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    z.zs.avail_in = uInt(packed.size());
    // Grows with the output, but never past the largest phonebook a reader accepts: a
    // small crafted stream cannot make it take all memory.
    plain.resize(qMin<qint64>(qMax<qint64>(4 * packed.size(), kChunk), kMaxInputFileSize + 1));
    qint64 have = 0;
    for (;;) {
        if (have == plain.size()) {
            if (have > kMaxInputFileSize) {
                plain.clear();
                return ZResult::TooLarge;
            }
            plain.resize(qMin<qint64>(2 * have, kMaxInputFileSize + 1));
        }
        z.zs.next_out = reinterpret_cast<Bytef *>(plain.data() + have);
        z.zs.avail_out = uInt(plain.size() - have);
        const int rc = inflate(&z.zs, Z_NO_FLUSH);
        have = plain.size() - qint64(z.zs.avail_out);
        if (rc == Z_STREAM_END)
            break;
        // Z_BUF_ERROR with output room left: the input ended before the stream did.
        if ((rc != Z_OK && rc != Z_BUF_ERROR) || (rc == Z_BUF_ERROR && z.zs.avail_out > 0)) {
            plain.clear();
            return ZResult::DataError;
        }
    }
    plain.resize(have);
    return ZResult::Ok;
}
