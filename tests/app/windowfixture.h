#pragma once

#include "app/mainwindow.h"
#include "support/scriptedprompter.h"
#include "formats/importreview.h"
#include "app/phonetidydlg.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QList>
#include <QPushButton>
#include <QTabWidget>
#include "app/recordlist.h"
#include <QTemporaryDir>

#include <functional>

// The main window with the record editor and the update check replaced by recorders.
class TestWindow : public MainWindow
{
public:
    explicit TestWindow(Prompter &prompter) : MainWindow(prompter) {}

    QList<int> editorSlots;
    // How long the recorded editor stays "open", running events as a modal dialog would.
    int editorOpenMs = 0;
    // Runs while the recorded editor is "open", e.g. to store a record as the editor would.
    std::function<void(int)> whileEditorOpen;
    int updateChecks = 0;
    bool updateResult = false;
    // Answers the import review (changing it as a user would) with the dialog's result
    // (true: OK); unset: OK as shown.
    std::function<int(ImportReview &)> review;
    int reviews = 0;
    // Answers the tidy preview of phone numbers (unset: OK as shown) and the region dialog.
    std::function<bool(PhoneTidyDlg &)> tidyReview;
    int tidyReviews = 0;
    std::function<bool(PhoneRegionDlg &)> regionAnswer;

protected:
    void OpenEditor(int slot) override
    {
        editorSlots.append(slot);
        if (whileEditorOpen)
            whileEditorOpen(slot);
        if (editorOpenMs > 0) {
            QEventLoop loop;
            QTimer::singleShot(editorOpenMs, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    bool RunUpdateCheck() override
    {
        ++updateChecks;
        return updateResult;
    }
    int ReviewImport(ImportReview &r) override
    {
        ++reviews;
        return review ? review(r) : int(QDialog::Accepted);
    }
    bool ReviewPhoneTidy(PhoneTidyDlg &d) override
    {
        ++tidyReviews;
        return tidyReview ? tidyReview(d) : true;
    }
    bool AskPhoneRegion(PhoneRegionDlg &d) override
    {
        return regionAnswer ? regionAnswer(d) : false;
    }
};

inline QString SampleAgenda()
{
    return QStringLiteral(KESTRAVON_TESTDATA "/agenda/Agenda.dat");
}

// A writable copy of the sample phonebook in `dir`.
inline QString CopySample(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("Agenda.dat"));
    QFile::remove(path);
    QFile::copy(SampleAgenda(), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

inline QPushButton *Button(const QWidget &w, const char *name)
{
    return w.findChild<QPushButton *>(QString::fromLatin1(name));
}

inline QTabWidget *Tabs(const QWidget &w)
{
    return w.findChild<QTabWidget *>(QStringLiteral("tcUser"));
}

// Selects whole rows of a list and puts the cursor on `cursor` (-1: no cursor row).
inline void SelectRows(RecordListView *list, const QList<int> &rows, int cursor)
{
    QItemSelectionModel *sel = list->selectionModel();
    sel->clear();
    for (int r : rows)
        sel->select(list->model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    sel->setCurrentIndex(cursor < 0 ? QModelIndex() : list->model()->index(cursor, 0),
                         QItemSelectionModel::NoUpdate);
}

// The row of a list whose label cell reads `label`, or -1.
inline int RowOfLabel(const RecordListView *list, const QString &label)
{
    for (int r = 0; r < list->rowCount(); ++r)
        if (list->CellText(r, MainWindow::colLabel) == label)
            return r;
    return -1;
}

inline int RecordCell(const RecordListView *list, int row)
{
    return list->model()->index(row, MainWindow::colRecord).data().toInt();
}

// The first contact slot (not a user) of a list whose record has a field set, or -1.
template <typename Pred>
int FindContactRow(const MainWindow &w, int k, Pred pred)
{
    for (int r = 0; r < w.List(k)->rowCount(); ++r) {
        const int slot = w.RowSlot(k, r);
        const AgendaRecord *rec = w.agenda.RecordAt(slot);
        if (slot >= w.agenda.userCount && rec && pred(*rec))
            return r;
    }
    return -1;
}

// The enabled state of the six command buttons as one text, e.g. "Save- Export+ ...".
inline QString ButtonStates(const QWidget &w)
{
    QStringList out;
    for (const char *name : {"btSave", "btExport", "btImport", "btInsert", "btDelete", "btEdit"})
        out.append(QString::fromLatin1(name + 2) + (Button(w, name)->isEnabled() ? "+" : "-"));
    return out.join(QLatin1Char(' '));
}
