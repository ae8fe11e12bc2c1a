// The main window: start-up state, record lists, columns, sorting, buttons and in-place editing.
#include "app/windowfixture.h"

#include "app/apptexts.h"
#include "store/recordrules.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startupState();
    void layoutControls();
    void twoUserFile();
    void buttons_data();
    void buttons();
    void columnMenuAndToggle();
    void columnShownBeforeLoadCanBeShownAgain();
    void sortPlacesNewRows();
    void stepCursorFollowsSortedOrder();
    void editCell_data();
    void editCell();
    void editCellRefusesLimits_data();
    void editCellRefusesLimits();
    void editUserLabelRecaptionsTab();
    void editThroughCellEditor();
    void refreshSlot();
    void fullPhonebookIsFast();
};

void TestMainWindow::startupState()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QCOMPARE(w.windowTitle(), QStringLiteral("KESTRAVON - v01.09 - 11/10/2013 - by velkaran"));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.Filename(), QStringLiteral("Agenda.dat"));
    QTabWidget *tabs = Tabs(w);
    QCOMPARE(tabs->count(), 4);
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(tabs->tabText(k), QStringLiteral("User:%1").arg(k + 1));
        QVERIFY(tabs->isTabEnabled(k));
        RecordListView *list = w.List(k);
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->columnCount(), 20);
        QCOMPARE(RecordCell(list, 0), k + 1);
        QCOMPARE(list->CellText(0, MainWindow::colLabel), QStringLiteral("User"));
        QCOMPARE(list->CellText(0, MainWindow::colPhone1), QString(4, QChar(u'1' + k)));
        QCOMPARE(list->model()->headerData(MainWindow::colNav, Qt::Horizontal).toString(), QStringLiteral("GPS"));
        QCOMPARE(list->rowHeight(0), 20);
    }
    QCOMPARE(ButtonStates(w), QStringLiteral("Save- Export- Import- Insert+ Delete- Edit-"));
    QVERIFY(p.shown.isEmpty());
}

void TestMainWindow::layoutControls()
{
    ScriptedPrompter p;
    TestWindow w(p);
    for (const char *name : {"btLoad", "btSave", "btExport", "btImport", "btInsert", "btDelete", "btEdit", "btExit"})
        QVERIFY2(Button(w, name), name);
    QCOMPARE(Button(w, "btInsert")->toolTip(), QStringLiteral("Add a new record"));
    auto *file = w.findChild<QLineEdit *>(QStringLiteral("esFilename"));
    QVERIFY(file && file->isReadOnly());
    QCOMPARE(file->focusPolicy(), Qt::NoFocus);
    QVERIFY(w.minimumWidth() >= 800 && w.minimumHeight() >= 420);

    // The three file selectors start in the current folder with their own types.
    QCOMPARE(w.fsAgenda.filter, QStringLiteral("Agenda.dat (Agenda.dat);;All files (*)"));
    QCOMPARE(w.fsVcf.filter, QStringLiteral("vCard file (*.vcf);;All files (*)"));
    QCOMPARE(w.fsCsv.filter, QStringLiteral("Excel CSV file (*.csv);;All files (*)"));
    QCOMPARE(w.fsVcf.defaultSuffix, QStringLiteral("vcf"));
    QCOMPARE(w.fsCsv.defaultSuffix, QStringLiteral("csv"));
    for (const FileSelector *fs : {&w.fsAgenda, &w.fsVcf, &w.fsCsv})
        QCOMPARE(fs->directory, QDir::currentPath());

    // The widths and hidden columns every list starts with.
    const int expected[20] = {40, 120, 0, 0, 200, 40, 60, 120, 80, 150, 130, 0, 0, 0, 0, 150, 0, 0, 0, 0};
    for (int c = 0; c < 20; ++c)
        QCOMPARE(w.ColumnWidth(0, c), expected[c]);
}

