#include "app/mainwindow.h"

#include "app/undo.h"

#include "app/apptexts.h"
#include "app/checkreport.h"
#include "app/celledit.h"
#include "app/phonetexts.h"
#include "app/recordlist.h"
#include "common/markup.h"
#include "common/prompter.h"
#include "common/textcodec.h"
#include "editor/editrecorddlg.h"
#include "store/edit.h"
#include "store/phonemodule.h"
#include "store/recordrules.h"
#include "online/online.h"
#include "ui_KESTRAVONLayout.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QImageReader>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <utility>

static void InitAgendaImages()
{
    // The images live in this static library; make sure they are registered.
    Q_INIT_RESOURCE(AgendaImg);
}


QIcon AgendaImage(const QString &name)
{
    const auto read = [](const QString &path) {
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);  // else every image plugin is loaded first
        return QPixmap::fromImage(reader.read());
    };
    const QString path = QStringLiteral(":/AgendaImg/") + name;
    QIcon icon(read(path));
    const QString twice = path + QStringLiteral("@2x");
    if (QFile::exists(twice))
        icon.addPixmap(read(twice));
    return icon;
}

MainWindow::MainWindow(Prompter &prompter, QWidget *parent)
    : QMainWindow(parent), prompter_(prompter), ui_(new Ui::KESTRAVONLayout)
{
    InitAgendaImages();
    auto *central = new QWidget(this);
    ui_->setupUi(central);
    setCentralWidget(central);

    setWindowIcon(AgendaImage(QStringLiteral("Icon")));
    setWindowTitle(AppText::WindowTitle());
    zoom_ = LayoutZoom(font());
    const QString start = QDir::currentPath();
    fsAgenda = {AppText::agendaFilter(), AppText::agendaSuffix, start};
    fsVcf = {AppText::vcfFilter(), AppText::vcfSuffix, start};
    fsCsv = {AppText::csvFilter(), AppText::csvSuffix, start};
    ui_->esFilename->setText(AppText::defaultFilename);

    undo_ = new QUndoStack(this);
    undoAction_ = new QAction(AppText::menuUndo(), this);
    undoAction_->setShortcut(QKeySequence::Undo);
    undoAction_->setEnabled(false);
    connect(undoAction_, &QAction::triggered, this, &MainWindow::Undo);
    connect(undo_, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    redoAction_ = new QAction(AppText::menuRedo(), this);
    redoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redoAction_->setEnabled(false);
    connect(redoAction_, &QAction::triggered, this, &MainWindow::Redo);
    connect(undo_, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
    addActions({undoAction_, redoAction_});
    connect(undo_, &QUndoStack::indexChanged, this, &MainWindow::ChangesUndone);

    // A phone module that cannot be loaded is told once, after the call that found it out.
    SetPhoneModuleNotice([this](const QString &reason) {
        QTimer::singleShot(0, this, [this, reason] { prompter_.InformationDetail(PhoneText::moduleMissing(), reason); });
    });

    BuildLists();
    ConnectBook();
    SetupKeys();
    ui_->tcUser->setFocusPolicy(Qt::StrongFocus);

    ApplyZoom();
    resize(Z(800), Z(420));
    SetupLists();
    UpdateButtons();

    connect(ui_->btExit, &QPushButton::clicked, this, &MainWindow::Exit);
    connect(ui_->btLoad, &QPushButton::clicked, this, &MainWindow::OnLoad);
    connect(ui_->btSave, &QPushButton::clicked, this, [this] { SaveAs(); });
    connect(ui_->btExport, &QPushButton::clicked, this, &MainWindow::ExportMenu);
    connect(ui_->btImport, &QPushButton::clicked, this, &MainWindow::ImportMenu);
    connect(ui_->btInsert, &QPushButton::clicked, this, &MainWindow::InsertMenu);
    connect(ui_->btDelete, &QPushButton::clicked, this, &MainWindow::DeleteSelected);
    connect(ui_->btEdit, &QPushButton::clicked, this, &MainWindow::EditCurrent);
    connect(ui_->btCheck, &QPushButton::clicked, this, &MainWindow::CheckPhonebook);
    connect(ui_->tcUser, &QTabWidget::currentChanged, this, &MainWindow::UpdateButtons);

    // The filter: Ctrl+F goes to it, Escape in it clears it (and does not exit).
    connect(ui_->esFilter, &QLineEdit::textChanged, this, &MainWindow::ApplyFilter);
    auto *findAction = new QAction(this);
    findAction->setShortcut(QKeySequence::Find);
    connect(findAction, &QAction::triggered, this, [this] {
        ui_->esFilter->setFocus(Qt::ShortcutFocusReason);
        ui_->esFilter->selectAll();
    });
    addAction(findAction);
    auto *clearAction = new QAction(ui_->esFilter);
    clearAction->setShortcut(Qt::Key_Escape);
    clearAction->setShortcutContext(Qt::WidgetShortcut);
    connect(clearAction, &QAction::triggered, ui_->esFilter, &QLineEdit::clear);
    ui_->esFilter->addAction(clearAction);
    // The clear button, shown while the field holds text, with the program's own icon: the
    // line edit's built-in one asks the style, which searches the icon theme's folders at
    // every start.
    QAction *clearButton = ui_->esFilter->addAction(AgendaImage(QStringLiteral("Clear")), QLineEdit::TrailingPosition);
    clearButton->setObjectName(QStringLiteral("filterClear"));
    clearButton->setVisible(false);
    connect(clearButton, &QAction::triggered, ui_->esFilter, &QLineEdit::clear);
    connect(ui_->esFilter, &QLineEdit::textChanged, clearButton,
            [clearButton](const QString &text) { clearButton->setVisible(!text.isEmpty()); });
}

void MainWindow::OpenEditor(int slot)
{
    // The editor stores accepted data itself; the window rewrites the row it reports and
    // moves its cursor for the editor's Previous/Next buttons.
    EditRecordDlg editor(book, slot, prompter_, this);
    editor.WhenStored = [this](int stored) { RefreshSlot(stored); };
    editor.WhenStep = [this](bool next, int &at) { StepCursor(next, at); };
    editor.exec();
}

void MainWindow::ConnectBook()
{
    // Counts in the captions and the enabled buttons follow every change of the phonebook;
    // the rows follow by themselves (the lists are views of the document).
    connect(&book, &Phonebook::SlotsChanged, this, [this] {
        for (int i = 0; i < agenda.userCount; ++i)
            CaptionUserTab(i);
        UpdateButtons();
    });
}

QString MainWindow::Filename() const
{
    return ui_->esFilename->text();
}

MainWindow::~MainWindow()
{
    SetPhoneModuleNotice(nullptr);
    // The stack clears itself when it goes, which must reach neither the half-destroyed
    // window nor the check report that reads its phonebook.
    undo_->disconnect();
    // An editor still open would hand its text over while the lists are torn down.
    for (RowEditDelegate *delegate : delegates_)
        delegate->Abandon();
    // The lists read the phonebook, a member that goes before the widgets would; nothing
    // may react to the tabs that go with them.
    ui_->tcUser->blockSignals(true);
    for (RecordListView *&list : lists_)
        delete std::exchange(list, nullptr);
    for (UserListProxy *proxy : proxies_)
        delete proxy;
    delete table_;
    delete ui_;
}

// ---------------------------------------------------------------------------------------
// In-place editing

bool MainWindow::IsEditableColumn(int column)
{
    const RecordField *field = ColumnField(column);
    return field && field->editable;
}

void MainWindow::QueueCellEdit(int k, int slot, int column, const QString &text)
{
    typed_.append({k, slot, column, text});
    QMetaObject::invokeMethod(this, [this] { ApplyCellEdits(); }, Qt::QueuedConnection);
}

bool MainWindow::ApplyCellEdits()
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

void MainWindow::ReopenCellEditor(const TypedCell &cell)
{
    const int row = FindRow(cell.list, cell.slot);
    if (row < 0)
        return;
    RecordListView *list = List(cell.list);
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

bool MainWindow::CommitCellEdit()
{
    for (RowEditDelegate *delegate : delegates_)
        if (delegate)
            delegate->Finish();
    return ApplyCellEdits();
}

bool MainWindow::EditCell(int k, int row, int column, const QString &text)
{
    const int slot = RowSlot(k, row);
    if (!agenda.RecordAt(slot) || !IsEditableColumn(column))
        return false;
    ChangeScope change(*this, AppText::menuEdit());
    const EditResult stored = AcceptCellEdit(book, slot, column, text, prompter_);
    if (!stored) {
        if (!stored.refusal.isEmpty())
            prompter_.Information(stored.refusal);
        return false;
    }
    if (column >= colPhone1 && column < colPhone1 + kPhoneCount)
        NotePhone(slot, column - colPhone1);
    return true;
}

// ---------------------------------------------------------------------------------------
// Load, save and exit

bool MainWindow::LoadFile(const QString &path)
{
    const LoadResult loaded = book.Load(path, prompter_);
    if (loaded) {
        // A check report names records of the phonebook that was replaced.
        if (checkReport_)
            checkReport_->close();
        undo_->clear();
        ui_->esFilename->setText(path);
        SetupLists();
        UpdateButtons();
        return true;
    }
    // A file the user chose not to open (an unknown format version) needs no error message.
    if (!loaded.declined)
        prompter_.InformationDetail(AppText::errorLoading().arg(MarkupEscape(MessagePath(path))), loaded.reason);
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

void MainWindow::OnLoad()
{
    if (!CommitCellEdit())
        return;
    if (!AskSave())
        return;
    const QString path = prompter_.ChooseFile(
        fsAgenda.Request(Prompter::FileRequest::Mode::Open, AppText::loadTitle(), Filename()));
    if (path.isEmpty())
        return;
    fsAgenda.Remember(path);
    LoadFile(path);
}

bool MainWindow::SaveAs()
{
    if (!CommitCellEdit())
        return false;
    const QString path = prompter_.ChooseFile(
        fsAgenda.Request(Prompter::FileRequest::Mode::Save, AppText::saveTitle(), Filename()));
    if (path.isEmpty())
        return false;
    fsAgenda.Remember(path);
    ui_->esFilename->setText(path);
    const WriteResult saved = book.Save(path, prompter_);
    if (saved)
        undo_->setClean();
    else
        prompter_.InformationDetail(AppText::errorSaving().arg(MarkupEscape(MessagePath(path))), saved.reason);
    UpdateButtons();
    return saved.ok;
}

bool MainWindow::AskSave()
{
    if (!book.Modified())
        return true;
    switch (prompter_.YesNoCancel(AppText::saveModified())) {
    case Prompter::Answer::Yes:
        return SaveAs();
    case Prompter::Answer::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::Exit()
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

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the window asks the same questions as the Exit button; the window
    // closes only when the run ends.
    event->ignore();
    if (!finished_)
        Exit();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // A new application font rescales everything measured in layout units.
    if (event->type() == QEvent::FontChange && ui_->btLoad) {
        const double before = zoom_;
        ApplyZoom();
        for (int k = 0; k < kListCount; ++k)
            for (int c = 0; c < kColumnCount; ++c)
                if (!List(k)->isColumnHidden(c))
                    List(k)->setColumnWidth(c, int(std::lround(List(k)->columnWidth(c) * zoom_ / before)));
    }
}

void MainWindow::keyPressEvent(QKeyEvent *event)
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

bool MainWindow::CheckUpdates()
{
    if (!prompter_.YesNo(AppText::checkUpdates()))
        return false;
    return RunUpdateCheck();
}

bool MainWindow::RunUpdateCheck()
{
    // The first use of the online module: loaded only now that the user asked for it.
    const OnlineServices *online = Online(prompter_);
    return online && online->checkForUpdate(AppText::programName, AppText::version, true, prompter_);
}

int MainWindow::Run()
{
    finished_ = false;
    show();
    const int code = loop_.exec();
    hide();
    return code;
}
