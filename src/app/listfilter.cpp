// The filter field of the main window: rows of every list that do not match its text are
// hidden; commands then act on the rows that stay visible.
#include "app/mainwindow.h"

#include "app/recordlist.h"
#include "store/phonenumber.h"
#include "ui_KESTRAVONLayout.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTabWidget>

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
    const QString folded = RecordListModel::Fold(text);
    const QString region = DefaultPhoneRegion();
    for (int k = 0; k < kListCount; ++k) {
        RecordListView *list = List(k);
        std::bitset<RecordListModel::kColumns> columns;
        for (int c = 0; c < kColumnCount; ++c)
            columns.set(size_t(c), ColumnWidth(k, c) > 0);
        const RecordListModel *model = list->Model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const bool hide = !text.isEmpty() && !model->Matches(row, folded, text, region, columns);
            if (list->isRowHidden(row) != hide)
                list->setRowHidden(row, hide);
        }
        KeepCursorInSight(list);
    }
    for (int i = 0; i < agenda.userCount; ++i)
        CaptionUserTab(i);
    UpdateButtons();
}

void MainWindow::KeepCursorInSight(RecordListView *list)
{
    const QModelIndex current = list->currentIndex();
    if (!current.isValid() || !list->isRowHidden(current.row()))
        return;
    // Commands that take the cursor row (Edit) then work on a selected row still shown;
    // the selection itself stays as it is.
    QModelIndex to;
    for (int row = 0; row < list->rowCount() && !to.isValid(); ++row)
        if (IsRowSelected(list, row))
            to = list->model()->index(row, current.column());
    list->selectionModel()->setCurrentIndex(to, QItemSelectionModel::NoUpdate);
}

QString MainWindow::TabCaption(int slot) const
{
    const QString name = agenda.UserName(slot);
    if (FilterText().trimmed().isEmpty() || slot < 0 || slot >= kListCount)
        return name;
    const RecordListView *list = List(slot);
    return QStringLiteral("%1 (%2/%3)").arg(name).arg(list->VisibleRowCount()).arg(list->rowCount());
}
