// The main window's record lists: one view per user over a model that reads the Agenda,
// their columns, sorting, cursor and selection, and keeping them in step with the slots.
#include "app/mainwindow.h"

#include "app/undo.h"

#include "app/apptexts.h"
#include "app/celledit.h"
#include "app/recordlist.h"
#include "ui_KESTRAVONLayout.h"

#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTabWidget>

#include <cmath>
#include <utility>

namespace {

// Widths a list starts with; entry c belongs to column c.
constexpr std::array<int, 30> kInitialWidths = {
    40, 120, 160, 120, 200, 40, 60, 120, 80, 150, 130, 130, 130, 130, 130,
    150, 150, 150, 150, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};

// Columns that start hidden: note, fld51, phones 2-5, e-mails 2-5.
bool StartsHidden(int c)
{
    return c == MainWindow::colNote || c == MainWindow::colFld51
        || (c > MainWindow::colPhone1 && c < MainWindow::colPhone1 + kPhoneCount)
        || (c > MainWindow::colEmail1 && c < MainWindow::colEmail1 + kEmailCount);
}

const QColor kPaper(235, 235, 255);

} // namespace

void MainWindow::BuildLists()
{
    for (auto &row : savedWidth)
        row = kInitialWidths;
    sortColumn_.fill(-1);
    sortAscending_.fill(true);
    for (int k = 0; k < kListCount; ++k)
        BuildList(k);
}

void MainWindow::BuildList(int k)
{
    auto *model = new RecordListModel(agenda, k, this);
    auto *list = new RecordListView(model, this);
    models_[size_t(k)] = model;
    list->setObjectName(QStringLiteral("acUser%1").arg(k + 1));
    lists_[size_t(k)] = list;
    ui_->tcUser->addTab(list, QString::number(k + 1));

    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A click on the selected cell edits it through ClickToEdit, which waits out a
    // possible double-click first.
    list->setEditTriggers(QAbstractItemView::EditKeyPressed);
    // Tab leaves the list for the next control (the arrow keys move between cells); in a
    // cell editor it still goes on to the next cell.
    list->setTabKeyNavigation(false);
    delegates_[size_t(k)] = new RowEditDelegate(this, k);
    list->setItemDelegate(delegates_[size_t(k)]);
    new ClickToEdit(list);
    list->setSortingEnabled(false);  // sorting happens once per title click
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(Z(kRowHeight));
    list->verticalHeader()->setMinimumSectionSize(1);
    list->setAlternatingRowColors(true);
    QPalette pal = list->palette();
    pal.setColor(QPalette::AlternateBase, kPaper);
    list->setPalette(pal);

    QHeaderView *header = list->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    list->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(list, &QAbstractItemView::doubleClicked, this, [this] { EditCurrent(); });
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, k](const QPoint &pos) { ShowContextMenu(k, pos); });
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MainWindow::UpdateButtons);
    connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this, &MainWindow::UpdateButtons);
    connect(header, &QHeaderView::sectionClicked, this, [this, k](int c) { SortColumn(k, c); });
    connect(header, &QHeaderView::customContextMenuRequested, this,
            [this, k](const QPoint &pos) { ShowColumnMenu(k, pos); });
}

int MainWindow::CurrentTab() const
{
    const int t = ui_->tcUser->currentIndex();
    return t < 0 ? 0 : t;
}

RecordListView *MainWindow::CurrentList() const
{
    return List(CurrentTab());
}

void MainWindow::SetupLists()
{
    FillLists();
    for (int k = 0; k < kListCount; ++k) {
        RecordListView *list = List(k);
        for (int c = 0; c < kColumnCount; ++c) {
            const int w = StartsHidden(c) ? -1 : savedWidth[size_t(k)][size_t(c)];
            if (w > 0) {
                list->setColumnHidden(c, false);
                list->setColumnWidth(c, Z(w));
            } else {
                list->setColumnHidden(c, true);
            }
        }
        sortColumn_[size_t(k)] = -1;
        sortAscending_[size_t(k)] = true;
        list->horizontalHeader()->setSortIndicatorShown(false);
        ui_->tcUser->setTabEnabled(k, k < agenda.userCount);
    }
    if (CurrentTab() >= agenda.userCount)
        ui_->tcUser->setCurrentIndex(0);
    ApplyFilter();
}

