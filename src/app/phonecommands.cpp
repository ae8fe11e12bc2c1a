// The window's phone number commands: tidying the numbers of the selected records and
// choosing the region that numbers without a country code belong to.
#include "app/mainwindow.h"

#include "app/phonetexts.h"
#include "app/phonetidydlg.h"
#include "app/undo.h"
#include "store/duplicates.h"
#include "store/phonenumber.h"
#include "store/phonetidy.h"

#include <QCoreApplication>
#include <QStatusBar>

void MainWindow::TidyPhones()
{
    if (!CommitCellEdit())
        return;
    QList<int> selected;
    for (const SelectedRow &r : SelectedRows())
        selected.append(r.slot);
    const QString region = DefaultPhoneRegion();
    // The preview offers every form: there is something to show when any form gives a row.
    bool any = false;
    for (PhoneFormat f : {PhoneFormat::International, PhoneFormat::E164, PhoneFormat::National})
        any = any || !PlanPhoneTidy(agenda, selected, region, f).isEmpty();
    if (!any) {
        prompter_.Information(PhoneText::nothingToTidy());
        return;
    }
    PhoneTidyDlg dialog(agenda, selected, region, this);
    if (!ReviewPhoneTidy(dialog))
        return;
    const QList<PhoneTidyRow> chosen = dialog.Chosen();
    if (chosen.isEmpty())
        return;
    ChangeScope change(*this, PhoneText::menuTidy());
    book.Apply([&](Agenda &a) { return ApplyPhoneTidy(a, chosen); });
}

bool MainWindow::ReviewPhoneTidy(PhoneTidyDlg &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

void MainWindow::ChoosePhoneRegion()
{
    PhoneRegionDlg dialog(this);
    if (AskPhoneRegion(dialog))
        dialog.Store();
}

bool MainWindow::AskPhoneRegion(PhoneRegionDlg &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

void MainWindow::NotePhone(int slot, int phone)
{
    const AgendaRecord *r = agenda.RecordAt(slot);
    if (!r || phone < 0 || phone >= kPhoneCount)
        return;
    // A user's own number is not dialled by the unit: nothing to say about it.
    QStringList notes;
    if (slot >= agenda.userCount) {
        const QString region = DefaultPhoneRegion();
        const QString &number = r->phone[size_t(phone)];
        int sameAs = -1;
        int possibly = -1;
        if (!number.isEmpty()) {
            const PhoneHolders holders(agenda, region);
            sameAs = holders.OtherHolder(number, slot, r->owner);
            possibly = sameAs >= 0 ? -1 : holders.PossibleHolder(number, slot, r->owner);
        }
        notes = PhoneNotes(number, region, sameAs, possibly);
    }
    if (notes.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(PhoneText::cellNote().arg(QCoreApplication::translate("ColumnTitle", Field(PhoneField(phone)).title), notes.join(QStringLiteral("; "))));
}
