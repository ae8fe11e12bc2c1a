// Loading and saving a full 403-slot phonebook against the I/O floor: reading and writing
// the same bytes with plain file calls (and zlib alone for the compressed form), written as
// durably as a save writes them (beside the target, both files synced, renamed, the folder
// synced). A second floor does the file work that a save must do besides: the sidecar read
// twice and the previous file linked as the backup, with no format work, so that like is
// compared with like.
#include "benchsupport.h"

#include "support/scriptedprompter.h"
#include "store/agenda.h"
#include "store/sidecar.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <zlib.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <thread>

namespace {

// A phonebook with every slot used and realistic texts.
std::unique_ptr<Agenda> FullAgenda()
{
    auto a = std::make_unique<Agenda>();
    for (int i = 4; i < Agenda::kCapacity; ++i) {
        AgendaRecord r;
        r.owner = uint32_t(1 + i % 4);
        r.label = QStringLiteral("CONTACT NUMBER %1").arg(i);
        r.note = QStringLiteral("A note about contact %1 with some words").arg(i);
        r.street = QStringLiteral("VIA GIUSEPPE GARIBALDI");
        r.numb = QStringLiteral("12");
        r.zip = QStringLiteral("00100");
        r.city = QStringLiteral("ROMA");
        r.country = QStringLiteral("ITALY");
        r.nav.navFlags = kNavGps;
        r.nav.lat.FromDegrees(41.9 + i * 0.001);
        r.nav.lon.FromDegrees(-12.5);
        r.phone[0] = QStringLiteral("+39 06 %1").arg(1000000 + i);
        r.phone[1] = QStringLiteral("+39 333 %1").arg(2000000 + i);
        r.phoneType[0] = 7;
        r.phoneType[1] = 19;
        r.email[0] = QStringLiteral("contact%1@example.com").arg(i);
        r.emailType[0] = 1;
        a->InsertRecord(r);
    }
    return a;
}

struct Fixture
{
    QTemporaryDir dir;
    QString plain;
    QString packed;
    QByteArray plainBytes;
    QByteArray packedBytes;