void TestMainWindow::twoUserFile()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QTabWidget *tabs = Tabs(w);
    tabs->setCurrentIndex(3);
    QVERIFY(w.LoadFile(SampleAgenda()));
    // The fourth tab was current; it is disabled now, so another one is current.
    QVERIFY(tabs->currentIndex() < 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("MARCO:1"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("GIULIA:2"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("User:3"));
    QCOMPARE(tabs->tabText(3), QStringLiteral("User:4"));
    QVERIFY(tabs->isTabEnabled(0) && tabs->isTabEnabled(1));
    QVERIFY(!tabs->isTabEnabled(2) && !tabs->isTabEnabled(3));
    QCOMPARE(w.List(0)->rowCount() + w.List(1)->rowCount(), w.agenda.usedCount);
    QCOMPARE(w.List(2)->rowCount(), 0);
    // Rows stand in slot order, each linked to its slot by the record cell.
    int previous = 0;
    for (int r = 0; r < w.List(0)->rowCount(); ++r) {
        const int record = RecordCell(w.List(0), r);
        QVERIFY(record > previous);
        previous = record;
        const AgendaRecord *rec = w.agenda.RecordAt(record - 1);
        QVERIFY(rec && rec->owner == 1);
        QCOMPARE(w.RowFields(0, r), MainWindow::FieldsOf(*rec));
    }
    // A held byte in a label reaches the list unchanged.
    QVERIFY(RowOfLabel(w.List(0), QStringLiteral("CAFF") + QChar(0xEEE8) + QStringLiteral(" CENTRALE")) >= 0);
    QVERIFY(!w.List(0)->CellText(RowOfLabel(w.List(0), QStringLiteral("ROSSI MARIO")), MainWindow::colNav).isEmpty());
    QCOMPARE(w.Filename(), SampleAgenda());
}

void TestMainWindow::buttons_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("states");
    // Row 0 of the first list is the user MARCO; rows 1.. are contacts.
    QTest::newRow("nothing") << QList<int>{} << -1 << "Save- Export- Import- Insert+ Delete- Edit-";
    QTest::newRow("one contact") << QList<int>{2} << 2 << "Save- Export+ Import+ Insert+ Delete+ Edit+";
    QTest::newRow("user row") << QList<int>{0} << 0 << "Save- Export+ Import+ Insert+ Delete- Edit+";
    QTest::newRow("two contacts") << QList<int>{1, 2} << 2 << "Save- Export+ Import+ Insert- Delete+ Edit-";
    QTest::newRow("cursor on user row") << QList<int>{0, 1, 2} << 0
                                        << "Save- Export+ Import+ Insert- Delete- Edit-";
    QTest::newRow("user row inside, cursor on contact") << QList<int>{0, 1, 2} << 1
                                                        << "Save- Export+ Import+ Insert- Delete+ Edit-";
}

void TestMainWindow::buttons()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, cursor);
    QFETCH(QString, states);
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    SelectRows(w.List(0), rows, cursor);
    QCOMPARE(ButtonStates(w), states);
    // A change makes Save available.
    w.book.SetModified(true);
    w.UpdateButtons();
    QVERIFY(Button(w, "btSave")->isEnabled());
}

void TestMainWindow::columnMenuAndToggle()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QMenu menu;
    w.ColumnMenu(menu);
    const QList<QAction *> actions = menu.actions();
    QCOMPARE(actions.size(), 20);
    QCOMPARE(actions[1]->text(), QStringLiteral("Label"));
    QVERIFY(!actions[1]->icon().isNull());  // visible: checked
    QVERIFY(actions[2]->icon().isNull());   // Note starts hidden
    QCOMPARE(actions[19]->text(), QStringLiteral("Email-5"));

    // Hiding Label remembers its width; showing it again restores it.
    actions[1]->trigger();
    QCOMPARE(w.ColumnWidth(0, MainWindow::colLabel), 0);
    QCOMPARE(w.savedWidth[0][1], 120);
    w.ToggleColumn(MainWindow::colLabel);
    QCOMPARE(w.ColumnWidth(0, MainWindow::colLabel), 120);
    QCOMPARE(w.savedWidth[0][1], 0);

    // Showing Note the first time gives it its remembered 160.
    w.ToggleColumn(MainWindow::colNote);
    QCOMPARE(w.ColumnWidth(0, MainWindow::colNote), 160);
    QMenu again;
    w.ColumnMenu(again);
    QVERIFY(!again.actions()[2]->icon().isNull());
    // Only the current list changed.
    QCOMPARE(w.ColumnWidth(1, MainWindow::colNote), 0);
}

