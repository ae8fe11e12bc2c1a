#include "app/mainwindow.h"

#include "app/checkreport.h"
#include "store/phonebookcheck.h"
#include "store/phonenumber.h"
#include "ui_KESTRAVONLayout.h"

#include "app/recordlist.h"

#include <QItemSelectionModel>
#include <QUndoStack>
#include <QTabWidget>

// The phonebook check command: its report window and the selection of a reported record.

void MainWindow::CheckPhonebook()
{
    // A typed cell counts: the check reports the phonebook as it will be saved.
    if (!CommitCellEdit())
        return;
    if (!checkReport_) {
        checkReport_ = new CheckReportDlg(this);
        checkReport_->setObjectName(QStringLiteral("CheckReport"));
        connect(checkReport_, &CheckReportDlg::RecordChosen, this, [this](int slot) { SelectSlot(slot); });
        // Every change to the phonebook (a command, an edit, undo or redo) is a step of the
        // undo stack: the open report follows it, so that a finding never names a record
        // that was deleted or fixed since, or a slot that a new record has taken.
        connect(&UndoStack(), &QUndoStack::indexChanged, checkReport_, [this] {
            if (checkReport_ && checkReport_->isVisible())
                checkReport_->ShowFindings(agenda, ::CheckPhonebook(agenda, DefaultPhoneRegion()));
        });
    }
    checkReport_->ShowFindings(agenda, ::CheckPhonebook(agenda, DefaultPhoneRegion()));
    checkReport_->show();
    checkReport_->raise();
    checkReport_->activateWindow();
}

bool MainWindow::SelectSlot(int slot)
{
    for (int k = 0; k < kListCount; ++k) {
        if (!proxies_[size_t(k)]->Owns(slot))
            continue;
        // A record the filter hides is shown again: the filter is cleared rather than
        // selecting a row the user cannot see.
        if (FindRow(k, slot) < 0)
            SetFilterText(QString());
        const int row = FindRow(k, slot);
        if (row < 0)
            return false;
        RecordListView *list = List(k);
        ui_->tcUser->setCurrentIndex(k);
        const QModelIndex index = list->model()->index(row, colRecord);
        list->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        // The tab may just have been shown: lay it out first, or the scroll goes nowhere.
        list->updateGeometry();
        list->doItemsLayout();
        list->scrollTo(index, QAbstractItemView::PositionAtCenter);
        activateWindow();
        list->setFocus();
        return true;
    }
    return false;
}
