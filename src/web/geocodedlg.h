#pragma once

#include "web/endpoints.h"
#include "web/geocode.h"
#include "web/geocodeprovider.h"

#include <QDialog>

#include <memory>
#include <optional>

class Prompter;
class QLabel;
class QLineEdit;
class QTimer;
struct LookupFields;
namespace Ui { class Geocode; }

// The dialog in which the user obtains a GPS coordinate for a postal address. The left
// column holds the address to search (editable), the right one the service's answer.
// exec() returns 1 after OK (the data holds the input address as the user left it and
// the result coordinate) and 2 after Cancel (the data is untouched). The result column
// names the provider and shows the attribution its terms ask for once it has answered.
class GeocodeDlg : public QDialog
{
    Q_OBJECT
public:
    // Queries `provider` (which must outlive the dialog).
    GeocodeDlg(GeocodeData &data, Prompter &prompter, const GeocodeProvider &provider,
               QWidget *parent = nullptr,
               const QString &mapBaseUrl = QString::fromLatin1(kWebMapBaseUrl));
    // Queries a placefinder service at `geocodeBaseUrl`.
    GeocodeDlg(GeocodeData &data, Prompter &prompter, QWidget *parent = nullptr,
               const QByteArray &geocodeBaseUrl = kGeocodeBaseUrl,
               const QString &mapBaseUrl = QString::fromLatin1(kWebMapBaseUrl));
    ~GeocodeDlg() override;

    // The program's request clock and answer cache this dialog shares (by default the
    // program's own).
    void UseSession(GeocodeSession &session) { session_ = &session; }

    void reject() override;

private:
    void Init();
    void ButtonRule();
    // Query: the input as it is now becomes the query that waits for its turn (replacing
    // one that waits already); it goes out as soon as the service's usage policy allows.
    void Query();
    void NextTurn();
    void RunQuery();
    void ShowWaiting(bool waiting);
    GeocodeQuery Input() const;
    void WebMap();
    void Accept();
    void SetResultText(QLineEdit *edit, const QString &text);

    std::unique_ptr<Ui::Geocode> ui_;
    GeocodeData &data_;
    Prompter &prompter_;
    std::unique_ptr<GeocodeProvider> ownProvider_;
    const GeocodeProvider &provider_;
    QString mapBaseUrl_;
    QLabel *attribution_ = nullptr;
    QLabel *status_ = nullptr;
    GeocodeSession *session_ = &GeocodeSession::Shared();
    // Set once a query has written a coordinate into the result column.
    bool coordinateShown_ = false;
    // A query is being fetched (the event loop runs meanwhile).
    bool fetching_ = false;
    // The dialog was closed; an answer still arriving is dropped.
    bool closed_ = false;
    // The query waiting for its turn, if any, and the timer of that turn.
    std::optional<GeocodeQuery> waiting_;
    QTimer *turn_ = nullptr;
    QString queryCaption_;
};

// Runs the dialog on the record editor's values; on OK the address and the coordinate
// are copied back and GPS is marked present. True when they changed.
bool RunGeocodeLookup(LookupFields &fields, Prompter &prompter, const GeocodeProvider &provider,
                      QWidget *parent = nullptr,
                      const QString &mapBaseUrl = QString::fromLatin1(kWebMapBaseUrl));
// The same with a placefinder service at `geocodeBaseUrl`.
bool RunGeocodeLookup(LookupFields &fields, Prompter &prompter, QWidget *parent = nullptr,
                      const QByteArray &geocodeBaseUrl = kGeocodeBaseUrl,
                      const QString &mapBaseUrl = QString::fromLatin1(kWebMapBaseUrl));
