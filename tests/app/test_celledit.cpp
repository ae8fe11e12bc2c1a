// In-place cell editing driven by real key and mouse events: an open editor is committed
// before a command, refused texts stay in their editor, and a double-click never leaves a
// cell editor behind.
#include "app/windowfixture.h"

#include "app/apptexts.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

class TestCellEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openEditorCommittedBeforeCommand_data();
    void openEditorCommittedBeforeCommand();
    void refusedTextStaysInEditor_data();
    void refusedTextStaysInEditor();
    void fld51IsReadOnly();
    void doubleClickOpensNoCellEditor();
    void tabLeavesListButNotEditing();
    void cursorMovedAwayStaysWhereMoved();
};

namespace {

struct Shown
{
    ScriptedPrompter p;
    TestWindow w{p};
    Shown()
    {
        w.LoadFile(SampleAgenda());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
};

// The visible cell editor of a list, or nullptr.
QLineEdit *OpenEditor(const MainWindow &w, int k)
{
    for (QLineEdit *edit : w.List(k)->viewport()->findChildren<QLineEdit *>())
        if (edit->isVisible())
            return edit;
    return nullptr;
}

// Opens the editor of a cell as F2 does and types a text over its content.
QLineEdit *TypeInto(MainWindow &w, int row, int column, const QString &text)
{
    auto *list = w.List(0);
    list->setFocus();
    list->setCurrentIndex(list->model()->index(row, column));
    QTest::keyClick(list, Qt::Key_F2);
    QLineEdit *edit = OpenEditor(w, 0);
    if (edit) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    return edit;
}

QPoint CellCenter(const MainWindow &w, int row, int column)
{
    return w.List(0)->visualRect(w.List(0)->model()->index(row, column)).center();
}

} // namespace

void TestCellEdit::openEditorCommittedBeforeCommand_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("questions");
    QTest::newRow("Alt+L") << "alt-l" << QStringList{AppText::saveModified()};
    QTest::newRow("click Exit") << "exit" << QStringList{AppText::ExitQuestion(), AppText::saveModified()};
}

void TestCellEdit::openEditorCommittedBeforeCommand()
{
    QFETCH(QString, how);
    QFETCH(QStringList, questions);
    Shown s;
    const int row = RowOfLabel(s.w.List(0), QStringLiteral("ROSSI MARIO"));
    const int slot = s.w.RowSlot(0, row);
    QLineEdit *edit = TypeInto(s.w, row, MainWindow::colCity, QStringLiteral("firenze"));
    QVERIFY(edit);
    s.p.answers = {Prompter::Answer::Ok, Prompter::Answer::Cancel};
    if (how == QLatin1String("alt-l"))
        QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    else
        QTest::mouseClick(Button(s.w, "btExit"), Qt::LeftButton);
    // The question about unsaved changes sees the typed city; Cancel keeps everything.
    QTRY_COMPARE(s.p.Messages(), questions);
    QCOMPARE(s.w.agenda.slots[size_t(slot)].city, QStringLiteral("FIRENZE"));
    QVERIFY(s.w.agenda.modified);
    QVERIFY(!s.w.Finished());
    QCOMPARE(s.w.Filename(), SampleAgenda());
}

void TestCellEdit::refusedTextStaysInEditor_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("too long") << int(MainWindow::colNumb) << "1234567" << "Please enter no more than 5 characters.";
    QTest::newRow("empty label") << int(MainWindow::colLabel) << "" << "Null value not allowed.";
    QTest::newRow("GPS without digits") << int(MainWindow::colNav) << "Munich" << "Invalid GPS position.";
}

