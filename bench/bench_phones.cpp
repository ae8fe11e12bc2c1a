// Normalising phone numbers: 400 records of five numbers each written in one form, the
// duplicate index over them, and the phonebook check, all with the library already in
// use; the library's own start (its region data, once per process) is timed apart.
#include "benchsupport.h"

#include "store/agenda.h"
#include "store/duplicates.h"
#include "store/phonebookcheck.h"
#include "store/phonenumber.h"
#include "store/phonetidy.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

const QString kRegion = QStringLiteral("DE");

// The spellings contacts arrive with: national, 00 and + forms, "(0)", separators, other
// countries, numbers with pauses, short and broken ones.
QString Number(int i, int k)
{
    const int n = 1000000 + i * 7 + k;
    switch ((i + k) % 10) {
    case 0: return QStringLiteral("089 %1").arg(n);
    case 1: return QStringLiteral("0049 89 %1").arg(n);
    case 2: return QStringLiteral("+49 (0)30 %1-%2").arg(n / 1000).arg(n % 1000, 3, 10, QLatin1Char('0'));
    case 3: return QStringLiteral("0171/%1").arg(n);
    case 4: return QStringLiteral("+39 06 %1").arg(n);
    case 5: return QStringLiteral("+43 664 %1").arg(n);
    case 6: return QStringLiteral("tel:+33-1-42-%1").arg(n % 1000000);
    case 7: return QStringLiteral("089 %1p12").arg(n);
    case 8: return QStringLiteral("0171 %1").arg(n % 100);
    default: return QStringLiteral("+44 20 7946 %1").arg(n % 10000, 4, 10, QLatin1Char('0'));
    }
}

std::vector<AgendaRecord> Records()
{
    std::vector<AgendaRecord> records(400);
    for (int i = 0; i < 400; ++i) {
        records[size_t(i)].owner = uint32_t(1 + i % 4);
        records[size_t(i)].label = QStringLiteral("CONTACT %1").arg(i);
        for (int k = 0; k < kPhoneCount; ++k)
            records[size_t(i)].phone[size_t(k)] = Number(i, k);
    }
    return records;
}

void BM_Tidy2000Numbers(benchmark::State &state)
{
    const std::vector<AgendaRecord> records = Records();
    int changed = 0;
    for (auto _ : state) {
        std::vector<AgendaRecord> copy = records;
        changed = 0;
        for (AgendaRecord &r : copy)
            changed += TidyRecordPhones(r, kRegion, PhoneFormat::International);
        benchmark::DoNotOptimize(copy);
    }
    state.counters["changed"] = changed;
}

void BM_DuplicateIndex2000Numbers(benchmark::State &state)
{
    const std::vector<AgendaRecord> records = Records();
    for (auto _ : state) {
        DuplicateIndex index(kRegion);
        int found = 0;
        for (size_t i = 0; i < records.size(); ++i)
            found += index.FindThenAdd(records[i], int(i)).first >= 0 ? 1 : 0;
        benchmark::DoNotOptimize(found);
    }
}

void BM_CheckPhonebook(benchmark::State &state)
{
    auto agenda = std::make_unique<Agenda>();
    for (const AgendaRecord &r : Records())
        agenda->InsertRecord(r);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckPhonebook(*agenda, kRegion));
}

} // namespace

BENCHMARK(BM_Tidy2000Numbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuplicateIndex2000Numbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckPhonebook)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The first use loads the library's region data; everything after it reuses it.
    QElapsedTimer timer;
    const std::clock_t cpu = std::clock();
    timer.start();
    const PhoneReading first = ReadPhone(QStringLiteral("+49 89 1234567"), kRegion);
    const double realMs = double(timer.nsecsElapsed()) / 1e6;
    const double cpuMs = double(std::clock() - cpu) * 1e3 / CLOCKS_PER_SEC;
    std::printf("library start (first number read): %.2f ms (cpu %.2f ms)%s\n", realMs, cpuMs,
                first.kind == PhoneKind::Valid ? "" : " (the number did not read!)");
    std::fflush(stdout);
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"normalise 400 records (2,000 numbers)", "BM_Tidy2000Numbers", "", 50},
                                    {"duplicate index over 2,000 numbers", "BM_DuplicateIndex2000Numbers", "", 50},
                                    {"phonebook check, 400 records", "BM_CheckPhonebook", "", 100}});
}
