// The interactive paths that must feel instant (run offscreen): filling the four record
// lists from a phonebook with all 403 slots used, the visible page drawn (target 3 ms),
// redrawing after one change (1 ms), one filter keystroke (1 ms), one undo (1 ms), opening
// the record editor (20 ms), and opening the import review over the 1,000 cards of one
// phone export (well under half a second).
#include "benchsupport.h"
#include "support/phoneexport.h"

#include "app/importreviewdlg.h"
#include "app/mainwindow.h"
#include "app/recordlist.h"
#include "app/undo.h"
#include "support/scriptedprompter.h"
#include "editor/editrecorddlg.h"
#include "formats/importreview.h"

#include <QFile>
#include <QTemporaryDir>

#include <QApplication>

namespace {

void FillAgenda(Agenda &a)
{
    for (int i = 4; i < Agenda::kCapacity; ++i) {
        AgendaRecord r;
        r.owner = uint32_t(1 + i % 4);
        r.label = QStringLiteral("CONTACT NUMBER %1").arg(i);
        r.note = QStringLiteral("A note about contact %1").arg(i);
        r.street = QStringLiteral("VIA GIUSEPPE GARIBALDI");
        r.numb = QStringLiteral("12");
        r.city = QStringLiteral("ROMA");
        r.nav.SetGpsText(QStringLiteral("N41.9,E12.5"));
        r.phone[0] = QStringLiteral("+39 06 %1").arg(1000000 + i);
        r.phoneType[0] = 7;
        r.email[0] = QStringLiteral("contact%1@example.com").arg(i);
        r.emailType[0] = 1;
        a.InsertRecord(r);
    }
}

// The window over a full phonebook, shown and drawn once.
struct FullWindow
{
    ScriptedPrompter prompter;
    MainWindow window{prompter};
    Agenda full;
    FullWindow()
    {
        FillAgenda(full);
        window.book.Replace(full);
        window.SetupLists();
        window.show();
        QCoreApplication::processEvents();
    }
};

void BM_FillLists(benchmark::State &state)
{
    FullWindow w;
    for (auto _ : state) {
        w.window.book.Replace(w.full);
        w.window.SetupLists();
        QCoreApplication::processEvents();
    }
}

// The fill alone, without drawing the page that becomes visible.
void BM_FillListsOnly(benchmark::State &state)
{
    FullWindow w;
    for (auto _ : state) {
        w.window.book.Replace(w.full);
        w.window.SetupLists();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// One in-place change reported to the lists: only its row is redrawn.
void BM_RefreshOneSlot(benchmark::State &state)
{
    FullWindow w;
    int i = 0;
    for (auto _ : state) {
        AgendaRecord r = *w.window.agenda.RecordAt(100);
        r.city = (++i % 2) ? QStringLiteral("MILANO") : QStringLiteral("ROMA");
        w.window.book.StoreRecord(100, r);
        QCoreApplication::processEvents();
    }
}

// One undo (and, every other round, one redo) of deleting three records from a list
// sorted by label: the records come back in their sorted places, the page redrawn.
void BM_UndoStep(benchmark::State &state)
{
    FullWindow w;
    w.window.List(0)->sortItems(MainWindow::colLabel, Qt::AscendingOrder);
    {
        ChangeScope change(w.window, QStringLiteral("Delete"));
        for (int slot : {100, 200, 300})
            w.window.book.DeleteRecord(slot);
    }
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        if (++i % 2)
            w.window.UndoStack().undo();
        else
            w.window.UndoStack().redo();
        // The step itself: the lists placed, the cursor on the record; the page is drawn
        // untimed (BM_UndoStepDrawn includes it).
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_UndoStepDrawn(benchmark::State &state)
{
    FullWindow w;
    w.window.List(0)->sortItems(MainWindow::colLabel, Qt::AscendingOrder);
    {
        ChangeScope change(w.window, QStringLiteral("Delete"));
        for (int slot : {100, 200, 300})
            w.window.book.DeleteRecord(slot);
    }
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        if (++i % 2)
            w.window.UndoStack().undo();
        else
            w.window.UndoStack().redo();
        QCoreApplication::processEvents();
    }
}

// One keystroke in the filter field over 403 rows (the filter alternates between two texts).
void BM_FilterKeystroke(benchmark::State &state)
{
    FullWindow w;
    int i = 0;
    for (auto _ : state) {
        w.window.SetFilterText((++i % 2) ? QStringLiteral("contact 1") : QStringLiteral("contact 12"));
        QCoreApplication::processEvents();
    }
}

// The same with a phone number typed: each number is read as a number once (its keys are
// then kept), so the keystrokes after the first compare digit strings.
void BM_FilterPhoneKeystroke(benchmark::State &state)
{
    FullWindow w;
    w.window.SetFilterText(QStringLiteral("0039 06 100"));  // the first reading, not timed
    int i = 0;
    for (auto _ : state) {
        w.window.SetFilterText((++i % 2) ? QStringLiteral("0039 06 1001") : QStringLiteral("0039 06 10012"));
        QCoreApplication::processEvents();
    }
}

void BM_OpenEditor(benchmark::State &state)
{
    ScriptedPrompter prompter;
    Agenda agenda;
    FillAgenda(agenda);
    Phonebook book;
    book.Replace(agenda);
    for (auto _ : state) {
        EditRecordDlg dialog(book, 100, prompter);
        dialog.show();
        QCoreApplication::processEvents();
    }
}

// The review built over the cards already read, the dialog shown and painted.
void BM_OpenReview(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.vcf"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(PhoneExport(1000)) < 0)
        state.SkipWithError("cannot write the export");
    f.close();
    ScriptedPrompter prompter;
    Agenda agenda;
    FillAgenda(agenda);
    const std::vector<CardOfFile> cards = ReadCardFiles({path}, prompter);
    for (auto _ : state) {
        ImportReview review(agenda, cards, 1);
        ImportReviewDlg dialog(review);
        dialog.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(dialog.grab().size());
    }
}

} // namespace

BENCHMARK(BM_OpenReview)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillLists)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillListsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshOneSlot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterPhoneKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoStepDrawn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"fill the four lists, 403 rows", "BM_FillLists", "", 3},
                                    {"fill the four lists without drawing", "BM_FillListsOnly", "", 3},
                                    {"refresh after one change", "BM_RefreshOneSlot", "", 1},
                                    {"filter keystroke, 403 rows", "BM_FilterKeystroke", "", 1},
                                    {"filter keystroke, phone number, 403 rows", "BM_FilterPhoneKeystroke", "", 1},
                                    {"one undo or redo", "BM_UndoStep", "", 1},
                                    {"one undo or redo, page drawn", "BM_UndoStepDrawn", "", 3},
                                    {"open the record editor", "BM_OpenEditor", "", 20}});
}
