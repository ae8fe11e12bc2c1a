#pragma once

#include "store/agenda.h"
#include "store/fields.h"
#include "store/phonebook.h"

#include <QEventLoop>
#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>

#include "common/prompter.h"
#include "formats/vcardimport.h"

struct CsvInsertFile;

class ImportReview;
enum class ImportSource;
class PhoneRegionDlg;
class PhoneTidyDlg;
class CheckReportDlg;
class QMenu;
class RecordTableModel;
class UserListProxy;
class RecordListView;
class RowEditDelegate;
class QUndoStack;
class QAction;
class QTabWidget;
class QLineEdit;
class QPushButton;

namespace Ui {
class KESTRAVONLayout;
}

// A file selector: its file types, default extension, and the folder it starts in, which
// it remembers between uses.
struct FileSelector
{
    QString filter;         // e.g. "vCard file (*.vcf);;All files (*)"
    QString defaultSuffix;  // without the dot
    QString directory;

    // A request of this selector; `proposed` is the file name offered.
    Prompter::FileRequest Request(Prompter::FileRequest::Mode mode, const QString &title,
                                  const QString &proposed) const;
    // Remembers the folder of a chosen file.
    void Remember(const QString &path);
};

// An image of the program's resources (":/AgendaImg/<name>", with "<name>@2x" for screens
// scaled by 2 when there is one), read as PNG: without a format named, Qt loads every
// image plugin to recognise the data.
QIcon AgendaImage(const QString &name);

