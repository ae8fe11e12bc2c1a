#include "app/startup.h"

#include "app/kestravon.h"
#include "formats/vcard.h"
#include "update/install.h"
#include "update/update.h"

StartOptions ParseCommandLine(const QStringList &args)
{
    StartOptions options;
    for (const QString &arg : args) {
        if (arg == QLatin1String("-nocheck")) {
            options.nocheck = true;
        } else if (arg == QLatin1String("-vcfdebug")) {
            options.vcfDebug = true;
        } else {
            options.nocheck = true;
            options.paths.append(arg);
        }
    }
    return options;
}

bool StartUp(KESTRAVON &window, const StartOptions &options, const QString &programDir)
{
    if (options.vcfDebug)
        vcfDebug = true;
    for (const QString &path : options.paths)
        window.LoadFile(path);
    if (options.nocheck)
        return true;
    if (!CanSelfUpdate(programDir.isEmpty() ? RunningUpdateSite().directory : programDir))
        return true;
    if (window.CheckUpdates())
        return false;  // a new version has been started in place of this one
    return true;
}
