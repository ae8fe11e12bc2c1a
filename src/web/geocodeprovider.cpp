#include "web/geocodeprovider.h"

#include "common/numbers.h"
#include "common/prompter.h"
#include "common/textcodec.h"
#include "web/fetch.h"
#include "web/geocodetexts.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QUrl>

#include <cmath>

namespace {

// Nominatim's place ranks: 30 a house or building, 26-27 a street.
constexpr int kHouseRank = 30;
constexpr int kStreetRank = 26;

// A query value: its UTF-8 bytes, everything but unreserved characters percent-encoded
// ("&", "=", "+", "#", "%" and blanks included).
QByteArray Value(const QString &text)
{
    return QUrl::toPercentEncoding(QString::fromUtf8(EncodeHeldUtf8(text)));
}

void AddParam(QByteArray &url, const char *key, const QString &value)
{
    const QString v = value.trimmed();
    if (!v.isEmpty())
        url += QByteArray("&") + key + '=' + Value(v);
}

// A JSON value that should hold a decimal number, as a string (Nominatim's form) or a
// number; false when it holds no finite one.
bool JsonNumber(const QJsonValue &v, double &out)
{
    std::optional<double> d;
    if (v.isDouble())
        d = v.toDouble();
    else if (v.isString())
        d = ReadNumberText(v.toString());
    if (!d || !std::isfinite(*d))
        return false;
    out = *d;
    return true;
}

// An address part as text; a server may send a house number or postcode as a JSON number.
QString JsonText(const QJsonObject &o, const char *key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    double d = 0;
    if (v.isDouble() && JsonNumber(v, d))
        return QString::number(d, 'g', 15);
    return v.isString() ? v.toString() : QString();
}

} // namespace

QByteArray NominatimProvider::RequestUrl(const GeocodeQuery &query) const
{
    QByteArray url = baseUrl_ + "/search?format=jsonv2&addressdetails=1&limit=1";
    if (!query.state.trimmed().isEmpty()) {
        // The dialog's state field may hold a region or a country name: the free text of
        // the whole address lets the server sort it out.
        AddParam(url, "q", GeocodeQueryText(query.address, query.city, query.state, query.zip,
                                            query.country).simplified());
        return url;
    }
    QString street, number;
    SplitStreetNumber(query.address, street, number);
    AddParam(url, "street", (number.trimmed() + QLatin1Char(' ') + street.trimmed()));
    AddParam(url, "city", query.city);
    AddParam(url, "postalcode", query.zip);
    AddParam(url, "country", query.country);
    return url;
}

GeocodeProvider::Reading NominatimProvider::ReadAnswer(const QByteArray &answer, const GeocodeQuery &query,
                                                       GeocodeResult &out) const
{
    QString street, number;
    SplitStreetNumber(query.address, street, number);
    if (ReadNominatimAnswer(answer, !number.trimmed().isEmpty(), out))
        return Reading::Found;
    const QJsonDocument doc = QJsonDocument::fromJson(answer);
    return doc.isArray() && doc.array().isEmpty() ? Reading::NothingFound : Reading::Unreadable;
}

QString NominatimProvider::Name() const
{
    return QStringLiteral("OpenStreetMap Nominatim");
}

QString NominatimProvider::Attribution() const
{
    return GeocodeText::Tr(GeocodeText::kOsmAttribution);
}

bool ReadNominatimAnswer(const QByteArray &answer, bool askedNumber, GeocodeResult &out)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(answer, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray() || doc.array().isEmpty())
        return false;
    const QJsonValue first = doc.array().first();
    if (!first.isObject())
        return false;
    const QJsonObject place = first.toObject();
    double lat = 0, lon = 0;
    if (!JsonNumber(place.value(QLatin1String("lat")), lat)
        || !JsonNumber(place.value(QLatin1String("lon")), lon) || std::fabs(lat) > 90
        || std::fabs(lon) > 180)
        return false;

    const QJsonObject address = place.value(QLatin1String("address")).toObject();
    GeocodeResult result;
    result.data.latitude = lat;
    result.data.longitude = lon;
    const QString house = JsonText(address, "house_number");
    const QString road = JsonText(address, "road");
    result.data.street = house + QLatin1Char(',') + road;
    for (const char *key : {"city", "town", "village"}) {
        result.data.city = JsonText(address, key);
        if (!result.data.city.isEmpty())
            break;
    }
    result.data.state = JsonText(address, "state");
    result.data.zip = JsonText(address, "postcode");
    result.data.country = JsonText(address, "country");

    // Without a rank, the address parts tell how fine the match is.
    double rank = 0;
    const bool ranked = JsonNumber(place.value(QLatin1String("place_rank")), rank);
    const bool coarse = ranked ? rank < kStreetRank : (house.isEmpty() && road.isEmpty());
    const bool noHouse = house.isEmpty() || (ranked && rank < kHouseRank);
    result.approximate = coarse || (askedNumber && noHouse);
    out = result;
    return true;
}

