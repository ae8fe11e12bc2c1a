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
};

void TestEditorLink::editorStoresAndSteps()
{
    ScriptedPrompter p;
    KESTRAVON w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    RecordListView *list = w.List(0);
    // Sorted by label, the editor's Next follows the sorted order.
    list->sortItems(KESTRAVON::colLabel, Qt::AscendingOrder);
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
    QCOMPARE(list->CellText(1, KESTRAVON::colLabel), QStringLiteral("AAA FIRST"));
    QCOMPARE(list->CellText(2, KESTRAVON::colLabel), QStringLiteral("AAA SECOND"));
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(w.agenda.modified);
    QVERIFY(Button(w, "btSave")->isEnabled());
}

QTEST_MAIN(TestEditorLink)
#include "test_editorlink.moc"
