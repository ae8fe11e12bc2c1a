#pragma once

#include "update/selfupdate.h"
#include "update/signature.h"
#include "web/fetch.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class Prompter;

// The update check: reads the version list from the update server, offers a newer
// version of the program, checks the archive's signature, tries the new program out
// (it must answer "--version" with the announced version), installs the files next to the
// executable (keeping each replaced file as name + ".OLD"; all or nothing, see
// ArchiveInstall), starts the new executable with "-nocheck" and waits until it confirms
// that its window is up; a new program that stops before that is taken back out again.
// Everything the user sees goes through the Prompter.

// The update server, over https. The list is "/software/lastversions.txt", an archive
// "/software/" + its file name, the archive's detached signature that URL + ".sig".
constexpr char kUpdateHost[] = "update.kestravon.net";
constexpr char kUpdateScheme[] = "https";

// Where an update comes from and where it goes.
struct UpdateSite
{
    QByteArray scheme = kUpdateScheme;
    QByteArray host = kUpdateHost;
    // The publisher's Ed25519 public key (32 raw bytes) the archive must be signed with.
    QByteArray publicKey = UpdatePublicKey();
    // The executable's directory, ending with a separator, and its file name.
    QString directory;
    QString executable;
    // Starts a program detached from this one, with the environment variable
    // kStartConfirmVariable set to `confirm`; returns its process id, 0 when it could not
    // be started.
    std::function<qint64(const QString &program, const QStringList &arguments, const QString &confirm)> launch;
    // Longest time the new program may take to answer "--version", and to confirm that
    // its window is up after the restart.
    int probeMs = 10000;
    int confirmMs = 20000;
    // Longest silence of the server, and the certificates trusted (empty: the system's).
    FetchOptions fetch;
};

// The running program's site: kUpdateHost, the directory and file name of
// RunningProgramPath(), and LaunchDetached.
UpdateSite RunningUpdateSite();

// Starts `program` detached with kStartConfirmVariable = `confirm`; its process id, or 0.
qint64 LaunchDetached(const QString &program, const QStringList &arguments, const QString &confirm);

// Runs `program` with "--version" for at most `timeoutMs`: true when it ends normally with
// status 0 and prints `version` as one of its words. Otherwise `reason` tells what it did
// instead: the system's or loader's message, the exit status or signal, a time-out, or
// the version it printed.
bool ProbeProgram(const QString &program, const QString &version, int timeoutMs, QString &reason);

// Looks for a newer version of `programName` than `currentVersion` and installs it.
// True when an update was downloaded, its signature checked and every file put in place
// (with `restart` set, the new executable has then been started with "-nocheck"); the
// caller must then end without opening its window. False in every other case, after the
// user has been told; the program's folder is then as it was (a new program that does
// not start is taken back out again).
bool CheckForUpdate(const QString &programName, const QString &currentVersion, bool restart,
                    Prompter &prompter, const UpdateSite &site = RunningUpdateSite());

// Reads the version list and tells the user the outcome; returns the archive file name
// to download (the user agreed), or empty text when there is nothing to do. `version`
// (when given) receives the version the list announces.
QString FindUpdate(const QByteArray &list, const QString &programName,
                   const QString &currentVersion, Prompter &prompter, QString *version = nullptr);

// True when the published version text is newer than the current one: the texts after
// their first character are compared byte by byte (a proper prefix is smaller); when
// those are equal, the first characters decide.
bool IsNewerVersion(const QByteArray &published, const QByteArray &current);
