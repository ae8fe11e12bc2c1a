// Undo and redo of every kind of change: each command is one step, undoing restores the
// phonebook byte for byte, and the modified flag follows.
#include "app/windowfixture.h"

#include <QApplication>
#include <QTest>
#include <QUndoStack>

class TestUndo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoRedo_data();
    void undoRedo();
    void loadClearsSteps();
    void undoShowsRecordTheFilterHides();
};

namespace {

// The bytes Save writes for a phonebook.
QByteArray Saved(const Agenda &agenda, const QString &path)
{
    ScriptedPrompter p;
    Agenda copy = agenda;
    if (!copy.Save(path, p))
        return {};
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every used slot is shown once, in the list of its owner.
bool ListsMatch(const MainWindow &w)
{
    int rows = 0;
    for (int k = 0; k < MainWindow::kListCount; ++k)
        for (int r = 0; r < w.List(k)->rowCount(); ++r, ++rows) {
            const AgendaRecord *rec = w.agenda.RecordAt(w.RowSlot(k, r));
            if (!rec || rec->owner != uint32_t(k + 1))
                return false;
        }
    return rows == w.agenda.usedCount;
}

} // namespace

void TestUndo::undoRedo_data()
{
    QTest::addColumn<QString>("command");
    for (const char *c : {"in-place edit", "editor store", "insert", "delete", "move", "copy", "insert vCards"})
        QTest::newRow(c) << c;
}

void TestUndo::undoRedo()
{
    QFETCH(QString, command);
    QTemporaryDir dir;
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(CopySample(dir)));
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QString out = dir.filePath(QStringLiteral("out.dat"));
    const QByteArray loaded = Saved(w.agenda, out);
    auto *list = w.List(0);
    const int contact = RowOfLabel(list, QStringLiteral("ROSSI MARIO"));
    SelectRows(list, {contact, contact + 1}, contact);

    if (command == QLatin1String("in-place edit")) {
        QVERIFY(w.EditCell(0, contact, MainWindow::colCity, QStringLiteral("firenze")));
    } else if (command == QLatin1String("editor store")) {
        SelectRows(list, {contact}, contact);
        w.whileEditorOpen = [&w](int slot) {
            AgendaRecord r = *w.agenda.RecordAt(slot);
            r.label = QStringLiteral("STORED");
            w.book.StoreRecord(slot, r);
            w.RefreshSlot(slot);
        };
        w.EditCurrent();
    } else if (command == QLatin1String("insert")) {
        SelectRows(list, {}, -1);
        w.InsertNew();
    } else if (command == QLatin1String("delete")) {
        p.answers = {Prompter::Answer::Ok};
        w.DeleteSelected();
    } else if (command == QLatin1String("move")) {
        p.answers = {Prompter::Answer::Ok};
        w.MoveToUser(2);
    } else if (command == QLatin1String("copy")) {
        p.answers = {Prompter::Answer::Ok};
        w.CopyToUser(2);
    } else {
        p.files = {{QStringLiteral(KESTRAVON_TESTDATA "/vcards/John_Doe_GMAIL.vcf"),
                    QStringLiteral(KESTRAVON_TESTDATA "/vcards/John_Doe_IPHONE.vcf")}};
        w.InsertVcf();
    }
    const QByteArray changed = Saved(w.agenda, out);
    QVERIFY(changed != loaded);
    QVERIFY(w.agenda.modified);
    QCOMPARE(w.UndoStack().count(), 1);  // the whole command is one step

    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Saved(w.agenda, out), loaded);
    QVERIFY(!w.agenda.modified);
    QVERIFY(!Button(w, "btSave")->isEnabled());
    QVERIFY(ListsMatch(w));
    if (command == QLatin1String("delete") || command == QLatin1String("move"))  // the cursor shows what came back
        QCOMPARE(w.agenda.RecordAt(w.CursorSlot())->label, QStringLiteral("ROSSI MARIO"));

    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Saved(w.agenda, out), changed);
    QVERIFY(w.agenda.modified);
    QVERIFY(ListsMatch(w));
}

void TestUndo::loadClearsSteps()
{
    QTemporaryDir dir;
    ScriptedPrompter p;
    TestWindow w(p);
    const QString path = CopySample(dir);
    QVERIFY(w.LoadFile(path));
    QVERIFY(w.EditCell(0, 1, MainWindow::colCity, QStringLiteral("x")));
    // Saved: undoing now makes the phonebook differ from the file again.
    p.files = {{path}};
    QVERIFY(w.SaveAs());
    QVERIFY(!w.agenda.modified);
    w.Undo();
    QVERIFY(w.agenda.modified);
    w.Redo();
    QVERIFY(!w.agenda.modified);
    QVERIFY(w.LoadFile(path));
    QCOMPARE(w.UndoStack().count(), 0);
}

// A record that undo brings back is shown with the cursor on it, also when the filter set
// since would hide it: the filter is cleared.
void TestUndo::undoShowsRecordTheFilterHides()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    RecordListView *list = w.List(0);
    const int row = RowOfLabel(list, QStringLiteral("ROSSI MARIO"));
    const int slot = w.RowSlot(0, row);
    SelectRows(list, {row}, row);
    p.answers = {Prompter::Answer::Ok};
    w.DeleteSelected();
    QVERIFY(!w.agenda.RecordAt(slot));
    w.SetFilterText(QStringLiteral("dupont"));
    w.Undo();
    QVERIFY(w.agenda.RecordAt(slot));
    QCOMPARE(w.CursorSlot(), slot);
    QVERIFY(!list->isRowHidden(list->currentRow()));
    QCOMPARE(w.SelectedCount(), 1);
}

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
