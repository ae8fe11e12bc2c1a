// No command leaves a list out of date: after each one, every list shows exactly the
// document's records of its user that the filter lets through, in the order of its sort
// column, each cell reading what the record holds.
#include "app/windowfixture.h"

#include "store/edit.h"

#include <QCollator>
#include <QSet>
#include <QTest>

#include <functional>

class TestListConsistency : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsFollowEveryCommand_data();
    void listsFollowEveryCommand();
};

namespace {

using Command = std::function<void(TestWindow &, ScriptedPrompter &, const QTemporaryDir &)>;

QString Vcard(const char *name)
{
    return QStringLiteral(KESTRAVON_TESTDATA "/vcards/") + QLatin1String(name);
}

// Selects the rows of list 0 showing the first `n` contacts and puts the cursor on the first.
void SelectContacts(TestWindow &w, int n)
{
    QList<int> rows;
    for (int r = 0; r < w.List(0)->rowCount() && rows.size() < n; ++r)
        if (w.RowSlot(0, r) >= w.agenda.userCount)
            rows.append(r);
    SelectRows(w.List(0), rows, rows.value(0, -1));
}

// The list each slot is shown in, or -1.
QList<int> ListsOfSlots(const MainWindow &w)
{
    QList<int> in(Agenda::kCapacity, -1);
    for (int k = 0; k < MainWindow::kListCount; ++k)
        for (int row = 0; row < w.List(k)->rowCount(); ++row)
            in[w.RowSlot(k, row)] = k;
    return in;
}

// Compares every list with the document; the first difference as text, or empty text.
// Records edited where they stand keep their rows: `inPlace` are left out of the order.
QString Difference(const MainWindow &w, const QSet<int> &inPlace = {})
{
    QCollator collator = ListCollator();
    for (int k = 0; k < MainWindow::kListCount; ++k) {
        const RecordListView *list = w.List(k);
        const int sortColumn = list->Model()->SortedBy();
        QList<int> expected;
        for (int slot = 0; slot < w.agenda.slotCount; ++slot) {
            const AgendaRecord *r = w.agenda.RecordAt(slot);
            if (r && UserListProxy::ListOf(r->owner) == k)
                expected.append(slot);
        }
        QList<int> shown;
        for (int row = 0; row < list->rowCount(); ++row) {
            const int slot = w.RowSlot(k, row);
            shown.append(slot);
            const AgendaRecord *r = w.agenda.RecordAt(slot);
            if (!r)
                return QStringLiteral("list %1 row %2 shows free slot %3").arg(k).arg(row).arg(slot);
            for (int c = 0; c < MainWindow::kColumnCount; ++c)
                if (list->model()->index(row, c).data().toString() != FieldText(*r, slot, FieldId(c)))
                    return QStringLiteral("list %1 row %2 column %3 is stale").arg(k).arg(row).arg(c);
            if (row > 0 && sortColumn > 0 && !inPlace.contains(slot) && !inPlace.contains(shown.at(row - 1))) {
                const QString before = list->CellText(row - 1, sortColumn);
                if (collator.compare(before, list->CellText(row, sortColumn)) > 0)
                    return QStringLiteral("list %1 row %2 out of order").arg(k).arg(row);
            }
        }
        if (w.FilterText().isEmpty()) {
            std::sort(shown.begin(), shown.end());
            if (shown != expected)
                return QStringLiteral("list %1 shows other records than the document").arg(k);
        }
    }
    return QString();
}

} // namespace

