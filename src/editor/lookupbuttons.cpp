#include "editor/editrecorddlg.h"

#include "editor/recordtext.h"
#include "online/online.h"
#include "ui_EditRecord.h"
#include "web/lookupfields.h"

// The InfoBel directory and the geocoding service fill the address, phone and GPS
// controls. What they put there is not a user edit: setText emits no textEdited, so no
// change flag is set and the editor's OK asks no question about it. Both dialogs come from
// the online module, loaded on the first look-up.

LookupFields EditRecordDlg::LookupFromControls() const
{
    LookupFields f;
    f.label = ui->esLabel->text();
    f.street = ui->esStreet->text();
    f.number = ui->esNumb->text();
    f.zip = ui->esZip->text();
    f.city = ui->esCity->text();
    f.country = ui->esCountry->currentText();
    f.phone1 = ui->esP0Numb->text();
    f.latitude = ReadNumberText(ui->edLat->text(), kTypedDecimal, 0.0).value_or(0);
    f.longitude = ReadNumberText(ui->edLon->text(), kTypedDecimal, 0.0).value_or(0);
    f.gps = ui->oGPS->isChecked();
    return f;
}

void EditRecordDlg::AddressToControls(const LookupFields &f)
{
    ui->esStreet->setText(f.street);
    ui->esNumb->setText(f.number);
    ui->esZip->setText(f.zip);
    ui->esCity->setText(f.city);
    SetCountry(f.country);
}

void EditRecordDlg::OnInfoBel()
{
    const OnlineServices *online = Online(prompter_);
    LookupFields f = LookupFromControls();
    if (!online || !online->infoBelLookup(f, prompter_, this, infoBelHost))
        return;
    ui->esLabel->setText(f.label);
    AddressToControls(f);
    ui->esP0Numb->setText(f.phone1);
}

void EditRecordDlg::OnGeocode()
{
    const OnlineServices *online = Online(prompter_);
    LookupFields f = LookupFromControls();
    if (!online || !online->geocodeLookup(f, prompter_, this, geocodeProvider, geocodeBaseUrl))
        return;
    AddressToControls(f);
    ui->edLat->setText(QString::number(f.latitude, 'f', 6));
    ui->edLon->setText(QString::number(f.longitude, 'f', 6));
    ui->oGPS->setChecked(true);
}
