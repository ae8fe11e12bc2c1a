#include "web/lookupfields.h"

InfoBelQuery InfoBelQueryFromFields(const LookupFields &fields)
{
    InfoBelQuery query;
    const qsizetype space = fields.label.indexOf(QLatin1Char(' '));
    if (space >= 1) {
        query.lastname = fields.label.left(space);
        query.firstname = fields.label.mid(space + 1);
    } else {
        query.lastname = fields.label;
    }
    query.city = fields.city;
    query.country = fields.country;
    query.phone = fields.phone1;
    return query;
}

QString LabelFromInfoBelName(const QString &name)
{
    QString label = name;
    const qsizetype dot = label.indexOf(QLatin1Char('.'));
    if (dot >= 1)
        label[dot] = QLatin1Char(' ');
    return label;
}

void ApplyInfoBelResult(const InfoBelResult &result, LookupFields &fields)
{
    fields.label = LabelFromInfoBelName(result.name);
    fields.number = result.number;
    fields.street = result.street;
    fields.zip = result.zip;
    fields.city = result.city;
    fields.country = result.country;
    fields.phone1 = result.phone;
}

GeocodeData GeocodeDataFromFields(const LookupFields &fields)
{
    GeocodeData data;
    data.latitude = fields.latitude;
    data.longitude = fields.longitude;
    data.street = fields.street;
    data.number = fields.number;
    data.city = fields.city;
    data.zip = fields.zip;
    data.country = fields.country;
    return data;
}

void ApplyGeocodeData(const GeocodeData &data, LookupFields &fields)
{
    fields.number = data.number;
    fields.street = data.street;
    fields.city = data.city;
    fields.country = data.country;
    fields.zip = data.zip;
    fields.longitude = data.longitude;
    fields.latitude = data.latitude;
    fields.gps = true;
}
