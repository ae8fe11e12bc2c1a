#include "app/kestravon.h"

#include "app/apptexts.h"
#include "app/celledit.h"
#include "common/markup.h"
#include "common/prompter.h"
#include "common/textcodec.h"
#include "editor/editrecorddlg.h"
#include "store/recordrules.h"
#include "update/update.h"
#include "ui_KESTRAVONLayout.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>

static void InitAgendaImages()
{
    // The images live in this static library; make sure they are registered.
    Q_INIT_RESOURCE(AgendaImg);
}

namespace {

const char *const kColumnTitles[KESTRAVON::kColumnCount] = {
    "#", "Label", "Note", "fld51", "Street", "Numb", "Zip", "City", "Country", "GPS",
    "Phone-1", "Phone-2", "Phone-3", "Phone-4", "Phone-5",
    "Email-1", "Email-2", "Email-3", "Email-4", "Email-5",
};

// Widths a list starts with; entry c belongs to column c.
constexpr std::array<int, 30> kInitialWidths = {
    40, 120, 160, 120, 200, 40, 60, 120, 80, 150, 130, 130, 130, 130, 130,
    150, 150, 150, 150, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};

// Columns that start hidden: note, fld51, phones 2-5, e-mails 2-5.
bool StartsHidden(int c)
{
    return c == KESTRAVON::colNote || c == KESTRAVON::colFld51
        || (c > KESTRAVON::colPhone1 && c < KESTRAVON::colPhone1 + kPhoneCount)
        || (c > KESTRAVON::colEmail1 && c < KESTRAVON::colEmail1 + kEmailCount);
}

const QColor kPaper(235, 235, 255);


} // namespace

KESTRAVON::KESTRAVON(Prompter &prompter, QWidget *parent)
    : QMainWindow(parent), prompter_(prompter), ui_(new Ui::KESTRAVONLayout)
{
    InitAgendaImages();
    auto *central = new QWidget(this);
    ui_->setupUi(central);
    setCentralWidget(central);

    for (auto &row : savedWidth)
        row = kInitialWidths;
    sortColumn_.fill(-1);
    sortAscending_.fill(true);

    const QIcon icon(QStringLiteral(":/AgendaImg/Icon"));
    setWindowIcon(icon);
    setWindowTitle(AppText::WindowTitle());
    setMinimumSize(800, 420);
    resize(800, 420);
    const QString start = QDir::currentPath();
    fsAgenda = {AppText::agendaFilter, AppText::agendaSuffix, start};
    fsVcf = {AppText::vcfFilter, AppText::vcfSuffix, start};
    fsCsv = {AppText::csvFilter, AppText::csvSuffix, start};
    ui_->esFilename->setText(AppText::defaultFilename);

    for (int k = 0; k < kListCount; ++k)
        BuildList(k);
    ui_->tcUser->setFocusPolicy(Qt::StrongFocus);

    SetupLists();
    UpdateButtons();

    connect(ui_->btExit, &QPushButton::clicked, this, &KESTRAVON::Exit);
    connect(ui_->btLoad, &QPushButton::clicked, this, &KESTRAVON::OnLoad);
    connect(ui_->btSave, &QPushButton::clicked, this, [this] { SaveAs(); });
    connect(ui_->btExport, &QPushButton::clicked, this, &KESTRAVON::ExportMenu);
    connect(ui_->btImport, &QPushButton::clicked, this, &KESTRAVON::ImportMenu);
    connect(ui_->btInsert, &QPushButton::clicked, this, &KESTRAVON::InsertMenu);
    connect(ui_->btDelete, &QPushButton::clicked, this, &KESTRAVON::DeleteSelected);
    connect(ui_->btEdit, &QPushButton::clicked, this, &KESTRAVON::EditCurrent);
    connect(ui_->tcUser, &QTabWidget::currentChanged, this, &KESTRAVON::UpdateButtons);
}

KESTRAVON::~KESTRAVON()
{
    // An editor still open would hand its text over while the lists are torn down.
    for (RowEditDelegate *delegate : delegates_)
        delegate->Abandon();
    delete ui_;
}

// ---------------------------------------------------------------------------------------
// The record lists

