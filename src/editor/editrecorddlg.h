#pragma once

#include "common/prompter.h"
#include "store/agenda.h"
#include "store/fields.h"
#include "store/phonebook.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <memory>


class PhoneHolders;
class QAction;
class QComboBox;
class QLineEdit;
class QWidget;
struct LookupFields;

namespace Ui {
class EditRecord;
}

// The dialog in which the user edits one record of the phonebook field by field.
//
// It shows a copy of the slot's record; the slot is written only by OK, Prev and Next,
// through the one edit path of the phonebook (AcceptRecordEdit: field checks, the address
// and label questions, upper-casing, storing). The slot being edited is the value of the read-only field eiRecN minus one.
class EditRecordDlg : public QDialog
{
    Q_OBJECT

public:
    EditRecordDlg(Phonebook &book, int slot, Prompter &prompter, QWidget *parent = nullptr);
    ~EditRecordDlg() override;

    // Called with the slot index after a record was stored into that slot.
    std::function<void(int slot)> WhenStored;
    // Called by Prev (next = false) and Next (next = true) after the record was stored:
    // sets `slot` to the neighbouring record in the list's display order, or leaves it
    // unchanged at either end of the list.
    std::function<void(bool next, int &slot)> WhenStep;

    // Where the look-up buttons send their queries (from the user's settings; the
    // production services by default). An empty geocoding URL is the provider's own.
    QByteArray infoBelHost;
    QString geocodeProvider;
    QByteArray geocodeBaseUrl;

    // Puts every field of `record` into the controls. Not a user edit.
    void LoadRecord(const AgendaRecord &record);
    // Writes the controls into `record`, which the caller has copied from the slot being
    // edited; fields the dialog does not show keep their values.
    void FillRecord(AgendaRecord &record) const;

    // The slot being edited (eiRecN - 1).
    int Slot() const;
    bool AddressChanged() const { return addressChanged; }
    bool LabelChanged() const { return labelChanged; }

    // The region that phone numbers without a country code are read with (the default
    // region when the dialog opens); setting it checks the numbers again.
    void SetPhoneRegion(const QString &region);
    QString PhoneRegion() const { return phoneRegion_; }

    // Button handlers, also callable directly.
    void OnOk();
    void OnCancel();
    void Step(bool next);
    void OnImport();
    void OnExport();
    void OnInfoBel();
    void OnGeocode();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SetupControls();
    // Each phone field gets two buttons at its end: a warning whose tip says why the number
    // is kept as typed or which contact holds it too, and one that writes a valid number
    // in international form. The number is never rewritten otherwise.
    void SetupPhoneChecks();
    void CheckPhone(int phone);
    void CheckPhones();
    // Sizes the dialog to its layout, within the screen's free area.
    void FitScreen();
    void SizeFromFont();
    void Connect();
    void SetChanged(bool &flag) { flag = true; }
    // Shows a country: the matching choice selected (none when there is no such choice)
    // and its text in the field, remembered as the text the user has not changed.
    void SetCountry(const QString &country);
    // The record of the current slot as a base for FillRecord.
    AgendaRecord SlotRecord() const;
    // Checks the controls and stores them into the current slot through the edit path,
    // then notifies WhenStored. False when a field was refused (its message has been
    // shown, its control has the focus); the change flags then stay as they were.
    bool StoreDialog();
    // The control of a text field (the label's for a field the dialog does not show).
    QWidget *ControlOf(FieldId field) const;
    // Checks every field in layout order; shows the first refusal and focuses its control.
    bool ValidateFields();
    bool Refuse(QWidget *control, const QString &message);
    QString VcfTitle(const char *context, const char *title) const;
    // The values the look-up dialogs read, and the address they write back.
    LookupFields LookupFromControls() const;
    void AddressToControls(const LookupFields &fields);
    Prompter::FileRequest VcfRequest() const;

    std::unique_ptr<Ui::EditRecord> ui;
    // The text control of each field of the record-field table, and the drop list of its
    // type (phones and e-mails); null where the dialog shows none.
    std::array<QLineEdit *, kFieldCount> fieldEdits_{};
    std::array<QComboBox *, kFieldCount> typeBoxes_{};
    Phonebook &book_;
    Prompter &prompter_;
    bool addressChanged = false;
    bool labelChanged = false;
    // The coordinates as loaded and the texts they were shown as: a field the user has
    // left as it was stores its coordinate back with the very same fields.
    GpsCoord shownLat_;
    GpsCoord shownLon_;
    QString shownLatText_;
    QString shownLonText_;
    // The country text as the program set it or the user last left it: picking a choice
    // counts as an edit only when it changes this text.
    QString shownCountry_;
    bool fitted_ = false;
    QString phoneRegion_;
    // The contacts' numbers as the phonebook held them when the record was loaded; built
    // when first needed.
    std::unique_ptr<PhoneHolders> holders_;
    std::array<QLineEdit *, kPhoneCount> phoneEdits_{};
    std::array<QAction *, kPhoneCount> phoneNotes_{};
    std::array<QAction *, kPhoneCount> phoneFormats_{};
    // The vCard file selector's folder, remembered between uses while the dialog lives.
    QString vcfFolder_;
};
