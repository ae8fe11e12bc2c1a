// Record list commands: context menu, insert, select all, delete, move and copy to a user.
#include "app/windowfixture.h"

#include "app/apptexts.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace {

// Fills the free slots of a phonebook until only `free` remain.
void FillUntilFree(Phonebook &book, int free)
{
    while (book.FreeSlots() > free) {
        AgendaRecord r;
        r.owner = 2;
        r.label = QStringLiteral("FILLER");
        QVERIFY(book.InsertRecord(r));
    }
}

// The context menu's entries as "text+" / "text-" (enabled or greyed); separators as "|".
QStringList MenuStates(MainWindow &w)
{
    QMenu menu;
    w.ContextMenu(menu);
    QStringList out;
    for (QAction *a : menu.actions())
        out.append(a->isSeparator() ? QStringLiteral("|") : a->text() + (a->isEnabled() ? "+" : "-"));
    return out;
}

QAction *MenuEntry(QMenu &menu, const QString &text)
{
    for (QAction *a : menu.actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

QList<int> SlotsOf(const MainWindow &w, int k)
{
    QList<int> out;
    for (int r = 0; r < w.List(k)->rowCount(); ++r)
        out.append(w.RowSlot(k, r));
    return out;
}

} // namespace

class TestListCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contextMenu_data();
    void contextMenu();
    void moveMenuOfTwoUsers();
    void insertMenu();
    void insertNew();
    void insertIntoFullPhonebook();
    void selectAll();
    void deleteSelected_data();
    void deleteSelected();
    void moveToUser();
    void moveOneAsksNothing();
    void moveCancelled();
    void duplicate();
    void copyWithTooFewSlots();
};

void TestListCommands::contextMenu_data()
{
    QTest::addColumn<int>("free");       // free slots left (-1 = as loaded)
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("states");
    const QString tail = " | Export to vCard%1 Export to one vCard file%1 Import from vCard%1 Insert from vCard%2 |"
                         " Export to Excel CSV%1 Export to Google CSV%1 Import from Excel CSV%1 Insert from Excel CSV%2 |";
    QTest::newRow("nothing selected") << -1 << QList<int>{} << -1
        << "Select all+ | Edit- Duplicate- Insert+ Delete-" + tail.arg("-", "+") + " Move to user- Copy to user- | Check phonebook+ Tidy phone numbers- Phone region...+ | Undo- Redo-";
    QTest::newRow("one contact") << -1 << QList<int>{1} << 1
        << "Select all+ | Edit+ Duplicate+ Insert+ Delete+" + tail.arg("+", "+") + " Move to user+ Copy to user+ | Check phonebook+ Tidy phone numbers+ Phone region...+ | Undo- Redo-";
    QTest::newRow("cursor on user row") << -1 << QList<int>{0, 1} << 0
        << "Select all+ | Edit- Duplicate+ Insert- Delete-" + tail.arg("+", "-") + " Move to user- Copy to user+ | Check phonebook+ Tidy phone numbers+ Phone region...+ | Undo- Redo-";
    QTest::newRow("phonebook full") << 0 << QList<int>{1} << 1
        << "Select all+ | Edit+ Duplicate- Insert- Delete+" + tail.arg("+", "-") + " Move to user+ Copy to user- | Check phonebook+ Tidy phone numbers+ Phone region...+ | Undo- Redo-";
    QTest::newRow("three free, five selected") << 3 << QList<int>{1, 2, 3, 4, 5} << 1
        << "Select all+ | Edit- Duplicate- Insert- Delete+" + tail.arg("+", "-") + " Move to user+ Copy to user- | Check phonebook+ Tidy phone numbers+ Phone region...+ | Undo- Redo-";
    QTest::newRow("five free, five selected") << 5 << QList<int>{1, 2, 3, 4, 5} << 1
        << "Select all+ | Edit- Duplicate+ Insert- Delete+" + tail.arg("+", "-") + " Move to user+ Copy to user+ | Check phonebook+ Tidy phone numbers+ Phone region...+ | Undo- Redo-";
}

