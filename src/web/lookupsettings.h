#pragma once

#include <QByteArray>
#include <QString>

// Where the look-ups send their queries. The production services are the defaults; the
// user's settings (QSettings) can point them elsewhere, e.g. at their own Nominatim:
//   infobel/host         InfoBel host, with or without a scheme    (www.infobel.com, over https)
//   geocoding/provider   "nominatim" or "placefinder"              (nominatim)
//   geocoding/url        the provider's scheme and host            (the provider's own)
struct LookupSettings
{
    QByteArray infoBelHost;
    QString geocodeProvider;
    QByteArray geocodeUrl;  // empty: the provider's default
};

LookupSettings ReadLookupSettings();
