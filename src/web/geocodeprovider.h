#pragma once

#include "web/endpoints.h"
#include "web/geocode.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QString>

#include <memory>

class Prompter;

// What the user asks a geocoding service for: the Geocode dialog's input column.
struct GeocodeQuery
{
    QString address;  // "street,number" or "number,street", as the record editor writes it
    QString city;
    QString state;
    QString zip;
    QString country;
};

// A provider's reading of one answer.
struct GeocodeResult
{
    GeocodeData data;  // coordinate and the found address (street = house number "," road)
    bool approximate = false;
};

// One geocoding service: how a query becomes a request URL and how its answer is read.
class GeocodeProvider
{
public:
    // What the service asks of its clients.
    struct Policy
    {
        int minIntervalMs = 0;   // least time between two requests of the program
        bool cache = false;      // answers of identical requests are reused for the session
    };

    // What an answer held.
    enum class Reading { Found, NothingFound, Unreadable };

    virtual ~GeocodeProvider() = default;
    virtual QByteArray RequestUrl(const GeocodeQuery &query) const = 0;
    // `out` is written only for Found.
    virtual Reading ReadAnswer(const QByteArray &answer, const GeocodeQuery &query, GeocodeResult &out) const = 0;
    // Shown in the dialog: the service's name, and the attribution its terms require.
    virtual QString Name() const = 0;
    virtual QString Attribution() const { return {}; }
    virtual Policy UsagePolicy() const { return {}; }
};

// OpenStreetMap Nominatim (or a server with its API): /search, format jsonv2, one result.
class NominatimProvider : public GeocodeProvider
{
public:
    explicit NominatimProvider(const QByteArray &baseUrl = kNominatimBaseUrl) : baseUrl_(baseUrl) {}
    QByteArray RequestUrl(const GeocodeQuery &query) const override;
    Reading ReadAnswer(const QByteArray &answer, const GeocodeQuery &query, GeocodeResult &out) const override;
    QString Name() const override;
    QString Attribution() const override;
    Policy UsagePolicy() const override { return {1000, true}; }

private:
    QByteArray baseUrl_;
};

// A server answering the placefinder query of GeocodeUrl with the XML elements read by
// GeocodeLookup (the service the program was first written for).
class PlacefinderProvider : public GeocodeProvider
{
public:
    explicit PlacefinderProvider(const QByteArray &baseUrl = kGeocodeBaseUrl) : baseUrl_(baseUrl) {}
    QByteArray RequestUrl(const GeocodeQuery &query) const override;
    Reading ReadAnswer(const QByteArray &answer, const GeocodeQuery &query, GeocodeResult &out) const override;
    QString Name() const override;

private:
    QByteArray baseUrl_;
};

// Provider names of the setting "geocoding/provider".
inline constexpr char kNominatimName[] = "nominatim";
inline constexpr char kPlacefinderName[] = "placefinder";

// The provider called `name` (an unknown name gives Nominatim) at `baseUrl` (empty: the
// provider's default).
std::unique_ptr<GeocodeProvider> MakeGeocodeProvider(const QString &name, const QByteArray &baseUrl);

// The program's clock and memory of geocoding requests: when the last request went out
// and the answers received so far. One per program run (Shared()); tests make their own.
class GeocodeSession
{
public:
    static GeocodeSession &Shared();
    // Waits, running the event loop (the window stays responsive), until `intervalMs`
    // have passed since the previous request, then notes this one.
    void Pace(int intervalMs);
    // How long a request must wait for its turn now (0: it may go at once), without
    // taking the turn.
    int WaitMs(int intervalMs);
    QHash<QByteArray, QByteArray> answers;

private:
    QElapsedTimer clock_;
    qint64 last_ = 0;  // when the last request went out (or will), on clock_
    bool paced_ = false;
};

// Queries `provider`. On an answer with a result, `data` is cleared and filled from it and
// the result is true (after telling the user when the match is only approximate);
// otherwise false, `data` is untouched and `failure` (when given) says why: the fetch's
// reason (FetchResult::Text), "Nothing found for this address" or "The server's answer
// could not be read".
bool GeocodeLookup(const GeocodeQuery &query, GeocodeData &data, Prompter &prompter,
                   const GeocodeProvider &provider, GeocodeSession &session = GeocodeSession::Shared(),
                   QString *failure = nullptr);
// The request would be answered from the session's cache (no wait, nothing sent).
bool GeocodeCached(const GeocodeQuery &query, const GeocodeProvider &provider, const GeocodeSession &session);

// Reads the first result of a Nominatim jsonv2 answer; `askedNumber` tells whether the
// query carried a house number. False for no result or an answer that is not one.
bool ReadNominatimAnswer(const QByteArray &answer, bool askedNumber, GeocodeResult &out);
