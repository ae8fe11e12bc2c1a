// Reading 1,000 vCard files (one card each, as the bulk import does), a 1 MB vCard file and
// a 403-line CSV file against the I/O floor: reading the same bytes with plain file calls.
// A phone's export of 1,000 contacts in one file read into the import review's rows, and
// 400 reviewed cards inserted, against reading the file's bytes. 1,000 cards in mixed
// code pages against the same cards in UTF-8.
#include "benchsupport.h"
#include "support/phoneexport.h"

#include "support/scriptedprompter.h"
#include "formats/csv.h"
#include "formats/importreview.h"
#include "formats/vcard.h"
#include "formats/vcardimport.h"
#include "store/agenda.h"
#include "store/phonebook.h"

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QTemporaryDir>

#include <iconv.h>
#include <memory>

namespace {

// Shift_JIS bytes of a text, through the C library's converter.
QByteArray ShiftJisBytes(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    iconv_t cd = iconv_open("SHIFT_JIS", "UTF-8");
    QByteArray out(utf8.size() * 2 + 8, '\0');
    char *in = const_cast<char *>(utf8.constData());
    size_t inLeft = size_t(utf8.size());
    char *dst = out.data();
    size_t outLeft = size_t(out.size());
    iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    out.truncate(dst - out.data());
    return out;
}

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

// 1,000 card files: the real exported cards of the test data, each written many times
// under its own name.
QStringList CardFiles()
{
    static QStringList files;
    if (!files.isEmpty())
        return files;
    QList<QByteArray> cards;
    const QDir source(QStringLiteral(KESTRAVON_TESTDATA "/vcards"));
    for (const QString &name : source.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name)) {
        QFile f(source.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            cards << f.readAll();
    }
    if (cards.isEmpty())
        cards << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Anna\r\nTEL;CELL:12345\r\nEND:VCARD\r\n");
    QDir().mkpath(Dir().filePath(QStringLiteral("cards")));
    for (int i = 0; i < 1000; ++i) {
        const QString path = Dir().filePath(QStringLiteral("cards/%1.vcf").arg(i));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(cards.at(i % cards.size()));
        files << path;
    }
    return files;
}

void BM_ImportVcards(benchmark::State &state)
{
    const QStringList files = CardFiles();
    ScriptedPrompter prompter;
    for (auto _ : state) {
        int imported = 0;
        for (const QString &path : files) {
            AgendaRecord record;
            imported += ImportVCard(record, path, prompter);
        }
        benchmark::DoNotOptimize(imported);
    }
}

void BM_FloorReadCards(benchmark::State &state)
{
    const QStringList files = CardFiles();
    for (auto _ : state) {
        for (const QString &path : files) {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            benchmark::DoNotOptimize(f.readAll());
        }
    }
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
        OwnCsvReader reader(f.readAll());
        AgendaRecord r;
        int n = 0;
        while (reader.ReadLine(r))
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

// Reading the bytes and turning them into text in one go with the framework's decoder:
// the least that any reader that yields Unicode text has to do.
void BM_FloorDecodeVcf(benchmark::State &state)
{
    const QString path = VcfFile();
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(QString::fromUtf8(f.readAll()));
    }
}

void BM_FloorDecodeCsv(benchmark::State &state)
{
    const QString path = CsvFile();
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(
            QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2));
    }
}

// One file of `cards` contacts.
QString ExportFile(int cards)
{
    const QString path = Dir().filePath(QStringLiteral("export%1.vcf").arg(cards));
    if (!QFile::exists(path)) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(PhoneExport(cards));
    }
    return path;
}

// A phonebook with two users, 200 contacts each, some of which the export holds again.
std::unique_ptr<Agenda> ReviewTarget()
{
    auto agenda = std::make_unique<Agenda>();
    ScriptedPrompter prompter;
    const std::vector<CardOfFile> cards = ReadCardFiles({ExportFile(400)}, prompter);
    for (size_t i = 0; i < cards.size(); ++i) {
        AgendaRecord r = cards[i].record;
        r.owner = uint32_t(1 + i % 2);
        agenda->InsertRecord(r);
    }
    return agenda;
}

// The files read into cards and the review's rows built, every cell as the table shows it.
void BM_ReviewRows(benchmark::State &state)
{
    const QString path = ExportFile(1000);
    const std::unique_ptr<Agenda> agenda = ReviewTarget();
    ScriptedPrompter prompter;
    for (auto _ : state) {
        ImportReview review(*agenda, ReadCardFiles({path}, prompter), 1);
        qsizetype chars = 0;
        for (int row = 0; row < review.Count(); ++row)
            chars += review.Label(row).size() + review.RemarksText(row).size();
        benchmark::DoNotOptimize(chars);
    }
}

// 400 reviewed cards (shortening on, labels proposed) inserted into an empty phonebook.
void BM_InsertReviewed(benchmark::State &state)
{
    ScriptedPrompter prompter;
    auto empty = std::make_unique<Agenda>();
    for (int i = 2; i < Agenda::kMaxUsers; ++i)
        empty->slots[size_t(i)] = AgendaRecord();
    empty->userCount = 2;
    empty->usedCount = 2;
    const ImportReview review(*empty, ReadCardFiles({ExportFile(400)}, prompter), 1);
    const std::vector<CardOfFile> chosen = review.ChosenCards();
    Phonebook book;
    for (auto _ : state) {
        state.PauseTiming();
        book.Replace(*empty);
        state.ResumeTiming();
        benchmark::DoNotOptimize(InsertCards(book, 1, chosen, review.Options(), prompter).inserted);
    }
}

