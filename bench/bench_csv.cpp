// Reading a Google Contacts export of 10,000 contacts for an insert: the bytes decoded,
// tokenised, the header recognised and every row mapped onto a card, then the import
// review's rows built over them. Each against its floor in the same run: the same work
// without what is measured, i.e. reading the file's bytes (and, for the review, reading
// the cards it is built over).
#include "benchsupport.h"

#include "formats/csvcontacts.h"
#include "formats/importreview.h"
#include "formats/interchange.h"
#include "store/agenda.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

constexpr int kRows = 10000;

QTemporaryDir &Dir()
{
    static QTemporaryDir dir;
    return dir;
}

// The current Google layout (UTF-8 with a byte-order mark, CR LF): the fixed columns,
// two e-mails, three phones (the first cell holding two numbers joined by " ::: "), one
// address with a quoted three-line formatted form, notes on some rows.
QString GoogleExport()
{
    const QString path = Dir().filePath(QStringLiteral("google.csv"));
    if (QFile::exists(path))
        return path;
    QByteArray bytes = "\xEF\xBB\xBF"
                       "First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Middle Name,Phonetic Last Name,"
                       "Name Prefix,Name Suffix,Nickname,File As,Organization Name,Organization Title,"
                       "Organization Department,Birthday,Notes,Photo,Labels,"
                       "E-mail 1 - Label,E-mail 1 - Value,E-mail 2 - Label,E-mail 2 - Value,"
                       "Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value,Phone 3 - Label,Phone 3 - Value,"
                       "Address 1 - Label,Address 1 - Formatted,Address 1 - Street,Address 1 - City,Address 1 - PO Box,"
                       "Address 1 - Region,Address 1 - Postal Code,Address 1 - Country,Address 1 - Extended Address\r\n";
    const char *given[] = {"Mario", "J\xC3\xBCrgen", "Fran\xC3\xA7oise", "Ana", "Piet"};
    const char *family[] = {"Rossi", "M\xC3\xBCller", "L\xC3\xA9vy", "Garc\xC3\xAD" "a", "Jansen"};
    const char *streets[] = {"Via Roma", "Hauptstra\xC3\x9F" "e", "Rue de la Paix", "Gran V\xC3\xAD" "a", "Damrak"};
    const char *cities[] = {"Roma", "M\xC3\xBCnchen", "Paris", "Madrid", "Amsterdam"};
    for (int i = 0; i < kRows; ++i) {
        const int k = i % 5;
        const QByteArray n = QByteArray::number(i);
        const QByteArray street = QByteArray(streets[k]) + ' ' + QByteArray::number(1 + i % 200);
        const QByteArray zip = QByteArray::number(10000 + i % 89999);
        bytes += QByteArray(given[k]) + ",," + family[k] + ' ' + n + ",,,,,,,,";
        bytes += (i % 7 == 0 ? QByteArray("ACME S.p.A.") : QByteArray()) + ",,,,";
        bytes += (i % 3 == 0 ? QByteArray("\"Met at the fair, 2019\"") : QByteArray()) + ",,* myContacts,";
        bytes += "* Home,p" + n + "@example.com,Work,w" + n + "@example.org,";
        bytes += "* Mobile,+39 333 " + QByteArray::number(1000000 + i) + " ::: +39 347 " + QByteArray::number(2000000 + i) + ",";
        bytes += "Home,+39 06 " + QByteArray::number(3000000 + i) + ",Work,+39 02 " + QByteArray::number(4000000 + i) + ",";
        bytes += "Home,\"" + street + '\n' + zip + ' ' + cities[k] + "\nItalia\"," + street + ',' + cities[k] + ",,," + zip
                 + ",Italia,\r\n";
    }
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

// An empty phonebook: the review's duplicate look-up has nothing to find.
const Agenda &EmptyPhonebook()
{
    static const auto agenda = [] {
        auto a = std::make_unique<Agenda>();
        for (int i = 2; i < Agenda::kMaxUsers; ++i)
            a->slots[size_t(i)] = AgendaRecord();
        a->userCount = 2;
        a->usedCount = 2;
        return a;
    }();
    return *agenda;
}

std::vector<CardOfFile> ReadCards(const QString &path)
{
    CsvInsertFile file = ReadCsvInsertFile(path);
    file.MapCards();
    return std::move(file.cards);
}

// What the window and the command-line tool do before the review: the file read,
// decoded, tokenised, its header recognised and its rows mapped onto cards.
void BM_GoogleCsvCards(benchmark::State &state)
{
    const QString path = GoogleExport();
    if (ReadCards(path).size() != size_t(kRows))
        state.SkipWithError("the export did not read back");
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadCards(path).size());
}

