// The vCard reader against KDE's KContacts on the same files, measured in the same run and
// interleaved (one round of each side in turn, the order alternating), so that both see
// the same machine. Each side reads every file of a case from the page cache and turns
// its bytes into contacts:
//   this program: ReadCardFiles(): the file read (regular-file checks included), its lines
//     tokenised, values decoded in their charset, each card mapped onto a record, as the
//     import review and `kestravon-cli insert-vcf` get them;
//   KContacts (kcontacts_parse, a process of its own on Qt 5): QFile::readAll() and
//     VCardConverter::parseVCards() into Addressee objects.
// Neither side writes anything or builds a view. Prints, per case, the median of the
// rounds with their minimum and maximum, the ratio with its spread (the ratios of the
// paired rounds), the ratio of CPU times, and whether the goal is met; then the cost per
// card at 1,000 and 30,000 cards. The load average is printed before and after.
//
//   vcard_vs_kcontacts [--rounds N] [--inputs DIR] [--only NAME]
// --inputs keeps the generated files in DIR (e.g. for measuring memory with
// /usr/bin/time -v kestravon-cli insert-vcf ... DIR/android-30000.vcf).
#include "vcardinputs.h"

#include "support/scriptedprompter.h"
#include "formats/vcardimport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

long long Nanoseconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

struct Sample
{
    double realMs = 0;  // per round
    double cpuMs = 0;
    long long contacts = 0;
};

struct Case
{
    const char *name;
    QString label;
    QStringList paths;
    double goal;  // the least ratio KContacts / ours; 0 for none
};

class KContactsSide
{
public:
    bool Start(const QString &program)
    {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(program, {});
        return process_.waitForStarted();
    }
    ~KContactsSide()
    {
        Ask("quit");
        process_.waitForFinished(5000);
    }
    bool Load(const QString &id, const QStringList &paths, const QString &listFile)
    {
        QFile list(listFile);
        if (!list.open(QIODevice::WriteOnly))
            return false;
        list.write(paths.join(QLatin1Char('\n')).toUtf8() + '\n');
        list.close();
        return Ask(QStringLiteral("files %1 %2").arg(id, listFile)).startsWith("ok");
    }
    Sample Run(const QString &id, int repeat)
    {
        const QList<QByteArray> words = Ask(QStringLiteral("run %1 %2").arg(id).arg(repeat)).trimmed().split(' ');
        Sample s;
        if (words.size() == 3) {
            s.realMs = words.at(0).toDouble() / 1e6 / repeat;
            s.cpuMs = words.at(1).toDouble() / 1e6 / repeat;
            s.contacts = words.at(2).toLongLong();
        }
        return s;
    }

private:
    QByteArray Ask(const QString &command)
    {
        if (process_.state() != QProcess::Running)
            return QByteArray();
        process_.write(command.toUtf8() + '\n');
        process_.waitForBytesWritten();
        while (!process_.canReadLine() && process_.waitForReadyRead(600000)) {
        }
        return process_.readLine();
    }

    QProcess process_;
};

Sample RunOurs(const QStringList &paths, int repeat)
{
    ScriptedPrompter prompter;
    Sample s;
    const long long real0 = Nanoseconds(CLOCK_MONOTONIC);
    const long long cpu0 = Nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
    for (int r = 0; r < repeat; ++r)
        s.contacts = (long long)ReadCardFiles(paths, prompter).size();
    s.cpuMs = double(Nanoseconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0) / 1e6 / repeat;
    s.realMs = double(Nanoseconds(CLOCK_MONOTONIC) - real0) / 1e6 / repeat;
    return s;
}

struct Spread
{
    double median, min, max;
};

Spread Of(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return {median, v.front(), v.back()};
}

QByteArray LoadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray("?");
}

struct Result
{
    Spread ours, theirs, ratio, cpuRatio;
};

