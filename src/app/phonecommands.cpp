// The window's phone number commands: tidying the numbers of the selected records and
// choosing the region that numbers without a country code belong to.
#include "app/mainwindow.h"

#include "app/phonetexts.h"
#include "app/phonetidydlg.h"
#include "app/undo.h"
#include "store/phonenumber.h"
#include "store/phonetidy.h"

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