void TestListCommands::contextMenu()
{
    QFETCH(int, free);
    QFETCH(QList<int>, rows);
    QFETCH(int, cursor);
    QFETCH(QString, states);
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    if (free >= 0)
        FillUntilFree(w.book, free);
    SelectRows(w.List(0), rows, cursor);
    QCOMPARE(MenuStates(w).join(QLatin1Char(' ')), states);
    QCOMPARE(Button(w, "btInsert")->isEnabled(), states.contains(QStringLiteral("Insert+")));

    // Everything selected: "Select all" is greyed.
    w.SelectAll();
    QCOMPARE(MenuStates(w).first(), QStringLiteral("Select all-"));
}

void TestListCommands::moveMenuOfTwoUsers()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    Tabs(w)->setCurrentIndex(1);
    SelectRows(w.List(1), {1}, 1);
    QMenu menu;
    w.ContextMenu(menu);
    for (const QString &title : {AppText::menuMoveTo(), AppText::menuCopyTo()}) {
        QMenu *sub = MenuEntry(menu, title)->menu();
        QVERIFY(sub);
        QCOMPARE(sub->actions().size(), 2);
        QCOMPARE(sub->actions()[0]->text(), QStringLiteral("MARCO:1"));
        QCOMPARE(sub->actions()[1]->text(), QStringLiteral("GIULIA:2"));
        QVERIFY(sub->actions()[0]->isEnabled());
        QVERIFY(!sub->actions()[1]->isEnabled());  // the current user
    }
    // The entry moves the record to that user.
    const int slot = w.RowSlot(1, 1);
    MenuEntry(menu, AppText::menuMoveTo())->menu()->actions()[0]->trigger();
    QCOMPARE(w.agenda.slots[size_t(slot)].owner, 1u);
    QCOMPARE(SlotsOf(w, 0).last(), slot);
    QVERIFY(!SlotsOf(w, 1).contains(slot));

    // A user label holding "&" shows it literally in the submenu.
    AgendaRecord user = *w.agenda.RecordAt(0);
    user.label = QStringLiteral("A&B");
    w.book.StoreRecord(0, user);
    QMenu sub;
    w.CopyMenu(sub);
    QCOMPARE(sub.actions()[0]->text(), QStringLiteral("A&&B:1"));
}

void TestListCommands::insertMenu()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QMenu menu;
    w.BuildInsertMenu(menu);
    QCOMPARE(menu.actions().size(), 3);
    QCOMPARE(menu.actions()[0]->text(), QStringLiteral("new empty record"));
    QCOMPARE(menu.actions()[1]->text(), QStringLiteral("from Vcf file"));
    QCOMPARE(menu.actions()[2]->text(), QStringLiteral("from Excel CSV file"));
    for (QAction *a : menu.actions())
        QVERIFY(a->isEnabled());
    Tabs(w)->setCurrentIndex(2);
    menu.actions()[0]->trigger();
    QCOMPARE(w.List(2)->rowCount(), 2);
    QCOMPARE(w.agenda.RecordAt(w.RowSlot(2, 1))->owner, 3u);
}

void TestListCommands::insertNew()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    Tabs(w)->setCurrentIndex(1);
    const int used = w.agenda.usedCount;
    const int rows = w.List(1)->rowCount();
    w.InsertNew();
    QCOMPARE(w.agenda.usedCount, used + 1);
    QCOMPARE(w.List(1)->rowCount(), rows + 1);
    QCOMPARE(w.List(1)->currentRow(), rows);
    const int slot = w.RowSlot(1, rows);
    QCOMPARE(slot, 3);  // the lowest free slot above the users
    QCOMPARE(w.agenda.RecordAt(slot)->owner, 2u);
    QCOMPARE(w.editorSlots, QList<int>{slot});
    QVERIFY(w.agenda.modified);
    QVERIFY(Button(w, "btSave")->isEnabled());
    QVERIFY(p.shown.isEmpty());
}