// The first layers only: the bytes read, decoded and tokenised into rows of fields.
void BM_GoogleCsvTable(benchmark::State &state)
{
    const QString path = GoogleExport();
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(ReadCsvTable(f.readAll()).RowCount());
    }
}

// The same, then the import review's rows built over the cards (remarks, duplicates).
void BM_GoogleCsvReview(benchmark::State &state)
{
    const QString path = GoogleExport();
    for (auto _ : state) {
        ImportReview review(EmptyPhonebook(), ReadCards(path), 1, QStringLiteral("IT"), ImportSource::Csv);
        benchmark::DoNotOptimize(review.CheckedCount());
    }
}

// The review's own part: the rows of cards already read (copying and freeing the cards is
// not timed).
void BM_GoogleCsvReviewOnly(benchmark::State &state)
{
    const std::vector<CardOfFile> cards = ReadCards(GoogleExport());
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<CardOfFile> copy = cards;
        std::optional<ImportReview> review;
        state.ResumeTiming();
        review.emplace(EmptyPhonebook(), std::move(copy), 1, QStringLiteral("IT"), ImportSource::Csv);
        benchmark::DoNotOptimize(review->CheckedCount());
        // Freeing the cards is no part of making the rows.
        state.PauseTiming();
        review.reset();
        state.ResumeTiming();
    }
}

// Floor of the first: reading the file's bytes.
void BM_FloorReadBytes(benchmark::State &state)
{
    const QString path = GoogleExport();
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
}

// Reading the bytes and decoding them to text in one go with the framework's decoder:
// the share of tokenising and mapping is the distance from here.
void BM_FloorReadDecode(benchmark::State &state)
{
    const QString path = GoogleExport();
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(QString::fromUtf8(f.readAll()));
    }
}

// The ratio lines, and the spread of every benchmark's repetitions (lowest and highest
// time per iteration beside the median), so that a floor's noise shows next to its ratio.
class SpreadReporter : public RatioReporter
{
public:
    using RatioReporter::RatioReporter;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
                times_[run.run_name.function_name].push_back(run.real_accumulated_time / double(run.iterations));
        RatioReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        RatioReporter::Finalize();
        for (auto &[name, v] : times_) {
            std::sort(v.begin(), v.end());
            const size_t n = v.size();
            const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
            std::printf("SPREAD %s: median %.3f ms, %.3f .. %.3f ms over %zu repetitions (%+.0f%% .. %+.0f%%)\n",
                        name.c_str(), median * 1e3, v.front() * 1e3, v.back() * 1e3, n,
                        (v.front() / median - 1) * 100, (v.back() / median - 1) * 100);
        }
        std::fflush(stdout);
    }

private:
    std::map<std::string, std::vector<double>> times_;
};

} // namespace

BENCHMARK(BM_GoogleCsvCards)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_GoogleCsvTable)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_GoogleCsvReview)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_GoogleCsvReviewOnly)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_FloorReadBytes)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_FloorReadDecode)->Unit(benchmark::kMillisecond)->Repetitions(9);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SpreadReporter reporter({
        {"10,000 Google rows into cards", "BM_GoogleCsvCards", "", 100},
        {"10,000 Google rows into review rows", "BM_GoogleCsvReview", "", 100},
        {"review rows of 10,000 Google rows already read", "BM_GoogleCsvReviewOnly", "", 25},
        {"10,000 Google rows into cards vs read", "BM_GoogleCsvCards", "BM_FloorReadBytes", 0},
        {"10,000 Google rows into cards vs read+decode", "BM_GoogleCsvCards", "BM_FloorReadDecode", 0},
        {"10,000 Google rows tokenised vs read+decode", "BM_GoogleCsvTable", "BM_FloorReadDecode", 0},
        {"10,000 Google rows into cards vs tokenised", "BM_GoogleCsvCards", "BM_GoogleCsvTable", 0},
        {"10,000 Google rows into review rows vs into cards", "BM_GoogleCsvReview", "BM_GoogleCsvCards", 0},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
