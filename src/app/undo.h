#pragma once

#include "store/agenda.h"

#include <QString>
#include <QUndoCommand>

#include <memory>
#include <vector>

class MainWindow;

// One undo step: the slots a command changed, as they were before and after it.
class SlotChange : public QUndoCommand
{
public:
    struct Slot
    {
        int index;
        AgendaRecord before;
        AgendaRecord after;
    };

    SlotChange(MainWindow &window, const QString &text, std::vector<Slot> slots, int usedBefore,
               int usedAfter);

    void undo() override;
    void redo() override;

private:
    void Apply(bool after);

    MainWindow &window_;
    std::vector<Slot> slots_;
    int usedBefore_;
    int usedAfter_;
    bool done_ = true;  // the command has already run when the step is pushed
};

// Makes whatever a command changes in the Agenda one undo step. Created at the start of a
// command, it keeps a copy of every slot (records share their texts, so this is cheap);
// when it ends, the slots that differ become one SlotChange on the window's undo stack.
// Scopes nest: only the outermost one records, so a command that runs another is one step.
class ChangeScope
{
public:
    ChangeScope(MainWindow &window, const QString &text);
    ~ChangeScope();
    ChangeScope(const ChangeScope &) = delete;
    ChangeScope &operator=(const ChangeScope &) = delete;

private:
    MainWindow &window_;
    QString text_;
    std::unique_ptr<std::array<AgendaRecord, Agenda::kCapacity>> before_;
    int usedBefore_ = 0;
};
