// Loading and saving a full 403-slot phonebook against the I/O floor: reading and writing
// the same bytes with plain file calls (and zlib alone for the compressed form).
#include "common/scriptedprompter.h"
#include "store/agenda.h"
#include "store/sidecar.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <memory>

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

void BM_FloorPlain(benchmark::State &state)
{
    Fixture &f = Files();
    const QString copy = f.dir.filePath(QStringLiteral("floor.dat"));
    for (auto _ : state) {
        QFile in(f.plain);
        in.open(QIODevice::ReadOnly);
        const QByteArray bytes = in.readAll();
        QFile out(copy);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(bytes);
        out.close();
        benchmark::DoNotOptimize(bytes.data());
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

void BM_FloorCompressed(benchmark::State &state)
{
    // Read the packed bytes, inflate, deflate, write them back: zlib and file I/O alone.
    Fixture &f = Files();
    const QString copy = f.dir.filePath(QStringLiteral("floor.z"));
    for (auto _ : state) {
        QFile in(f.packed);
        in.open(QIODevice::ReadOnly);
        const QByteArray z = in.readAll();
        uLongf plainLen = uLongf(f.plainBytes.size());
        QByteArray plain(int(plainLen), Qt::Uninitialized);
        uncompress(reinterpret_cast<Bytef *>(plain.data()), &plainLen, reinterpret_cast<const Bytef *>(z.constData()),
                   uLong(z.size()));
        uLongf zLen = compressBound(plainLen);
        QByteArray again(int(zLen), Qt::Uninitialized);
        compress2(reinterpret_cast<Bytef *>(again.data()), &zLen, reinterpret_cast<const Bytef *>(plain.constData()),
                  plainLen, Z_DEFAULT_COMPRESSION);
        QFile out(copy);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(again.constData(), qint64(zLen));
        out.close();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.plainBytes.size());
}

} // namespace

BENCHMARK(BM_LoadSavePlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadSaveCompressed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorCompressed)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
