// Keyboard shortcuts of the main window, where its pop-up menus appear, and files dropped on
// the window.
#include "app/mainwindow.h"

#include "app/recordlist.h"
#include "ui_KESTRAVONLayout.h"

#include <QAction>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

namespace {

// The local files of a drag, or nothing when it carries anything else.
QStringList DroppedFiles(const QMimeData *mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl &url : mime->urls()) {
        if (!url.isLocalFile())
            return {};
        files.append(url.toLocalFile());
    }
    return files;
}

bool AllHaveSuffix(const QStringList &files, const char *suffix)
{
    return !files.isEmpty() && std::all_of(files.begin(), files.end(), [suffix](const QString &f) {
        return QFileInfo(f).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
    });
}

} // namespace

void MainWindow::SetupKeys()
{
    auto add = [this](const QKeySequence &keys, auto slot) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OnLoad(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveAs(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { Exit(); });
    // Delete runs the command only where it is enabled; in a text field the key edits text.
    add(QKeySequence(Qt::Key_Delete), [this] {
        UpdateButtons();
        if (ui_->btDelete->isEnabled())
            DeleteSelected();
    });
    add(QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] { ContextMenuAtCursor(); });
    setAcceptDrops(true);
}

QPoint MainWindow::MenuPosition(const QWidget *button) const
{
    // Opened with the mouse, the menu appears at the pointer; opened from the keyboard, at
    // the button, wherever the pointer happens to be.
    if (button->underMouse())
        return QCursor::pos();
    return button->mapToGlobal(QPoint(0, button->height()));
}

QPoint MainWindow::InsertMenuPosition() const
{
    return MenuPosition(ui_->btInsert);
}

QPoint MainWindow::ExportMenuPosition() const
{
    return MenuPosition(ui_->btExport);
}

QPoint MainWindow::ImportMenuPosition() const
{
    return MenuPosition(ui_->btImport);
}

void MainWindow::ContextMenuAtCursor()
{
    RecordListView *list = CurrentList();
    const QModelIndex current = list->currentIndex();
    QPoint at(0, 0);
    if (current.isValid()) {
        const QRect cell = list->visualRect(current);
        at = QPoint(cell.left(), cell.bottom());
    }
    ShowContextMenu(CurrentTab(), at);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QStringList files = DroppedFiles(event->mimeData());
    if (AllHaveSuffix(files, "vcf") || AllHaveSuffix(files, "csv") || files.size() == 1)
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    if (!CommitCellEdit())
        return;
    if (AllHaveSuffix(files, "vcf")) {
        InsertVcfFiles(files);
    } else if (AllHaveSuffix(files, "csv")) {
        for (const QString &path : files)
            InsertCsvFile(path);
    } else if (files.size() == 1 && AskSave()) {
        LoadFile(files.first());
    }
}