void TestMainWindow::columnShownBeforeLoadCanBeShownAgain()
{
    ScriptedPrompter p;
    TestWindow w(p);
    w.ToggleColumn(MainWindow::colLabel);  // hide: remembers 120
    w.ToggleColumn(MainWindow::colLabel);  // show: remembers 0
    QVERIFY(w.LoadFile(SampleAgenda()));
    // The rebuilt list reads the remembered 0, so Label is hidden now...
    QCOMPARE(w.ColumnWidth(0, MainWindow::colLabel), 0);
    // ...and switching it on brings it back with a real width.
    w.ToggleColumn(MainWindow::colLabel);
    QCOMPARE(w.ColumnWidth(0, MainWindow::colLabel), 120);
}

void TestMainWindow::sortPlacesNewRows()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    w.show();
    RecordListView *list = w.List(0);
    QHeaderView *header = list->horizontalHeader();
    auto clickTitle = [&](int c) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(c) + 5, header->height() / 2));
    };
    // "#" twice: descending by number ("157" comes before "36", unlike text order).
    clickTitle(MainWindow::colRecord);
    clickTitle(MainWindow::colRecord);
    for (int r = 1; r < list->rowCount(); ++r)
        QVERIFY(RecordCell(list, r - 1) > RecordCell(list, r));

    // A new row takes its place in the order chosen.
    QVERIFY(list->rowCount() > 2);
    SelectRows(list, {}, -1);
    w.InsertNew();
    const int last = list->rowCount() - 1;
    QCOMPARE(w.editorSlots, QList<int>{3});  // the lowest free slot
    QCOMPARE(RecordCell(list, last), 1);
    QCOMPARE(RecordCell(list, list->currentRow()), 4);
    // In descending order record 4 stands before the lower numbers.
    QVERIFY(RecordCell(list, list->currentRow() + 1) < 4);
    QVERIFY(RecordCell(list, list->currentRow() - 1) > 4);
    QVERIFY(w.agenda.modified);
}

void TestMainWindow::stepCursorFollowsSortedOrder()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    RecordListView *list = w.List(0);
    list->sortItems(MainWindow::colCity, Qt::AscendingOrder);
    list->setCurrentCell(0, 0);
    QStringList cities;
    int slot = w.RowSlot(0, 0);
    cities.append(w.agenda.RecordAt(slot)->city);
    for (int i = 1; i < list->rowCount(); ++i) {
        int next = -5;
        w.StepCursor(true, next);
        QCOMPARE(next, w.RowSlot(0, i));
        cities.append(w.agenda.RecordAt(next)->city);
    }
    QStringList sorted = cities;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(cities, sorted);
    // Past the last row nothing changes, the out-argument included.
    int unchanged = -5;
    w.StepCursor(true, unchanged);
    QCOMPARE(unchanged, -5);
    QCOMPARE(list->currentRow(), list->rowCount() - 1);
    w.StepCursor(false, unchanged);
    QCOMPARE(unchanged, w.RowSlot(0, list->rowCount() - 2));
    // Without a cursor row nothing moves.
    SelectRows(list, {}, -1);
    int none = -5;
    w.StepCursor(false, none);
    QCOMPARE(none, -5);
}

