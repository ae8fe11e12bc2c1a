#include "online/online.h"

#include "common/moduleload.h"
#include "common/prompter.h"
#include "common/version.h"
#include "update/selfupdate.h"

#include <QCoreApplication>

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
    return ModuleCandidates(programDirectory, QString::fromUtf8(KESTRAVON_ONLINE_FILE));
}

const OnlineServices *LoadOnlineModule(const QStringList &candidates, QString &reason)
{
    return LoadModule<OnlineServices>(candidates, KESTRAVON_ONLINE_ENTRY, kOnlineRevision, kProgramRelease, reason);
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