QByteArray PlacefinderProvider::RequestUrl(const GeocodeQuery &query) const
{
    return GeocodeUrl(GeocodeQueryText(query.address, query.city, query.state, query.zip, query.country),
                      baseUrl_);
}

GeocodeProvider::Reading PlacefinderProvider::ReadAnswer(const QByteArray &answer, const GeocodeQuery &,
                                                         GeocodeResult &out) const
{
    // Any answer counts; missing elements leave their fields cleared.
    out.approximate = ReadPlacefinderAnswer(answer, out.data);
    return Reading::Found;
}

QString PlacefinderProvider::Name() const
{
    return QStringLiteral("Yahoo! - Geocoding API");
}

std::unique_ptr<GeocodeProvider> MakeGeocodeProvider(const QString &name, const QByteArray &baseUrl)
{
    if (name == QLatin1String(kPlacefinderName))
        return std::make_unique<PlacefinderProvider>(baseUrl.isEmpty() ? QByteArray(kGeocodeBaseUrl) : baseUrl);
    return std::make_unique<NominatimProvider>(baseUrl.isEmpty() ? QByteArray(kNominatimBaseUrl) : baseUrl);
}

GeocodeSession &GeocodeSession::Shared()
{
    static GeocodeSession session;
    return session;
}

void GeocodeSession::Pace(int intervalMs)
{
    if (!clock_.isValid())
        clock_.start();
    const qint64 now = clock_.elapsed();
    const qint64 at = paced_ ? qMax(now, last_ + intervalMs) : now;
    // The slot is taken before waiting, so that a query started meanwhile (the event loop
    // runs) waits for the one after it.
    paced_ = true;
    last_ = at;
    if (at > now) {
        QEventLoop loop;
        QTimer::singleShot(int(at - now), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

int GeocodeSession::WaitMs(int intervalMs)
{
    if (!paced_)
        return 0;
    return int(qMax(qint64(0), last_ + intervalMs - clock_.elapsed()));
}

bool GeocodeCached(const GeocodeQuery &query, const GeocodeProvider &provider, const GeocodeSession &session)
{
    return provider.UsagePolicy().cache && session.answers.contains(provider.RequestUrl(query));
}

bool GeocodeLookup(const GeocodeQuery &query, GeocodeData &data, Prompter &prompter,
                   const GeocodeProvider &provider, GeocodeSession &session, QString *failure)
{
    const auto fail = [failure](const QString &why) {
        if (failure)
            *failure = why;
        return false;
    };
    const GeocodeProvider::Policy policy = provider.UsagePolicy();
    const QByteArray url = provider.RequestUrl(query);
    QByteArray answer = policy.cache ? session.answers.value(url) : QByteArray();
    if (answer.isEmpty()) {
        session.Pace(policy.minIntervalMs);
        const FetchResult fetched = FetchUrl(url, prompter);
        if (!fetched.Ok())
            return fail(fetched.Text());
        answer = fetched.body;
        if (answer.isEmpty())
            return fail(GeocodeText::Tr(GeocodeText::kUnreadable));
    }
    GeocodeResult result;
    switch (provider.ReadAnswer(answer, query, result)) {
    case GeocodeProvider::Reading::Found:
        break;
    case GeocodeProvider::Reading::NothingFound:
        return fail(GeocodeText::Tr(GeocodeText::kNothingFound));
    case GeocodeProvider::Reading::Unreadable:
        return fail(GeocodeText::Tr(GeocodeText::kUnreadable));
    }
    if (policy.cache)
        session.answers.insert(url, answer);
    if (result.approximate)
        prompter.Information(GeocodeText::Tr(GeocodeText::kApproximate));
    data = result.data;
    return true;
}