void KESTRAVON::BuildList(int k)
{
    auto *list = new QTableWidget(this);
    list->setObjectName(QStringLiteral("acUser%1").arg(k + 1));
    lists_[size_t(k)] = list;
    ui_->tcUser->addTab(list, QString::number(k + 1));

    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A click on the selected cell edits it through ClickToEdit, which waits out a
    // possible double-click first.
    list->setEditTriggers(QAbstractItemView::EditKeyPressed);
    delegates_[size_t(k)] = new RowEditDelegate(this, k);
    list->setItemDelegate(delegates_[size_t(k)]);
    new ClickToEdit(list);
    list->setSortingEnabled(false);  // sorting happens once per title click
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(kRowHeight);
    list->setAlternatingRowColors(true);
    QPalette pal = list->palette();
    pal.setColor(QPalette::AlternateBase, kPaper);
    list->setPalette(pal);

    QHeaderView *header = list->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    list->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(list, &QTableWidget::itemDoubleClicked, this, [this] { EditCurrent(); });
    connect(list, &QTableWidget::customContextMenuRequested, this,
            [this, k](const QPoint &pos) { ShowContextMenu(k, pos); });
    connect(list, &QTableWidget::itemSelectionChanged, this, &KESTRAVON::UpdateButtons);
    connect(list, &QTableWidget::currentCellChanged, this, [this] { UpdateButtons(); });
    connect(header, &QHeaderView::sectionClicked, this, [this, k](int c) { SortColumn(k, c); });
    connect(header, &QHeaderView::customContextMenuRequested, this,
            [this, k](const QPoint &pos) { ShowColumnMenu(k, pos); });
}

int KESTRAVON::CurrentTab() const
{
    const int t = ui_->tcUser->currentIndex();
    return t < 0 ? 0 : t;
}

QTableWidget *KESTRAVON::CurrentList() const
{
    return List(CurrentTab());
}

QString KESTRAVON::Filename() const
{
    return ui_->esFilename->text();
}

void KESTRAVON::SetupLists()
{
    for (int k = 0; k < kListCount; ++k) {
        QTableWidget *list = List(k);
        list->clear();
        list->setRowCount(0);
        list->setColumnCount(kColumnCount);
        QStringList titles;
        for (const char *t : kColumnTitles)
            titles.append(QString::fromLatin1(t));
        list->setHorizontalHeaderLabels(titles);
        for (int c = 0; c < kColumnCount; ++c) {
            const int w = StartsHidden(c) ? -1 : savedWidth[size_t(k)][size_t(c)];
            if (w > 0) {
                list->setColumnHidden(c, false);
                list->setColumnWidth(c, w);
            } else {
                list->setColumnHidden(c, true);
            }
        }
        sortColumn_[size_t(k)] = -1;
        sortAscending_[size_t(k)] = true;
        list->horizontalHeader()->setSortIndicatorShown(false);
        ui_->tcUser->setTabEnabled(k, k < agenda.userCount);
    }
    if (CurrentTab() >= agenda.userCount)
        ui_->tcUser->setCurrentIndex(0);
    FillLists();
}

static int ListOfOwner(uint32_t owner)
{
    // A record owned by a user number outside 1..4 is shown with the first user
    // rather than lost from view.
    return owner >= 1 && owner <= uint32_t(KESTRAVON::kListCount) ? int(owner) - 1 : 0;
}

void KESTRAVON::FillLists()
{
    filling_ = true;
    std::array<int, kListCount> rows{};
    for (int i = 0; i < agenda.slotCount; ++i)
        if (const AgendaRecord *r = agenda.RecordAt(i))
            ++rows[size_t(ListOfOwner(r->owner))];
    std::array<int, kListCount> next{};
    for (int k = 0; k < kListCount; ++k) {
        next[size_t(k)] = List(k)->rowCount();
        List(k)->setUpdatesEnabled(false);
        List(k)->setRowCount(next[size_t(k)] + rows[size_t(k)]);
    }
    for (int i = 0; i < agenda.slotCount; ++i)
        if (const AgendaRecord *r = agenda.RecordAt(i))
            SetRow(next[size_t(ListOfOwner(r->owner))]++, i, *r);
    for (int k = 0; k < kListCount; ++k)
        List(k)->setUpdatesEnabled(true);
    for (int i = 0; i < agenda.userCount; ++i)
        CaptionUserTab(i);
    filling_ = false;
}