void TestMainWindow::editCell_data()
{
    QTest::addColumn<QString>("label");   // the contact edited
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("answers");  // 1 = &Yes, 0 = &No
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<uint>("navFlags");  // expected afterwards
    QTest::addColumn<int>("voiceIndex");
    QTest::addColumn<QString>("cell");   // expected cell text afterwards

    const QString address = RecordText::addressQuestion();
    const QString label = RecordText::labelQuestion();
    QTest::newRow("street of postal record, No") << "OFFICINA AUTO" << int(MainWindow::colStreet)
        << "via tuscolana" << QList<int>{0} << QStringList{address} << uint(kNavPostal) << 0xFFFF << "VIA TUSCOLANA";
    QTest::newRow("street of postal record, Yes") << "OFFICINA AUTO" << int(MainWindow::colStreet)
        << "via tuscolana" << QList<int>{1} << QStringList{address} << 0u << 0xFFFF << "VIA TUSCOLANA";
    QTest::newRow("city of POI record, Yes keeps GPS") << "DISTRIBUTORE" << int(MainWindow::colCity) << "roma"
        << QList<int>{1} << QStringList{address} << uint(kNavGps) << 0xFFFF << "ROMA";
    QTest::newRow("upper case keeps length") << "ROSSI MARIO" << int(MainWindow::colStreet) << "straße"
        << QList<int>{} << QStringList{} << uint(kNavGps) << 0xFFFF << QStringLiteral("STRAßE");
    QTest::newRow("note of postal record asks nothing") << "OFFICINA AUTO" << int(MainWindow::colNote) << "open"
        << QList<int>{} << QStringList{} << uint(kNavPostal) << 0xFFFF << "open";
    QTest::newRow("label with voice index, Yes") << "BIANCHI ANNA" << int(MainWindow::colLabel) << "Bianchi A."
        << QList<int>{1} << QStringList{label} << uint(kNavGps) << 0xFFFF << "Bianchi A.";
    QTest::newRow("label with voice index, No") << "BIANCHI ANNA" << int(MainWindow::colLabel) << "Bianchi A."
        << QList<int>{0} << QStringList{label} << uint(kNavGps) << 3 << "Bianchi A.";
    QTest::newRow("clear GPS") << "ROSSI MARIO" << int(MainWindow::colNav) << ""
        << QList<int>{} << QStringList{} << 0u << 0xFFFF << "";
    QTest::newRow("set GPS, west first") << "CAFF\xEE\xBB\xA8 CENTRALE" << int(MainWindow::colNav) << "W1.5,N50.25"
        << QList<int>{} << QStringList{} << uint(kNavGps) << 0xFFFF << "N50.250000,W1.500000";
}

void TestMainWindow::editCell()
{
    QFETCH(QString, label);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, questions);
    QFETCH(uint, navFlags);
    QFETCH(int, voiceIndex);
    QFETCH(QString, cell);

    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    RecordListView *list = w.List(0);
    const int row = RowOfLabel(list, label);
    QVERIFY(row >= 0);
    const int slot = w.RowSlot(0, row);
    const AgendaRecord before = *w.agenda.RecordAt(slot);
    for (int a : answers)
        p.answers.append(a ? Prompter::Answer::Yes : Prompter::Answer::No);

    QVERIFY(w.EditCell(0, row, column, text));
    QCOMPARE(p.Messages(), questions);
    QVERIFY(p.unanswered.isEmpty());
    const AgendaRecord &after = w.agenda.slots[size_t(slot)];
    QCOMPARE(after.nav.navFlags, navFlags);
    QCOMPARE(int(after.voiceIndex), voiceIndex);
    QCOMPARE(list->CellText(row, column), cell);
    QCOMPARE(w.RowFields(0, row), MainWindow::FieldsOf(after));
    QVERIFY(w.agenda.modified);
    QVERIFY(Button(w, "btSave")->isEnabled());
    // Only the edited text (and the flags asked about) changed.
    AgendaRecord expected = before;
    expected.nav.navFlags = after.nav.navFlags;
    expected.voiceIndex = after.voiceIndex;
    if (column == MainWindow::colNav) {
        expected.nav.lat = after.nav.lat;
        expected.nav.lon = after.nav.lon;
    }
    MainWindow::EditFields fields = MainWindow::FieldsOf(expected);
    fields[size_t(column - 1)] = cell;
    QCOMPARE(MainWindow::FieldsOf(after), fields);
    QCOMPARE(after.phoneType, before.phoneType);
    QCOMPARE(after.owner, before.owner);
    if (column != MainWindow::colNav)
        QVERIFY(after.nav.lat == before.nav.lat && after.nav.lon == before.nav.lon);
}