    Fixture()
    {
        ScriptedPrompter p;
        auto a = FullAgenda();
        plain = dir.filePath(QStringLiteral("plain.dat"));
        a->Save(plain, p);
        packed = dir.filePath(QStringLiteral("packed.dat"));
        a->compressed = true;
        a->Save(packed, p);
        QFile f(plain);
        f.open(QIODevice::ReadOnly);
        plainBytes = f.readAll();
        QFile g(packed);
        g.open(QIODevice::ReadOnly);
        packedBytes = g.readAll();
    }
};

Fixture &Files()
{
    static Fixture f;
    return f;
}

void BM_LoadSavePlain(benchmark::State &state)
{
    Fixture &f = Files();
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    for (auto _ : state) {
        if (!a->Load(f.plain, p) || !a->Save(f.plain, p))
            state.SkipWithError("load or save failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.plainBytes.size());
}

QByteArray ReadAll(const QString &path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Writes a file as a save does: beside its target, synced, renamed over it.
struct Staged
{
    QByteArray target;
    QByteArray temp;
    int fd = -1;

    Staged(const QString &path, const QByteArray &bytes)
        : target(QFile::encodeName(path)), temp(target + ".tmp")
    {
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
            std::perror("write");
    }
    void Sync() const { ::fdatasync(fd); }
    void Replace()
    {
        ::close(fd);
        ::rename(temp.constData(), target.constData());
    }
};

// The durable part of every save: the phonebook and its sidecar written beside their
// targets, both synced at the same time (as the save does), renamed, and the folder synced.
void WriteDurably(const QString &folder, const QString &file, const QByteArray &bytes, const QString &sidecar,
                  const QByteArray &sidecarBytes, const std::function<void()> &beforeReplacing = nullptr)
{
    Staged a(file, bytes);
    Staged b(sidecar, sidecarBytes);
    std::thread helper([&b] { b.Sync(); });
    a.Sync();
    helper.join();
    if (beforeReplacing)
        beforeReplacing();
    a.Replace();
    b.Replace();
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(dir);
    ::close(dir);
}

// The backup a save keeps: the previous file linked under the backup name.
void LinkBackup(const QString &file, const QString &backup)
{
    const QByteArray temp = QFile::encodeName(backup) + ".tmp";
    ::link(QFile::encodeName(file).constData(), temp.constData());
    ::rename(temp.constData(), QFile::encodeName(backup).constData());
}

// Reading and writing the same bytes with the same durability as a save, and no format
// work: the file and its sidecar read, both written back, synced and renamed.
void BM_FloorPlain(benchmark::State &state)
{
    Fixture &f = Files();
    const QString copy = f.dir.filePath(QStringLiteral("floor.dat"));
    const QString inf = copy + QStringLiteral(".inf");
    const QByteArray sidecar = ReadAll(f.plain + QStringLiteral(".inf"));
    WriteDurably(f.dir.path(), copy, f.plainBytes, inf, sidecar);
    for (auto _ : state) {
        const QByteArray bytes = ReadAll(copy);
        const QByteArray side = ReadAll(inf);
        WriteDurably(f.dir.path(), copy, bytes, inf, side);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.plainBytes.size());
}

// Load + save of a plain phonebook as bare file calls: the sidecar read, the file read,
// the sidecar read again, both written durably with the previous file linked as the backup.
void BM_FloorPlainFileWork(benchmark::State &state)
{
    Fixture &f = Files();
    const QString copy = f.dir.filePath(QStringLiteral("floorwork.dat"));
    const QString bak = f.dir.filePath(QStringLiteral("floorwork.BAK"));
    const QString inf = copy + QStringLiteral(".inf");
    WriteDurably(f.dir.path(), copy, f.plainBytes, inf, QByteArray("00000000\r\n"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadAll(inf));
        const QByteArray bytes = ReadAll(copy);
        const QByteArray side = ReadAll(inf);
        WriteDurably(f.dir.path(), copy, bytes, inf, side, [&] { LinkBackup(copy, bak); });
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.plainBytes.size());
}

void BM_LoadSaveCompressed(benchmark::State &state)
{
    Fixture &f = Files();
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    for (auto _ : state) {
        if (!a->Load(f.packed, p) || !a->Save(f.packed, p))
            state.SkipWithError("load or save failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.plainBytes.size());
}

QByteArray Inflate(const QByteArray &z, qsizetype size)
{
    uLongf plainLen = uLongf(size);
    QByteArray plain(size, Qt::Uninitialized);
    uncompress(reinterpret_cast<Bytef *>(plain.data()), &plainLen, reinterpret_cast<const Bytef *>(z.constData()),
               uLong(z.size()));
    return plain;
}

QByteArray Deflate(const QByteArray &plain)
{
    uLongf zLen = compressBound(uLong(plain.size()));
    QByteArray packed(int(zLen), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef *>(packed.data()), &zLen, reinterpret_cast<const Bytef *>(plain.constData()),
              uLong(plain.size()), Z_DEFAULT_COMPRESSION);
    packed.truncate(int(zLen));
    return packed;
}

// Read the packed bytes, inflate, deflate, write them back with the sidecar as durably as
// a save: zlib and file I/O alone.
void BM_FloorCompressed(benchmark::State &state)
{
    Fixture &f = Files();
    const QString copy = f.dir.filePath(QStringLiteral("floor.z"));
    const QString inf = copy + QStringLiteral(".inf");
    WriteDurably(f.dir.path(), copy, f.packedBytes, inf, ReadAll(f.packed + QStringLiteral(".inf")));
    for (auto _ : state) {
        const QByteArray plain = Inflate(ReadAll(copy), f.plainBytes.size());
        const QByteArray side = ReadAll(inf);
        WriteDurably(f.dir.path(), copy, Deflate(plain), inf, side);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.plainBytes.size());
}

// Load + save of a compressed phonebook as bare file calls and zlib: the sidecar read, the
// packed file read and inflated in memory, the sidecar read again, the bytes deflated, and
// both files written durably with the previous file linked as the backup.
void BM_FloorCompressedFileWork(benchmark::State &state)
{
    Fixture &f = Files();
    const QString copy = f.dir.filePath(QStringLiteral("floorwork.z"));
    const QString bak = f.dir.filePath(QStringLiteral("floorwork.zbak"));
    const QString inf = copy + QStringLiteral(".inf");
    WriteDurably(f.dir.path(), copy, f.packedBytes, inf, ReadAll(f.packed + QStringLiteral(".inf")));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadAll(inf));
        const QByteArray plain = Inflate(ReadAll(copy), f.plainBytes.size());
        const QByteArray side = ReadAll(inf);
        WriteDurably(f.dir.path(), copy, Deflate(plain), inf, side, [&] { LinkBackup(copy, bak); });
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.plainBytes.size());
}

} // namespace

BENCHMARK(BM_LoadSavePlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadSaveCompressed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorCompressed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorPlainFileWork)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorCompressedFileWork)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::printf("phonebook: %lld bytes plain, %lld bytes compressed\n", qint64(Files().plainBytes.size()),
                qint64(Files().packedBytes.size()));
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"load+save plain vs read+write", "BM_LoadSavePlain", "BM_FloorPlain", 2},
                                    {"load+save compressed vs read+zlib+write", "BM_LoadSaveCompressed",
                                     "BM_FloorCompressed", 2},
                                    {"load+save plain vs the same file work", "BM_LoadSavePlain",
                                     "BM_FloorPlainFileWork", 2},
                                    {"load+save compressed vs the same file work", "BM_LoadSaveCompressed",
                                     "BM_FloorCompressedFileWork", 2}});
}
