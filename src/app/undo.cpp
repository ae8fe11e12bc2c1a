#include "app/undo.h"

#include "app/mainwindow.h"

#include <QUndoStack>

SlotChange::SlotChange(MainWindow &window, const QString &text, std::vector<Slot> slots, int usedBefore,
                       int usedAfter)
    : QUndoCommand(text), window_(window), slots_(std::move(slots)), usedBefore_(usedBefore),
      usedAfter_(usedAfter)
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
    Agenda &agenda = window_.agenda;
    for (const Slot &s : slots_)
        agenda.slots[size_t(s.index)] = after ? s.after : s.before;
    agenda.usedCount = after ? usedAfter_ : usedBefore_;
    for (const Slot &s : slots_)
        window_.SyncSlot(s.index);
    // Filtered before the cursor is placed, so that a record the filter hides is shown by
    // clearing the filter rather than being selected out of sight.
    window_.ApplyFilter();
    // The cursor goes to the first record the step brought back or changed, so that the
    // user sees what happened (a restored record is appended at the end of its list).
    for (const Slot &s : slots_) {
        if (agenda.RecordAt(s.index)) {
            window_.SelectSlot(s.index);
            break;
        }
    }
}

ChangeScope::ChangeScope(MainWindow &window, const QString &text) : window_(window), text_(text)
{
    if (window_.changeDepth_++ > 0)
        return;
    before_ = std::make_unique<std::array<AgendaRecord, Agenda::kCapacity>>(window_.agenda.slots);
    usedBefore_ = window_.agenda.usedCount;
}

ChangeScope::~ChangeScope()
{
    --window_.changeDepth_;
    if (!before_)
        return;
    const Agenda &agenda = window_.agenda;
    std::vector<SlotChange::Slot> changed;
    for (int i = 0; i < Agenda::kCapacity; ++i)
        if ((*before_)[size_t(i)] != agenda.slots[size_t(i)])
            changed.push_back({i, (*before_)[size_t(i)], agenda.slots[size_t(i)]});
    if (changed.empty())
        return;
    window_.UndoStack().push(new SlotChange(window_, text_, std::move(changed), usedBefore_, agenda.usedCount));
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
    agenda.modified = !undo_->isClean();
    ApplyFilter();  // re-captions the tabs and updates the buttons
}
