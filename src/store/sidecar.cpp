#include "store/sidecar.h"

#include "common/prompter.h"

#include <QFile>

#include <zlib.h>

#include <array>
#include <memory>

// ---- CRC-16 -------------------------------------------------------------------------

namespace {

constexpr std::array<uint16_t, 256> MakeCrcTable()
{
    std::array<uint16_t, 256> t{};
    for (unsigned b = 0; b < 256; ++b) {
        uint16_t reg = uint16_t(b);
        for (int k = 0; k < 8; ++k)
            reg = (reg & 1) ? uint16_t((reg >> 1) ^ 0xD415) : uint16_t(reg >> 1);
        t[b] = reg;
    }
    return t;
}

constexpr std::array<uint16_t, 256> kCrcTable = MakeCrcTable();

constexpr qint64 kChunk = 64 * 1024;

} // namespace

uint16_t Crc16Update(uint16_t reg, const void *data, size_t length)
{
    const auto *p = static_cast<const unsigned char *>(data);
    for (size_t i = 0; i < length; ++i)
        reg = uint16_t((reg >> 8) ^ kCrcTable[(reg ^ p[i]) & 0xFF]);
    return reg;
}

uint16_t Crc16(const void *data, size_t length)
{
    return Crc16Finish(Crc16Update(0, data, length));
}

bool FileCrc16(const QString &path, uint16_t &crc)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    uint16_t reg = 0;
    QByteArray buffer(int(kChunk), Qt::Uninitialized);
    for (;;) {
        const qint64 n = f.read(buffer.data(), kChunk);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        reg = Crc16Update(reg, buffer.constData(), size_t(n));
    }
    crc = Crc16Finish(reg);
    return true;
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

bool ReadSidecar(const QString &sidecar, QByteArray &data)
{
    QFile f(sidecar);
    if (!f.exists()) {
        data.clear();
        return true;
    }
    if (!f.open(QIODevice::ReadOnly))
        return false;
    data = f.readAll();
    return true;
}

// Writes the whole sidecar anew.
bool WriteSidecar(const QString &sidecar, const QByteArray &data)
{
    QFile f(sidecar);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (f.write(data) != data.size() || !f.flush())
        return false;
    f.close();
    return f.error() == QFileDevice::NoError;
}

} // namespace

QString SidecarPath(const QString &path)
{
    return path + QLatin1String(StoreText::kSidecarSuffix);
}

QString InfGetValue(const QString &path, const QString &key)
{
    QFile f(SidecarPath(path));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray data = f.readAll();
    const QByteArray k = key.toLatin1();
    for (int pos = LineEnd(data, 0); pos < data.size(); pos = LineEnd(data, pos)) {
        const QByteArray line = LineAt(data, pos);
        if (line.size() > k.size() && line.startsWith(k) && line.at(k.size()) == ':')
            return QString::fromLatin1(line.mid(k.size() + 1));
    }
    return QString();
}

bool InfSetValue(const QString &path, const QString &key, const QString &value, bool onlyIfPresent)
{
    const QString sidecar = SidecarPath(path);
    QByteArray data;
    if (!ReadSidecar(sidecar, data))
        return false;
    const QByteArray k = key.toLatin1();
    const QByteArray v = value.toLatin1();
    bool found = false;
    // An empty CRC line gets the placeholder; key lines behind it are still looked at, so
    // that a key is never written twice.
    if (LineAt(data, 0).isEmpty())
        data.replace(0, LineEnd(data, 0), QByteArrayLiteral("00000000\r\n"));
    for (int pos = LineEnd(data, 0); pos < data.size(); pos = LineEnd(data, pos)) {
        if (LineHasKey(LineAt(data, pos), k)) {
            const int valueStart = pos + int(k.size()) + 1;
            data.replace(valueStart, LineEnd(data, pos) - valueStart, v + "\r\n");
            found = true;
            break;
        }
    }
    if (!found) {
        if (onlyIfPresent)
            return WriteSidecar(sidecar, data);
        if (!data.isEmpty() && !data.endsWith('\n'))
            data += "\r\n";
        data += k + ':' + v + "\r\n";
    }
    return WriteSidecar(sidecar, data);
}