void TestListCommands::insertIntoFullPhonebook()
{
    ScriptedPrompter p;
    TestWindow w(p);
    FillUntilFree(w.book, 0);
    w.SetupLists();
    w.book.SetModified(false);
    const int rows = w.List(0)->rowCount();
    w.InsertNew();
    QCOMPARE(p.Messages(), QStringList{QStringLiteral("No more space to add contact to Agenda")});
    QCOMPARE(w.List(0)->rowCount(), rows);
    QVERIFY(w.editorSlots.isEmpty());
    QVERIFY(!w.agenda.modified);
    w.UpdateButtons();
    QVERIFY(!Button(w, "btInsert")->isEnabled());
}

void TestListCommands::selectAll()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    w.SelectAll();
    QCOMPARE(w.SelectedCount(), w.List(0)->rowCount());
    QVERIFY(!Button(w, "btEdit")->isEnabled());
    QVERIFY(Button(w, "btExport")->isEnabled());
}

void TestListCommands::deleteSelected_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QList<int>>("deletedRows");
    QTest::newRow("one record asks too") << QList<int>{3} << 3 << true << QList<int>{3};
    QTest::newRow("user row inside selection stays") << QList<int>{0, 1, 2} << 1 << true << QList<int>{1, 2};
    QTest::newRow("rows apart") << QList<int>{2, 5, 9} << 5 << true << QList<int>{2, 5, 9};
    QTest::newRow("cancel") << QList<int>{1, 2} << 1 << false << QList<int>{};
}

void TestListCommands::deleteSelected()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, cursor);
    QFETCH(bool, ok);
    QFETCH(QList<int>, deletedRows);
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const QList<int> before = SlotsOf(w, 0);
    const int used = w.agenda.usedCount;
    SelectRows(w.List(0), rows, cursor);
    p.answers.append(ok ? Prompter::Answer::Ok : Prompter::Answer::Cancel);
    w.DeleteSelected();
    QCOMPARE(p.Messages(), QStringList{QStringLiteral("Delete selected records ?")});

    QList<int> expected = before;
    for (int i = deletedRows.size() - 1; i >= 0; --i)
        expected.removeAt(deletedRows[i]);
    QCOMPARE(SlotsOf(w, 0), expected);
    QCOMPARE(w.agenda.usedCount, used - int(deletedRows.size()));
    for (int r : deletedRows)
        QVERIFY(!w.agenda.RecordAt(before[r]));
    QCOMPARE(w.agenda.modified, !deletedRows.isEmpty());
    QVERIFY(w.agenda.RecordAt(0));
}

void TestListCommands::moveToUser()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const QList<int> before0 = SlotsOf(w, 0);
    const QList<int> before1 = SlotsOf(w, 1);
    // The user's own row and two contacts, cursor on a contact.
    SelectRows(w.List(0), {0, 2, 4}, 2);
    p.answers.append(Prompter::Answer::Ok);
    w.MoveToUser(2);
    QCOMPARE(p.Messages(), QStringList{QStringLiteral("Move selected records to GIULIA:2 ?")});
    QList<int> expected0 = before0;
    expected0.removeAt(4);
    expected0.removeAt(2);
    QCOMPARE(SlotsOf(w, 0), expected0);
    QCOMPARE(SlotsOf(w, 1), before1 + (QList<int>{before0[2], before0[4]}));
    QCOMPARE(w.agenda.slots[size_t(before0[2])].owner, 2u);
    QCOMPARE(w.agenda.slots[size_t(before0[4])].owner, 2u);
    QCOMPARE(w.agenda.slots[0].owner, 1u);
    const int moved = w.List(1)->rowCount() - 1;
    QCOMPARE(w.RowFields(1, moved), MainWindow::FieldsOf(*w.agenda.RecordAt(before0[4])));

    // The move is a change: exit asks to save.
    QVERIFY(w.agenda.modified);
    p.ClearShown();
    p.answers = {Prompter::Answer::Ok, Prompter::Answer::No};
    w.Exit();
    QCOMPARE(p.Messages(), (QStringList{QStringLiteral("Exit KESTRAVON ?"), QStringLiteral("Save modified Agenda ?")}));
    QVERIFY(w.Finished());
}

