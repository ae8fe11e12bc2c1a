#pragma once

#include <QString>
#include <QStringList>

// The program's modules (kestravon-online, kestravon-phone) are libraries loaded the first
// time they are needed, so that the window starts without what only they use. Each
// exports one entry that returns its table of functions when it was built for the table's
// revision and this release, else null.

// The files tried for the module `file` ("kestravon-online.so"), in order: beside the
// executable (a program folder that updates itself), then where the install rules put it
// (e.g. /usr/lib/x86_64-linux-gnu/kestravon/ for /usr/bin/kestravon).
QStringList ModuleCandidates(const QString &programDirectory, const QString &file);

// The entry `entryName` of the library at `path`, or null with a line telling why added
// to `failures`. The library is never unloaded: what it made may outlive any one call.
using ModuleEntryPointer = void (*)();
ModuleEntryPointer ResolveModuleEntry(const QString &path, const char *entryName, QStringList &failures);

// The line of `failures` for a module at `path` that was built for another release.
void ModuleOfOtherVersion(const QString &path, QStringList &failures);

// Loads the first of `candidates` whose entry gives a table; null with `reason` telling
// which files were tried and why each failed.
template <typename Table>
const Table *LoadModule(const QStringList &candidates, const char *entryName, int revision, const char *release,
                        QString &reason)
{
    using Entry = const Table *(*)(int revision, const char *release);
    QStringList failures;
    for (const QString &path : candidates) {
        const ModuleEntryPointer entry = ResolveModuleEntry(path, entryName, failures);
        if (!entry)
            continue;
        if (const Table *table = reinterpret_cast<Entry>(entry)(revision, release)) {
            reason.clear();
            return table;
        }
        ModuleOfOtherVersion(path, failures);
    }
    reason = failures.join(QLatin1Char('\n'));
    return nullptr;
}
