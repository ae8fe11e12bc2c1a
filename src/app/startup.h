#pragma once

#include <QString>
#include <QStringList>

class MainWindow;

// What the command line asked for.
struct StartOptions
{
    bool nocheck = false;   // do not offer the update check
    bool vcfDebug = false;  // vCard imports report the tokens they do not know
    QStringList paths;      // phonebook files, loaded in this order
    QString language;       // --lang CODE: the language of the window ("" = the setting's or the system's)
};

// Reads the arguments after the program path. "-nocheck", "-vcfdebug" and "--lang CODE"
// (or "--lang=CODE") are options; every other argument is a phonebook path and also turns
// the update question off. After "--" every argument is a path.
StartOptions ParseCommandLine(const QStringList &args);

// The conventional options, looked at before the application object exists, so that they
// need no display: "--help" prints the help and "--version" the version on standard output
// (status 0); any other argument that begins with "--" prints the usage on standard error
// (status 2). Single-dash arguments are left to ParseCommandLine (an unknown one is a path).
// Returns the exit status when the program must end at once, -1 to go on.
int EarlyCommandLine(int argc, const char *const *argv);

// Applies the command line to a freshly built window: switches the vCard debug messages
// on when asked (they are never switched off again), loads the paths in order (a path
// that fails is reported and the next one is tried), then offers the update check unless
// it was turned off or the program cannot replace its own files: when `programDir` (empty:
// the running executable's folder) is not writable, updates are the job of whoever
// installed the program. False when the program must end without running the window.
bool StartUp(MainWindow &window, const StartOptions &options, const QString &programDir = QString());