void TestListCommands::moveOneAsksNothing()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const int slot = w.RowSlot(0, 3);
    // Nothing moved (the user's own row; a contact to the user it belongs to): no change.
    for (const int row : {0, 3}) {
        SelectRows(w.List(0), {row}, row);
        w.MoveToUser(row == 0 ? 2 : 1);
        QVERIFY(!w.agenda.modified);
    }
    SelectRows(w.List(0), {3}, 3);
    w.MoveToUser(2);
    QVERIFY(p.shown.isEmpty());
    QCOMPARE(SlotsOf(w, 1).last(), slot);
    // Copying one record asks nothing either.
    SelectRows(w.List(0), {3}, 3);
    w.CopyToUser(2);
    QVERIFY(p.shown.isEmpty());
}

void TestListCommands::moveCancelled()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const QList<int> before = SlotsOf(w, 0);
    SelectRows(w.List(0), {1, 2}, 1);
    p.answers.append(Prompter::Answer::Cancel);
    w.MoveToUser(2);
    p.answers.append(Prompter::Answer::Cancel);
    w.CopyToUser(2);
    QCOMPARE(p.Messages(), (QStringList{QStringLiteral("Move selected records to GIULIA:2 ?"),
                                        QStringLiteral("Copy selected records to GIULIA:2 ?")}));
    QCOMPARE(SlotsOf(w, 0), before);
    QVERIFY(!w.agenda.modified);
}

void TestListCommands::duplicate()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const QList<int> before = SlotsOf(w, 0);
    SelectRows(w.List(0), {1, 3}, 1);
    QMenu menu;
    w.ContextMenu(menu);
    p.answers.append(Prompter::Answer::Ok);
    MenuEntry(menu, AppText::menuDuplicate())->trigger();
    QCOMPARE(p.Messages(), QStringList{QStringLiteral("Copy selected records to MARCO:1 ?")});
    const QList<int> after = SlotsOf(w, 0);
    QCOMPARE(after.size(), before.size() + 2);
    QCOMPARE(after.mid(0, before.size()), before);
    for (int i = 0; i < 2; ++i) {
        const int source = before[i == 0 ? 1 : 3];
        const int copy = after[before.size() + i];
        QVERIFY(copy != source);
        QVERIFY(*w.agenda.RecordAt(copy) == *w.agenda.RecordAt(source));
        // The appended rows are not selected.
        QVERIFY(!w.List(0)->selectionModel()->isRowSelected(before.size() + i, {}));
    }
}

void TestListCommands::copyWithTooFewSlots()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    FillUntilFree(w.book, 2);
    w.SetupLists();
    const QList<int> before1 = SlotsOf(w, 1);
    SelectRows(w.List(0), {1, 2, 3, 4}, 1);
    p.answers.append(Prompter::Answer::Ok);
    w.CopyToUser(2);
    QCOMPARE(p.Messages(), (QStringList{QStringLiteral("Copy selected records to GIULIA:2 ?"),
                                        QStringLiteral("No more space to add contact to Agenda"),
                                        QStringLiteral("No more space to add contact to Agenda")}));
    QCOMPARE(w.agenda.usedCount, w.agenda.slotCount);
    const QList<int> after1 = SlotsOf(w, 1);
    QCOMPARE(after1.size(), before1.size() + 2);
    for (int s : after1.mid(before1.size()))
        QCOMPARE(w.agenda.RecordAt(s)->owner, 2u);
    // The two copies are the first two records selected.
    QCOMPARE(w.agenda.RecordAt(after1[before1.size()])->label, w.agenda.RecordAt(w.RowSlot(0, 1))->label);
    QCOMPARE(w.agenda.RecordAt(after1.last())->label, w.agenda.RecordAt(w.RowSlot(0, 2))->label);
}

QTEST_MAIN(TestListCommands)
#include "test_listcommands.moc"