void MainWindow::FillLists()
{
    filling_ = true;
    for (RecordListModel *model : models_)
        model->Reset();
    for (int i = 0; i < agenda.userCount; ++i)
        CaptionUserTab(i);
    filling_ = false;
}

MainWindow::EditFields MainWindow::FieldsOf(const AgendaRecord &r)
{
    EditFields f;
    for (int c = 1; c < kColumnCount; ++c)
        f[size_t(c - 1)] = RecordListModel::CellText(r, 0, c);
    return f;
}

void MainWindow::SetRow(int row, int slot, const AgendaRecord &record)
{
    RecordListModel *model = models_[size_t(RecordListModel::ListOf(record.owner))];
    if (model->Slot(row) == slot)
        model->Refresh(row);
}

void MainWindow::SyncSlot(int slot)
{
    int shownIn = -1;
    int row = -1;
    for (int k = 0; k < kListCount && row < 0; ++k)
        if ((row = models_[size_t(k)]->RowOf(slot)) >= 0)
            shownIn = k;
    const AgendaRecord *r = agenda.RecordAt(slot);
    if (!r) {
        if (row >= 0)
            models_[size_t(shownIn)]->Remove(row);
        return;
    }
    const int target = RecordListModel::ListOf(r->owner);
    if (shownIn == target) {
        models_[size_t(target)]->Refresh(row);
    } else {
        if (row >= 0)
            models_[size_t(shownIn)]->Remove(row);
        models_[size_t(target)]->Append(slot);
    }
    CaptionUserTab(slot);
}

void MainWindow::CaptionUserTab(int slot)
{
    if (slot < 0 || slot >= agenda.userCount || slot >= kListCount)
        return;
    // A new text lays the tab bar out again; an unchanged one need not.
    const QString caption = TabCaption(slot);
    if (ui_->tcUser->tabText(slot) != caption)
        ui_->tcUser->setTabText(slot, caption);
}

int MainWindow::RowSlot(int k, int row) const
{
    return models_[size_t(k)]->Slot(row);
}

int MainWindow::FindRow(int k, int slot) const
{
    return models_[size_t(k)]->RowOf(slot);
}

bool MainWindow::IsRowSelected(RecordListView *list, int row) const
{
    // A row hidden by the filter counts as not selected: commands act on what is shown.
    return !list->isRowHidden(row) && list->selectionModel()->isRowSelected(row, QModelIndex());
}

int MainWindow::SelectedCount() const
{
    RecordListView *list = CurrentList();
    int n = 0;
    for (const QModelIndex &i : list->selectionModel()->selectedRows())
        n += list->isRowHidden(i.row()) ? 0 : 1;
    return n;
}

int MainWindow::CursorSlot() const
{
    const int row = CurrentList()->currentRow();
    if (row < 0)
        return 0;
    const int slot = RowSlot(CurrentTab(), row);
    return slot < 0 ? 0 : slot;
}

int MainWindow::FreeSlots() const
{
    return agenda.slotCount - agenda.usedCount;
}

void MainWindow::RefreshSlot(int slot)
{
    const int k = CurrentTab();
    const int was = FindRow(k, slot);
    leftRow_ = -1;
    if (was < 0 || !agenda.RecordAt(slot))
        return;
    SyncSlot(slot);
    const int row = FindRow(k, slot);
    if (row >= 0)
        List(k)->setCurrentCell(row, colRecord);
    else
        leftRow_ = was;  // a new owner took the record to another list
    UpdateButtons();
}

