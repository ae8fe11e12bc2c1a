// Sorting text columns language-aware and the filter field: hidden rows, counts in the tab
// captions, commands on the visible selection only, Ctrl+F and Escape.
#include "app/windowfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

class TestListFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortIsLanguageAware_data();
    void sortIsLanguageAware();
    void filterRows_data();
    void filterRows();
    void commandsSeeVisibleRowsOnly();
    void filterKeys();
    void cursorLeavesHiddenRow();
    void filterFoldsLetters_data();
    void filterFoldsLetters();
    void insertedWhileFilteredIsShown();
    void placesAfterCommands();
    void newPhonebookInSlotOrder();
};

namespace {

// A phonebook of four users whose first user has the given contacts (label, phone, city,
// note).
void Fill(MainWindow &w, const QList<QStringList> &contacts)
{
    Agenda a;
    a.slots[0].label = QStringLiteral("MARCO");
    w.book.Replace(a);
    for (const QStringList &c : contacts) {
        AgendaRecord r;
        r.owner = 1;
        r.label = c.value(0);
        r.phone[0] = c.value(1);
        r.city = c.value(2);
        r.note = c.value(3);
        w.book.InsertRecord(r);
    }
    w.book.SetModified(false);
    w.SetupLists();
}

QStringList Labels(const MainWindow &w, bool visibleOnly)
{
    QStringList out;
    for (int r = 0; r < w.List(0)->rowCount(); ++r)
        if (!visibleOnly || !w.List(0)->isRowHidden(r))
            out.append(w.List(0)->CellText(r, MainWindow::colLabel));
    return out;
}

} // namespace

void TestListFilter::sortIsLanguageAware_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("de_DE") << "de_DE";
    QTest::newRow("it_IT") << "it_IT";
    // The C locale has no collation of its own: the root one, not code points.
    QTest::newRow("C") << "C";
}

void TestListFilter::sortIsLanguageAware()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    ScriptedPrompter p;
    TestWindow w(p);
    Fill(w, {{"Zeller"}, {"Item 10"}, {"éCOLE"}, {"Ärger"}, {"EDITH"}, {"Item 9"}});
    w.List(0)->sortItems(MainWindow::colLabel, Qt::AscendingOrder);
    QLocale::setDefault(QLocale::c());
    // Accented letters sort with their base letter, numbers inside text by value.
    QCOMPARE(Labels(w, false), (QStringList{"Ärger", "éCOLE", "EDITH", "Item 9", "Item 10", "MARCO", "Zeller"}));
}

void TestListFilter::filterRows_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("part of a label") << "ross" << QStringList{"ROSSI MARIO"};
    QTest::newRow("accents and case ignored") << "elodie" << QStringList{"DUPONT ÉLODIE"};
    QTest::newRow("typed accent") << "MÜLL" << QStringList{"Müller"};
    QTest::newRow("visible columns only") << "roma" << QStringList{"ROSSI MARIO"};
    QTest::newRow("phone digits") << "061234" << QStringList{"ROSSI MARIO"};
    QTest::newRow("phone digits, other separators") << "1-45" << QStringList{"DUPONT ÉLODIE"};
    QTest::newRow("phone with 00 and country code") << "0039061234" << QStringList{"ROSSI MARIO"};
    QTest::newRow("phone with + and country code") << "+39 06 12" << QStringList{"ROSSI MARIO"};
    QTest::newRow("phone, national form of a stored +33") << "01 45 67" << QStringList{"DUPONT ÉLODIE"};
    QTest::newRow("phone, other country code") << "0049 0612" << QStringList{};
    QTest::newRow("two digits are only text") << "4 5" << QStringList{};
    QTest::newRow("nothing") << "zzz" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{"MARCO", "ROSSI MARIO", "DUPONT ÉLODIE", "Müller"};
}

