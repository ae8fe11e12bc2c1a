// The main window's vCard and CSV commands. They pick the rows and the files and run the
// exchange operations through the phonebook document; reading and writing each record, and the messages about it, belong to
// the exchange operations of formats/interchange.h, shared with kestravon-cli.
#include "app/mainwindow.h"

#include "app/undo.h"

#include "app/apptexts.h"
#include "app/csvcolumnsdlg.h"
#include "app/importreviewdlg.h"
#include "formats/importreview.h"
#include "app/recordlist.h"
#include "store/phonebook.h"
#include "formats/interchange.h"
#include "formats/vcardimport.h"
#include "ui_KESTRAVONLayout.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace {

using Mode = Prompter::FileRequest::Mode;

} // namespace

QList<MainWindow::SelectedRow> MainWindow::SelectedRows() const
{
    const int k = CurrentTab();
    RecordListView *list = List(k);
    QList<SelectedRow> rows;
    for (int row = 0; row < list->rowCount(); ++row)
        if (IsRowSelected(list, row))
            rows.append({row, RowSlot(k, row), list->CellText(row, colLabel)});
    return rows;
}

void MainWindow::ShowInserted(int slot)
{
    const int k = CurrentTab();
    // A new record the filter hides is shown by clearing the filter.
    if (FindRow(k, slot) < 0 && proxies_[size_t(k)]->Owns(slot))
        SetFilterText(QString());
    const int row = FindRow(k, slot);
    if (row >= 0) {
        CurrentList()->setCurrentCell(row, colRecord);
        CurrentList()->scrollTo(CurrentList()->currentIndex());
    }
}

// ---------------------------------------------------------------------------------------
// The export and import buttons

void MainWindow::BuildExportMenu(QMenu &menu)
{
    connect(menu.addAction(AppText::exportToVcf()), &QAction::triggered, this, &MainWindow::ExportVcf);
    connect(menu.addAction(AppText::exportToOneVcf()), &QAction::triggered, this, &MainWindow::ExportOneVcf);
    connect(menu.addAction(AppText::exportToCsv()), &QAction::triggered, this, &MainWindow::ExportCsv);
    connect(menu.addAction(AppText::exportToGoogleCsv()), &QAction::triggered, this, &MainWindow::ExportGoogleCsv);
}

void MainWindow::BuildImportMenu(QMenu &menu)
{
    connect(menu.addAction(AppText::importFromVcf()), &QAction::triggered, this, &MainWindow::ImportVcf);
    connect(menu.addAction(AppText::importFromCsv()), &QAction::triggered, this, &MainWindow::ImportCsv);
}

void MainWindow::ExportMenu()
{
    if (!CommitCellEdit())
        return;
    QMenu menu(this);
    BuildExportMenu(menu);
    menu.exec(ExportMenuPosition());
}

void MainWindow::ImportMenu()
{
    if (!CommitCellEdit())
        return;
    QMenu menu(this);
    BuildImportMenu(menu);
    menu.exec(ImportMenuPosition());
}

// ---------------------------------------------------------------------------------------
// vCard: one file per record

void MainWindow::ExportVcf()
{
    if (!CommitCellEdit())
        return;
    for (const SelectedRow &r : SelectedRows()) {
        const QString path = prompter_.ChooseFile(fsVcf.Request(
            Mode::Save, RecordTitle(InterchangeText::kExportVcfTitle, r.slot, r.label), VcfFileName(r.label, r.slot)));
        if (path.isEmpty())
            return;  // a cancelled selector ends the whole command
        fsVcf.Remember(path);
        ExportVcfRecord(agenda, r.slot, path, prompter_);
    }
}

void MainWindow::ImportVcf()
{
    if (!CommitCellEdit())
        return;
    ChangeScope change(*this, AppText::menuImportVcf());
    const int t = CurrentTab();
    for (const SelectedRow &r : SelectedRows()) {
        const QString path = prompter_.ChooseFile(fsVcf.Request(
            Mode::Open, RecordTitle(InterchangeText::kImportVcfTitle, r.slot, r.label), VcfFileName(r.label, r.slot)));
        if (path.isEmpty())
            break;
        fsVcf.Remember(path);
        book.Apply([&](Agenda &a) { return ImportVcfRecord(a, r.slot, uint32_t(t + 1), path, prompter_); });
    }
    UpdateButtons();
}

void MainWindow::InsertVcf()
{
    if (!CommitCellEdit())
        return;
    const QStringList files = prompter_.ChooseFiles(
        fsVcf.Request(Mode::OpenMany, InterchangeText::Tr(InterchangeText::kInsertVcfTitle), QString()));
    if (files.isEmpty())
        return;
    fsVcf.Remember(files.first());
    InsertVcfFiles(files);
}

void MainWindow::InsertVcfFiles(const QStringList &paths)
{
    ChangeScope change(*this, AppText::menuInsertVcf());
    const uint32_t user = uint32_t(CurrentTab() + 1);
    std::vector<CardOfFile> cards = ReadCardFiles(paths, prompter_);
    const auto show = [this](int slot) { ShowInserted(slot); };
    if (cards.size() <= 1) {
        // As the review proposes: texts cut to the unit's limits, a card without a name
        // labelled with its first phone.
        CardInsertOptions options;
        options.shorten = true;
        options.labelFromPhone = true;
        InsertCards(book, user, cards, options, prompter_, show);
        UpdateButtons();
        return;
    }
    // Many cards: the failures are reported before the review; a failed one-card file
    // stays as the empty record that OK adds, any other failed card is left out.
    std::vector<CardOfFile> readable;
    readable.reserve(cards.size());
    for (CardOfFile &card : cards) {
        if (card.failed) {
            if (!ReportFailedCard(card, prompter_))
                return;
            card.reported = true;
            if (!KeepsEmptyRecord(card))
                continue;
        }
        readable.push_back(std::move(card));
    }
    InsertReviewedCards(std::move(readable), ImportSource::VCard);
}

