#include "update/selfupdate.h"

#include "common/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

void ConfirmStartUp()
{
    const QString path = qEnvironmentVariable(kStartConfirmVariable);
    if (path.isEmpty())
        return;
    qunsetenv(kStartConfirmVariable);  // not for the programs this one starts
    // Written whole under its name at once, so the waiting program never reads a part of it;
    // a marker that cannot be written only lets the wait run out into the rollback.
    WriteFileAtomic(path, QByteArrayLiteral("up\n"));
}

bool CanSelfUpdate(const QString &directory)
{
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".kestravon-write-XXXXXX")));
    return probe.open();
}

ProgramPath RunningProgramPath()
{
    const QString path = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    const int cut = int(path.lastIndexOf(QDir::separator())) + 1;
    return {path.left(cut), path.mid(cut)};
}