Result Measure(KContactsSide &kc, const Case &c, int rounds)
{
    // One round of each side first (files into the cache, code warm); its time sets how
    // often a round repeats the case, so that a round takes some 50 ms at least.
    const Sample warmOurs = RunOurs(c.paths, 1);
    const Sample warmTheirs = kc.Run(QLatin1String(c.name), 1);
    const int repeat = std::max(1, int(50.0 / std::max(0.01, std::min(warmOurs.realMs, warmTheirs.realMs))));
    std::vector<double> ours, theirs, ratio, cpuRatio;
    long long ourContacts = 0, theirContacts = 0;
    for (int r = 0; r < rounds; ++r) {
        Sample a, b;
        if (r % 2 == 0) {
            a = RunOurs(c.paths, repeat);
            b = kc.Run(QLatin1String(c.name), repeat);
        } else {
            b = kc.Run(QLatin1String(c.name), repeat);
            a = RunOurs(c.paths, repeat);
        }
        ours.push_back(a.realMs);
        theirs.push_back(b.realMs);
        ratio.push_back(b.realMs / a.realMs);
        cpuRatio.push_back(a.cpuMs > 0 ? b.cpuMs / a.cpuMs : 0);
        ourContacts = a.contacts;
        theirContacts = b.contacts;
    }
    const Result res{Of(ours), Of(theirs), Of(ratio), Of(cpuRatio)};
    std::printf("%-28s %6lld/%-6lld %8.2f (%.2f..%.2f) %9.2f (%.2f..%.2f) %6.2fx (%.2f..%.2f) %6.2fx", qPrintable(c.label),
                ourContacts, theirContacts, res.ours.median, res.ours.min, res.ours.max, res.theirs.median,
                res.theirs.min, res.theirs.max, res.ratio.median, res.ratio.min, res.ratio.max, res.cpuRatio.median);
    if (c.goal > 0)
        std::printf("  >= %gx: %s", c.goal, res.ratio.median >= c.goal ? "met" : "MISSED");
    std::printf("\n");
    std::fflush(stdout);
    return res;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int rounds = 9;
    QString inputs;
    QString only;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--rounds"))
            rounds = std::max(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--inputs"))
            inputs = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--only"))
            only = args.at(i + 1);
    }
    QTemporaryDir temp;
    const QDir dir(inputs.isEmpty() ? temp.path() : inputs);
    QDir().mkpath(dir.path());
    const auto file = [&dir](const QString &name, const QByteArray &bytes) {
        const QString path = dir.filePath(name);
        WriteBenchFile(path, bytes);
        return QStringList{path};
    };
    std::vector<Case> cases = {
        {"android", QStringLiteral("Android export, 3,000 cards"), file(QStringLiteral("android-3000.vcf"), PhoneExport(3000)), 5},
        {"icloud", QStringLiteral("iCloud export, 3,000 cards"), file(QStringLiteral("icloud-3000.vcf"), ICloudExport(3000)), 5},
        {"big", QStringLiteral("one card of 1 MB"), file(QStringLiteral("big.vcf"), BigCard()), 5},
        {"files", QStringLiteral("1,000 single-card files"),
         SingleCardFiles(dir.filePath(QStringLiteral("cards")), QStringLiteral(KESTRAVON_TESTDATA "/vcards"), 1000), 2.5},
        {"cards1000", QStringLiteral("Android export, 1,000 cards"), file(QStringLiteral("android-1000.vcf"), PhoneExport(1000)), 0},
        {"cards30000", QStringLiteral("Android export, 30,000 cards"), file(QStringLiteral("android-30000.vcf"), PhoneExport(30000)), 0},
    };
    KContactsSide kc;
    if (!kc.Start(QStringLiteral(KCONTACTS_PARSE))) {
        std::fprintf(stderr, "cannot start %s\n", KCONTACTS_PARSE);
        return 1;
    }
    for (const Case &c : cases)
        kc.Load(QLatin1String(c.name), c.paths, dir.filePath(QStringLiteral("%1.list").arg(QLatin1String(c.name))));

    std::printf("load average before: %s\n", LoadAverage().constData());
    std::printf("%d rounds each, interleaved; times in ms per round, median (min..max); ratio = KContacts / ours\n", rounds);
    std::printf("%-28s %13s %25s %26s %22s %7s\n", "case", "cards/KC", "kestravon ms", "KContacts ms", "ratio", "cpu");
    std::vector<Result> results;
    for (const Case &c : cases)
        if (only.isEmpty() || only == QLatin1String(c.name))
            results.push_back(Measure(kc, c, rounds));
    if (only.isEmpty()) {
        const Result &small = results[4];
        const Result &large = results[5];
        const double ours1 = small.ours.median / 1000 * 1000, ours30 = large.ours.median / 30000 * 1000;
        const double kc1 = small.theirs.median / 1000 * 1000, kc30 = large.theirs.median / 30000 * 1000;
        const double change = (ours30 / ours1 - 1) * 100;
        std::printf("cost per card, 1,000 -> 30,000 cards: kestravon %.2f -> %.2f us (%+.1f %%), goal within 15 %%: %s;"
                    " KContacts %.2f -> %.2f us (%+.1f %%)\n",
                    ours1, ours30, change, std::abs(change) <= 15 ? "met" : "MISSED", kc1, kc30, (kc30 / kc1 - 1) * 100);
    }
    std::printf("load average after: %s\n", LoadAverage().constData());
    return 0;
}
