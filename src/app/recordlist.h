#pragma once

#include "store/fields.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>
#include <QTableView>

#include <array>
#include <bitset>
#include <vector>

class Phonebook;

// The phonebook as one table: a row per slot (free slots included, so that rows never come
// and go except on a new phonebook), a column per list field. It reads every cell from the
// document when asked and follows its announcements, so no list is ever resynced by hand.
class RecordTableModel : public QAbstractTableModel
{
public:
    static constexpr int kColumns = kListColumnCount;

    RecordTableModel(const Phonebook &book, QObject *parent);

    static QString Title(int column);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const Phonebook &Book() const { return book_; }
    // A cell's text with case, accents and ligatures folded away (Fold), kept until the
    // slot changes.
    const QString &FoldedText(int slot, int column) const;
    // The digit strings a record's phone number is found in by the filter
    // (PhoneFilterKey), kept until the slot changes or the region does.
    const QString &PhoneKey(int slot, int phone, const QString &region) const;
    // Text as the filter compares it: case and accents dropped, "ß" as "ss", "æ" as "ae"
    // and the like, so that "strasse" finds "STRAßE".
    static QString Fold(const QString &text);

private:
    void SlotsChanged(const QList<int> &slots);

    const Phonebook &book_;
    mutable std::vector<std::array<QString, kColumns>> folded_;
    mutable std::vector<bool> foldedValid_;
    mutable std::vector<std::array<QString, kPhoneCount>> phoneKeys_;
    mutable std::vector<bool> phoneKeysValid_;
    mutable QString phoneKeysRegion_;
};

// One user's list: the records of that owner, filtered by the filter text over the visible
// columns and ordered. Records whose owner is no user are shown in the first list, so that
// no record is ever out of sight.
//
// Order: until a column is chosen, records stand in the order they came (slot order after
// a load, later ones after them). A chosen column orders the rows by the value each record
// had when it took its place: a record that comes into the list (inserted, moved or copied
// here, brought back by undo, shown again by the filter) goes to its sorted place, while an
// edit leaves its row where it is, so that a row never jumps away under the user's cursor.
class UserListProxy : public QSortFilterProxyModel
{
public:
    UserListProxy(RecordTableModel *source, int list, QObject *parent);

    // The list (0..3) a record of this owner is shown in: owner 1..4 gives list 0..3, any
    // other owner list 0.
    static int ListOf(uint32_t owner);

    // The filter: rows whose visible columns hold the folded text, or one of whose phone
    // numbers the text finds as a number read with `region` (PhoneFilterMatches). Empty
    // text shows every row.
    void SetFilter(const QString &text, const QString &region, const std::bitset<RecordTableModel::kColumns> &columns);
    // Whether the filter text looks for numbers at all: it holds three digits or more.
    // Counted here, so that a filter on names never loads the phone library.
    static bool FindsNumbers(const QString &text);
    bool Filtering() const { return !typed_.isEmpty(); }
    // Whether a slot's record belongs to this list, filter aside.
    bool Owns(int slot) const;

    // The slot of a row, or -1; the row of a slot, or -1.
    int Slot(int row) const;
    int RowOf(int slot) const;
    // The number of the list's records, filter aside.
    int TotalCount() const;
    // Orders by a column (RecordTableModel's), or by arrival for -1; every record takes its
    // place by its present value.
    void SortBy(int column, Qt::SortOrder order);
    // The column chosen, or -1 for arrival order.
    int SortedBy() const { return sortedBy_; }
    // Forgets every record's place: after a new phonebook, arrival is slot order.
    void Restart();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool Matches(int slot) const;
    // The value a slot's record is ordered by, taken when it is first needed.
    const QString &TextKey(int slot) const;
    qint64 ArrivalKey(int slot) const;

    RecordTableModel *source_;
    int list_;
    QString typed_;
    QString folded_;
    QString region_;
    bool findsNumbers_ = false;
    std::bitset<RecordTableModel::kColumns> columns_;
    QCollator collator_;
    int sortedBy_ = -1;
    mutable std::vector<QString> textKeys_;
    mutable std::vector<bool> hasTextKey_;
    mutable std::vector<qint64> arrival_;  // -1: none yet
    mutable qint64 nextArrival_ = 0;
};

// A record list: the view of one UserListProxy, with the row-and-cell calls the window's
// commands use. Rows are the proxy's: only records the filter shows.
class RecordListView : public QTableView
{
public:
    RecordListView(UserListProxy *model, QWidget *parent);

    UserListProxy *Model() const { return model_; }
    int rowCount() const { return model_->rowCount(); }
    int columnCount() const { return model_->columnCount(); }
    // The cursor row, or -1.
    int currentRow() const { return currentIndex().row(); }
    void setCurrentCell(int row, int column);
    QString CellText(int row, int column) const;
    // Sorts by a column (kept while records change) and shows the order in the header.
    void sortItems(int column, Qt::SortOrder order);
    // Rows shown: all rows of the proxy.
    int VisibleRowCount() const { return rowCount(); }

private:
    UserListProxy *model_;
};

// The collation lists sort with: the user's language, numbers inside texts by value, case
// ignored. Under the C or POSIX locale, which has no collation of its own, the root
// collation of the Unicode standard, never code points ("Ärger" before "Zeller").
QCollator ListCollator();