KESTRAVON::EditFields KESTRAVON::FieldsOf(const AgendaRecord &r)
{
    EditFields f;
    f[colLabel - 1] = r.label;
    f[colNote - 1] = r.note;
    f[colFld51 - 1] = r.fld51;
    f[colStreet - 1] = r.street;
    f[colNumb - 1] = r.numb;
    f[colZip - 1] = r.zip;
    f[colCity - 1] = r.city;
    f[colCountry - 1] = r.country;
    f[colNav - 1] = r.nav.GpsText();
    for (int p = 0; p < kPhoneCount; ++p)
        f[size_t(colPhone1 - 1 + p)] = r.phone[size_t(p)];
    for (int e = 0; e < kEmailCount; ++e)
        f[size_t(colEmail1 - 1 + e)] = r.email[size_t(e)];
    return f;
}

void KESTRAVON::SetRow(int row, int slot, const AgendaRecord &record)
{
    QTableWidget *list = List(ListOfOwner(record.owner));
    if (row < 0 || row >= list->rowCount())
        return;
    QTableWidgetItem *recordItem = list->item(row, colRecord);
    if (!recordItem) {
        recordItem = new QTableWidgetItem;
        recordItem->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        list->setItem(row, colRecord, recordItem);
    }
    // An integer, so that the column sorts by number.
    recordItem->setData(Qt::DisplayRole, slot + 1);
    const EditFields f = FieldsOf(record);
    for (int c = 1; c < kColumnCount; ++c) {
        QTableWidgetItem *item = list->item(row, c);
        if (!item) {
            item = new QTableWidgetItem(f[size_t(c - 1)]);
            list->setItem(row, c, item);
        } else {
            item->setText(f[size_t(c - 1)]);
        }
    }
    if (list->rowHeight(row) != kRowHeight)
        list->setRowHeight(row, kRowHeight);
}

int KESTRAVON::AppendRow(int slot)
{
    const AgendaRecord *r = agenda.RecordAt(slot);
    if (!r)
        return -1;
    QTableWidget *list = List(ListOfOwner(r->owner));
    const int row = list->rowCount();
    list->insertRow(row);
    SetRow(row, slot, *r);
    return row;
}

void KESTRAVON::CaptionUserTab(int slot)
{
    if (slot >= 0 && slot < agenda.userCount && slot < kListCount)
        ui_->tcUser->setTabText(slot, agenda.UserName(slot));
}

int KESTRAVON::RowSlot(int k, int row) const
{
    const QTableWidgetItem *item = List(k)->item(row, colRecord);
    return item ? item->data(Qt::DisplayRole).toInt() - 1 : -1;
}

int KESTRAVON::FindRow(int k, int slot) const
{
    const QTableWidget *list = List(k);
    for (int r = 0; r < list->rowCount(); ++r)
        if (RowSlot(k, r) == slot)
            return r;
    return -1;
}

bool KESTRAVON::IsRowSelected(QTableWidget *list, int row) const
{
    return list->selectionModel()->isSelected(list->model()->index(row, colRecord));
}

