#include "web/geocodedlg.h"

#include "common/prompter.h"
#include "store/recordrules.h"
#include "ui_Geocode.h"
#include "web/fetchtexts.h"
#include "web/geocodetexts.h"
#include "web/lookupfields.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

GeocodeDlg::GeocodeDlg(GeocodeData &data, Prompter &prompter, QWidget *parent,
                       const QByteArray &geocodeBaseUrl, const QString &mapBaseUrl)
    : QDialog(parent), ui_(new Ui::Geocode), data_(data), prompter_(prompter),
      ownProvider_(new PlacefinderProvider(geocodeBaseUrl)), provider_(*ownProvider_),
      mapBaseUrl_(mapBaseUrl)
{
    Init();
}

GeocodeDlg::GeocodeDlg(GeocodeData &data, Prompter &prompter, const GeocodeProvider &provider,
                       QWidget *parent, const QString &mapBaseUrl)
    : QDialog(parent), ui_(new Ui::Geocode), data_(data), prompter_(prompter),
      provider_(provider), mapBaseUrl_(mapBaseUrl)
{
    Init();
}

void GeocodeDlg::Init()
{
    ui_->setupUi(this);
    setWindowTitle(GeocodeText::Tr(GeocodeText::kTitle));
    // The result column names the service that answers; its attribution line stays empty
    // until that service has answered.
    ui_->boxResult->setTitle(GeocodeText::Tr(GeocodeText::kResultFrom).arg(provider_.Name()));
    if (!dynamic_cast<const PlacefinderProvider *>(&provider_)) {
        const QString tip = GeocodeText::Tr(GeocodeText::kQueryTooltip).arg(provider_.Name());
        ui_->btQuery->setToolTip(tip);
        ui_->btGoogle->setToolTip(tip);
    }
    attribution_ = new QLabel(ui_->boxResult);
    attribution_->setObjectName(QStringLiteral("lbAttribution"));
    ui_->gridResult->addWidget(attribution_, ui_->gridResult->rowCount(), 0);
    // The outcome of the last query when it gave no position: its cause, or "Cancelled".
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lStatus"));
    status_->setWordWrap(true);
    ui_->vboxMain->insertWidget(ui_->vboxMain->indexOf(ui_->rowButtons), status_);
    setFixedSize(size().expandedTo(minimumSizeHint()));

    // State and country first: the order of street and number depends on them.
    ui_->esActCity->setText(data_.city);
    ui_->esActCountry->setText(data_.country);
    ui_->esActState->setText(data_.state);
    ui_->esActZip->setText(data_.zip);
    ui_->esActLL->setText(CoordinateText(data_.latitude, data_.longitude));
    QString address;
    if (!data_.street.isEmpty() && !data_.number.isEmpty()) {
        address = NumberAfterStreet(ui_->esActState->text(), ui_->esActCountry->text())
            ? data_.street + QLatin1Char(',') + data_.number
            : data_.number + QLatin1Char(',') + data_.street;
    } else {
        address = data_.street + data_.number;
    }
    ui_->esActAddr->setText(address);

    for (QLineEdit *edit : {ui_->esActAddr, ui_->esActCity, ui_->esActCountry,
                            ui_->esActState, ui_->esActZip})
        connect(edit, &QLineEdit::textChanged, this, &GeocodeDlg::ButtonRule);
    connect(ui_->btQuery, &QPushButton::clicked, this, &GeocodeDlg::Query);
    connect(ui_->btGoogle, &QPushButton::clicked, this, &GeocodeDlg::WebMap);
    connect(ui_->btOK, &QPushButton::clicked, this, &GeocodeDlg::Accept);
    connect(ui_->btCancel, &QPushButton::clicked, this, &GeocodeDlg::reject);
    queryCaption_ = ui_->btQuery->text();
    turn_ = new QTimer(this);
    turn_->setSingleShot(true);
    turn_->setTimerType(Qt::PreciseTimer);
    connect(turn_, &QTimer::timeout, this, &GeocodeDlg::RunQuery);

    ButtonRule();
}

GeocodeDlg::~GeocodeDlg() = default;

void GeocodeDlg::ButtonRule()
{
    ui_->btOK->setDefault(false);
    ui_->btOK->setEnabled(false);
    ui_->btQuery->setDefault(true);
    bool any = false;
    for (const QLineEdit *edit : {ui_->esActAddr, ui_->esActCity, ui_->esActCountry,
                                  ui_->esActState, ui_->esActZip})
        any = any || !edit->text().isEmpty();
    ui_->btQuery->setEnabled(any);
    ui_->btGoogle->setEnabled(coordinateShown_);
}

void GeocodeDlg::SetResultText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text) {
        edit->setText(text);
        if (edit == ui_->esGeoLL)
            coordinateShown_ = true;
    }
}

GeocodeQuery GeocodeDlg::Input() const
{
    GeocodeQuery query;
    query.address = ui_->esActAddr->text();
    query.city = ui_->esActCity->text();
    query.state = ui_->esActState->text();
    query.zip = ui_->esActZip->text();
    query.country = ui_->esActCountry->text();
    return query;
}