bool InfUpdateCrc(const QString &path)
{
    uint16_t dataCrc = 0;
    if (!FileCrc16(path, dataCrc))
        return false;
    const QString sidecar = SidecarPath(path);
    QByteArray data;
    if (!ReadSidecar(sidecar, data))
        return false;
    EnsureCrcLine(data);
    data.replace(4, 4, Hex4(dataCrc));
    const uint16_t sideCrc = Crc16(data.constData() + 4, size_t(data.size() - 4));
    data.replace(0, 4, Hex4(sideCrc));
    return WriteSidecar(sidecar, data);
}

// ---- zlib files ---------------------------------------------------------------------

namespace {

// Longest plain phonebook we inflate: far beyond any real one (403 slots of full
// texts), small enough that a crafted stream cannot fill the disk.
constexpr qint64 kMaxInflated = qint64(1) << 30;

struct Deflater
{
    z_stream zs{};
    bool ready = false;
    ~Deflater()
    {
        if (ready)
            deflateEnd(&zs);
    }
};

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

qint64 DoCompress(const QString &source, const QString &destination)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return -1;
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    Deflater d;
    if (deflateInit2(&d.zs, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return -1;
    d.ready = true;
    QByteArray inBuf(int(kChunk), Qt::Uninitialized);
    QByteArray outBuf(int(kChunk), Qt::Uninitialized);
    qint64 written = 0;
    int flush = Z_NO_FLUSH;
    do {
        const qint64 n = in.read(inBuf.data(), kChunk);
        if (n < 0)
            return -1;
        flush = in.atEnd() || n == 0 ? Z_FINISH : Z_NO_FLUSH;
        d.zs.next_in = reinterpret_cast<Bytef *>(inBuf.data());
        d.zs.avail_in = uInt(n);
        int rc = Z_OK;
        do {
            d.zs.next_out = reinterpret_cast<Bytef *>(outBuf.data());
            d.zs.avail_out = uInt(kChunk);
            rc = deflate(&d.zs, flush);
            if (rc == Z_STREAM_ERROR)
                return -1;
            const qint64 have = kChunk - d.zs.avail_out;
            if (have > 0 && out.write(outBuf.constData(), have) != have)
                return -1;
            written += have;
        } while (d.zs.avail_out == 0);
        if (flush == Z_FINISH && rc != Z_STREAM_END)
            return -1;
    } while (flush != Z_FINISH);
    if (!out.flush())
        return -1;
    out.close();
    if (out.error() != QFileDevice::NoError)
        return -1;
    return written;
}

qint64 DoDecompress(const QString &source, const QString &destination)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return -1;
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    Inflater z;
    if (inflateInit2(&z.zs, 15) != Z_OK)
        return -1;
    z.ready = true;
    QByteArray inBuf(int(kChunk), Qt::Uninitialized);
    QByteArray outBuf(int(kChunk), Qt::Uninitialized);
    qint64 written = 0;
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        const qint64 n = in.read(inBuf.data(), kChunk);
        if (n <= 0)
            return -1;  // read error, or the stream ends before its end marker
        z.zs.next_in = reinterpret_cast<Bytef *>(inBuf.data());
        z.zs.avail_in = uInt(n);
        do {
            z.zs.next_out = reinterpret_cast<Bytef *>(outBuf.data());
            z.zs.avail_out = uInt(kChunk);
            rc = inflate(&z.zs, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
                return -1;
            const qint64 have = kChunk - z.zs.avail_out;
            if (have > 0 && out.write(outBuf.constData(), have) != have)
                return -1;
            written += have;
            if (written > kMaxInflated)
                return -1;
        } while (rc != Z_STREAM_END && z.zs.avail_out == 0);
    }
    if (!out.flush())
        return -1;
    out.close();
    if (out.error() != QFileDevice::NoError)
        return -1;
    return written;
}

} // namespace

qint64 ZCompressFile(const QString &source, const QString &destination, Prompter &prompter)
{
    const QString dest = destination.isEmpty() ? source + QStringLiteral(".GZ") : destination;
    const qint64 n = DoCompress(source, dest);
    if (n < 0)
        prompter.Information(QString::fromLatin1(StoreText::kZCompressError));
    return n;
}

qint64 ZDeCompressFile(const QString &source, const QString &destination, Prompter &prompter)
{
    const QString dest = destination.isEmpty() ? source + QLatin1String(StoreText::kUncompressedSuffix) : destination;
    const qint64 n = DoDecompress(source, dest);
    if (n < 0)
        prompter.Information(QString::fromLatin1(StoreText::kZDeCompressError));
    return n;
}