int KESTRAVON::SelectedCount() const
{
    QSet<int> rows;
    for (const QItemSelectionRange &range : CurrentList()->selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows.insert(r);
    return int(rows.size());
}

int KESTRAVON::CursorSlot() const
{
    const int row = CurrentList()->currentRow();
    if (row < 0)
        return 0;
    const int slot = RowSlot(CurrentTab(), row);
    return slot < 0 ? 0 : slot;
}

int KESTRAVON::FreeSlots() const
{
    return agenda.slotCount - agenda.usedCount;
}

void KESTRAVON::UpdateButtons()
{
    if (filling_)
        return;
    const int n = SelectedCount();
    const int s = CursorSlot();
    ui_->btSave->setEnabled(agenda.modified);
    ui_->btExport->setEnabled(n > 0);
    ui_->btImport->setEnabled(n > 0);
    ui_->btInsert->setEnabled(n <= 1 && agenda.usedCount != agenda.slotCount);
    ui_->btDelete->setEnabled(n > 0 && s >= agenda.userCount);
    ui_->btEdit->setEnabled(n == 1);
    ui_->btLoad->setEnabled(true);
    ui_->btExit->setEnabled(true);
}

void KESTRAVON::RefreshSlot(int slot)
{
    const int k = CurrentTab();
    const int row = FindRow(k, slot);
    const AgendaRecord *r = agenda.RecordAt(slot);
    if (row < 0 || !r)
        return;
    QTableWidget *list = List(k);
    if (ListOfOwner(r->owner) != k) {
        // The record now belongs to another user: its row moves to that user's list.
        list->removeRow(row);
        AppendRow(slot);
    } else {
        SetRow(row, slot, *r);
        list->setCurrentCell(row, colRecord);
    }
    CaptionUserTab(slot);
    UpdateButtons();
}

void KESTRAVON::StepCursor(bool next, int &slot)
{
    QTableWidget *list = CurrentList();
    const int row = list->currentRow();
    if (row < 0)
        return;
    const int to = next ? row + 1 : row - 1;
    if (to < 0 || to >= list->rowCount())
        return;
    list->setCurrentCell(to, colRecord);
    slot = RowSlot(CurrentTab(), to);
}

void KESTRAVON::EditCurrent()
{
    if (!CommitCellEdit())
        return;
    const int row = CurrentList()->currentRow();
    if (row < 0)
        return;
    const int slot = RowSlot(CurrentTab(), row);
    if (slot < 0)
        return;
    OpenEditor(slot);
}

void KESTRAVON::OpenEditor(int slot)
{
    // The editor stores accepted data itself; the window rewrites the row it reports and
    // moves its cursor for the editor's Previous/Next buttons.
    EditRecordDlg editor(agenda, slot, prompter_, this);
    editor.WhenStored = [this](int stored) { RefreshSlot(stored); };
    editor.WhenStep = [this](bool next, int &at) { StepCursor(next, at); };
    editor.exec();
}

int KESTRAVON::ColumnWidth(int k, int column) const
{
    const QTableWidget *list = List(k);
    return list->isColumnHidden(column) ? 0 : list->columnWidth(column);
}

void KESTRAVON::ToggleColumn(int column)
{
    if (column < 0 || column >= kColumnCount)
        return;
    const int k = CurrentTab();
    QTableWidget *list = List(k);
    const int w = ColumnWidth(k, column);
    if (w > 0) {
        list->setColumnHidden(column, true);
    } else {
        int show = savedWidth[size_t(k)][size_t(column)];
        // A column shown once and then reset by a load remembers no width; it comes
        // back with its initial width instead of staying invisible for good.
        if (show <= 0)
            show = kInitialWidths[size_t(column)];
        list->setColumnHidden(column, false);
        list->setColumnWidth(column, show);
    }
    savedWidth[size_t(k)][size_t(column)] = w >= 0 ? w : 0;
}

void KESTRAVON::ColumnMenu(QMenu &menu)
{
    const int k = CurrentTab();
    const QIcon checked(QStringLiteral(":/AgendaImg/Checked"));
    for (int c = 0; c < kColumnCount; ++c) {
        QAction *action = menu.addAction(QString::fromLatin1(kColumnTitles[c]));
        if (ColumnWidth(k, c) > 0)
            action->setIcon(checked);
        connect(action, &QAction::triggered, this, [this, c] { ToggleColumn(c); });
    }
}

void KESTRAVON::ShowColumnMenu(int k, const QPoint &pos)
{
    if (k != CurrentTab())
        return;
    QMenu menu(this);
    ColumnMenu(menu);
    menu.exec(List(k)->horizontalHeader()->mapToGlobal(pos));
}

void KESTRAVON::SortColumn(int k, int column)
{
    if (!CommitCellEdit())
        return;
    QTableWidget *list = List(k);
    bool ascending = true;
    if (sortColumn_[size_t(k)] == column)
        ascending = !sortAscending_[size_t(k)];
    sortColumn_[size_t(k)] = column;
    sortAscending_[size_t(k)] = ascending;
    const Qt::SortOrder order = ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    list->sortItems(column, order);
    list->horizontalHeader()->setSortIndicatorShown(true);
    list->horizontalHeader()->setSortIndicator(column, order);
}

// ---------------------------------------------------------------------------------------
// In-place editing

namespace {

// The GPS cell holds a position text ("N45.500000,E9.250000"), not a record field.
constexpr int kGpsTextMax = 25;

// The record field that a column edits; nothing for the record number and the GPS text.
std::optional<TextField> ColumnField(int column)
{
    switch (column) {
    case KESTRAVON::colLabel: return TextField::Label;
    case KESTRAVON::colNote: return TextField::Note;
    case KESTRAVON::colFld51: return TextField::Fld51;
    case KESTRAVON::colStreet: return TextField::Street;
    case KESTRAVON::colNumb: return TextField::Numb;
    case KESTRAVON::colZip: return TextField::Zip;
    case KESTRAVON::colCity: return TextField::City;
    case KESTRAVON::colCountry: return TextField::Country;
    default: break;
    }
    if (column >= KESTRAVON::colPhone1 && column < KESTRAVON::colPhone1 + kPhoneCount)
        return TextField::Phone;
    if (column >= KESTRAVON::colEmail1 && column < KESTRAVON::colEmail1 + kEmailCount)
        return TextField::Email;
    return std::nullopt;
}

} // namespace

int KESTRAVON::ColumnMaximum(int column)
{
    if (column == colNav)
        return kGpsTextMax;
    const std::optional<TextField> field = ColumnField(column);
    return field ? FieldLimit(*field) : 0;
}

bool KESTRAVON::IsEditableColumn(int column)
{
    return column > colRecord && column < kColumnCount && column != colFld51;
}

QString KESTRAVON::CellRefusal(int column, const QString &text)
{
    if (const std::optional<TextField> field = ColumnField(column))
        return TextRefusal(*field, text);
    if (column != colNav)
        return QString();
    if (text.size() > kGpsTextMax)
        return RecordText::tooLong.arg(kGpsTextMax);
    // A text without any digit holds no coordinate; reading it would store N0,W0.
    if (!text.isEmpty()
        && std::none_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        return AppText::invalidGps;
    return QString();
}

void KESTRAVON::QueueCellEdit(int k, int slot, int column, const QString &text)
{
    typed_.append({k, slot, column, text});
    QMetaObject::invokeMethod(this, [this] { ApplyCellEdits(); }, Qt::QueuedConnection);
}

bool KESTRAVON::ApplyCellEdits()
{
    bool accepted = true;
    while (!typed_.isEmpty()) {
        const TypedCell cell = typed_.takeFirst();
        const int row = FindRow(cell.list, cell.slot);
        if (row < 0)
            continue;
        if (!EditCell(cell.list, row, cell.column, cell.text)) {
            accepted = false;
            typed_.clear();
            ReopenCellEditor(cell);
        }
    }
    return accepted;
}

void KESTRAVON::ReopenCellEditor(const TypedCell &cell)
{
    const int row = FindRow(cell.list, cell.slot);
    if (row < 0)
        return;
    QTableWidget *list = List(cell.list);
    if (cell.list != CurrentTab())
        ui_->tcUser->setCurrentIndex(cell.list);
    const QModelIndex index = list->model()->index(row, cell.column);
    list->setCurrentIndex(index);
    list->edit(index);
    if (auto *edit = qobject_cast<QLineEdit *>(list->indexWidget(index))) {
        edit->setText(cell.text);
        edit->selectAll();
        edit->setFocus();
    }
}

bool KESTRAVON::CommitCellEdit()
{
    for (RowEditDelegate *delegate : delegates_)
        if (delegate)
            delegate->Finish();
    return ApplyCellEdits();
}

KESTRAVON::EditFields KESTRAVON::RowFields(int k, int row) const
{
    EditFields f;
    for (int c = 1; c < kColumnCount; ++c)
        if (const QTableWidgetItem *item = List(k)->item(row, c))
            f[size_t(c - 1)] = item->text();
    return f;
}

bool KESTRAVON::EditCell(int k, int row, int column, const QString &text)
{
    if (column <= colRecord || column >= kColumnCount)
        return false;
    const int slot = RowSlot(k, row);
    const AgendaRecord *r = agenda.RecordAt(slot);
    if (!r)
        return false;
    if (!IsEditableColumn(column))
        return false;
    const QString refusal = CellRefusal(column, text);
    if (!refusal.isEmpty()) {
        prompter_.Information(refusal);
        return false;
    }
    QTableWidget *list = List(k);
    if (list->currentRow() != row)
        list->setCurrentCell(row, column);
    EditFields fields = FieldsOf(*r);
    fields[size_t(column - 1)] = text;
    AcceptEdit(k, fields);
    return true;
}

void KESTRAVON::AcceptEdit(int k, const EditFields &f)
{
    QTableWidget *list = List(k);
    const int row = list->currentRow();
    if (row < 0)
        return;
    const int slot = RowSlot(k, row);
    const AgendaRecord *stored = agenda.RecordAt(slot);
    if (!stored)
        return;
    AgendaRecord r = *stored;

    AgendaRecord typed = r;
    typed.street = f[colStreet - 1];
    typed.numb = f[colNumb - 1];
    typed.zip = f[colZip - 1];
    typed.city = f[colCity - 1];
    typed.country = f[colCountry - 1];
    AskClearPostal(AddressDiffers(r, typed), r.nav.navFlags, prompter_);
    AskClearVoice(f[colLabel - 1] != r.label, r.voiceIndex, prompter_);

    r.label = f[colLabel - 1];
    r.note = f[colNote - 1];
    r.fld51 = f[colFld51 - 1];
    // The unit expects the address in upper case.
    r.street = UpperPerUnit(typed.street);
    r.numb = UpperPerUnit(typed.numb);
    r.zip = UpperPerUnit(typed.zip);
    r.city = UpperPerUnit(typed.city);
    r.country = UpperPerUnit(typed.country);
    // The coordinate is read back only when its text was changed, so that editing
    // another cell never rounds a stored coordinate.
    if (f[colNav - 1] != r.nav.GpsText())
        r.nav.SetGpsText(f[colNav - 1]);
    for (int p = 0; p < kPhoneCount; ++p)
        r.phone[size_t(p)] = f[size_t(colPhone1 - 1 + p)];
    for (int e = 0; e < kEmailCount; ++e)
        r.email[size_t(e)] = f[size_t(colEmail1 - 1 + e)];

    agenda.StoreRecord(slot, r);
    CaptionUserTab(slot);
    if (const AgendaRecord *now = agenda.RecordAt(slot))
        SetRow(row, slot, *now);
    UpdateButtons();
}

// ---------------------------------------------------------------------------------------
// Load, save and exit

bool KESTRAVON::LoadFile(const QString &path)
{
    if (agenda.Load(path, prompter_)) {
        ui_->esFilename->setText(path);
        SetupLists();
        UpdateButtons();
        return true;
    }
    prompter_.Information(AppText::errorLoading + MarkupEscape(MessagePath(path)));
    return false;
}

Prompter::FileRequest FileSelector::Request(Prompter::FileRequest::Mode mode, const QString &title,
                                           const QString &proposed) const
{
    Prompter::FileRequest request;
    request.mode = mode;
    request.title = title;
    request.filter = filter;
    request.defaultSuffix = defaultSuffix;
    request.proposed = proposed;
    request.directory = directory;
    return request;
}

void FileSelector::Remember(const QString &path)
{
    if (!path.isEmpty())
        directory = QFileInfo(path).absolutePath();
}

void KESTRAVON::OnLoad()
{
    if (!CommitCellEdit())
        return;
    if (!AskSave())
        return;
    const QString path = prompter_.ChooseFile(
        fsAgenda.Request(Prompter::FileRequest::Mode::Open, AppText::loadTitle, Filename()));
    if (path.isEmpty())
        return;
    fsAgenda.Remember(path);
    LoadFile(path);
}

bool KESTRAVON::SaveAs()
{
    if (!CommitCellEdit())
        return false;
    const QString path = prompter_.ChooseFile(
        fsAgenda.Request(Prompter::FileRequest::Mode::Save, AppText::saveTitle, Filename()));
    if (path.isEmpty())
        return false;
    fsAgenda.Remember(path);
    ui_->esFilename->setText(path);
    const bool saved = agenda.Save(path, prompter_);
    if (!saved)
        prompter_.Information(AppText::errorSaving + MarkupEscape(MessagePath(path)));
    UpdateButtons();
    return saved;
}

bool KESTRAVON::AskSave()
{
    if (!agenda.modified)
        return true;
    switch (prompter_.YesNoCancel(AppText::saveModified)) {
    case Prompter::Answer::Yes:
        return SaveAs();
    case Prompter::Answer::No:
        return true;
    default:
        return false;
    }
}

void KESTRAVON::Exit()
{
    if (!CommitCellEdit())
        return;
    if (!prompter_.OkCancel(AppText::ExitQuestion()))
        return;
    if (!AskSave())
        return;
    finished_ = true;
    if (loop_.isRunning())
        loop_.exit(kExitCode);
}

void KESTRAVON::closeEvent(QCloseEvent *event)
{
    // Closing the window asks the same questions as the Exit button; the window
    // closes only when the run ends.
    event->ignore();
    if (!finished_)
        Exit();
}

void KESTRAVON::keyPressEvent(QKeyEvent *event)
{
    // Escape works as the Exit button, unless a control used it already.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ui_->btExit->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---------------------------------------------------------------------------------------
// Start-up

bool KESTRAVON::CheckUpdates()
{
    if (!prompter_.YesNo(AppText::checkUpdates))
        return false;
    return RunUpdateCheck();
}

bool KESTRAVON::RunUpdateCheck()
{
    return CheckForUpdate(AppText::programName, AppText::version, true, prompter_);
}

int KESTRAVON::Run()
{
    finished_ = false;
    show();
    const int code = loop_.exec();
    hide();
    return code;
}