void TestListConsistency::listsFollowEveryCommand_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<QString>("filter");

    const Command insert = [](TestWindow &w, ScriptedPrompter &, const QTemporaryDir &) { w.InsertNew(); };
    const Command remove = [](TestWindow &w, ScriptedPrompter &p, const QTemporaryDir &) {
        SelectContacts(w, 3);
        p.answers = {Prompter::Answer::Ok};
        w.DeleteSelected();
    };
    const Command move = [](TestWindow &w, ScriptedPrompter &p, const QTemporaryDir &) {
        SelectContacts(w, 2);
        p.answers = {Prompter::Answer::Ok};
        w.MoveToUser(2);
    };
    const Command copy = [](TestWindow &w, ScriptedPrompter &p, const QTemporaryDir &) {
        SelectContacts(w, 2);
        p.answers = {Prompter::Answer::Ok};
        w.CopyToUser(3);
    };
    const Command cell = [](TestWindow &w, ScriptedPrompter &, const QTemporaryDir &) {
        SelectContacts(w, 1);
        // Not the sort column: an edit leaves its row in place, which this check would
        // take for a stale order.
        w.EditCell(0, w.List(0)->currentRow(), MainWindow::colStreet, QStringLiteral("via nuova"));
    };
    const Command editor = [](TestWindow &w, ScriptedPrompter &p, const QTemporaryDir &) {
        SelectContacts(w, 1);
        w.whileEditorOpen = [&w, &p](int slot) {
            RecordEdit edit;
            edit.slot = slot;
            edit.record = *w.agenda.RecordAt(slot);
            edit.record.label = QStringLiteral("zzz last now");
            edit.record.owner = 4;
            edit.labelChanged = true;
            AcceptRecordEdit(w.book, edit, p);
        };
        w.EditCurrent();
    };
    const Command import = [](TestWindow &w, ScriptedPrompter &p, const QTemporaryDir &) {
        SelectContacts(w, 1);
        p.files = {{Vcard("John_Doe_GMAIL.vcf")}};
        w.ImportVcf();
    };
    const Command insertCards = [](TestWindow &w, ScriptedPrompter &, const QTemporaryDir &) {
        w.InsertVcfFiles({Vcard("gmail-list.vcf")});
    };
    const Command undoDelete = [remove](TestWindow &w, ScriptedPrompter &p, const QTemporaryDir &d) {
        remove(w, p, d);
        w.Undo();
    };
    const Command redoMove = [move](TestWindow &w, ScriptedPrompter &p, const QTemporaryDir &d) {
        move(w, p, d);
        w.Undo();
        w.Redo();
    };
    const Command load = [](TestWindow &w, ScriptedPrompter &, const QTemporaryDir &d) {
        w.LoadFile(CopySample(d));
    };
    const std::pair<const char *, Command> commands[] = {
        {"insert", insert}, {"delete", remove}, {"move", move}, {"copy", copy},
        {"edit in cell", cell}, {"editor", editor}, {"import", import}, {"insert cards", insertCards},
        {"undo", undoDelete}, {"redo", redoMove}, {"load", load},
    };
    for (const auto &[name, command] : commands) {
        QTest::addRow("%s, slot order", name) << command << -1 << QString();
        QTest::addRow("%s, by label", name) << command << int(MainWindow::colLabel) << QString();
        QTest::addRow("%s, by city, filtered", name) << command << int(MainWindow::colCity) << QStringLiteral("a");
    }
}

void TestListConsistency::listsFollowEveryCommand()
{
    QFETCH(Command, command);
    QFETCH(int, sortColumn);
    QFETCH(QString, filter);
    QTemporaryDir dir;
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(CopySample(dir)));
    for (int k = 0; k < MainWindow::kListCount && sortColumn > 0; ++k)
        w.List(k)->sortItems(sortColumn, Qt::AscendingOrder);
    w.SetFilterText(filter);
    QCOMPARE(Difference(w), QString());
    const QList<int> before = ListsOfSlots(w);
    QSet<int> changed;
    connect(&w.book, &Phonebook::SlotsChanged, this, [&](const QList<int> &slots) {
        for (int slot : slots)
            changed.insert(slot);
    });
    command(w, p, dir);
    const QList<int> after = ListsOfSlots(w);
    QSet<int> inPlace;
    for (int slot : changed)
        if (before.at(slot) >= 0 && before.at(slot) == after.at(slot))
            inPlace.insert(slot);
    QCOMPARE(Difference(w, inPlace), QString());
    // Everything the filter hid comes back, also in step.
    w.SetFilterText(QString());
    QCOMPARE(Difference(w, inPlace), QString());
}

QTEST_MAIN(TestListConsistency)
#include "test_listconsistency.moc"