void TestListFilter::filterRows()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    ScriptedPrompter p;
    TestWindow w(p);
    Fill(w, {{"ROSSI MARIO", "+39 06 1234567", "ROMA"},
             {"DUPONT ÉLODIE", "01 45 67 89", "PARIS"},
             {"Müller", "", "BERLIN", "roma is in a hidden column"}});
    w.SetFilterText(filter);
    QCOMPARE(Labels(w, true), shown);
    QCOMPARE(Tabs(w)->tabText(0), filter.isEmpty() ? QStringLiteral("MARCO:1")
                                                   : QStringLiteral("MARCO:1 (%1/4)").arg(shown.size()));
    QCOMPARE(Tabs(w)->tabText(1), filter.isEmpty() ? QStringLiteral("User:2") : QStringLiteral("User:2 (0/1)"));
}

void TestListFilter::commandsSeeVisibleRowsOnly()
{
    ScriptedPrompter p;
    TestWindow w(p);
    Fill(w, {{"ROSSI MARIO"}, {"ROSSI ANNA"}, {"BIANCHI LUCA"}});
    auto *list = w.List(0);
    SelectRows(list, {1, 2, 3}, 1);  // every contact, then the filter hides one
    w.SetFilterText(QStringLiteral("rossi"));
    QCOMPARE(w.SelectedCount(), 2);
    p.answers = {Prompter::Answer::Ok};
    w.DeleteSelected();
    w.SetFilterText(QString());
    QCOMPARE(Labels(w, false), (QStringList{"MARCO", "BIANCHI LUCA"}));
    // Select all takes the visible rows only.
    w.SetFilterText(QStringLiteral("marco"));
    w.SelectAll();
    QCOMPARE(w.SelectedCount(), 1);
    QVERIFY(!list->selectionModel()->isRowSelected(1, QModelIndex()));
}

// The cursor does not stay on a row the filter hides: Edit, which works on the cursor row,
// then opens the selected record still shown instead of doing nothing.
void TestListFilter::cursorLeavesHiddenRow()
{
    ScriptedPrompter p;
    TestWindow w(p);
    Fill(w, {{"ROSSI MARIO"}, {"ROSSI ANNA"}, {"BIANCHI LUCA"}});
    auto *list = w.List(0);
    SelectRows(list, {2, 3}, 3);
    w.SetFilterText(QStringLiteral("rossi"));
    QCOMPARE(w.SelectedCount(), 1);
    QVERIFY(Button(w, "btEdit")->isEnabled());
    Button(w, "btEdit")->click();
    QCOMPARE(w.editorSlots, QList<int>{w.RowSlot(0, 1)});  // ROSSI ANNA, second of the rows shown
    // No selected row left in sight: no cursor either.
    w.SetFilterText(QStringLiteral("mario"));
    QCOMPARE(list->currentRow(), -1);
    QVERIFY(!Button(w, "btDelete")->isEnabled());
}

