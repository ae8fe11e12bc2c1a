// Reading a 1 MB vCard file and a 403-line CSV file against the I/O floor (reading the
// same bytes with a plain file call).
#include "common/scriptedprompter.h"
#include "formats/csv.h"
#include "formats/vcard.h"
#include "store/agenda.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir &Dir()
{
    static QTemporaryDir dir;
    return dir;
}

// About 1 MB: a card with a long folded photo, Quoted-Printable notes and many phones.
QString VcfFile()
{
    const QString path = Dir().filePath(QStringLiteral("big.vcf"));
    if (QFile::exists(path))
        return path;
    QByteArray bytes = "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Big Card\r\n";
    while (bytes.size() < 1000000) {
        bytes += "TEL;PREF;WORK;VOICE:+39 06 1234567\r\n";
        bytes += "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:caf=C3=A9 cr=C3=A8me br=C3=BBl=C3=A9e =\r\n"
                 "and more text on the next line\r\n";
        bytes += "PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAIBAQEBAQIBAQE\r\n";
        for (int i = 0; i < 20; ++i)
            bytes += " CAgICAgQDAgICAgUEBAMEBgUGBgYFBgYGBwkIBgcJBwYGCAsICQoKCgoKBggLDAsKDAkKCgr/\r\n";
    }
    bytes += "END:VCARD\r\n";
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QString CsvFile()
{
    const QString path = Dir().filePath(QStringLiteral("full.csv"));
    if (QFile::exists(path))
        return path;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return path;
    WriteCsvHeader(f);
    for (int i = 0; i < Agenda::kCapacity; ++i) {
        AgendaRecord r;
        r.label = QStringLiteral("CONTACT NUMBER %1").arg(i);
        r.note = QStringLiteral("A note about contact %1 with some words").arg(i);
        r.street = QStringLiteral("VIA GIUSEPPE GARIBALDI");
        r.numb = QStringLiteral("12");
        r.city = QStringLiteral("ROMA");
        r.nav.SetGpsText(QStringLiteral("N41.9,E12.5"));
        r.phone[0] = QStringLiteral("+39 06 %1").arg(1000000 + i);
        r.email[0] = QStringLiteral("contact%1@example.com").arg(i);
        WriteCsvLine(r, f);
    }
    return path;
}

void BM_ReadVcf(benchmark::State &state)
{
    const QString path = VcfFile();
    ScriptedPrompter prompter;
    for (auto _ : state) {
        VCard card;
        benchmark::DoNotOptimize(card.ReadVcf(path, prompter));
    }
}

void BM_ReadCsv(benchmark::State &state)
{
    const QString path = CsvFile();
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        CheckCsvHeader(f);
        AgendaRecord r;
        int n = 0;
        while (ReadCsvLine(r, f))
            ++n;
        benchmark::DoNotOptimize(n);
    }
}

void BM_FloorRead(benchmark::State &state, QString (*make)())
{
    const QString path = make();
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
}

} // namespace

BENCHMARK(BM_ReadVcf)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FloorRead, vcf, VcfFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadCsv)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FloorRead, csv, CsvFile)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
