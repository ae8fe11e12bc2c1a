#include "app/recordlist.h"

#include "store/phonenumber.h"
#include "store/phonebook.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>

#include <algorithm>

// ---- RecordTableModel ------------------------------------------------------------------

RecordTableModel::RecordTableModel(const Phonebook &book, QObject *parent)
    : QAbstractTableModel(parent), book_(book)
{
    connect(&book, &Phonebook::SlotsChanged, this, &RecordTableModel::SlotsChanged);
    connect(&book, &Phonebook::AboutToReset, this, [this] { beginResetModel(); });
    connect(&book, &Phonebook::Reset, this, [this] {
        foldedValid_.assign(size_t(book_.SlotCount()), false);
        phoneKeysValid_.assign(phoneKeysValid_.size(), false);
        endResetModel();
    });
    foldedValid_.assign(size_t(book_.SlotCount()), false);
}

QString RecordTableModel::Title(int column)
{
    const RecordField *f = ColumnField(column);
    return f ? QCoreApplication::translate("ColumnTitle", f->title) : QString();
}

int RecordTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : book_.SlotCount();
}

int RecordTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant RecordTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const int slot = index.row();
    const AgendaRecord *r = book_.RecordAt(slot);
    if (!r)
        return QVariant();
    if (index.column() == int(FieldId::Record))
        return slot + 1;  // a number, so that it sorts and reads as one
    const RecordField *f = ColumnField(index.column());
    return f ? f->read(*r) : QVariant();
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Title(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (const RecordField *field = ColumnField(index.column()); field && field->editable)
        f |= Qt::ItemIsEditable;
    return f;
}

void RecordTableModel::SlotsChanged(const QList<int> &slots)
{
    for (int slot : slots) {
        if (slot < 0 || slot >= rowCount())
            continue;
        if (size_t(slot) < foldedValid_.size())
            foldedValid_[size_t(slot)] = false;
        if (size_t(slot) < phoneKeysValid_.size())
            phoneKeysValid_[size_t(slot)] = false;
        Q_EMIT dataChanged(index(slot, 0), index(slot, kColumns - 1));
    }
}

const QString &RecordTableModel::FoldedText(int slot, int column) const
{
    if (folded_.size() < size_t(book_.SlotCount()))
        folded_.resize(size_t(book_.SlotCount()));
    if (foldedValid_.size() < folded_.size())
        foldedValid_.resize(folded_.size(), false);
    std::array<QString, kColumns> &cells = folded_[size_t(slot)];
    if (!foldedValid_[size_t(slot)]) {
        const AgendaRecord *r = book_.RecordAt(slot);
        for (int c = 0; c < kColumns; ++c)
            cells[size_t(c)] = r ? Fold(FieldText(*r, slot, FieldId(c))) : QString();
        foldedValid_[size_t(slot)] = true;
    }
    return cells[size_t(column)];
}

const QString &RecordTableModel::PhoneKey(int slot, int phone, const QString &region) const
{
    const size_t n = size_t(book_.SlotCount());
    if (phoneKeys_.size() < n || region != phoneKeysRegion_) {
        phoneKeys_.resize(std::max(n, phoneKeys_.size()));
        phoneKeysValid_.assign(phoneKeys_.size(), false);
        phoneKeysRegion_ = region;
    }
    std::array<QString, kPhoneCount> &keys = phoneKeys_[size_t(slot)];
    if (!phoneKeysValid_[size_t(slot)]) {
        const AgendaRecord *r = book_.RecordAt(slot);
        for (int p = 0; p < kPhoneCount; ++p) {
            const QString phone = r ? r->phone[size_t(p)] : QString();
            keys[size_t(p)] = phone.isEmpty() ? QString() : PhoneFilterKey(phone, region);
        }
        phoneKeysValid_[size_t(slot)] = true;
    }
    return keys[size_t(phone)];
}

QString RecordTableModel::Fold(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.isMark())
            continue;
        // Letters that fold to two, or that have no decomposition of their own.
        switch (c.unicode()) {
        case u'ß': case u'ẞ': out += QLatin1String("ss"); break;
        case u'æ': case u'Æ': out += QLatin1String("ae"); break;
        case u'œ': case u'Œ': out += QLatin1String("oe"); break;
        case u'ø': case u'Ø': out += QLatin1Char('o'); break;
        case u'ł': case u'Ł': out += QLatin1Char('l'); break;
        case u'đ': case u'Đ': out += QLatin1Char('d'); break;
        case u'ı': out += QLatin1Char('i'); break;
        default: out.append(c); break;
        }
    }
    return out.toCaseFolded();
}

// ---- UserListProxy ---------------------------------------------------------------------

