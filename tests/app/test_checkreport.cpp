// The phonebook check in the window: button, context menu entry, report, selection.
#include "app/windowfixture.h"

#include "app/checkreport.h"
#include "store/phonenumber.h"
#include "support/craftedcheck.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

class TestCheckReport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void reportListsFindingsAndSelectsTheRecord();
    void contextMenuEntryRefreshesTheReport();
    void openReportFollowsEdits();
};

void TestCheckReport::initTestCase()
{
    // The crafted phonebooks hold Italian numbers written without the country code.
    QStandardPaths::setTestModeEnabled(true);
    StorePhoneRegion(QStringLiteral("IT"));
}

void TestCheckReport::reportListsFindingsAndSelectsTheRecord()
{
    ScriptedPrompter prompter;
    TestWindow w(prompter);
    w.book.Replace(CraftedCheck::EveryKindOnce());
    AgendaRecord second = CraftedCheck::Contact(QStringLiteral("Dora"), QStringLiteral("0800 DORA"));
    second.owner = 2;
    const int dora = w.book.InsertRecord(second).slot;
    w.SetupLists();
    w.show();

    Button(w, "btCheck")->click();
    auto *report = w.findChild<CheckReportDlg *>(QStringLiteral("CheckReport"));
    QVERIFY(report);
    QVERIFY(report->isVisible());
    QVERIFY(!report->isModal());
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QCOMPARE(report->RowCount(), CraftedCheck::kEveryKind.size() + 1);
    QVERIFY(prompter.shown.isEmpty());

    auto *table = report->findChild<QTableWidget *>(QStringLiteral("tbFindings"));
    const int last = table->rowCount() - 1;
    QCOMPARE(report->RowSlot(last), dora);
    QCOMPARE(table->item(last, 1)->text(), QStringLiteral("User:2"));
    QCOMPARE(table->item(last, 2)->text(), QStringLiteral("phone 1"));
    QCOMPARE(table->item(7, 3)->text(), QStringLiteral("has no label"));

    // Double-clicking a finding puts the cursor on its record, alone selected, on its tab.
    w.List(0)->selectAll();
    auto doubleClick = [&](int row) {
        table->scrollTo(table->model()->index(row, 3));
        const QRect cell = table->visualRect(table->model()->index(row, 3));
        // A double-click as the window system delivers it: press, release, then the
        // second press as a double-click, and release.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    };
    QSignalSpy chosen(report, &CheckReportDlg::RecordChosen);
    doubleClick(last);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(Tabs(w)->currentIndex(), 1);
    QCOMPARE(w.CursorSlot(), dora);
    QCOMPARE(w.SelectedCount(), 1);
    doubleClick(1);  // owner 7: shown with the first user
    QCOMPARE(Tabs(w)->currentIndex(), 0);
    QCOMPARE(w.CursorSlot(), report->RowSlot(1));
    QCOMPARE(w.SelectedCount(), 1);
    QVERIFY(report->isVisible());

    // From the keyboard: Enter on a finding selects its record, and the report stays.
    table->setFocus();
    table->setCurrentCell(last, 0);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(chosen.size(), 3);
    QCOMPARE(w.CursorSlot(), dora);
    QVERIFY(report->isVisible());
}

namespace {

// The report opened over a phonebook whose one finding is a phone with letters (slot 5).
CheckReportDlg *ReportOnLetters(TestWindow &w)
{
    w.book.Replace(CraftedCheck::WithFirstContact());
    w.book.InsertRecord(CraftedCheck::Spoilt(QStringLiteral("letters")));
    w.SetupLists();
    w.CheckPhonebook();
    return w.findChild<CheckReportDlg *>(QStringLiteral("CheckReport"));
}

} // namespace

void TestCheckReport::contextMenuEntryRefreshesTheReport()
{
    ScriptedPrompter prompter;
    TestWindow w(prompter);
    CheckReportDlg *report = ReportOnLetters(w);
    QCOMPARE(report->RowCount(), 1);

    // Fixed since: the entry checks again in the same window.
    AgendaRecord fixed = *w.agenda.RecordAt(5);
    fixed.phone[1] = QStringLiteral("0800 356937");
    w.book.StoreRecord(5, fixed);
    QMenu menu;
    w.ContextMenu(menu);
    QAction *entry = nullptr;
    for (QAction *a : menu.actions())
        if (a->text() == QLatin1String("Check phonebook"))
            entry = a;
    QVERIFY(entry);
    entry->trigger();
    QCOMPARE(w.findChildren<CheckReportDlg *>().size(), 1);
    QCOMPARE(report->RowCount(), 0);
    QCOMPARE(report->findChild<QLabel *>(QStringLiteral("lbSummary"))->text(),
             QStringLiteral("Nothing found: the unit can take every record as it is."));
    // A load replaces the records the report names: it closes.
    QVERIFY(report->isVisible());
    QVERIFY(w.LoadFile(SampleAgenda()));
    QVERIFY(!report->isVisible());
}

void TestCheckReport::openReportFollowsEdits()
{
    ScriptedPrompter prompter;
    TestWindow w(prompter);
    CheckReportDlg *report = ReportOnLetters(w);
    QCOMPARE(report->RowCount(), 1);
    const int k = int(w.agenda.RecordAt(5)->owner) - 1;
    QVERIFY(w.EditCell(k, w.FindRow(k, 5), MainWindow::colPhone1 + 1, QStringLiteral("0800 356937")));
    QCOMPARE(report->RowCount(), 0);
    w.Undo();
    QCOMPARE(report->RowCount(), 1);
}

QTEST_MAIN(TestCheckReport)
#include "test_checkreport.moc"
