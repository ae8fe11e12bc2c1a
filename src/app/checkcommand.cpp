#include "app/kestravon.h"

#include "app/checkreport.h"
#include "store/phonebookcheck.h"
#include "ui_KESTRAVONLayout.h"

#include <QTabWidget>
#include <QTableWidget>

// The phonebook check command: its report window and the selection of a reported record.

void KESTRAVON::CheckPhonebook()
{
    if (!checkReport_) {
        checkReport_ = new CheckReportDlg(this);
        checkReport_->setObjectName(QStringLiteral("CheckReport"));
        connect(checkReport_, &CheckReportDlg::RecordChosen, this, [this](int slot) { SelectSlot(slot); });
    }
    checkReport_->ShowFindings(agenda, ::CheckPhonebook(agenda));
    checkReport_->show();
    checkReport_->raise();
    checkReport_->activateWindow();
}

bool KESTRAVON::SelectSlot(int slot)
{
    for (int k = 0; k < kListCount; ++k) {
        const int row = FindRow(k, slot);
        if (row < 0)
            continue;
        ui_->tcUser->setCurrentIndex(k);
        QTableWidget *list = List(k);
        list->clearSelection();
        list->setCurrentCell(row, colRecord, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        list->scrollToItem(list->item(row, colRecord));
        activateWindow();
        list->setFocus();
        return true;
    }
    return false;
}
