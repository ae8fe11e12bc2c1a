#include "app/undo.h"

#include "app/mainwindow.h"

#include <QUndoStack>

SlotChange::SlotChange(MainWindow &window, const QString &text, Phonebook::Change change)
    : QUndoCommand(text), window_(window), change_(std::move(change))
{
}

void SlotChange::undo()
{
    Apply(false);
}

void SlotChange::redo()
{
    if (done_) {
        done_ = false;
        return;
    }
    Apply(true);
}

void SlotChange::Apply(bool after)
{
    window_.book.Restore(change_, after);
    // The cursor goes to the first record the step brought back or changed, so that the
    // user sees what happened; a filter that hides it is cleared.
    for (const Phonebook::SlotState &s : change_.slots) {
        if (window_.agenda.RecordAt(s.index)) {
            window_.SelectSlot(s.index);
            break;
        }
    }
}

ChangeScope::ChangeScope(MainWindow &window, const QString &text) : window_(window), text_(text)
{
    window_.book.BeginChange();
}

ChangeScope::~ChangeScope()
{
    Phonebook::Change change = window_.book.EndChange();
    if (!change.IsEmpty())
        window_.UndoStack().push(new SlotChange(window_, text_, std::move(change)));
}

void MainWindow::Undo()
{
    if (!CommitCellEdit())
        return;
    undo_->undo();
}

void MainWindow::Redo()
{
    if (!CommitCellEdit())
        return;
    undo_->redo();
}

void MainWindow::ChangesUndone()
{
    book.SetModified(!undo_->isClean());
    ApplyFilter();  // re-captions the tabs and updates the buttons
}
