#pragma once

#include "update/selfupdate.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Installs the files of an update archive into the program's folder so that a failure at
// any point leaves the folder as it was:
//  1. Prepare: every file entry is written to a temporary file beside its target, with
//     the entry's Unix permission bits (an entry without them: the executable gets the mode
//     of the file it replaces, any other file 0644 less the umask).
//  2. Commit: only then is each target kept as target + ".OLD" (a previous ".OLD" is set
//     aside) and its temporary renamed into place.
//  3. Rollback undoes whatever Commit did (new files removed, ".OLD" files renamed back,
//     the set-aside ".OLD" files restored); Finish deletes what was set aside.
// The destructor removes temporaries that were never committed.
class ArchiveInstall
{
public:
    // Damaged: an entry's data does not match its checksum (or cannot be unpacked).
    enum class Prepared { Ok, Unreadable, NoFiles, EntryFailed, Damaged };

    ArchiveInstall(const QString &directory, const QString &executable);
    ~ArchiveInstall();
    ArchiveInstall(const ArchiveInstall &) = delete;
    ArchiveInstall &operator=(const ArchiveInstall &) = delete;

    // Writes the temporaries. On EntryFailed and Damaged, `failedEntry` names the entry
    // (as stored) and no temporary is left behind.
    Prepared Prepare(const QByteArray &archive);
    // The prepared temporary file of the entry that lands at `path`, or empty text when
    // the archive holds none (e.g. the program itself, to be tried out before Commit).
    QString Staged(const QString &path) const;
    // True when every file is in place; otherwise everything is undone and
    // `failedEntry` names the entry that could not be put in place (`unrestored` as
    // after Rollback).
    bool Commit();
    // Puts the folder back as it was. A file that cannot be put back is listed in
    // `unrestored` as the pair (where it is now, where it belongs), for the user to rename
    // by hand.
    void Rollback();
    void Finish();

    QString failedEntry;
    QList<QPair<QString, QString>> unrestored;

private:
    struct Entry
    {
        QString name;     // as stored in the archive
        QString target;   // directory + name
        QString temp;     // the prepared file
        QString aside;    // where a previous target + ".OLD" was moved, if there was one
        bool hadTarget = false;
        bool placed = false;
    };
    Prepared PrepareEntry(void *archive, quint64 index, Entry &entry);
    void RemoveTemporaries();

    QString directory_;
    QString executable_;
    QList<Entry> entries_;
    int committed_ = 0;  // entries Commit has handled (each wholly or not at all)
};
