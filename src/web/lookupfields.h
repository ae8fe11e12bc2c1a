#pragma once

#include "web/geocode.h"
#include "web/infobel.h"

#include <QString>

// The record editor's values that the two look-up dialogs read and write. The editor
// fills one from its controls, runs a look-up and, when it changed something, puts the
// values back into its controls without counting that as a user edit.
struct LookupFields
{
    QString label;      // esLabel
    QString street;     // esStreet
    QString number;     // esNumb
    QString zip;        // esZip
    QString city;       // esCity
    QString country;    // esCountry
    QString phone1;     // esP0Numb
    double latitude = 0;   // edLat
    double longitude = 0;  // edLon, east positive
    bool gps = false;      // oGPS
};

// The directory query for the editor's values: the label is "lastname firstname",
// split at its first blank when that is not the first character.
InfoBelQuery InfoBelQueryFromFields(const LookupFields &fields);

// The label made from a directory name: the first "." (not at the start) becomes a blank.
QString LabelFromInfoBelName(const QString &name);

// Copies an accepted directory hit into the editor's values.
void ApplyInfoBelResult(const InfoBelResult &result, LookupFields &fields);

// The geocoding input for the editor's values (the record has no state).
GeocodeData GeocodeDataFromFields(const LookupFields &fields);

// Copies an accepted geocoding result into the editor's values and marks GPS present.
void ApplyGeocodeData(const GeocodeData &data, LookupFields &fields);
