#include "app/recordlist.h"

#include "store/agenda.h"
#include "store/phonenumber.h"

#include <QHeaderView>

#include <algorithm>

namespace {

const char *const kTitles[RecordListModel::kColumns] = {
    "#", "Label", "Note", "fld51", "Street", "Numb", "Zip", "City", "Country", "GPS",
    "Phone-1", "Phone-2", "Phone-3", "Phone-4", "Phone-5",
    "Email-1", "Email-2", "Email-3", "Email-4", "Email-5",
};

// Column indexes, as MainWindow names them.
enum { cRecord, cLabel, cNote, cFld51, cStreet, cNumb, cZip, cCity, cCountry, cNav, cPhone1,
       cEmail1 = cPhone1 + kPhoneCount };

} // namespace

RecordListModel::RecordListModel(const Agenda &agenda, int list, QObject *parent)
    : QAbstractTableModel(parent), agenda_(agenda), list_(list), collator_(QLocale())
{
    collator_.setNumericMode(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

int RecordListModel::ListOf(uint32_t owner)
{
    return owner >= 1 && owner <= uint32_t(Agenda::kMaxUsers) ? int(owner) - 1 : 0;
}

QString RecordListModel::Title(int column)
{
    return column >= 0 && column < kColumns ? QString::fromLatin1(kTitles[column]) : QString();
}

QString RecordListModel::CellText(const AgendaRecord &r, int slot, int column)
{
    switch (column) {
    case cRecord: return QString::number(slot + 1);
    case cLabel: return r.label;
    case cNote: return r.note;
    case cFld51: return r.fld51;
    case cStreet: return r.street;
    case cNumb: return r.numb;
    case cZip: return r.zip;
    case cCity: return r.city;
    case cCountry: return r.country;
    case cNav: return r.nav.GpsText();
    default: break;
    }
    if (column >= cPhone1 && column < cPhone1 + kPhoneCount)
        return r.phone[size_t(column - cPhone1)];
    if (column >= cEmail1 && column < cEmail1 + kEmailCount)
        return r.email[size_t(column - cEmail1)];
    return QString();
}

int RecordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int RecordListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant RecordListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const int slot = Slot(index.row());
    const AgendaRecord *r = agenda_.RecordAt(slot);
    if (!r)
        return QVariant();
    if (index.column() == cRecord)
        return slot + 1;  // a number, so that it sorts and reads as one
    return CellText(*r, slot, index.column());
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Title(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RecordListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    // The record number is the row's link to its slot; fld51 cannot be saved.
    if (index.column() != cRecord && index.column() != cFld51)
        f |= Qt::ItemIsEditable;
    return f;
}

int RecordListModel::Slot(int row) const
{
    return row >= 0 && row < rows_.size() ? rows_[row] : -1;
}

int RecordListModel::RowOf(int slot) const
{
    return int(rows_.indexOf(slot));
}

QString RecordListModel::Text(int row, int column) const
{
    const int slot = Slot(row);
    const AgendaRecord *r = agenda_.RecordAt(slot);
    return r ? CellText(*r, slot, column) : QString();
}

void RecordListModel::Reset()
{
    beginResetModel();
    rows_.clear();
    for (int i = 0; i < agenda_.slotCount; ++i)
        if (const AgendaRecord *r = agenda_.RecordAt(i); r && ListOf(r->owner) == list_)
            rows_.append(i);
    foldedValid_.reset();
    phoneKeysValid_.reset();
    endResetModel();
}

int RecordListModel::Append(int slot)
{
    const int row = int(rows_.size());
    beginInsertRows(QModelIndex(), row, row);
    rows_.append(slot);
    if (slot >= 0 && slot < int(foldedValid_.size())) {
        foldedValid_.reset(size_t(slot));
        phoneKeysValid_.reset(size_t(slot));
    }
    endInsertRows();
    return row;
}

void RecordListModel::Remove(int row)
{
    if (row < 0 || row >= rows_.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.remove(row);
    endRemoveRows();
}

void RecordListModel::Refresh(int row)
{
    const int slot = Slot(row);
    if (slot < 0)
        return;
    if (slot < int(foldedValid_.size())) {
        foldedValid_.reset(size_t(slot));
        phoneKeysValid_.reset(size_t(slot));
    }
    Q_EMIT dataChanged(index(row, 0), index(row, kColumns - 1));
}

void RecordListModel::Sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= kColumns)
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QVector<int> before = rows_;
    QVector<QString> keys(agenda_.slotCount);
    if (column != cRecord)
        for (int slot : rows_)
            if (const AgendaRecord *r = agenda_.RecordAt(slot))
                keys[slot] = CellText(*r, slot, column);
    auto less = [&](int a, int b) {
        if (column == cRecord)
            return a < b;
        return collator_.compare(keys[a], keys[b]) < 0;
    };
    if (order == Qt::AscendingOrder)
        std::stable_sort(rows_.begin(), rows_.end(), less);
    else
        std::stable_sort(rows_.begin(), rows_.end(), [&](int a, int b) { return less(b, a); });
    // Selection and cursor follow their records to the new rows.
    QVector<int> rowOfSlot(agenda_.slotCount, -1);
    for (int r = 0; r < rows_.size(); ++r)
        rowOfSlot[rows_[r]] = r;
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &i : from)
        to.append(index(rowOfSlot[before[i.row()]], i.column()));
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QString RecordListModel::Fold(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (!c.isMark())
            out.append(c);
    return out.toCaseFolded();
}

bool RecordListModel::Matches(int row, const QString &folded, const QString &typed, const QString &region,
                              const std::bitset<kColumns> &columns) const
{
    const int slot = Slot(row);
    const AgendaRecord *r = agenda_.RecordAt(slot);
    if (!r)
        return false;
    if (!folded.isEmpty()) {
        std::array<QString, kColumns> &cells = folded_[size_t(slot)];
        if (!foldedValid_.test(size_t(slot))) {
            for (int c = 0; c < kColumns; ++c)
                cells[size_t(c)] = Fold(CellText(*r, slot, c));
            foldedValid_.set(size_t(slot));
        }
        for (int c = 0; c < kColumns; ++c)
            if (columns.test(size_t(c)) && cells[size_t(c)].contains(folded))
                return true;
    }
    if (PhoneDigits(typed).size() < 3)
        return false;
    // Reading a number is dear; its keys are kept until the record or the region changes.
    if (region != phoneRegion_) {
        phoneKeysValid_.reset();
        phoneRegion_ = region;
    }
    std::array<QString, kPhoneCount> &keys = phoneKeys_[size_t(slot)];
    if (!phoneKeysValid_.test(size_t(slot))) {
        for (int k = 0; k < kPhoneCount; ++k)
            keys[size_t(k)] = r->phone[size_t(k)].isEmpty() ? QString() : PhoneFilterKey(r->phone[size_t(k)], region);
        phoneKeysValid_.set(size_t(slot));
    }
    for (const QString &key : keys)
        if (!key.isEmpty() && PhoneFilterKeyMatches(key, typed))
            return true;
    return false;
}

RecordListView::RecordListView(RecordListModel *model, QWidget *parent)
    : QTableView(parent), model_(model)
{
    setModel(model);
}

void RecordListView::setCurrentCell(int row, int column)
{
    setCurrentIndex(model_->index(row, column));
}

void RecordListView::sortItems(int column, Qt::SortOrder order)
{
    model_->Sort(column, order);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, order);
}

int RecordListView::VisibleRowCount() const
{
    int n = 0;
    for (int r = 0; r < model_->rowCount(); ++r)
        n += isRowHidden(r) ? 0 : 1;
    return n;
}
