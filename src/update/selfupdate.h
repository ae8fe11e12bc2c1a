#pragma once

#include <QString>

// The parts of the update check that the program needs at every start, kept apart from
// the check itself so that starting the window loads none of the network, TLS and archive
// libraries (the check lives in the online module, see online/online.h).

// The environment variable through which a freshly updated program is asked to confirm
// its start: it names a file to create once the main window is up.
constexpr char kStartConfirmVariable[] = "KESTRAVON_UPDATE_CONFIRM";

// Called by the program once its main window is up: when it was started by an update,
// creates the file the updating program waits for.
void ConfirmStartUp();

// True when the program may replace its own files in `directory`: a file can be created
// there (and therefore renamed). False for a folder the user cannot write, such as one
// the system's package manager installed into.
bool CanSelfUpdate(const QString &directory);

// The running executable's path, split at the platform's last separator: the directory
// (ending with the separator) and the file name.
struct ProgramPath
{
    QString directory;
    QString executable;
};
ProgramPath RunningProgramPath();
