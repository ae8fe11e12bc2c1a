#include "app/startup.h"

#include "app/mainwindow.h"
#include "formats/vcard.h"
#include "update/selfupdate.h"
#include "common/version.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char kUsage[] = "usage: kestravon [-nocheck] [-vcfdebug] [--lang CODE] [--] [FILE...]\n"
                          "       kestravon --help | --version\n";

constexpr char kHelp[] =
    "\nEditor for the phonebook file Agenda.dat of the RTx car head unit.\n"
    "\n"
    "  FILE        a phonebook file (Agenda.dat) to load at once; with several, the last one\n"
    "              that loads stays loaded. Any argument that is not an option is a FILE.\n"
    "  -nocheck    do not offer the update check at start-up (also off when a FILE is given)\n"
    "  -vcfdebug   vCard imports report the tokens they do not know\n"
    "  --lang CODE the language of the window: en, da, de, es, fr, it or nl (default: the\n"
    "              setting ui/language, else the system's language, else English)\n"
    "  --          every argument after it is a FILE\n"
    "  --help      show this help\n"
    "  --version   show the version\n"
    "\n"
    "See kestravon(1); kestravon-cli(1) works on the same files without a window.\n";

bool Print(FILE *stream, const char *text)
{
    return std::fputs(text, stream) >= 0 && std::fflush(stream) == 0;
}

} // namespace

StartOptions ParseCommandLine(const QStringList &args)
{
    StartOptions options;
    bool pathsOnly = false;
    bool takeLanguage = false;
    for (const QString &arg : args) {
        if (takeLanguage) {
            options.language = arg;
            takeLanguage = false;
        } else if (pathsOnly) {
            options.nocheck = true;
            options.paths.append(arg);
        } else if (arg == QLatin1String("--")) {
            pathsOnly = true;
        } else if (arg == QLatin1String("-nocheck")) {
            options.nocheck = true;
        } else if (arg == QLatin1String("-vcfdebug")) {
            options.vcfDebug = true;
        } else if (arg == QLatin1String("--lang")) {
            takeLanguage = true;
        } else if (arg.startsWith(QLatin1String("--lang="))) {
            options.language = arg.mid(7);
        } else {
            options.nocheck = true;
            options.paths.append(arg);
        }
    }
    return options;
}

bool StartUp(MainWindow &window, const StartOptions &options, const QString &programDir)
{
    if (options.vcfDebug)
        vcfDebug = true;
    for (const QString &path : options.paths)
        window.LoadFile(path);
    if (options.nocheck)
        return true;
    if (!CanSelfUpdate(programDir.isEmpty() ? RunningProgramPath().directory : programDir))
        return true;
    if (window.CheckUpdates())
        return false;  // a new version has been started in place of this one
    return true;
}

int EarlyCommandLine(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--") == 0)
            break;
        if (std::strcmp(arg, "--help") == 0)
            return Print(stdout, kUsage) && Print(stdout, kHelp) ? 0 : 1;
        if (std::strcmp(arg, "--version") == 0) {
            const QByteArray text = QByteArray("kestravon ") + kProgramRelease + " (" + kProgramName + ' '
                + kProgramVersion + " - " + kProgramDate + ")\n";
            return Print(stdout, text.constData()) ? 0 : 1;
        }
        if (std::strcmp(arg, "--lang") == 0) {
            if (i + 1 < argc) {
                ++i;  // its value is no option, whatever it looks like
                continue;
            }
            Print(stderr, kUsage);
            std::fprintf(stderr, "kestravon: --lang needs a language code\n");
            return 2;
        }
        if (std::strncmp(arg, "--lang=", 7) == 0)
            continue;
        if (std::strncmp(arg, "--", 2) == 0) {
            Print(stderr, kUsage);
            std::fprintf(stderr, "kestravon: unknown option %s\nTry 'kestravon --help' for more information.\n", arg);
            return 2;
        }
    }
    return -1;
}
