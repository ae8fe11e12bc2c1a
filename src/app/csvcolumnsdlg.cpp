#include "app/csvcolumnsdlg.h"

#include "app/apptexts.h"
#include "ui_CsvColumns.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QHeaderView>
#include <QPushButton>
#include <QSettings>

namespace {

// Values shown per column, and the longest text shown of one.
constexpr int kShownValues = 3;
constexpr int kShownLength = 40;

// The settings key of a header row: its names (trimmed, case ignored) hashed, so that the
// key is short and holds no characters the settings file cannot take.
QString HeaderKey(const QStringList &header)
{
    QStringList names;
    for (const QString &name : header)
        names << name.simplified().toCaseFolded();
    const QByteArray hash = QCryptographicHash::hash(names.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("csvColumns/") + QString::fromLatin1(hash.toHex());
}

QString FirstValues(const std::vector<QStringList> &rows, int column)
{
    QStringList values;
    for (const QStringList &row : rows) {
        if (values.size() == kShownValues)
            break;
        const QString v = row.value(column).simplified();
        if (!v.isEmpty())
            values << (v.size() > kShownLength ? v.left(kShownLength) + QChar(0x2026) : v);
    }
    return values.join(QStringLiteral(" | "));
}

} // namespace

CsvColumnsDlg::CsvColumnsDlg(const QStringList &header, const std::vector<QStringList> &rows,
                             const CsvMapping &mapping, QWidget *parent)
    : QDialog(parent), ui_(new Ui::CsvColumns), proposed_(mapping)
{
    ui_->setupUi(this);
    proposed_.columns.resize(size_t(header.size()));
    // Opened over columns that already give a name or a phone: the user reviews them.
    if (PlacesNameOrPhone(proposed_))
        ui_->lbHint->setText(proposed_.layout.isEmpty() ? AppText::csvColumnsChosen()
                                                        : AppText::csvColumnsKnown().arg(proposed_.layout));
    QTableWidget *table = ui_->twColumns;
    table->setRowCount(int(header.size()));
    for (int i = 0; i < header.size(); ++i) {
        table->setItem(i, 0, new QTableWidgetItem(header.at(i).trimmed()));
        auto *values = new QTableWidgetItem(FirstValues(rows, i));
        values->setToolTip(values->text());
        table->setItem(i, 1, values);
        auto *box = new QComboBox(table);
        box->setObjectName(QStringLiteral("cbField%1").arg(i));
        box->addItems(CsvFieldNames());
        box->setCurrentText(CsvFieldName(proposed_.columns[size_t(i)]));
        connect(box, &QComboBox::currentIndexChanged, this, &CsvColumnsDlg::UpdateOk);
        table->setCellWidget(i, 2, box);
    }
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->resizeColumnToContents(0);
    table->resizeColumnToContents(2);
    UpdateOk();
}

CsvColumnsDlg::~CsvColumnsDlg()
{
    delete ui_;
}

QComboBox *CsvColumnsDlg::FieldBox(int column) const
{
    return qobject_cast<QComboBox *>(ui_->twColumns->cellWidget(column, 2));
}

CsvMapping CsvColumnsDlg::Mapping() const
{
    CsvMapping mapping = proposed_;
    for (int i = 0; i < int(mapping.columns.size()); ++i) {
        CsvColumn &column = mapping.columns[size_t(i)];
        const QString chosen = FieldBox(i)->currentText();
        // A column left as proposed keeps what the table knew of it (a type, a group).
        if (chosen != CsvFieldName(column))
            CsvColumnForName(chosen, column);
    }
    return mapping;
}

void CsvColumnsDlg::UpdateOk()
{
    const bool placed = PlacesNameOrPhone(Mapping());
    ui_->bbButtons->button(QDialogButtonBox::Ok)->setEnabled(placed);
    ui_->lbStatus->setVisible(!placed);
}

bool RememberedCsvMapping(const QStringList &header, CsvMapping &mapping)
{
    const QStringList names = QSettings().value(HeaderKey(header)).toStringList();
    if (names.size() != header.size())
        return false;
    CsvMapping remembered = mapping;
    remembered.columns.resize(size_t(header.size()));
    for (int i = 0; i < names.size(); ++i) {
        CsvColumn column;
        if (!CsvColumnForName(names.at(i), column))
            return false;
        if (names.at(i) != CsvFieldName(remembered.columns[size_t(i)]))
            remembered.columns[size_t(i)] = column;
    }
    mapping = remembered;
    return true;
}

void RememberCsvMapping(const QStringList &header, const CsvMapping &mapping)
{
    QStringList names;
    for (int i = 0; i < header.size(); ++i)
        names << (size_t(i) < mapping.columns.size() ? CsvFieldName(mapping.columns[size_t(i)]) : QStringLiteral("ignore"));
    QSettings().setValue(HeaderKey(header), names);
}
