#pragma once

#include "store/phonebook.h"

#include <QString>
#include <QUndoCommand>

class MainWindow;

// One undo step: what the phonebook document recorded for one command, the slots it
// changed as they were before and after. Undo and redo hand it back to the document, which
// announces the slots, so the lists follow by themselves.
class SlotChange : public QUndoCommand
{
public:
    SlotChange(MainWindow &window, const QString &text, Phonebook::Change change);

    void undo() override;
    void redo() override;

private:
    void Apply(bool after);

    MainWindow &window_;
    Phonebook::Change change_;
    bool done_ = true;  // the command has already run when the step is pushed
};

// Makes whatever a command changes in the phonebook one undo step: it opens a change group
// of the document and, when it ends, pushes the slots that differ as one SlotChange on the
// window's undo stack. Scopes nest: only the outermost one records, so a command that runs
// another is one step.
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
};
