#include "web/geocode.h"

#include "common/numbers.h"
#include "common/prompter.h"
#include "common/textcodec.h"
#include "web/fetch.h"
#include "web/geocodetexts.h"


namespace {

// Answers whose quality is below this matched the address only approximately.
constexpr int kExactQuality = 87;

// Query delimiters escaped inside the free text.
const QByteArray kTextEscapes = QByteArrayLiteral("%&+=#;");

QString TagString(const QByteArray &xml, const char *name)
{
    QByteArray text;
    if (!XmlTagText(xml, name, text))
        return QString();
    return DecodeHeldUtf8(text);
}

} // namespace

bool NumberAfterStreet(const QString &state, const QString &country)
{
    const QString where = UpperPerUnit(state.isEmpty() ? country : state);
    return where == QLatin1String("ITALY") || where == QLatin1String("ITALIA")
        || where == QLatin1String("BELGIUM") || where == QLatin1String("NETHERLANDS")
        || where == QLatin1String("GERMANY");
}

void SplitStreetNumber(const QString &line, QString &street, QString &number)
{
    const qsizetype c = line.indexOf(QLatin1Char(','));
    if (c < 0) {
        street = line;
        number.clear();
        return;
    }
    const QString before = line.left(c);
    const QString after = line.mid(c + 1);
    if (c < line.size() / 2) {
        number = before;
        street = after;
    } else {
        street = before;
        number = after;
    }
}

QString GeocodeQueryText(const QString &address, const QString &city, const QString &state,
                         const QString &zip, const QString &country)
{
    QString street, number;
    SplitStreetNumber(address, street, number);
    const QChar blank(QLatin1Char(' '));
    QString text = NumberAfterStreet(state, country) ? street + blank + number
                                                     : number + blank + street;
    text += blank + city + blank + state + blank + zip + blank + country;
    return text;
}

QByteArray GeocodeUrl(const QString &text, const QByteArray &baseUrl)
{
    // The query delimiters inside the text are escaped, so that an "&" or "#" typed into
    // an address stays part of it; blanks are escaped by FetchUrl, other bytes travel as
    // the UTF-8 of the text.
    return baseUrl + "/v1/public/yql?q=select * from geo.placefinder where text=\""
        + PercentEncode(EncodeHeldUtf8(text), kTextEscapes) + '"';
}

bool ReadPlacefinderAnswer(const QByteArray &answer, GeocodeData &data)
{
    data = GeocodeData();
    XmlTagNumber(answer, "latitude", data.latitude);
    XmlTagNumber(answer, "longitude", data.longitude);
    const QString house = TagString(answer, "house");
    const QString street = TagString(answer, "street");
    data.city = TagString(answer, "city");
    data.country = TagString(answer, "country");
    data.state = TagString(answer, "state");
    data.zip = TagString(answer, "uzip");
    data.street = house + QLatin1Char(',') + street;

    QByteArray quality;
    XmlTagText(answer, "quality", quality);
    return ScanInt(quality) < kExactQuality;
}

bool GeocodeLookup(const QString &text, GeocodeData &data, Prompter &prompter,
                   const QByteArray &baseUrl)
{
    const QByteArray answer = FetchUrl(GeocodeUrl(text, baseUrl), prompter).body;
    if (answer.isEmpty())
        return false;
    if (ReadPlacefinderAnswer(answer, data))
        prompter.Information(GeocodeText::Tr(GeocodeText::kApproximate));
    return true;
}

bool XmlTagText(const QByteArray &xml, const QByteArray &name, QByteArray &text)
{
    const QByteArray open = '<' + name + '>';
    const QByteArray close = "</" + name + '>';
    const qsizetype start = xml.indexOf(open);
    const qsizetype end = xml.indexOf(close);
    if (start < 0 || end < 0 || end < start + open.size())
        return false;
    const qsizetype from = start + open.size();
    text = xml.mid(from, end - from);
    return true;
}

bool XmlTagNumber(const QByteArray &xml, const QByteArray &name, double &value)
{
    QByteArray text;
    if (!XmlTagText(xml, name, text))
        return false;
    const NumberRead n = ReadNumber(text, 0, NumberSyntax{true, false});
    if (!n.ok())
        return false;
    value = n.value;
    return true;
}

QString CoordinateText(double latitude, double longitude)
{
    return QString::asprintf("%f,%f", latitude, longitude);
}

bool ParseCoordinateText(const QString &text, double &latitude, double &longitude)
{
    const NumberSyntax syntax{true, false};
    const NumberRead lat = ReadNumber(text, 0, syntax);
    if (!lat.ok() || lat.end >= text.size() || text.at(lat.end) != QLatin1Char(','))
        return false;
    const NumberRead lon = ReadNumber(text, lat.end + 1, syntax);
    if (!lon.ok())
        return false;
    latitude = lat.value;
    longitude = lon.value;
    return true;
}