int MainWindow::ReviewImport(ImportReview &review)
{
    ImportReviewDlg dialog(review, this);
    return dialog.exec();
}

void MainWindow::ExportOneVcf()
{
    if (!CommitCellEdit())
        return;
    const QList<SelectedRow> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    // The current user's name without its ":n"; an unnamed user is "User" + number.
    const int t = CurrentTab();
    QString name = agenda.slots[size_t(t)].label;
    if (name.isEmpty())
        name = QStringLiteral("User") + QString::number(t + 1);
    const QString path = prompter_.ChooseFile(
        fsVcf.Request(Mode::Save, InterchangeText::Tr(InterchangeText::kExportOneVcfTitle), VcfFileName(name, t)));
    if (path.isEmpty())
        return;
    fsVcf.Remember(path);
    QList<int> slotList;
    for (const SelectedRow &r : rows)
        slotList.append(r.slot);
    ExportVcfRecords(agenda, slotList, path, prompter_);
}

// ---------------------------------------------------------------------------------------
// CSV: many records per file

void MainWindow::ExportCsv()
{
    if (!CommitCellEdit())
        return;
    const QString path = prompter_.ChooseFile(
        fsCsv.Request(Mode::Save, InterchangeText::Tr(InterchangeText::kExportCsvTitle), QString()));
    if (path.isEmpty())
        return;
    fsCsv.Remember(path);
    QList<int> slotList;
    for (const SelectedRow &r : SelectedRows())
        slotList.append(r.slot);
    ExportCsvRecords(agenda, slotList, path, prompter_);
}

void MainWindow::ImportCsv()
{
    if (!CommitCellEdit())
        return;
    ChangeScope change(*this, AppText::menuImportCsv());
    const QString path = prompter_.ChooseFile(
        fsCsv.Request(Mode::Open, InterchangeText::Tr(InterchangeText::kImportCsvTitle), QString()));
    if (path.isEmpty())
        return;
    fsCsv.Remember(path);
    QList<int> slotList;
    for (const SelectedRow &r : SelectedRows())
        slotList.append(r.slot);
    book.Apply([&](Agenda &a) { return ImportCsvRecords(a, slotList, path, prompter_); });
    UpdateButtons();
}

void MainWindow::InsertCsv()
{
    if (!CommitCellEdit())
        return;
    const QString path = prompter_.ChooseFile(
        fsCsv.Request(Mode::Open, InterchangeText::Tr(InterchangeText::kInsertCsvTitle), QString()));
    if (path.isEmpty())
        return;
    fsCsv.Remember(path);
    InsertCsvFile(path);
}

void MainWindow::InsertCsvFile(const QString &path)
{
    ChangeScope change(*this, AppText::menuInsertCsv());
    CsvInsertFile file = ReadCsvInsertFile(path);
    if (!file.ok) {
        ReportCsvRefused(path, file.reason, prompter_);
        return;
    }
    if (file.Own()) {
        ReportShortCsvLines(file.shortLines, prompter_);
        InsertReviewedCards(std::move(file.cards), ImportSource::OwnCsv);
        return;
    }
    // The columns as the user chose them for a file with the same header before, if they
    // were. When the header's names give no name or phone, the dialog offers them (or
    // the columns as recognised) first.
    const bool recognised = PlacesNameOrPhone(file.mapping);
    RememberedCsvMapping(file.table.header, file.mapping);
    if (!recognised && !ChooseCsvColumns(file))
        return;
    // "Columns..." in the review: the columns chosen again (Cancel keeps them), the rows
    // mapped anew and reviewed again.
    for (;;) {
        file.MapCards();
        if (InsertReviewedCards(std::move(file.cards), ImportSource::Csv) != ImportReviewDlg::kColumnsChosen)
            return;
        ChooseCsvColumns(file);
    }
}

bool MainWindow::ChooseCsvColumns(CsvInsertFile &file)
{
    CsvColumnsDlg dialog(file.table.header, file.table.RowLists(), file.mapping, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    file.mapping = dialog.Mapping();
    RememberCsvMapping(file.table.header, file.mapping);
    return true;
}

void MainWindow::ExportGoogleCsv()
{
    if (!CommitCellEdit())
        return;
    const QList<SelectedRow> rows = SelectedRows();
    const QString path = prompter_.ChooseFile(
        fsCsv.Request(Mode::Save, InterchangeText::Tr(InterchangeText::kExportGoogleCsvTitle), QStringLiteral("contacts.csv")));
    if (path.isEmpty())
        return;
    fsCsv.Remember(path);
    QList<int> slotList;
    for (const SelectedRow &r : rows)
        slotList.append(r.slot);
    ExportGoogleCsvRecords(agenda, slotList, path, prompter_);
}

int MainWindow::InsertReviewedCards(std::vector<CardOfFile> cards, ImportSource source)
{
    if (cards.empty())
        return QDialog::Rejected;
    const uint32_t user = uint32_t(CurrentTab() + 1);
    ImportReview review(agenda, std::move(cards), user, DefaultPhoneRegion(), source);
    const int answer = ReviewImport(review);
    if (answer != QDialog::Accepted)
        return answer;
    // Records chosen for another user are shown in that user's list, the cursor on the last.
    if (review.User() != user)
        ui_->tcUser->setCurrentIndex(int(review.User()) - 1);
    const auto show = [this](int slot) { ShowInserted(slot); };
    InsertCards(book, review.User(), review.ChosenCards(), review.Options(), prompter_, show);
    UpdateButtons();
    return answer;
}
