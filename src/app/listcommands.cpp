#include "app/mainwindow.h"
#include "app/phonetexts.h"

#include "app/undo.h"

#include "app/apptexts.h"
#include "common/markup.h"
#include "common/prompter.h"

#include <QCursor>
#include <QMenu>
#include "app/recordlist.h"

#include <QItemSelectionModel>

// The record list commands: context menu, insert, select all, delete, and moving or
// copying records to another user.

namespace {

// A text shown as a menu entry: "&" would otherwise mark a shortcut letter.
QString MenuText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return t;
}

} // namespace

void MainWindow::ContextMenu(QMenu &menu)
{
    const int t = CurrentTab();
    const int n = SelectedCount();
    const int s = CursorSlot();
    const int rows = CurrentList()->VisibleRowCount();
    const bool freeSlot = book.FreeSlots() > 0;
    const bool roomForSelection = n > 0 && FreeSlots() >= n;
    const bool contactCursor = n > 0 && s >= agenda.userCount;

    auto add = [&](const QString &text, bool enabled, void (MainWindow::*command)()) {
        QAction *a = menu.addAction(text);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, command);
    };
    add(AppText::menuSelectAll(), n < rows, &MainWindow::SelectAll);
    menu.addSeparator();
    add(AppText::menuEdit(), n == 1, &MainWindow::EditCurrent);
    QAction *dup = menu.addAction(AppText::menuDuplicate());
    dup->setEnabled(roomForSelection);
    connect(dup, &QAction::triggered, this, [this, t] { CopyToUser(t + 1); });
    add(AppText::menuInsert(), n <= 1 && freeSlot, &MainWindow::InsertMenu);
    add(AppText::menuDelete(), contactCursor, &MainWindow::DeleteSelected);
    menu.addSeparator();
    add(AppText::menuExportVcf(), n > 0, &MainWindow::ExportVcf);
    add(AppText::menuExportOneVcf(), n > 0, &MainWindow::ExportOneVcf);
    add(AppText::menuImportVcf(), n > 0, &MainWindow::ImportVcf);
    add(AppText::menuInsertVcf(), n <= 1 && freeSlot, &MainWindow::InsertVcf);
    menu.addSeparator();
    add(AppText::menuExportCsv(), n > 0, &MainWindow::ExportCsv);
    add(AppText::menuExportGoogleCsv(), n > 0, &MainWindow::ExportGoogleCsv);
    add(AppText::menuImportCsv(), n > 0, &MainWindow::ImportCsv);
    add(AppText::menuInsertCsv(), n <= 1 && freeSlot, &MainWindow::InsertCsv);
    menu.addSeparator();
    QMenu *move = menu.addMenu(AppText::menuMoveTo());
    MoveMenu(*move);
    move->menuAction()->setEnabled(contactCursor);
    QMenu *copy = menu.addMenu(AppText::menuCopyTo());
    CopyMenu(*copy);
    copy->menuAction()->setEnabled(roomForSelection);
    menu.addSeparator();
    add(AppText::menuCheck(), true, &MainWindow::CheckPhonebook);
    add(PhoneText::menuTidy(), n > 0, &MainWindow::TidyPhones);
    add(PhoneText::menuRegion(), true, &MainWindow::ChoosePhoneRegion);
    menu.addSeparator();
    menu.addAction(undoAction_);
    menu.addAction(redoAction_);
}

void MainWindow::ShowContextMenu(int k, const QPoint &pos)
{
    if (!CommitCellEdit())
        return;
    if (k != CurrentTab())
        return;
    QMenu menu(this);
    ContextMenu(menu);
    menu.exec(List(k)->viewport()->mapToGlobal(pos));
}

void MainWindow::MoveMenu(QMenu &menu)
{
    const int t = CurrentTab();
    for (int i = 0; i < agenda.userCount; ++i) {
        QAction *a = menu.addAction(MenuText(agenda.UserName(i)));
        a->setEnabled(i != t);
        connect(a, &QAction::triggered, this, [this, i] { MoveToUser(i + 1); });
    }
}

