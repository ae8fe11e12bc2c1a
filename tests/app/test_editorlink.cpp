// The main window opens the record editor on the cursor row and follows what it stores.
#include "app/windowfixture.h"

#include "editor/editrecorddlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

class TestEditorLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editorStoresAndSteps();
    void nextAfterOwnerChange_data();
    void nextAfterOwnerChange();
};

void TestEditorLink::editorStoresAndSteps()
{
    ScriptedPrompter p;
    MainWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    RecordListView *list = w.List(0);
    // Sorted by label, the editor's Next follows the sorted order.
    list->sortItems(MainWindow::colLabel, Qt::AscendingOrder);
    list->setCurrentCell(1, 0);
    const int first = w.RowSlot(0, 1);
    const int second = w.RowSlot(0, 2);

    bool ran = false;
    QTimer::singleShot(0, &w, [&] {
        auto *editor = qobject_cast<EditRecordDlg *>(QApplication::activeModalWidget());
        QVERIFY(editor);
        // A failed check must not leave the dialog open.
        const auto close = qScopeGuard([editor] {
            if (editor->isVisible())
                editor->reject();
        });
        QCOMPARE(editor->Slot(), first);
        editor->findChild<QLineEdit *>(QStringLiteral("esLabel"))->setText(QStringLiteral("AAA FIRST"));
        editor->Step(true);
        QCOMPARE(editor->Slot(), second);
        QCOMPARE(list->currentRow(), 2);
        editor->findChild<QLineEdit *>(QStringLiteral("esLabel"))->setText(QStringLiteral("AAA SECOND"));
        editor->OnOk();
        ran = true;
    });
    w.EditCurrent();
    QVERIFY(ran);
    QCOMPARE(w.agenda.RecordAt(first)->label, QStringLiteral("AAA FIRST"));
    QCOMPARE(w.agenda.RecordAt(second)->label, QStringLiteral("AAA SECOND"));
    // Both rows were rewritten in place; the list was not sorted again.
    QCOMPARE(list->CellText(1, MainWindow::colLabel), QStringLiteral("AAA FIRST"));
    QCOMPARE(list->CellText(2, MainWindow::colLabel), QStringLiteral("AAA SECOND"));
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(w.agenda.modified);
    QVERIFY(Button(w, "btSave")->isEnabled());
}

void TestEditorLink::nextAfterOwnerChange_data()
{
    QTest::addColumn<bool>("next");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("expectedRow");  // in the list before the record left it
    QTest::newRow("next") << true << 2 << 3;
    QTest::newRow("previous") << false << 2 << 1;
    QTest::newRow("previous from the last row") << false << -1 << -2;
}

// A record whose owner the editor changes leaves the list; Previous and Next still go to
// the neighbours it had there.
void TestEditorLink::nextAfterOwnerChange()
{
    QFETCH(bool, next);
    QFETCH(int, startRow);
    QFETCH(int, expectedRow);
    ScriptedPrompter p;
    MainWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    RecordListView *list = w.List(0);
    const int rows = list->rowCount();
    if (startRow < 0) {
        startRow += rows;
        expectedRow += rows;
    }
    list->setCurrentCell(startRow, 0);
    const int moved = w.RowSlot(0, startRow);
    const int expected = w.RowSlot(0, expectedRow);

    int shown = -1;
    QTimer::singleShot(0, &w, [&] {
        auto *editor = qobject_cast<EditRecordDlg *>(QApplication::activeModalWidget());
        QVERIFY(editor);
        const auto close = qScopeGuard([editor] { editor->reject(); });
        editor->findChild<QLineEdit *>(QStringLiteral("eiOwner"))->setText(QStringLiteral("2"));
        editor->Step(next);
        shown = editor->Slot();
    });
    w.EditCurrent();
    QCOMPARE(w.agenda.RecordAt(moved)->owner, 2u);
    QVERIFY(w.FindRow(1, moved) >= 0);
    QCOMPARE(shown, expected);
    QCOMPARE(w.RowSlot(0, list->currentRow()), expected);
}

QTEST_MAIN(TestEditorLink)
#include "test_editorlink.moc"
