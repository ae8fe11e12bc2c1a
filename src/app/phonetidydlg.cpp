#include "app/phonetidydlg.h"

#include "app/phonetexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

// ---------------------------------------------------------------------------------------
// Model

void PhoneTidyModel::SetRows(QList<PhoneTidyRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    ticked_.assign(size_t(rows_.size()), 0);
    for (int i = 0; i < rows_.size(); ++i)
        ticked_[size_t(i)] = rows_[i].Changes();
    endResetModel();
    Q_EMIT TickedChanged();
}

void PhoneTidyModel::SetAllTicked(bool on)
{
    for (int i = 0; i < rows_.size(); ++i)
        ticked_[size_t(i)] = on && rows_[i].Changes();
    if (!rows_.isEmpty())
        Q_EMIT dataChanged(index(0, colRecord), index(int(rows_.size()) - 1, colRecord), {Qt::CheckStateRole});
    Q_EMIT TickedChanged();
}

QList<PhoneTidyRow> PhoneTidyModel::Chosen() const
{
    QList<PhoneTidyRow> chosen;
    for (int i = 0; i < rows_.size(); ++i)
        if (ticked_[size_t(i)])
            chosen.append(rows_[i]);
    return chosen;
}

int PhoneTidyModel::Changes() const
{
    return int(std::count_if(rows_.begin(), rows_.end(), [](const PhoneTidyRow &r) { return r.Changes(); }));
}

int PhoneTidyModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int PhoneTidyModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant PhoneTidyModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const PhoneTidyRow &r = rows_[index.row()];
    if (role == Qt::CheckStateRole && index.column() == colRecord && r.Changes())
        return Ticked(index.row()) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::FontRole && !r.Changes()) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    switch (index.column()) {
    case colRecord: return r.slot + 1;
    case colPhone: return r.phone + 1;
    case colBefore: return r.before;
    case colAfter: return r.Changes() ? r.after : PhoneText::kept().arg(r.reason);
    default: return QVariant();
    }
}

bool PhoneTidyModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != colRecord || role != Qt::CheckStateRole
        || !rows_[index.row()].Changes())
        return false;
    ticked_[size_t(index.row())] = value.toInt() == Qt::Checked;
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    Q_EMIT TickedChanged();
    return true;
}

Qt::ItemFlags PhoneTidyModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == colRecord && rows_[index.row()].Changes())
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant PhoneTidyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case colRecord: return PhoneText::columnRecord();
    case colPhone: return PhoneText::columnPhone();
    case colBefore: return PhoneText::columnBefore();
    case colAfter: return PhoneText::columnAfter();
    default: return QVariant();
    }
}

// ---------------------------------------------------------------------------------------
// Preview dialog

PhoneTidyDlg::PhoneTidyDlg(const Agenda &agenda, QList<int> slots, const QString &region, QWidget *parent)
    : QDialog(parent), agenda_(agenda), slots_(std::move(slots)), region_(region)
{
    setWindowTitle(PhoneText::tidyTitle());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(region.isEmpty() ? PhoneText::noRegion() : PhoneText::regionIs().arg(region), this));

    auto *formRow = new QHBoxLayout;
    auto *formLabel = new QLabel(PhoneText::form(), this);
    form_ = new QComboBox(this);
    form_->setObjectName(QStringLiteral("dlForm"));
    form_->addItem(PhoneText::formInternational(), int(PhoneFormat::International));
    form_->addItem(PhoneText::formE164(), int(PhoneFormat::E164));
    form_->addItem(PhoneText::formNational(), int(PhoneFormat::National));
    formLabel->setBuddy(form_);
    formRow->addWidget(formLabel);
    formRow->addWidget(form_, 1);
    layout->addLayout(formRow);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tvNumbers"));
    table_->setModel(&model_);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("lCounts"));
    layout->addWidget(counts_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *all = buttons_->addButton(PhoneText::selectAll(), QDialogButtonBox::ActionRole);
    QPushButton *none = buttons_->addButton(PhoneText::selectNone(), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(all, &QPushButton::clicked, this, [this] { model_.SetAllTicked(true); });
    connect(none, &QPushButton::clicked, this, [this] { model_.SetAllTicked(false); });
    connect(&model_, &PhoneTidyModel::TickedChanged, this, &PhoneTidyDlg::UpdateCounts);
    connect(form_, &QComboBox::currentIndexChanged, this, &PhoneTidyDlg::Plan);
    resize(640, 420);
    Plan();
}

void PhoneTidyDlg::Plan()
{
    const auto format = PhoneFormat(form_->currentData().toInt());
    model_.SetRows(PlanPhoneTidy(agenda_, slots_, region_, format));
    table_->resizeColumnsToContents();
}

void PhoneTidyDlg::UpdateCounts()
{
    const int changes = model_.Changes();
    const int chosen = int(model_.Chosen().size());
    counts_->setText(PhoneText::counts().arg(changes).arg(chosen).arg(model_.rowCount() - changes));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(chosen > 0);
}

// ---------------------------------------------------------------------------------------
// Region dialog

PhoneRegionDlg::PhoneRegionDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(PhoneText::regionTitle());
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(PhoneText::regionLabel(), this);
    layout->addWidget(label);
    box_ = new QComboBox(this);
    box_->setObjectName(QStringLiteral("dlRegion"));
    label->setBuddy(box_);
    const QString system = KnownPhoneRegion(QLocale::territoryToCode(QLocale::system().territory()));
    box_->addItem(system.isEmpty() ? PhoneText::regionSystemNone() : PhoneText::regionSystem().arg(system), QString());
    // "DE  Germany", in the order of the names.
    QList<QPair<QString, QString>> regions;
    for (const QString &code : PhoneRegions()) {
        const QString name = QLocale::territoryToString(QLocale::codeToTerritory(code));
        regions.append({name.isEmpty() || name == QLatin1String("Unknown") ? code : name, code});
    }
    std::sort(regions.begin(), regions.end());
    for (const auto &r : regions)
        box_->addItem(r.second + QStringLiteral("  ") + r.first, r.second);
    const int current = box_->findData(KnownPhoneRegion(StoredPhoneRegion()));
    box_->setCurrentIndex(std::max(current, 0));
    layout->addWidget(box_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void PhoneRegionDlg::Store() const
{
    StorePhoneRegion(box_->currentData().toString());
}