void TestMainWindow::editCellRefusesLimits_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("number") << int(MainWindow::colNumb) << "123456" << "Please enter no more than 5 characters.";
    QTest::newRow("label") << int(MainWindow::colLabel) << QString(31, u'x') << "Please enter no more than 30 characters.";
    QTest::newRow("empty label") << int(MainWindow::colLabel) << "" << "Null value not allowed.";
    // One character less is a position of 25 characters.
    QTest::newRow("gps") << int(MainWindow::colNav) << QStringLiteral("N45.12345678901,E9.1234567")
                         << "Please enter no more than 25 characters.";
    QTest::newRow("e-mail") << int(MainWindow::colEmail1 + 2) << QString(61, u'a')
                            << "Please enter no more than 60 characters.";
}

void TestMainWindow::editCellRefusesLimits()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, message);
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const int row = RowOfLabel(w.List(0), QStringLiteral("ROSSI MARIO"));
    const AgendaRecord before = *w.agenda.RecordAt(w.RowSlot(0, row));
    QVERIFY(!w.EditCell(0, row, column, text));
    QCOMPARE(p.Messages(), QStringList{message});
    QVERIFY(*w.agenda.RecordAt(w.RowSlot(0, row)) == before);
    QVERIFY(!w.agenda.modified);
    // One code unit less is accepted.
    if (!text.isEmpty()) {
        p.ClearShown();
        QVERIFY(w.EditCell(0, row, column, text.left(text.size() - 1)));
        QVERIFY(w.agenda.modified);
    }
}

void TestMainWindow::editUserLabelRecaptionsTab()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    Tabs(w)->setCurrentIndex(1);
    QVERIFY(w.EditCell(1, 0, MainWindow::colLabel, QStringLiteral("Giulia R")));
    QCOMPARE(Tabs(w)->tabText(1), QStringLiteral("Giulia R:2"));
    QCOMPARE(w.agenda.slots[1].label, QStringLiteral("Giulia R"));
    QCOMPARE(w.agenda.slots[1].owner, 2u);
}

