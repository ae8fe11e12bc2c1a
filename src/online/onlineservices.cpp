#include "online/onlineservices.h"

#include "common/version.h"
#include "update/update.h"
#include "web/geocodedlg.h"
#include "web/geocodeprovider.h"
#include "web/infobeldlg.h"
#include "web/lookupfields.h"

namespace {

bool CheckUpdate(const QString &programName, const QString &currentVersion, bool restart, Prompter &prompter)
{
    return CheckForUpdate(programName, currentVersion, restart, prompter);
}

bool InfoBel(LookupFields &fields, Prompter &prompter, QWidget *parent, const QByteArray &host)
{
    return RunInfoBelLookup(fields, prompter, parent, host);
}

bool Geocode(LookupFields &fields, Prompter &prompter, QWidget *parent, const QString &provider,
             const QByteArray &baseUrl)
{
    const std::unique_ptr<GeocodeProvider> service = MakeGeocodeProvider(provider, baseUrl);
    return RunGeocodeLookup(fields, prompter, *service, parent);
}

} // namespace

const OnlineServices &LinkedOnlineServices()
{
    static const OnlineServices services{kOnlineRevision, kProgramRelease, CheckUpdate, InfoBel, Geocode};
    return services;
}
