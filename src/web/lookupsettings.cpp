#include "web/lookupsettings.h"

#include "web/endpoints.h"
#include "web/geocodeprovider.h"

#include <QSettings>

LookupSettings ReadLookupSettings()
{
    const QSettings settings;
    LookupSettings s;
    s.infoBelHost = settings.value(QStringLiteral("infobel/host"), QString::fromLatin1(kInfoBelHost))
                        .toString().trimmed().toUtf8();
    if (s.infoBelHost.isEmpty())
        s.infoBelHost = kInfoBelHost;
    s.geocodeProvider = settings.value(QStringLiteral("geocoding/provider"), QString::fromLatin1(kNominatimName))
                            .toString().trimmed().toLower();
    s.geocodeUrl = settings.value(QStringLiteral("geocoding/url")).toString().trimmed().toUtf8();
    while (s.geocodeUrl.endsWith('/'))
        s.geocodeUrl.chop(1);
    return s;
}
