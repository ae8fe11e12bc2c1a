// The main window's record lists: one table model over the phonebook document and one
// sorting, filtering proxy per user tab, their columns, sorting, cursor and selection.
#include "app/mainwindow.h"

#include "app/undo.h"

#include "app/apptexts.h"
#include "app/celledit.h"
#include "app/recordlist.h"
#include "ui_KESTRAVONLayout.h"

#include <QHeaderView>
#include <QScrollBar>
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
    table_ = new RecordTableModel(book, this);
    for (auto &row : savedWidth)
        row = kInitialWidths;
    sortColumn_.fill(-1);
    sortAscending_.fill(true);
    for (int k = 0; k < kListCount; ++k)
        BuildList(k);
}

void MainWindow::BuildList(int k)
{
    auto *proxy = new UserListProxy(table_, k, this);
    // The row the cursor stood on when its record left the list, for the editor's steps;
    // connected before the view's selection, which moves the cursor away at this signal.
    connect(proxy, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this, k](const QModelIndex &, int first, int last) {
        const int row = lists_[size_t(k)] ? lists_[size_t(k)]->currentRow() : -1;
        if (row >= first && row <= last)
            leftRow_ = row;
    });
    auto *list = new RecordListView(proxy, this);
    proxies_[size_t(k)] = proxy;
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
    list->setSortingEnabled(false);  // a title click sorts through SortColumn
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
        proxies_[size_t(k)]->Restart();
        list->horizontalHeader()->setSortIndicatorShown(false);
        // An unchanged state is not set again: the tab bar would lay itself out and repaint.
        if (ui_->tcUser->isTabEnabled(k) != (k < agenda.userCount))
            ui_->tcUser->setTabEnabled(k, k < agenda.userCount);
    }
    if (CurrentTab() >= agenda.userCount)
        ui_->tcUser->setCurrentIndex(0);
    ApplyFilter();
    // A new phonebook is shown from its top.
    for (RecordListView *list : lists_) {
        list->scrollToTop();
        list->horizontalScrollBar()->setValue(0);
    }
}

MainWindow::EditFields MainWindow::FieldsOf(const AgendaRecord &r)
{
    EditFields f;
    for (int c = 1; c < kColumnCount; ++c)
        f[size_t(c - 1)] = FieldText(r, 0, FieldId(c));
    return f;
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
    return proxies_[size_t(k)]->Slot(row);
}

int MainWindow::FindRow(int k, int slot) const
{
    return proxies_[size_t(k)]->RowOf(slot);
}

bool MainWindow::IsRowSelected(RecordListView *list, int row) const
{
    // Rows the filter hides are not in the list: commands act on what is shown.
    return list->selectionModel()->isRowSelected(row, QModelIndex());
}

int MainWindow::SelectedCount() const
{
    return int(CurrentList()->selectionModel()->selectedRows().size());
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
    return book.FreeSlots();
}

void MainWindow::RefreshSlot(int slot)
{
    const int k = CurrentTab();
    const int row = FindRow(k, slot);
    // A record a new owner took to another list keeps the row it left (leftRow_).
    if (row < 0 || !agenda.RecordAt(slot))
        return;
    leftRow_ = -1;
    List(k)->setCurrentCell(row, colRecord);
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
    row += next ? 1 : -1;
    if (row < 0 || row >= list->rowCount())
        return;
    list->setCurrentCell(row, colRecord);
    slot = RowSlot(CurrentTab(), row);
}

void MainWindow::EditCurrent()
{
    if (!CommitCellEdit())
        return;
    ChangeScope change(*this, AppText::menuEdit());
    const int row = CurrentList()->currentRow();
    if (row < 0)
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
    const QIcon checked = AgendaImage(QStringLiteral("Checked"));
    for (int c = 0; c < kColumnCount; ++c) {
        QAction *action = menu.addAction(RecordTableModel::Title(c));
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
        f[size_t(c - 1)] = List(k)->CellText(row, c);
    return f;
}

void MainWindow::UpdateButtons()
{
    const int n = SelectedCount();
    const int s = CursorSlot();
    ui_->btSave->setEnabled(book.Modified());
    ui_->btExport->setEnabled(n > 0);
    ui_->btImport->setEnabled(n > 0);
    ui_->btInsert->setEnabled(n <= 1 && agenda.usedCount != agenda.slotCount);
    ui_->btDelete->setEnabled(n > 0 && s >= agenda.userCount);
    ui_->btEdit->setEnabled(n == 1);
    ui_->btLoad->setEnabled(true);
    ui_->btExit->setEnabled(true);
}
