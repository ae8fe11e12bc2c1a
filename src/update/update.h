#pragma once

#include "web/fetch.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class Prompter;

// The update check: reads the version list from the update server, offers a newer
// version of the program, unpacks its zip archive next to the executable (keeping each
// replaced file as name + ".OLD") and starts the new executable with "-nocheck".
// Everything the user sees goes through the Prompter.

// The update server (plain HTTP, no scheme). The list is "/software/lastversions.txt",
// an archive "/software/" + its file name.
constexpr char kUpdateHost[] = "update.kestravon.net";

// Where an update comes from and where it goes.
struct UpdateSite
{
    QByteArray host = kUpdateHost;
    // The executable's directory, ending with a separator, and its file name.
    QString directory;
    QString executable;
    // Starts a program detached from this one; the result is not looked at (a failed
    // start goes unnoticed, the old instance ends anyway).
    std::function<bool(const QString &program, const QStringList &arguments)> launch;
    // Longest silence of the server before a download is given up.
    int stallMs = kFetchStallMs;
};

// The running program's site: kUpdateHost, the directory and file name of
// QCoreApplication::applicationFilePath() (split at the platform's separator), and
// QProcess::startDetached.
UpdateSite RunningUpdateSite();

// Looks for a newer version of `programName` than `currentVersion` and installs it.
// True when an update was downloaded and every file was written (with `restart` set,
// the new executable has then been started with "-nocheck"); the caller must then end
// without opening its window. False in every other case, after the user has been told.
bool CheckForUpdate(const QString &programName, const QString &currentVersion, bool restart,
                    Prompter &prompter, const UpdateSite &site = RunningUpdateSite());

// The program's own check at start-up, once the user has agreed to it: this program's
// name and version, restart on success. True means the program must end now.
bool CheckForUpdate(Prompter &prompter);

// Reads the version list and tells the user the outcome; returns the archive file name
// to download (the user agreed), or empty text when there is nothing to do.
QString FindUpdate(const QByteArray &list, const QString &programName,
                   const QString &currentVersion, Prompter &prompter);

// True when the published version text is newer than the current one: the texts after
// their first character are compared byte by byte (a proper prefix is smaller); when
// those are equal, the first characters decide.
bool IsNewerVersion(const QByteArray &published, const QByteArray &current);
