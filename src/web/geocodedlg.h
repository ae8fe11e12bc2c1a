#pragma once

#include "web/endpoints.h"
#include "web/geocode.h"

#include <QDialog>

#include <memory>

class Prompter;
class QLineEdit;
struct LookupFields;
namespace Ui { class Geocode; }

// The dialog in which the user obtains a GPS coordinate for a postal address. The left
// column holds the address to search (editable), the right one the service's answer.
// exec() returns 1 after OK (the data holds the input address as the user left it and
// the result coordinate) and 2 after Cancel (the data is untouched).
class GeocodeDlg : public QDialog
{
    Q_OBJECT
public:
    GeocodeDlg(GeocodeData &data, Prompter &prompter, QWidget *parent = nullptr,
               const QByteArray &geocodeBaseUrl = kGeocodeBaseUrl,
               const QString &mapBaseUrl = QString::fromLatin1(kWebMapBaseUrl));
    ~GeocodeDlg() override;

    void reject() override;

private:
    void ButtonRule();
    void Query();
    void WebMap();
    void Accept();
    void SetResultText(QLineEdit *edit, const QString &text);

    std::unique_ptr<Ui::Geocode> ui_;
    GeocodeData &data_;
    Prompter &prompter_;
    QByteArray geocodeBaseUrl_;
    QString mapBaseUrl_;
    // Set once a query has written a coordinate into the result column.
    bool coordinateShown_ = false;
};

// Runs the dialog on the record editor's values; on OK the address and the coordinate
// are copied back and GPS is marked present. True when they changed.
bool RunGeocodeLookup(LookupFields &fields, Prompter &prompter, QWidget *parent = nullptr,
                      const QByteArray &geocodeBaseUrl = kGeocodeBaseUrl,
                      const QString &mapBaseUrl = QString::fromLatin1(kWebMapBaseUrl));