QCollator ListCollator()
{
    QLocale locale;
    // The C locale's collation compares code points; the root collation is English's.
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

UserListProxy::UserListProxy(RecordTableModel *source, int list, QObject *parent)
    : QSortFilterProxyModel(parent), source_(source), list_(list), collator_(ListCollator())
{
    setSourceModel(source);
    // Rows follow their records: records that come and go are placed and removed at once.
    setDynamicSortFilter(true);
    Restart();
}

void UserListProxy::Restart()
{
    const size_t n = size_t(Agenda::kCapacity);
    textKeys_.assign(n, QString());
    hasTextKey_.assign(n, false);
    std::vector<qint64> arrival(n, -1);
    for (int slot = 0; slot < int(n); ++slot)
        if (Owns(slot))
            arrival[size_t(slot)] = slot;
    // A list that is unsorted and whose records arrived in slot order is in that order
    // already (a new phonebook is sorted by the proxy itself as it comes). Sorting it again
    // would change nothing but make the view lay itself out and repaint all of it.
    const bool inOrder = sortedBy_ < 0 && sortColumn() == int(FieldId::Record)
                         && sortOrder() == Qt::AscendingOrder && arrival == arrival_;
    arrival_ = std::move(arrival);
    nextArrival_ = qint64(n);
    if (!inOrder)
        SortBy(-1, Qt::AscendingOrder);
}

void UserListProxy::SortBy(int column, Qt::SortOrder order)
{
    hasTextKey_.assign(hasTextKey_.size(), false);
    sortedBy_ = column;
    // Column 0 is the record number, or arrival order while no column is chosen; setting the
    // same sort again would not sort, so the order is dropped first.
    sort(-1);
    sort(column < 0 ? int(FieldId::Record) : column, order);
}

const QString &UserListProxy::TextKey(int slot) const
{
    if (!hasTextKey_[size_t(slot)]) {
        const AgendaRecord *r = source_->Book().RecordAt(slot);
        const RecordField *f = ColumnField(sortedBy_);
        textKeys_[size_t(slot)] = r && f ? f->read(*r) : QString();
        hasTextKey_[size_t(slot)] = true;
    }
    return textKeys_[size_t(slot)];
}

qint64 UserListProxy::ArrivalKey(int slot) const
{
    if (arrival_[size_t(slot)] < 0)
        arrival_[size_t(slot)] = nextArrival_++;
    return arrival_[size_t(slot)];
}

int UserListProxy::ListOf(uint32_t owner)
{
    return owner >= 1 && owner <= uint32_t(Agenda::kMaxUsers) ? int(owner) - 1 : 0;
}

void UserListProxy::SetFilter(const QString &text, const QString &region,
                              const std::bitset<RecordTableModel::kColumns> &columns)
{
    if (text == typed_ && region == region_ && columns == columns_)
        return;
    typed_ = text;
    folded_ = RecordTableModel::Fold(text);
    region_ = region;
    findsNumbers_ = FindsNumbers(text);
    columns_ = columns;
    // The locale may have changed since the list was made.
    collator_ = ListCollator();
    invalidateFilter();
}

bool UserListProxy::FindsNumbers(const QString &text)
{
    // The digits PhoneDigits keeps.
    return std::count_if(text.cbegin(), text.cend(),
                         [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }) >= 3;
}

bool UserListProxy::Owns(int slot) const
{
    const AgendaRecord *r = source_->Book().RecordAt(slot);
    return r && ListOf(r->owner) == list_;
}

int UserListProxy::Slot(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    return mapToSource(index(row, 0)).row();
}

int UserListProxy::RowOf(int slot) const
{
    if (slot < 0 || slot >= source_->rowCount())
        return -1;
    return mapFromSource(source_->index(slot, 0)).row();
}

int UserListProxy::TotalCount() const
{
    int n = 0;
    for (int slot = 0; slot < source_->rowCount(); ++slot)
        n += Owns(slot) ? 1 : 0;
    return n;
}

bool UserListProxy::Matches(int slot) const
{
    if (!folded_.isEmpty())
        for (int c = 0; c < RecordTableModel::kColumns; ++c)
            if (columns_.test(size_t(c)) && source_->FoldedText(slot, c).contains(folded_))
                return true;
    // A number needs three typed digits or more (PhoneFilterMatches).
    if (!findsNumbers_)
        return false;
    for (int p = 0; p < kPhoneCount; ++p) {
        const QString &key = source_->PhoneKey(slot, p, region_);
        if (!key.isEmpty() && PhoneFilterKeyMatches(key, typed_))
            return true;
    }
    return false;
}

bool UserListProxy::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    if (!Owns(sourceRow)) {
        // A record that is not (or no longer) here forgets its place: when it comes (back),
        // it is a new arrival and takes its sorted place by its value then.
        if (sourceRow >= 0 && sourceRow < Agenda::kCapacity) {
            arrival_[size_t(sourceRow)] = -1;
            hasTextKey_[size_t(sourceRow)] = false;
        }
        return false;
    }
    return typed_.isEmpty() || Matches(sourceRow);
}

bool UserListProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int a = left.row();
    const int b = right.row();
    if (a < 0 || b < 0 || a >= Agenda::kCapacity || b >= Agenda::kCapacity)
        return a < b;
    if (sortedBy_ < 0)
        return ArrivalKey(a) < ArrivalKey(b);
    if (sortedBy_ == int(FieldId::Record))
        return a < b;
    const int order = collator_.compare(TextKey(a), TextKey(b));
    // Equal texts keep slot order, so that the order never depends on earlier sorts.
    return order != 0 ? order < 0 : a < b;
}

// ---- RecordListView --------------------------------------------------------------------

RecordListView::RecordListView(UserListProxy *model, QWidget *parent) : QTableView(parent), model_(model)
{
    setModel(model);
}

void RecordListView::setCurrentCell(int row, int column)
{
    setCurrentIndex(model_->index(row, column));
}

QString RecordListView::CellText(int row, int column) const
{
    const int slot = model_->Slot(row);
    const AgendaRecord *r = model_->sourceModel() ? static_cast<RecordTableModel *>(model_->sourceModel())->Book().RecordAt(slot)
                                                  : nullptr;
    return r ? FieldText(*r, slot, FieldId(column)) : QString();
}

void RecordListView::sortItems(int column, Qt::SortOrder order)
{
    model_->SortBy(column, order);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, order);
}
