#pragma once

#include "web/endpoints.h"

#include <QByteArray>
#include <QString>

class Prompter;

// A coordinate with its postal address: the geocoding dialog's input and output and
// the query's result. In a query result `street` is the normalised address line
// (house number, ",", street).
struct GeocodeData
{
    double latitude = 0;
    double longitude = 0;
    QString street;
    QString number;
    QString city;
    QString state;
    QString zip;
    QString country;
};

// True when the house number is written after the street name in the given state (or,
// when the state is empty, country).
bool NumberAfterStreet(const QString &state, const QString &country);

// Splits an address line "street,number" or "number,street" at its first comma: the
// shorter leading part before a comma in the first half is the number. Without a comma
// the whole line is the street.
void SplitStreetNumber(const QString &line, QString &street, QString &number);

// The free text sent to the geocoding service.
QString GeocodeQueryText(const QString &address, const QString &city, const QString &state,
                         const QString &zip, const QString &country);

// The request URL for `text`.
QByteArray GeocodeUrl(const QString &text, const QByteArray &baseUrl = kGeocodeBaseUrl);

// Queries the service. On an answer, `data` is cleared and filled from it and the
// result is true (after telling the user when the match is only approximate); without
// an answer the result is false and `data` is untouched.
bool GeocodeLookup(const QString &text, GeocodeData &data, Prompter &prompter,
                   const QByteArray &baseUrl = kGeocodeBaseUrl);

// Reads a placefinder answer into a cleared `data`; true when the match is only
// approximate (quality below 87 or not given).
bool ReadPlacefinderAnswer(const QByteArray &answer, GeocodeData &data);

// The text between the first "<name>" and the first "</name>" of `xml`, verbatim.
// False (and `text` untouched) when either is missing or the closing tag comes first.
bool XmlTagText(const QByteArray &xml, const QByteArray &name, QByteArray &text);
// Likewise, read as a decimal number; `value` is written only when the element holds
// one (a finite one).
bool XmlTagNumber(const QByteArray &xml, const QByteArray &name, double &value);

// The coordinate text shown in the dialog and put into the map query ("%f,%f").
QString CoordinateText(double latitude, double longitude);
// Reads "latitude,longitude" back; false (values untouched) when the text is not one.
bool ParseCoordinateText(const QString &text, double &latitude, double &longitude);
