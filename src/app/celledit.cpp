#include "app/celledit.h"

#include "app/mainwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimerEvent>

RowEditDelegate::RowEditDelegate(MainWindow *window, int list)
    : QStyledItemDelegate(window), window_(window), list_(list)
{
}

QWidget *RowEditDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                       const QModelIndex &index) const
{
    if (!MainWindow::IsEditableColumn(index.column()))
        return nullptr;
    auto *edit = new QLineEdit(parent);
    edit->setFrame(false);
    open_ = edit;
    return edit;
}

void RowEditDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (open_ == editor)
        open_ = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

void RowEditDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(index.data(Qt::DisplayRole).toString());
}

void RowEditDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit)
        return;
    const QString text = edit->text();
    if (text == index.data(Qt::DisplayRole).toString())
        return;
    const int slot = model->index(index.row(), MainWindow::colRecord).data().toInt() - 1;
    // Questions and messages must not open while the editor is still closing: the window
    // applies the edit as soon as control returns to the event loop, or at once when a
    // command starts before that.
    window_->QueueCellEdit(list_, slot, index.column(), text);
}

bool RowEditDelegate::Finish()
{
    QLineEdit *edit = open_;
    if (!edit)
        return false;
    Q_EMIT commitData(edit);
    Q_EMIT closeEditor(edit, NoHint);
    return true;
}

void RowEditDelegate::Abandon()
{
    if (QLineEdit *edit = open_)
        Q_EMIT closeEditor(edit, RevertModelCache);
}

ClickToEdit::ClickToEdit(QAbstractItemView *view) : QObject(view), view_(view)
{
    view->viewport()->installEventFilter(this);
}

bool ClickToEdit::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QModelIndex index = view_->indexAt(mouse->position().toPoint());
        timer_.stop();
        armed_ = mouse->button() == Qt::LeftButton && mouse->modifiers() == Qt::NoModifier
            && index.isValid() && index == view_->currentIndex()
            && view_->selectionModel()->isSelected(index);
        pressed_ = index;
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (armed_ && view_->indexAt(mouse->position().toPoint()) == pressed_)
            timer_.start(QApplication::doubleClickInterval(), this);
        armed_ = false;
        break;
    }
    case QEvent::MouseButtonDblClick:
        timer_.stop();
        armed_ = false;
        break;
    default:
        break;
    }
    return false;
}

void ClickToEdit::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != timer_.timerId())
        return QObject::timerEvent(event);
    timer_.stop();
    if (pressed_.isValid() && pressed_ == view_->currentIndex() && !QApplication::activeModalWidget())
        view_->edit(pressed_);
}
