#include "app/checkreport.h"

#include "app/apptexts.h"
#include "common/fontsizing.h"
#include "store/agenda.h"

#include "ui_CheckReport.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidgetItem>

namespace {

enum Column { colRecord, colUser, colField, colWhat };

QTableWidgetItem *Cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

CheckReportDlg::CheckReportDlg(QWidget *parent) : QDialog(parent), ui(new Ui::CheckReport)
{
    ui->setupUi(this);
    setWindowTitle(AppText::checkTitle());
    setModal(false);
    QHeaderView *header = ui->tbFindings->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    // Widths in characters of the font, never narrower than the column titles.
    const int chars[] = {6, 12, 11};
    SizeColumns(header, chars, 3);
    // Room for those columns and a good part of the findings' texts.
    resize(size().expandedTo(QSize(header->sectionSize(colRecord) + header->sectionSize(colUser)
                                       + header->sectionSize(colField) + CharsWidth(this, 40),
                                   fontMetrics().height() * 18)));
    connect(ui->tbFindings, &QTableWidget::cellDoubleClicked, this, &CheckReportDlg::Choose);
    // Enter chooses the current finding; it must not reach the dialog, whose default
    // button would close the report.
    ui->tbFindings->installEventFilter(this);
    connect(ui->btClose, &QPushButton::clicked, this, &QDialog::close);
}

CheckReportDlg::~CheckReportDlg() = default;

void CheckReportDlg::Choose(int row)
{
    const int slot = RowSlot(row);
    if (slot >= 0)
        Q_EMIT RecordChosen(slot);
}

bool CheckReportDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->tbFindings && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Choose(ui->tbFindings->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CheckReportDlg::ShowFindings(const Agenda &agenda, const QList<CheckFinding> &findings)
{
    QTableWidget *table = ui->tbFindings;
    table->setRowCount(0);
    table->setRowCount(int(findings.size()));
    for (int row = 0; row < findings.size(); ++row) {
        const CheckFinding &f = findings[row];
        auto *record = Cell(QString());
        // A number, so that the row keeps its slot and sorts numerically.
        record->setData(Qt::DisplayRole, f.slot + 1);
        table->setItem(row, colRecord, record);
        const bool user = f.owner >= 1 && f.owner <= uint32_t(agenda.userCount);
        table->setItem(row, colUser, Cell(user ? agenda.UserName(int(f.owner) - 1) : QString::number(f.owner)));
        table->setItem(row, colField, Cell(f.field));
        table->setItem(row, colWhat, Cell(f.what));
    }
    ui->lbSummary->setText(findings.isEmpty() ? AppText::checkClean() : AppText::checkFound(int(findings.size())));
}

int CheckReportDlg::RowCount() const
{
    return ui->tbFindings->rowCount();
}

int CheckReportDlg::RowSlot(int row) const
{
    const QTableWidgetItem *item = ui->tbFindings->item(row, colRecord);
    return item ? item->data(Qt::DisplayRole).toInt() - 1 : -1;
}
