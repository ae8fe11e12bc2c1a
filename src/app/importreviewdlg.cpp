#include "app/importreviewdlg.h"

#include "app/apptexts.h"
#include "common/fontsizing.h"
#include "formats/importreview.h"
#include "formats/interchange.h"
#include "ui_ImportReview.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QPushButton>
#include <QSettings>

namespace {

// Whether the user wants the numbers of an insert written internationally (remembered).
const char kPhonesKey[] = "import/internationalPhones";

const char *const kColumnTitles[ImportReviewModel::kColumns] = {
    QT_TRANSLATE_NOOP("ImportReview", "Label"), QT_TRANSLATE_NOOP("ImportReview", "Phone"),
    QT_TRANSLATE_NOOP("ImportReview", "E-mail"), QT_TRANSLATE_NOOP("ImportReview", "City"),
    QT_TRANSLATE_NOOP("ImportReview", "Remarks")};

QString First(const std::array<QString, kPhoneCount> &texts)
{
    for (const QString &t : texts)
        if (!t.isEmpty())
            return t;
    return QString();
}

} // namespace

// ---------------------------------------------------------------------------------------
// Model

ImportReviewModel::ImportReviewModel(ImportReview &review, QObject *parent)
    : QAbstractTableModel(parent), review_(review)
{
}

int ImportReviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : review_.Count();
}

int ImportReviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant ImportReviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row();
    if (role == RemarksRole)
        return review_.Remarks(row);
    if (role == Qt::CheckStateRole && index.column() == colLabel)
        return review_.Checked(row) ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const AgendaRecord &r = review_.Card(row).record;
    switch (index.column()) {
    case colLabel: return review_.Label(row);
    case colPhone:
        // The number as it will be written; the tip tells what the card held.
        if (role == Qt::ToolTipRole && review_.Phone(row) != review_.CardPhone(row))
            return review_.CardPhone(row) + QStringLiteral(" \u2192 ") + review_.Phone(row);
        return review_.Phone(row);
    case colEmail: return First(r.email);
    case colCity: return r.city;
    case colRemarks: return review_.RemarksText(row);
    default: return QVariant();
    }
}

bool ImportReviewModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != colLabel || role != Qt::CheckStateRole)
        return false;
    review_.SetChecked(index.row(), value.toInt() == Qt::Checked);
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    Q_EMIT CheckedChanged();
    return true;
}

