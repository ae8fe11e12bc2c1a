#include "online/online.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "common/version.h"
#include "update/selfupdate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

// Translated where used, as every text of the window.
const char kUnavailableText[] = QT_TRANSLATE_NOOP(
    "OnlineText", "The look-ups and the update check are not available: their module could not be loaded.");

const OnlineServices *&Chosen()
{
    static const OnlineServices *services = nullptr;
    return services;
}

} // namespace

QStringList OnlineModuleCandidates(const QString &programDirectory)
{
    const QDir dir(programDirectory);
    const QString file = QString::fromUtf8(KESTRAVON_ONLINE_FILE);
    const QString installed = QString::fromUtf8(KESTRAVON_ONLINE_INSTALLED);
    return {QDir::cleanPath(dir.filePath(file)), QDir::cleanPath(dir.filePath(installed + QLatin1Char('/') + file))};
}

const OnlineServices *LoadOnlineModule(const QStringList &candidates, QString &reason)
{
    QStringList failures;
    for (const QString &path : candidates) {
        if (!QFileInfo(path).isFile()) {
            failures.append(QCoreApplication::translate("OnlineText", "%1: not found").arg(MessagePath(path)));
            continue;
        }
        // Never unloaded: the dialogs and objects it made may outlive any one call.
        QLibrary library(path);
        const auto entry = reinterpret_cast<OnlineEntry>(library.resolve(KESTRAVON_ONLINE_ENTRY));
        if (!entry) {
            failures.append(MessagePath(path) + QStringLiteral(": ") + library.errorString());
            continue;
        }
        if (const OnlineServices *services = entry(kOnlineRevision, kProgramRelease)) {
            reason.clear();
            return services;
        }
        failures.append(QCoreApplication::translate("OnlineText", "%1: built for another version of the program")
                            .arg(MessagePath(path)));
    }
    reason = failures.join(QLatin1Char('\n'));
    return nullptr;
}

const OnlineServices *Online(Prompter &prompter)
{
    const OnlineServices *&services = Chosen();
    if (services)
        return services;
    QString reason;
    services = LoadOnlineModule(OnlineModuleCandidates(RunningProgramPath().directory), reason);
    if (!services)
        prompter.InformationDetail(QCoreApplication::translate("OnlineText", kUnavailableText), reason);
    return services;
}

void UseOnlineServices(const OnlineServices *services)
{
    Chosen() = services;
}