void MainWindow::CopyMenu(QMenu &menu)
{
    const int t = CurrentTab();
    for (int i = 0; i < agenda.userCount; ++i) {
        QAction *a = menu.addAction(MenuText(agenda.UserName(i)));
        a->setEnabled(i != t);
        connect(a, &QAction::triggered, this, [this, i] { CopyToUser(i + 1); });
    }
}

void MainWindow::BuildInsertMenu(QMenu &menu)
{
    connect(menu.addAction(AppText::insertNewEmpty()), &QAction::triggered, this, &MainWindow::InsertNew);
    connect(menu.addAction(AppText::insertFromVcf()), &QAction::triggered, this, &MainWindow::InsertVcf);
    connect(menu.addAction(AppText::insertFromCsv()), &QAction::triggered, this, &MainWindow::InsertCsv);
}

void MainWindow::InsertMenu()
{
    if (!CommitCellEdit())
        return;
    QMenu menu(this);
    BuildInsertMenu(menu);
    menu.exec(InsertMenuPosition());
}

void MainWindow::InsertNew()
{
    if (!CommitCellEdit())
        return;
    ChangeScope change(*this, AppText::menuInsert());
    const int t = CurrentTab();
    AgendaRecord record;
    record.owner = uint32_t(t + 1);
    const BookResult inserted = book.InsertRecord(record);
    if (!inserted) {
        prompter_.Information(AppText::noMoreSpace());
        return;
    }
    ShowInserted(inserted.slot);
    UpdateButtons();
    EditCurrent();
}

void MainWindow::SelectAll()
{
    if (!CommitCellEdit())
        return;
    // Every row the filter shows; the rows it hides are not in the list.
    RecordListView *list = CurrentList();
    QItemSelection all;
    if (list->rowCount() > 0)
        all.select(list->model()->index(0, 0), list->model()->index(list->rowCount() - 1, list->columnCount() - 1));
    list->selectionModel()->select(all, QItemSelectionModel::ClearAndSelect);
    UpdateButtons();
}

void MainWindow::DeleteSelected()
{
    if (!CommitCellEdit())
        return;
    ChangeScope change(*this, AppText::menuDelete());
    if (!prompter_.OkCancel(AppText::deleteSelected()))
        return;
    // A user's own row is refused by DeleteRecord and stays.
    for (const SelectedRow &r : SelectedRows())
        book.DeleteRecord(r.slot);
    UpdateButtons();
}

int MainWindow::SelectionForUser(int user, const QString &question)
{
    if (user < 1 || user > agenda.userCount || user > kListCount)
        return 0;
    const int n = SelectedCount();
    if (n >= 2 && !prompter_.OkCancel(question.arg(MarkupEscape(agenda.UserName(user - 1)))))
        return 0;
    return n;
}

void MainWindow::MoveToUser(int user)
{
    if (!CommitCellEdit())
        return;
    ChangeScope change(*this, AppText::menuMoveTo());
    if (SelectionForUser(user, AppText::moveSelected()) == 0)
        return;
    // Users never change owner: the document refuses them.
    for (const SelectedRow &r : SelectedRows())
        book.MoveToUser(r.slot, uint32_t(user));
    // A record that changed owner makes an undo step, which marks the phonebook modified;
    // when nothing moved nothing is marked.
    UpdateButtons();
}

void MainWindow::CopyToUser(int user)
{
    if (!CommitCellEdit())
        return;
    ChangeScope change(*this, AppText::menuCopyTo());
    if (SelectionForUser(user, AppText::copySelected()) == 0)
        return;
    for (const SelectedRow &r : SelectedRows())
        if (const BookResult copied = book.CopyToUser(r.slot, uint32_t(user)); !copied && copied.reason == BookText::noMoreSpace())
            prompter_.Information(AppText::noMoreSpace());
    UpdateButtons();
}