void MainWindow::StepCursor(bool next, int &slot)
{
    RecordListView *list = CurrentList();
    const int left = std::exchange(leftRow_, -1);
    int row = list->currentRow();
    // A record that left the list steps from the place it had, not from wherever the
    // cursor went when its row was removed.
    if (left >= 0 && FindRow(CurrentTab(), slot) < 0)
        row = next ? left - 1 : left;
    else if (row < 0)
        return;
    // Rows hidden by the filter are stepped over.
    do
        row += next ? 1 : -1;
    while (row >= 0 && row < list->rowCount() && list->isRowHidden(row));
    if (row < 0 || row >= list->rowCount())
        return;
    list->setCurrentCell(row, colRecord);
    slot = RowSlot(CurrentTab(), row);
}

void MainWindow::EditCurrent()
{
    if (!CommitCellEdit())
        return;
    ChangeScope change(*this, AppText::menuEdit);
    const int row = CurrentList()->currentRow();
    if (row < 0 || CurrentList()->isRowHidden(row))
        return;
    const int slot = RowSlot(CurrentTab(), row);
    if (slot < 0)
        return;
    OpenEditor(slot);
}

int MainWindow::ColumnWidth(int k, int column) const
{
    // In layout units, as savedWidth holds them.
    const RecordListView *list = List(k);
    return list->isColumnHidden(column) ? 0 : int(std::lround(list->columnWidth(column) / zoom_));
}

void MainWindow::ToggleColumn(int column)
{
    if (column < 0 || column >= kColumnCount)
        return;
    const int k = CurrentTab();
    RecordListView *list = List(k);
    const int w = ColumnWidth(k, column);
    if (w > 0) {
        list->setColumnHidden(column, true);
    } else {
        int show = savedWidth[size_t(k)][size_t(column)];
        // A column shown once and then reset by a load remembers no width; it comes
        // back with its initial width instead of staying invisible for good.
        if (show <= 0)
            show = kInitialWidths[size_t(column)];
        list->setColumnHidden(column, false);
        list->setColumnWidth(column, Z(show));
    }
    savedWidth[size_t(k)][size_t(column)] = w >= 0 ? w : 0;
    ApplyFilter();  // the filter looks at the visible columns
}

void MainWindow::ColumnMenu(QMenu &menu)
{
    const int k = CurrentTab();
    const QIcon checked(QStringLiteral(":/AgendaImg/Checked"));
    for (int c = 0; c < kColumnCount; ++c) {
        QAction *action = menu.addAction(RecordListModel::Title(c));
        if (ColumnWidth(k, c) > 0)
            action->setIcon(checked);
        connect(action, &QAction::triggered, this, [this, c] { ToggleColumn(c); });
    }
}

void MainWindow::ShowColumnMenu(int k, const QPoint &pos)
{
    if (k != CurrentTab())
        return;
    QMenu menu(this);
    ColumnMenu(menu);
    menu.exec(List(k)->horizontalHeader()->mapToGlobal(pos));
}

void MainWindow::SortColumn(int k, int column)
{
    if (!CommitCellEdit())
        return;
    bool ascending = true;
    if (sortColumn_[size_t(k)] == column)
        ascending = !sortAscending_[size_t(k)];
    sortColumn_[size_t(k)] = column;
    sortAscending_[size_t(k)] = ascending;
    List(k)->sortItems(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

MainWindow::EditFields MainWindow::RowFields(int k, int row) const
{
    EditFields f;
    for (int c = 1; c < kColumnCount; ++c)
        f[size_t(c - 1)] = models_[size_t(k)]->Text(row, c);
    return f;
}

void MainWindow::UpdateButtons()
{
    if (filling_)
        return;
    const int n = SelectedCount();
    const int s = CursorSlot();
    ui_->btSave->setEnabled(agenda.modified);
    ui_->btExport->setEnabled(n > 0);
    ui_->btImport->setEnabled(n > 0);
    ui_->btInsert->setEnabled(n <= 1 && agenda.usedCount != agenda.slotCount);
    ui_->btDelete->setEnabled(n > 0 && s >= agenda.userCount);
    ui_->btEdit->setEnabled(n == 1);
    ui_->btLoad->setEnabled(true);
    ui_->btExit->setEnabled(true);
}
