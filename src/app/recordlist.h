#pragma once

#include "store/agenda.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QStringList>
#include <QTableView>
#include <QVector>

#include <array>
#include <bitset>


// The record list of one user as a table model that reads straight from the Agenda. A row
// holds nothing but its slot index: the only link from a row back to its record. Rows stand
// in the order they were added until Sort() orders them once; later rows are appended.
class RecordListModel : public QAbstractTableModel
{
public:
    static constexpr int kColumns = 20;

    RecordListModel(const Agenda &agenda, int list, QObject *parent);

    // The list (0..3) a record of this owner is shown in: owner 1..4 gives list 0..3, any
    // other owner list 0. The one rule used wherever a row is placed.
    static int ListOf(uint32_t owner);
    static QString Title(int column);
    // The text a column shows for a record ("#" gives the record number, slot + 1).
    static QString CellText(const AgendaRecord &record, int slot, int column);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The slot of a row, or -1.
    int Slot(int row) const;
    // The row showing a slot, or -1.
    int RowOf(int slot) const;
    QString Text(int row, int column) const;

    // One row per used slot of this list's user, in slot order.
    void Reset();
    // Appends a row for a slot; returns the row.
    int Append(int slot);
    void Remove(int row);
    // The row's record changed: only that row is redrawn.
    void Refresh(int row);
    // Orders the rows once by a column: the record number numerically, texts language-
    // aware (the user's locale, numbers inside texts in numeric order). Equal rows keep
    // their order; selection and cursor stay on their records.
    void Sort(int column, Qt::SortOrder order);

    // Whether a row matches a filter: the folded text (case and accents dropped) occurs in
    // one of the columns marked in `columns`, or the typed text finds one of the record's
    // phone numbers as a number read with `region` (PhoneFilterMatches).
    bool Matches(int row, const QString &folded, const QString &typed, const QString &region,
                 const std::bitset<kColumns> &columns) const;
    // Text with case and accents dropped, as the filter compares it.
    static QString Fold(const QString &text);

private:
    const Agenda &agenda_;
    int list_;
    QVector<int> rows_;
    QCollator collator_;
    // Folded cell texts per slot, made when the filter first reads them.
    mutable std::array<std::array<QString, kColumns>, Agenda::kCapacity> folded_;
    mutable std::bitset<Agenda::kCapacity> foldedValid_;
    // The phone numbers' filter keys per slot (PhoneFilterKey), made with `phoneRegion_`
    // when the filter first reads them; invalid whenever the folded texts are.
    mutable std::array<std::array<QString, kPhoneCount>, Agenda::kCapacity> phoneKeys_;
    mutable std::bitset<Agenda::kCapacity> phoneKeysValid_;
    mutable QString phoneRegion_;
};

// A record list: the view of one RecordListModel, with the row-and-cell calls the window's
// commands use.
class RecordListView : public QTableView
{
public:
    RecordListView(RecordListModel *model, QWidget *parent);

    RecordListModel *Model() const { return model_; }
    int rowCount() const { return model_->rowCount(); }
    int columnCount() const { return model_->columnCount(); }
    // The cursor row, or -1.
    int currentRow() const { return currentIndex().row(); }
    void setCurrentCell(int row, int column);
    QString CellText(int row, int column) const { return model_->Text(row, column); }
    // Sorts once by a column and shows the order in the header.
    void sortItems(int column, Qt::SortOrder order);
    // Rows not hidden by the filter.
    int VisibleRowCount() const;

private:
    RecordListModel *model_;
};