void TestListFilter::filterKeys()
{
    ScriptedPrompter p;
    TestWindow w(p);
    Fill(w, {{"ROSSI MARIO"}, {"BIANCHI LUCA"}});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *filter = w.findChild<QLineEdit *>(QStringLiteral("esFilter"));
    QVERIFY(filter);
    QCOMPARE(filter->placeholderText(), QStringLiteral("Filter"));
    w.List(0)->setFocus();
    QTest::keyClick(w.List(0), Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(filter->hasFocus());
    QTest::keyClicks(filter, QStringLiteral("bian"));
    QCOMPARE(Labels(w, true), QStringList{"BIANCHI LUCA"});
    // Escape clears the filter; it does not ask to exit.
    QTest::keyClick(filter, Qt::Key_Escape);
    QCOMPARE(filter->text(), QString());
    QCOMPARE(Labels(w, true).size(), 3);
    // The clear button, with the program's own icon, is there only while there is text.
    const QList<QToolButton *> buttons = filter->findChildren<QToolButton *>();
    QCOMPARE(buttons.size(), 1);
    QToolButton *clear = buttons.first();
    QVERIFY(!clear->isVisible());
    QTest::keyClicks(filter, QStringLiteral("rossi"));
    QTRY_VERIFY(clear->isVisible());
    QVERIFY(!clear->icon().isNull());
    QCOMPARE(clear->icon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    QCOMPARE(clear->icon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             QImage(QStringLiteral(":/AgendaImg/Clear")).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(filter->text(), QString());
    QCOMPARE(Labels(w, true).size(), 3);
    QTRY_VERIFY(!clear->isVisible());
    QVERIFY(p.shown.isEmpty());
}

void TestListFilter::filterFoldsLetters_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::newRow("sharp s") << "GROßE STRAßE" << "strasse";
    QTest::newRow("capital sharp s") << "GROẞE" << "grosse";
    QTest::newRow("typed sharp s") << "GROSSE STRASSE" << "große";
    QTest::newRow("ae") << "Æblegade" << "aebleg";
    QTest::newRow("o with stroke") << "Søren" << "soren";
    QTest::newRow("l with stroke") << "Łódź" << "lodz";
}

void TestListFilter::filterFoldsLetters()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    ScriptedPrompter p;
    TestWindow w(p);
    Fill(w, {{stored}, {"OTHER"}});
    w.SetFilterText(typed);
    QCOMPARE(Labels(w, true), QStringList{stored});
}

// A new record that the filter would hide is shown: the filter is cleared, the cursor is on it.
void TestListFilter::insertedWhileFilteredIsShown()
{
    ScriptedPrompter p;
    TestWindow w(p);
    Fill(w, {{"ROSSI MARIO"}, {"BIANCHI LUCA"}});
    w.SetFilterText(QStringLiteral("rossi"));
    w.InsertNew();
    QCOMPARE(w.FilterText(), QString());
    QCOMPARE(w.editorSlots.size(), 1);
    QCOMPARE(w.CursorSlot(), w.editorSlots.first());
}

// Sorted by label: a copied record and an undone deletion take their sorted places; an
// edit leaves its row where it is. A load starts at the top, unsorted.
void TestListFilter::placesAfterCommands()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QList<QStringList> contacts;
    for (int i = 0; i < 60; ++i)
        contacts.append({QStringLiteral("NAME %1").arg(i, 2, 10, QLatin1Char('0'))});
    Fill(w, contacts);
    w.show();
    RecordListView *list = w.List(0);
    list->sortItems(MainWindow::colLabel, Qt::AscendingOrder);
    const int row = RowOfLabel(list, QStringLiteral("NAME 30"));
    SelectRows(list, {row}, row);
    p.answers = {Prompter::Answer::Ok};
    w.DeleteSelected();
    QCOMPARE(RowOfLabel(list, QStringLiteral("NAME 30")), -1);
    w.Undo();
    QCOMPARE(RowOfLabel(list, QStringLiteral("NAME 30")), row);
    QVERIFY(w.EditCell(0, row, MainWindow::colLabel, QStringLiteral("AAA")));
    QCOMPARE(list->CellText(row, MainWindow::colLabel), QStringLiteral("AAA"));
    // The list at its end, then a load: the new phonebook shows from its top.
    list->scrollToBottom();
    QVERIFY(list->verticalScrollBar()->value() > 0);
    QTemporaryDir dir;
    QVERIFY(w.LoadFile(CopySample(dir)));
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    QCOMPARE(list->Model()->SortedBy(), -1);
    // A finding of the check selects its record and scrolls to it.
    const int last = w.RowSlot(0, list->rowCount() - 1);
    QVERIFY(w.SelectSlot(last));
    QApplication::processEvents();
    QVERIFY(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
}

// An unsorted list shows its records in the order they came; a new phonebook shows in
// slot order, also after records of the old one had come out of it, and again when the
// same records are taken over once more.
void TestListFilter::newPhonebookInSlotOrder()
{
    ScriptedPrompter p;
    TestWindow w(p);
    Fill(w, {{"A"}, {"B"}, {"C"}});
    // A leaves the first list and comes back: it arrives last.
    AgendaRecord a = *w.agenda.RecordAt(w.RowSlot(0, 1));
    const int slotA = w.RowSlot(0, 1);
    a.owner = 2;
    w.book.StoreRecord(slotA, a);
    a.owner = 1;
    w.book.StoreRecord(slotA, a);
    QCOMPARE(Labels(w, false), (QStringList{"MARCO", "B", "C", "A"}));
    const Agenda same = w.agenda;
    for (int round = 0; round < 2; ++round) {
        w.book.Replace(same);
        w.SetupLists();
        QCOMPARE(Labels(w, false), (QStringList{"MARCO", "A", "B", "C"}));
    }
}

QTEST_MAIN(TestListFilter)
#include "test_listfilter.moc"
