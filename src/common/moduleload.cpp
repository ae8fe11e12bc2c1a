#include "common/moduleload.h"

#include "common/markup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

QStringList ModuleCandidates(const QString &programDirectory, const QString &file)
{
    const QDir dir(programDirectory);
    const QString installed = QString::fromUtf8(KESTRAVON_MODULE_INSTALLED);
    return {QDir::cleanPath(dir.filePath(file)), QDir::cleanPath(dir.filePath(installed + QLatin1Char('/') + file))};
}

ModuleEntryPointer ResolveModuleEntry(const QString &path, const char *entryName, QStringList &failures)
{
    if (!QFileInfo(path).isFile()) {
        failures.append(QCoreApplication::translate("OnlineText", "%1: not found").arg(MessagePath(path)));
        return nullptr;
    }
    QLibrary library(path);
    const QFunctionPointer entry = library.resolve(entryName);
    if (!entry)
        failures.append(MessagePath(path) + QStringLiteral(": ") + library.errorString());
    return entry;
}

void ModuleOfOtherVersion(const QString &path, QStringList &failures)
{
    failures.append(
        QCoreApplication::translate("OnlineText", "%1: built for another version of the program").arg(MessagePath(path)));
}