// 1,000 contacts in one file, as phones and mail programs of several countries write
// them: a quarter each in UTF-8, in Windows-1252 without a CHARSET (Outlook), in ISO-8859-1
// named by CHARSET with Quoted-Printable (an old phone), and in Shift_JIS named by CHARSET
// (a Japanese phone). With `codePages` false, the same cards all in UTF-8.
QString CodePageFile(bool codePages)
{
    const QString path = Dir().filePath(codePages ? QStringLiteral("codepages.vcf") : QStringLiteral("utf8.vcf"));
    if (QFile::exists(path))
        return path;
    const QStringList names{QStringLiteral("J\u00FCrgen M\u00FCller"), QStringLiteral("Andr\u00E9 Do\u00EB"),
                            QStringLiteral("Fran\u00E7oise L\u00E9vy"), QStringLiteral("\u7530\u4E2D \u592A\u90CE")};
    const QStringList streets{QStringLiteral("Stra\u00DFe"), QStringLiteral("Rue de la Paix"),
                              QStringLiteral("All\u00E9e des Ch\u00EAnes"), QStringLiteral("\u9280\u5EA7")};
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i) {
        const int kind = i % 4;
        const QString name = names.at(kind) + QLatin1Char(' ') + QString::number(i);
        const QString note = (kind == 3 ? QStringLiteral("\u30E1\u30E2 ") : QStringLiteral("Notiz f\u00FCr ")) + name;
        // The line's text in its code page, with its parameters.
        const auto line = [&](const char *property, const QString &value) -> QByteArray {
            if (!codePages || kind == 0)
                return QByteArray(property) + ':' + value.toUtf8() + "\r\n";
            if (kind == 1)
                return QByteArray(property) + ':' + value.toLatin1() + "\r\n";  // Latin-1 texts here
            if (kind == 2) {
                QByteArray qp;
                for (const char c : value.toLatin1())
                    qp += '=' + QByteArray::number(uchar(c), 16).toUpper().rightJustified(2, '0');
                return QByteArray(property) + ";CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:" + qp + "\r\n";
            }
            return QByteArray(property) + ";CHARSET=SHIFT_JIS:" + ShiftJisBytes(value) + "\r\n";
        };
        bytes += "BEGIN:VCARD\r\nVERSION:2.1\r\n";
        bytes += line("N", QStringLiteral(";") + name + QStringLiteral(";;;"));
        bytes += line("FN", name);
        bytes += "TEL;CELL;PREF:+39 333 " + QByteArray::number(1000000 + i) + "\r\n";
        bytes += "TEL;HOME:+39 06 " + QByteArray::number(2000000 + i) + "\r\n";
        bytes += "EMAIL;INTERNET:contact" + QByteArray::number(i) + "@example.com\r\n";
        bytes += line("ADR;HOME", QStringLiteral(";;") + streets.at(kind) + QStringLiteral(" 12;City;;00100;IT"));
        bytes += line("NOTE", note);
        bytes += "END:VCARD\r\n";
    }
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

void BM_ReadCards(benchmark::State &state, bool codePages)
{
    const QString path = CodePageFile(codePages);
    ScriptedPrompter prompter;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadCardFiles({path}, prompter).size());
}

} // namespace

BENCHMARK_CAPTURE(BM_ReadCards, utf8, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadCards, codepages, true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReviewRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FloorRead, export1000, [] { return ExportFile(1000); })->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertReviewed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FloorRead, export400, [] { return ExportFile(400); })->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportVcards)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorReadCards)->Unit(benchmark::kMicrosecond);
// The small files' times move with the machine's state from run to run (a floor of a few
// microseconds doubles), so those figures are the median of seven repetitions.
BENCHMARK(BM_ReadVcf)->Unit(benchmark::kMicrosecond)->Repetitions(7);
BENCHMARK_CAPTURE(BM_FloorRead, vcf, VcfFile)->Unit(benchmark::kMicrosecond)->Repetitions(7);
BENCHMARK(BM_FloorDecodeVcf)->Unit(benchmark::kMicrosecond)->Repetitions(7);
BENCHMARK(BM_ReadCsv)->Unit(benchmark::kMicrosecond)->Repetitions(7);
BENCHMARK_CAPTURE(BM_FloorRead, csv, CsvFile)->Unit(benchmark::kMicrosecond)->Repetitions(7);
BENCHMARK(BM_FloorDecodeCsv)->Unit(benchmark::kMicrosecond)->Repetitions(7);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"1,000 vCard files imported vs read", "BM_ImportVcards", "BM_FloorReadCards", 3},
                                    {"1 MB vCard file read vs read", "BM_ReadVcf", "BM_FloorRead/vcf", 3},
                                    {"1 MB vCard file read vs read+decode", "BM_ReadVcf", "BM_FloorDecodeVcf", 3},
                                    {"403-line CSV read vs read", "BM_ReadCsv", "BM_FloorRead/csv", 3},
                                    {"403-line CSV read vs read+decode", "BM_ReadCsv", "BM_FloorDecodeCsv", 3},
                                    {"1,000-card export into review rows", "BM_ReviewRows", "", 100},
                                    {"1,000-card export into review rows vs read", "BM_ReviewRows", "BM_FloorRead/export1000", 3},
                                    {"insert 400 reviewed cards", "BM_InsertReviewed", "", 100},
                                    {"insert 400 reviewed cards vs read", "BM_InsertReviewed", "BM_FloorRead/export400", 3},
                                    {"1,000 cards in mixed code pages vs in UTF-8", "BM_ReadCards/codepages", "BM_ReadCards/utf8", 1.5}});
}
