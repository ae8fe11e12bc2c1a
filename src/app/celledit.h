#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

class MainWindow;
class QAbstractItemView;
class QLineEdit;

// Cell editor of the record lists. The typed text never goes into the list directly: it is
// handed to the window, which checks it, asks its questions, stores the record and rewrites
// the row from the slot. The `record` and `fld51` columns get no editor.
class RowEditDelegate : public QStyledItemDelegate
{
public:
    RowEditDelegate(MainWindow *window, int list);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // Hands the open editor's text to the window and closes the editor; false when no
    // editor is open.
    bool Finish();
    // Closes the open editor, dropping its text.
    void Abandon();

private:
    MainWindow *window_;
    int list_;
    mutable QPointer<QLineEdit> open_;
};

// Starts the in-place edit of a cell when the current, selected cell is clicked once more,
// but only after the double-click time has passed without a second click: the click that
// starts a double-click (which opens the record editor) never leaves a cell editor behind.
class ClickToEdit : public QObject
{
public:
    explicit ClickToEdit(QAbstractItemView *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    QAbstractItemView *view_;
    QPersistentModelIndex pressed_;
    bool armed_ = false;
    QBasicTimer timer_;
};