namespace {

bool SameQuery(const GeocodeQuery &a, const GeocodeQuery &b)
{
    return a.address == b.address && a.city == b.city && a.state == b.state && a.zip == b.zip
        && a.country == b.country;
}

} // namespace

void GeocodeDlg::ShowWaiting(bool waiting)
{
    ui_->btQuery->setText(waiting ? GeocodeText::Tr(GeocodeText::kWaiting) : queryCaption_);
}

void GeocodeDlg::Query()
{
    // The latest Query wins: a query still waiting for its turn is replaced, not sent.
    waiting_ = Input();
    NextTurn();
}

void GeocodeDlg::NextTurn()
{
    if (!waiting_)
        return;
    if (fetching_) {  // goes out when the answer in flight is in
        ShowWaiting(true);
        return;
    }
    const int wait = GeocodeCached(*waiting_, provider_, *session_)
        ? 0 : session_->WaitMs(provider_.UsagePolicy().minIntervalMs);
    if (wait > 0) {
        ShowWaiting(true);
        turn_->start(wait);
        return;
    }
    RunQuery();
}

void GeocodeDlg::RunQuery()
{
    turn_->stop();
    if (!waiting_ || closed_)
        return;
    const GeocodeQuery query = *waiting_;
    waiting_.reset();
    ShowWaiting(false);
    status_->clear();
    GeocodeData result;
    QString failure;
    fetching_ = true;
    const bool ok = GeocodeLookup(query, result, prompter_, provider_, *session_, &failure);
    fetching_ = false;
    // The answer is shown only if it still answers the input: not after the dialog was
    // closed, not when a newer query replaced this one, not after the input was edited.
    if (closed_)
        return;
    if (waiting_) {
        NextTurn();
        return;
    }
    if (!SameQuery(query, Input()))
        return;
    if (ok) {
        attribution_->setText(provider_.Attribution());
        SetResultText(ui_->esGeoAddr, result.street);
        SetResultText(ui_->esGeoCity, result.city);
        SetResultText(ui_->esGeoCountry, result.country);
        SetResultText(ui_->esGeoState, result.state);
        SetResultText(ui_->esGeoZip, result.zip);
        SetResultText(ui_->esGeoLL, CoordinateText(result.latitude, result.longitude));
        ui_->btQuery->setDefault(false);
        ui_->btOK->setDefault(true);
    } else {
        status_->setText(failure);
        // The user's own Cancel needs no message box.
        if (failure != FetchText::Tr(FetchText::kCancelled))
            prompter_.InformationDetail(GeocodeText::Tr(GeocodeText::kQueryFailed), failure);
    }
    ui_->btOK->setEnabled(ok);
    ui_->btGoogle->setEnabled(ok);
}

void GeocodeDlg::WebMap()
{
    prompter_.OpenUrl(mapBaseUrl_ + QStringLiteral("/maps?q=") + ui_->esGeoLL->text());
}

void GeocodeDlg::Accept()
{
    // The address fields go back into the record editor, whose fields have these limits.
    const struct { QLineEdit *edit; int limit; } limits[] = {
        {ui_->esActAddr, 155}, {ui_->esActCity, 91}, {ui_->esActZip, 44},
        {ui_->esActState, 44}, {ui_->esActCountry, 44}};
    for (const auto &l : limits) {
        if (l.edit->text().size() > l.limit) {
            prompter_.Information(RecordText::tooLong().arg(l.limit));
            l.edit->setFocus();
            return;
        }
    }

    SplitStreetNumber(ui_->esActAddr->text(), data_.street, data_.number);
    data_.city = ui_->esActCity->text();
    data_.country = ui_->esActCountry->text();
    data_.state = ui_->esActState->text();
    data_.zip = ui_->esActZip->text();
    ParseCoordinateText(ui_->esGeoLL->text(), data_.latitude, data_.longitude);
    closed_ = true;
    turn_->stop();
    done(1);
}

void GeocodeDlg::reject()
{
    // A query waiting for its turn is never sent.
    closed_ = true;
    waiting_.reset();
    turn_->stop();
    done(2);
}

bool RunGeocodeLookup(LookupFields &fields, Prompter &prompter, QWidget *parent,
                      const QByteArray &geocodeBaseUrl, const QString &mapBaseUrl)
{
    return RunGeocodeLookup(fields, prompter, PlacefinderProvider(geocodeBaseUrl), parent, mapBaseUrl);
}

bool RunGeocodeLookup(LookupFields &fields, Prompter &prompter, const GeocodeProvider &provider,
                      QWidget *parent, const QString &mapBaseUrl)
{
    GeocodeData data = GeocodeDataFromFields(fields);
    GeocodeDlg dlg(data, prompter, provider, parent, mapBaseUrl);
    if (dlg.exec() != 1)
        return false;
    ApplyGeocodeData(data, fields);
    return true;
}