void TestCellEdit::refusedTextStaysInEditor()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Shown s;
    const int row = RowOfLabel(s.w.List(0), QStringLiteral("ROSSI MARIO"));
    const int slot = s.w.RowSlot(0, row);
    const AgendaRecord before = s.w.agenda.slots[size_t(slot)];
    QLineEdit *edit = TypeInto(s.w, row, column, text);
    QVERIFY(edit);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE(s.p.Messages(), QStringList{message});
    // The typed text waits, selected, in an open editor on the same cell.
    QTRY_VERIFY(OpenEditor(s.w, 0));
    edit = OpenEditor(s.w, 0);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->selectedText(), text);
    QCOMPARE(s.w.List(0)->currentIndex().column(), column);
    QVERIFY(s.w.agenda.slots[size_t(slot)] == before);
    QVERIFY(!s.w.agenda.modified);
}

void TestCellEdit::fld51IsReadOnly()
{
    Shown s;
    auto *list = s.w.List(0);
    list->showColumn(MainWindow::colFld51);
    list->setColumnWidth(MainWindow::colFld51, 100);
    list->setCurrentIndex(list->model()->index(1, MainWindow::colFld51));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F2);
    QVERIFY(!OpenEditor(s.w, 0));
    QVERIFY(!s.w.EditCell(0, 1, MainWindow::colFld51, QStringLiteral("x")));
    QVERIFY(!s.w.agenda.modified);
}

void TestCellEdit::doubleClickOpensNoCellEditor()
{
    Shown s;
    auto *list = s.w.List(0);
    const int row = RowOfLabel(list, QStringLiteral("ROSSI MARIO"));
    const QPoint at = CellCenter(s.w, row, MainWindow::colLabel);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    // A click on the selected row, then a double-click: only the record editor opens, also
    // when it stays open past the double-click time.
    s.w.editorOpenMs = QApplication::doubleClickInterval() + 100;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(s.w.editorSlots, QList<int>{s.w.RowSlot(0, row)});
    QTest::qWait(50);
    QVERIFY(!OpenEditor(s.w, 0));
    // A single click on the selected cell still edits it once the double-click time is over.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(OpenEditor(s.w, 0));
}

// Tab in a cell editor goes on to the next cell; Tab on the list itself goes on to the next
// control instead of walking through thousands of cells.
void TestCellEdit::tabLeavesListButNotEditing()
{
    Shown s;
    QApplication::setActiveWindow(&s.w);
    QVERIFY(QTest::qWaitForWindowActive(&s.w));
    const int row = RowOfLabel(s.w.List(0), QStringLiteral("ROSSI MARIO"));
    QLineEdit *edit = TypeInto(s.w, row, MainWindow::colLabel, QStringLiteral("ROSSI MARIA"));
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_Tab);
    QTRY_COMPARE(s.w.List(0)->currentIndex().column(), int(MainWindow::colStreet));
    QTRY_VERIFY(OpenEditor(s.w, 0));
    QTest::keyClick(OpenEditor(s.w, 0), Qt::Key_Escape);
    QTRY_COMPARE(s.w.agenda.RecordAt(s.w.RowSlot(0, row))->label, QStringLiteral("ROSSI MARIA"));

    s.w.List(0)->setFocus();
    QTRY_VERIFY(s.w.List(0)->hasFocus());
    QTest::keyClick(s.w.List(0), Qt::Key_Tab);
    QVERIFY(!s.w.List(0)->hasFocus());
}

// Leaving an edit with Down applies the text to the edited record; the cursor and the
// selection stay on the row the user moved to instead of jumping back.
void TestCellEdit::cursorMovedAwayStaysWhereMoved()
{
    Shown s;
    const int row = RowOfLabel(s.w.List(0), QStringLiteral("ROSSI MARIO"));
    const int slot = s.w.RowSlot(0, row);
    QLineEdit *edit = TypeInto(s.w, row, MainWindow::colCity, QStringLiteral("firenze"));
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_Down);
    QTRY_COMPARE(s.w.agenda.RecordAt(slot)->city, QStringLiteral("FIRENZE"));
    QCOMPARE(s.w.List(0)->currentRow(), row + 1);
    QCOMPARE(s.w.SelectedCount(), 1);
    QVERIFY(s.w.List(0)->selectionModel()->isRowSelected(row + 1, QModelIndex()));
}

QTEST_MAIN(TestCellEdit)
#include "test_celledit.moc"
