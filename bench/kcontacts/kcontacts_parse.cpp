// The other side of vcard_vs_kcontacts: KDE's vCard reader (KContacts, Qt 5) timed on the
// same files, in its own process because it is built on another Qt than this program.
// Commands on standard input, one a line; each answer is one line on standard output:
//   files ID LISTFILE   the paths listed in LISTFILE (one a line) become case ID; "ok N"
//   run ID REPEAT       reads every file of case ID (QFile::readAll) and parses its bytes
//                       with VCardConverter::parseVCards, REPEAT times over; answers
//                       "REAL_NS CPU_NS CONTACTS" (CONTACTS of one round)
//   quit
#include <KContacts/VCardConverter>

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringList>

#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>

namespace {

long long Nanoseconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QHash<QString, QStringList> cases;
    KContacts::VCardConverter converter;
    std::string line;
    while (std::getline(std::cin, line)) {
        const QStringList words = QString::fromStdString(line).split(QLatin1Char(' '));
        if (words.value(0) == QLatin1String("quit"))
            break;
        if (words.value(0) == QLatin1String("files") && words.size() == 3) {
            QFile list(words.at(2));
            QStringList paths;
            if (list.open(QIODevice::ReadOnly))
                paths = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            cases.insert(words.at(1), paths);
            std::printf("ok %d\n", int(paths.size()));
        } else if (words.value(0) == QLatin1String("run") && words.size() == 3) {
            const QStringList paths = cases.value(words.at(1));
            const int repeat = words.at(2).toInt();
            long long contacts = 0;
            const long long real0 = Nanoseconds(CLOCK_MONOTONIC);
            const long long cpu0 = Nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
            for (int r = 0; r < repeat; ++r) {
                contacts = 0;
                for (const QString &path : paths) {
                    QFile f(path);
                    if (!f.open(QIODevice::ReadOnly))
                        continue;
                    contacts += converter.parseVCards(f.readAll()).size();
                }
            }
            const long long cpu = Nanoseconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
            const long long real = Nanoseconds(CLOCK_MONOTONIC) - real0;
            std::printf("%lld %lld %lld\n", real, cpu, contacts);
        } else {
            std::printf("error\n");
        }
        std::fflush(stdout);
    }
    return 0;
}