Qt::ItemFlags ImportReviewModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == colLabel)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant ImportReviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns)
        return QCoreApplication::translate("ImportReview", kColumnTitles[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ImportReviewModel::RowsChanged()
{
    if (review_.Count() > 0)
        Q_EMIT dataChanged(index(0, 0), index(review_.Count() - 1, kColumns - 1));
    Q_EMIT CheckedChanged();
}

// ---------------------------------------------------------------------------------------
// Filter

void RemarkFilter::SetRemark(uint32_t remark)
{
    remark_ = remark;
    invalidateFilter();
}

bool RemarkFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (remark_ == 0)
        return true;
    const QModelIndex i = sourceModel()->index(sourceRow, 0, sourceParent);
    return sourceModel()->data(i, ImportReviewModel::RemarksRole).toUInt() & remark_;
}

// ---------------------------------------------------------------------------------------
// Dialog

ImportReviewDlg::ImportReviewDlg(ImportReview &review, QWidget *parent)
    : QDialog(parent), ui_(new Ui::ImportReview), review_(review), model_(review)
{
    ui_->setupUi(this);
    if (review.Source() != ImportSource::VCard)
        setWindowTitle(AppText::menuInsertCsv());
    if (review.Source() == ImportSource::Csv) {
        auto *columns = new QPushButton(AppText::reviewColumns(), this);
        columns->setObjectName(QStringLiteral("btColumns"));
        columns->setToolTip(AppText::reviewColumnsTip());
        columns->setAutoDefault(false);
        ui_->layBottom->insertWidget(ui_->layBottom->indexOf(ui_->btSelectNone) + 1, columns);
        connect(columns, &QPushButton::clicked, this, [this] { done(kColumnsChosen); });
    }
    filter_.setSourceModel(&model_);
    filter_.setDynamicSortFilter(true);
    QTableView *table = ui_->tvCards;
    table->setModel(&filter_);
    // Fixed row heights and column widths: nothing is measured row by row, so thousands
    // of cards open at once.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->verticalHeader()->hide();
    // Widths in characters of the font, never narrower than the column titles.
    const int chars[] = {30, 17, 24, 14};
    SizeColumns(table->horizontalHeader(), chars, ImportReviewModel::colRemarks);
    // Wide enough for those columns and the remarks, within the screen.
    QHeaderView *header = table->horizontalHeader();
    int columns = CharsWidth(table, 24) + table->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < ImportReviewModel::colRemarks; ++c)
        columns += header->sectionSize(c);
    QSize want(qMax(width(), columns + 2 * layout()->contentsMargins().left() + 4), height());
    if (const QScreen *s = screen())
        want = want.boundedTo(s->availableGeometry().size() - QSize(16, 40));
    resize(want);
    table->horizontalHeader()->setStretchLastSection(true);

    const Agenda &agenda = review.Phonebook();
    for (int i = 0; i < agenda.userCount; ++i)
        ui_->cbUser->addItem(agenda.UserName(i));
    ui_->cbUser->setCurrentIndex(int(review.User()) - 1);
    connect(ui_->cbUser, &QComboBox::currentIndexChanged, this, [this](int i) {
        review_.SetUser(uint32_t(i + 1));
        filter_.invalidate();
        model_.RowsChanged();
    });

    ui_->cbFilter->addItem(ImportReview::AllRowsName(review.Source()), 0u);
    for (int bit = 0; bit < kRemarkCount; ++bit) {
        // A CSV row is never a group or a file that could not be read.
        const auto remark = ImportRemark(1u << bit);
        if (review.Source() != ImportSource::VCard && (remark & (kRemarkGroup | kRemarkUnreadable)))
            continue;
        ui_->cbFilter->addItem(ImportReview::RemarkName(remark, review.Source()), 1u << bit);
    }
    connect(ui_->cbFilter, &QComboBox::currentIndexChanged, this,
            [this](int i) { filter_.SetRemark(ui_->cbFilter->itemData(i).toUInt()); });

    ui_->chShorten->setChecked(review.Shorten());
    connect(ui_->chShorten, &QCheckBox::toggled, this, [this](bool on) {
        review_.SetShorten(on);
        model_.RowsChanged();
    });
    // Writing the numbers internationally is on unless the user turned it off before.
    const bool international = QSettings().value(QLatin1String(kPhonesKey), true).toBool();
    review_.SetPhones(international ? PhoneFormat::International : PhoneFormat::AsIs);
    ui_->chPhones->setChecked(international);
    connect(ui_->chPhones, &QCheckBox::toggled, this, [this](bool on) {
        review_.SetPhones(on ? PhoneFormat::International : PhoneFormat::AsIs);
        QSettings().setValue(QLatin1String(kPhonesKey), on);
        model_.RowsChanged();
    });
    connect(ui_->btSelectAll, &QPushButton::clicked, this, [this] { SetChecked(true); });
    connect(ui_->btSelectNone, &QPushButton::clicked, this, [this] { SetChecked(false); });
    connect(&model_, &ImportReviewModel::CheckedChanged, this, &ImportReviewDlg::UpdateCounts);
    UpdateCounts();
}

ImportReviewDlg::~ImportReviewDlg()
{
    delete ui_;
}

void ImportReviewDlg::SetChecked(bool on)
{
    // The rows shown: with a filter, only those that have its remark.
    QList<int> rows;
    rows.reserve(filter_.rowCount());
    for (int r = 0; r < filter_.rowCount(); ++r)
        rows.append(filter_.mapToSource(filter_.index(r, 0)).row());
    review_.SetChecked(rows, on);
    model_.RowsChanged();
}

void ImportReviewDlg::UpdateCounts()
{
    ui_->lbCounts->setText(review_.CountsText());
    // More cards chosen than places left: the insert will stop when the phonebook is full.
    QPalette palette = ui_->lbCounts->palette();
    palette.setColor(QPalette::WindowText, review_.CheckedCount() > review_.FreePlaces()
                                               ? QColor(Qt::darkRed)
                                               : this->palette().color(QPalette::WindowText));
    ui_->lbCounts->setPalette(palette);
}
