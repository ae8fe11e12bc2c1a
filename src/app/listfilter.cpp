// The filter field of the main window: every list shows only the rows that match its text;
// commands then act on the rows that are shown.
#include "app/mainwindow.h"

#include "app/recordlist.h"
#include "store/phonenumber.h"
#include "ui_KESTRAVONLayout.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTabWidget>

#include <algorithm>

QString MainWindow::FilterText() const
{
    return ui_->esFilter->text();
}

void MainWindow::SetFilterText(const QString &text)
{
    ui_->esFilter->setText(text);  // textChanged applies it
}

void MainWindow::ApplyFilter()
{
    const QString text = FilterText().trimmed();
    // The region is only read (and the phone library loaded) once numbers are looked for.
    const QString region = UserListProxy::FindsNumbers(text) ? DefaultPhoneRegion() : QString();
    for (int k = 0; k < kListCount; ++k) {
        std::bitset<RecordTableModel::kColumns> columns;
        for (int c = 0; c < kColumnCount; ++c)
            columns.set(size_t(c), ColumnWidth(k, c) > 0);
        RecordListView *list = List(k);
        const int cursorSlot = RowSlot(k, list->currentRow());
        proxies_[size_t(k)]->SetFilter(text, region, columns);
        // A cursor that the filter hid goes to the first selected row still shown, so that
        // commands taking the cursor row (Edit) work on a row the user sees; none is left
        // when no selected row is shown.
        if (cursorSlot >= 0 && FindRow(k, cursorSlot) < 0) {
            const QModelIndexList selected = list->selectionModel()->selectedRows();
            int to = -1;
            for (const QModelIndex &i : selected)
                to = to < 0 ? i.row() : std::min(to, i.row());
            list->selectionModel()->setCurrentIndex(to < 0 ? QModelIndex() : list->model()->index(to, 0),
                                                    QItemSelectionModel::NoUpdate);
        }
    }
    for (int i = 0; i < agenda.userCount; ++i)
        CaptionUserTab(i);
    UpdateButtons();
}

QString MainWindow::TabCaption(int slot) const
{
    const QString name = agenda.UserName(slot);
    if (FilterText().trimmed().isEmpty() || slot < 0 || slot >= kListCount)
        return name;
    const UserListProxy *proxy = proxies_[size_t(slot)];
    return QStringLiteral("%1 (%2/%3)").arg(name).arg(proxy->rowCount()).arg(proxy->TotalCount());
}
