#pragma once

// Production addresses of the outside services the look-ups talk to. Every query
// function takes its host or base URL as an argument with these as defaults, so tests
// can point them at a local server.

// InfoBel directory: a host name; without a scheme it is fetched over https. The dialog
// title shows it too.
inline constexpr char kInfoBelHost[] = "www.infobel.com";

// Geocoding service: scheme and host; the query path is appended.
inline constexpr char kGeocodeBaseUrl[] = "https://query.yahooapis.com";

// Web map site opened in the browser: scheme and host; "/maps?q=..." is appended.
inline constexpr char kWebMapBaseUrl[] = "https://maps.google.com";

// OpenStreetMap's public Nominatim server: scheme and host; "/search?..." is appended.
inline constexpr char kNominatimBaseUrl[] = "https://nominatim.openstreetmap.org";