// The main window: one phonebook, shown as one record list per user on the tabs of
// `tcUser`, with the commands that change it and the load/save/exit workflow. Every
// question goes through the Prompter given at construction, so each workflow runs the
// same way with message boxes or with scripted answers.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kListCount = 4;
    static constexpr int kColumnCount = kListColumnCount;
    static constexpr int kEditCount = kColumnCount - 1;  // every column but `record`
    static constexpr int kRowHeight = 20;
    static constexpr int kExitCode = 9999;

    // Column indexes: the list fields of the field table.
    enum Column {
        colRecord = int(FieldId::Record), colLabel = int(FieldId::Label), colNote = int(FieldId::Note),
        colFld51 = int(FieldId::Fld51), colStreet = int(FieldId::Street), colNumb = int(FieldId::Numb),
        colZip = int(FieldId::Zip), colCity = int(FieldId::City), colCountry = int(FieldId::Country),
        colNav = int(FieldId::Gps), colPhone1 = int(FieldId::Phone1), colEmail1 = int(FieldId::Email1)
    };

    // The texts of one row's edit fields, columns 1..19 (index = column - 1).
    using EditFields = std::array<QString, kEditCount>;

    explicit MainWindow(Prompter &prompter, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The phonebook, owned for the whole run; every change goes through it, and the lists
    // follow its announcements.
    Phonebook book;
    // Its records, read-only.
    const Agenda &agenda = book.Data();

    // Remembered column widths, one row per list (entries 20..29 are unused).
    std::array<std::array<int, 30>, kListCount> savedWidth;

    // The file selectors for phonebooks, vCard files and CSV files.
    FileSelector fsAgenda;
    FileSelector fsVcf;
    FileSelector fsCsv;

    RecordListView *List(int k) const { return lists_[size_t(k)]; }
    int CurrentTab() const;
    RecordListView *CurrentList() const;
    QString Filename() const;

    // Lists: columns and sort order as after a load, the list at its top.
    void SetupLists();
    void UpdateButtons();
    // After the record editor stored a slot: the cursor goes to its row (or remembers the
    // row it left when a new owner took the record to another list).
    void RefreshSlot(int slot);
    void StepCursor(bool next, int &slot);
    void EditCurrent();
    void ToggleColumn(int column);
    void ColumnMenu(QMenu &menu);
    int ColumnWidth(int k, int column) const;
    // The slot shown in a row of list k, or -1.
    int RowSlot(int k, int row) const;
    // The row of list k showing a slot, or -1.
    int FindRow(int k, int slot) const;
    int SelectedCount() const;
    // The slot of the current list's cursor row, or 0 when there is none.
    int CursorSlot() const;
    int FreeSlots() const;

    // One cell typed in place: stored through the one edit path (AcceptCellEdit); a
    // refusal is shown. False when the text was refused.
    bool EditCell(int k, int row, int column, const QString &text);
    // The current texts of a row as edit fields.
    EditFields RowFields(int k, int row) const;
    // A record's texts as edit fields.
    static EditFields FieldsOf(const AgendaRecord &record);
    // Whether a column can be edited in place: not the record number, and not `fld51`,
    // which the file form written by Save cannot hold.
    static bool IsEditableColumn(int column);
    // A text typed into a cell editor that has closed; applied when control returns to the
    // event loop or when a command commits it first.
    void QueueCellEdit(int k, int slot, int column, const QString &text);
    // Closes an open cell editor and applies every typed text not yet applied, so that a
    // command sees it. False when a text was refused (its editor is open again).
    bool CommitCellEdit();

    // Record list commands.
    void ContextMenu(QMenu &menu);
    void InsertMenu();
    void BuildInsertMenu(QMenu &menu);
    void InsertNew();
    void SelectAll();
    void DeleteSelected();
    void MoveToUser(int user);
    void CopyToUser(int user);
    void MoveMenu(QMenu &menu);
    void CopyMenu(QMenu &menu);

    // The phonebook check: runs it and shows its report window (non-modal, reused), whose
    // double-click selects the record.
    void CheckPhonebook();
    // "Tidy phone numbers" on the selected records: the preview, then the ticked numbers
    // written as one undo step.
    void TidyPhones();
    // The phone region dialog; OK stores the region (phone/region).
    void ChoosePhoneRegion();
    // After phone k (0-based) of a slot was typed into its cell, which keeps the text as
    // typed: the status bar says when it is no valid number or another contact of the user
    // holds the same number, and is cleared otherwise.
    void NotePhone(int slot, int phone);
    // Puts the cursor on the row of a slot, alone selected, on its list's tab; false when
    // no list shows the slot.
    bool SelectSlot(int slot);

    // vCard and CSV commands.
    void ExportMenu();
    void ImportMenu();
    // The entries of the export and import pop-up menus.
    void BuildExportMenu(QMenu &menu);
    void BuildImportMenu(QMenu &menu);
    void ExportVcf();
    void ImportVcf();
    void InsertVcf();
    // Inserts every card of the files as new records (after the review when they hold
    // more than one card); the insert command and files dropped on the window use it.
    void InsertVcfFiles(const QStringList &paths);
    // The selected records as the cards of one file.
    void ExportOneVcf();
    void ExportCsv();
    // Writes the selected records in the layout of a Google Contacts export.
    void ExportGoogleCsv();
    void ImportCsv();
    void InsertCsv();
    // Inserts records from a CSV file already chosen.
    void InsertCsvFile(const QString &path);
    // Opens the import review over the cards and inserts those chosen (nothing for none);
    // returns the review's answer (QDialog::Accepted, Rejected or
    // ImportReviewDlg::kColumnsChosen).
    int InsertReviewedCards(std::vector<CardOfFile> cards, ImportSource source);
    // Opens the column-mapping dialog over the file's columns as mapped now; on OK takes
    // the choice and remembers it for the same header; false when cancelled.
    bool ChooseCsvColumns(CsvInsertFile &file);

    // Filter: every list shows only the rows that match the text of `esFilter`.
    QString FilterText() const;
    void SetFilterText(const QString &text);
    void ApplyFilter();
    // The caption of a user's tab: its user name, with the shown and total row counts
    // while a filter is set ("MARCO:1 (12/140)").
    QString TabCaption(int slot) const;

    // Undo and redo: every change to the phonebook since it was loaded, one step per
    // command (see ChangeScope).
    QUndoStack &UndoStack() const { return *undo_; }
    void Undo();
    void Redo();
    // After a step was done, undone or redone: `modified` follows the stack (undoing back
    // to the loaded or saved state clears it) and the buttons follow.
    void ChangesUndone();

    // Sizes: layout units are pixels at a 9-point font and scale with a larger one.
    static double LayoutZoom(const QFont &font);
    // A size in layout units as pixels for the window's font.
    int Z(int units) const;
    double Zoom() const { return zoom_; }

    // Load, save and exit.
    bool LoadFile(const QString &path);
    void OnLoad();
    bool SaveAs();
    bool AskSave();
    void Exit();
    // True once Exit has ended the window's run.
    bool Finished() const { return finished_; }

    // Start-up.
    bool CheckUpdates();
    // Shows the window and runs it until Exit; returns the loop's code.
    int Run();

protected:
    // Opens the record editor on a slot.
    virtual void OpenEditor(int slot);
    // Looks for a newer version and installs it; true when this instance must end.
    virtual bool RunUpdateCheck();
    // Shows the import review over `review` (which it changes: checks, user, shortening);
    // the dialog's result: QDialog::Accepted for OK, ImportReviewDlg::kColumnsChosen for
    // "Columns...".
    virtual int ReviewImport(ImportReview &review);
    // Shows the tidy preview (which the user may change: the form, the ticks); true for OK.
    virtual bool ReviewPhoneTidy(PhoneTidyDlg &dialog);
    // Shows the phone region dialog; true for OK.
    virtual bool AskPhoneRegion(PhoneRegionDlg &dialog);

    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

    Prompter &prompter_;

private:
    friend class ChangeScope;
    // Makes the lists follow the document: the tab captions and buttons after changes.
    void ConnectBook();
    // The number of selected rows to move or copy to `user`, after the question asked for
    // two or more; 0 when there is nothing to do (no such user, no selection, Cancel).
    int SelectionForUser(int user, const QString &question);
    // A selected row of the current list, as the bulk commands take it.
    struct SelectedRow
    {
        int row;
        int slot;
        QString label;
    };
    // The selected rows of the current list from the top, in display order.
    QList<SelectedRow> SelectedRows() const;
    // Puts the cursor on a newly inserted slot's row of the current list; a filter that
    // hides it is cleared first.
    void ShowInserted(int slot);

    void BuildLists();
    // Shortcuts (Ctrl+O, Ctrl+S, Ctrl+Q, Delete, Shift+F10) and file drops.
    void SetupKeys();
    void ApplyZoom();
    void ContextMenuAtCursor();
    // Where a button's pop-up menu opens: at the pointer when the mouse clicked the button,
    // below the button when the keyboard did.
    QPoint MenuPosition(const QWidget *button) const;
    QPoint InsertMenuPosition() const;
    QPoint ExportMenuPosition() const;
    QPoint ImportMenuPosition() const;
    void BuildList(int k);
    void CaptionUserTab(int slot);
    bool IsRowSelected(RecordListView *list, int row) const;
    void SortColumn(int k, int column);
    void ShowColumnMenu(int k, const QPoint &pos);
    void ShowContextMenu(int k, const QPoint &pos);

    struct TypedCell
    {
        int list;
        int slot;
        int column;
        QString text;
    };
    // Applies the queued cell texts; false when one was refused.
    bool ApplyCellEdits();
    // Opens the cell editor again on a refused text, with the text selected.
    void ReopenCellEditor(const TypedCell &cell);

    Ui::KESTRAVONLayout *ui_;
    std::array<RowEditDelegate *, kListCount> delegates_{};
    QList<TypedCell> typed_;
    QUndoStack *undo_ = nullptr;
    QAction *undoAction_ = nullptr;
    QAction *redoAction_ = nullptr;
    double zoom_ = 1.0;
    RecordTableModel *table_ = nullptr;
    std::array<UserListProxy *, kListCount> proxies_{};
    std::array<RecordListView *, kListCount> lists_{};
    // Sort state per list: last column clicked and its order.
    std::array<int, kListCount> sortColumn_{};  // -1: slot order
    std::array<bool, kListCount> sortAscending_{};
    QEventLoop loop_;
    QPointer<CheckReportDlg> checkReport_;
    bool finished_ = false;
    // The row a record had in the current list before the record editor gave it to
    // another user, for the editor's Previous and Next; -1 otherwise.
    int leftRow_ = -1;
};