void TestMainWindow::editThroughCellEditor()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    RecordListView *list = w.List(0);
    const int row = RowOfLabel(list, QStringLiteral("ROSSI MARIO"));
    const int slot = w.RowSlot(0, row);
    list->setCurrentCell(row, MainWindow::colCity);
    list->edit(list->model()->index(row, MainWindow::colCity));
    auto *editor = list->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("firenze"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(w.agenda.slots[size_t(slot)].city, QStringLiteral("FIRENZE"));
    QCOMPARE(list->CellText(row, MainWindow::colCity), QStringLiteral("FIRENZE"));
    QVERIFY(p.shown.isEmpty());

    // Too long a text is refused with the limit message; the record keeps its number.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    list->setCurrentCell(row, MainWindow::colNumb);
    list->edit(list->model()->index(row, MainWindow::colNumb));
    editor = list->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->setText(QStringLiteral("1234567"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(p.LastMessage(), QStringLiteral("Please enter no more than 5 characters."));
    QCOMPARE(w.agenda.slots[size_t(slot)].numb, QStringLiteral("12"));
    QCOMPARE(list->CellText(row, MainWindow::colNumb), QStringLiteral("12"));
}

void TestMainWindow::refreshSlot()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    RecordListView *list = w.List(0);
    const int row = RowOfLabel(list, QStringLiteral("DUPONT ÉLODIE"));
    const int slot = w.RowSlot(0, row);
    AgendaRecord r = *w.agenda.RecordAt(slot);
    r.label = QStringLiteral("DUPONT E.");
    w.book.StoreRecord(slot, r);
    w.RefreshSlot(slot);
    QCOMPARE(list->CellText(row, MainWindow::colLabel), QStringLiteral("DUPONT E."));
    QCOMPARE(list->currentRow(), row);
    QCOMPARE(ButtonStates(w), QStringLiteral("Save+ Export+ Import+ Insert+ Delete+ Edit+"));

    // A user slot re-captions its tab.
    AgendaRecord user = *w.agenda.RecordAt(0);
    user.label = QStringLiteral("MARCO B");
    w.book.StoreRecord(0, user);
    w.RefreshSlot(0);
    QCOMPARE(Tabs(w)->tabText(0), QStringLiteral("MARCO B:1"));

    // A slot not shown in the current list moves no cursor and no row.
    const int giulia = RowOfLabel(w.List(1), QStringLiteral("SMITH JOHN"));
    const int other = w.RowSlot(1, giulia);
    AgendaRecord o = *w.agenda.RecordAt(other);
    o.label = QStringLiteral("CHANGED");
    w.book.StoreRecord(other, o);
    const int rows = w.List(1)->rowCount();
    w.RefreshSlot(other);
    QCOMPARE(w.RowSlot(1, giulia), other);
    QCOMPARE(w.List(1)->rowCount(), rows);
    QCOMPARE(w.List(1)->currentRow(), -1);
    QCOMPARE(list->currentRow(), 0);

    // EditCurrent opens the editor on the cursor row's slot, and nothing without a cursor.
    list->setCurrentCell(row, 0);
    w.EditCurrent();
    QCOMPARE(w.editorSlots, QList<int>{slot});
    SelectRows(list, {}, -1);
    w.EditCurrent();
    QCOMPARE(w.editorSlots.size(), 1);
}

void TestMainWindow::fullPhonebookIsFast()
{
    QTemporaryDir dir;
    ScriptedPrompter p;
    const QString path = dir.filePath(QStringLiteral("Agenda.dat"));
    {
        Agenda full;
        for (int i = full.userCount; i < full.slotCount; ++i) {
            AgendaRecord r;
            r.owner = uint32_t(1 + i % 4);
            r.label = QStringLiteral("CONTACT %1").arg(i);
            r.city = QStringLiteral("CITY %1").arg(i % 17);
            r.phone[0] = QStringLiteral("0%1").arg(i);
            r.nav.SetGpsText(QStringLiteral("N45.5,E9.25"));
            QVERIFY(full.InsertRecord(r) == i);
        }
        QVERIFY(full.Save(path, p));
    }
    TestWindow w(p);
    w.show();
    QElapsedTimer timer;
    timer.start();
    QVERIFY(w.LoadFile(path));
    QApplication::processEvents();
    const qint64 loadMs = timer.elapsed();
    QCOMPARE(w.List(0)->rowCount() + w.List(1)->rowCount() + w.List(2)->rowCount() + w.List(3)->rowCount(), 403);
    // Generous bounds: this guards against work that grows out of proportion (a refill per
    // row, a rewrite per slot), not against a busy machine or a sanitizer build; the
    // benchmarks measure the real figures.
    QVERIFY2(loadMs < 1500, qPrintable(QStringLiteral("load and fill took %1 ms").arg(loadMs)));
    timer.restart();
    QVERIFY(w.SaveAs() == false);  // no file chosen: nothing written
    p.files.append(QStringList{path});
    QVERIFY(w.SaveAs());
    QVERIFY2(timer.elapsed() < 1500, qPrintable(QStringLiteral("save took %1 ms").arg(timer.elapsed())));
    // The full phonebook greys every insert.
    QVERIFY(!Button(w, "btInsert")->isEnabled());
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
