#include "app/phonetexts.h"
#include "app/phonetidydlg.h"
#include "store/agenda.h"
#include "app/windowfixture.h"

#include <QComboBox>
#include <QStatusBar>
#include <QUndoStack>
#include <QtTest>

// The tidy preview over a phonebook with German numbers written every way.
class TestPhoneTidy : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rows_data();
    void rows();
    void untickedStayAsTheyWere();
    void regionDialog();
    void windowAppliesOneUndoStep();
    void windowNothingToTidy();
    void cellEditKeepsTypedText_data();
    void cellEditKeepsTypedText();
};

namespace {

Agenda TidyPhonebook()
{
    Agenda agenda;
    AgendaRecord r;
    r.label = QStringLiteral("Huber");
    r.owner = 1;
    r.phone = {QStringLiteral("089/123 45 67"), QStringLiteral("+49 89 1234567"), QStringLiteral("112"),
               QStringLiteral("0171 1234567p1"), QString()};
    agenda.InsertRecord(r);  // record 5
    r.label = QStringLiteral("Rossi");
    r.phone = {QStringLiteral("0039 06 1234 5678"), QString(), QString(), QString(), QStringLiteral("06603 123456")};
    agenda.InsertRecord(r);  // record 6
    return agenda;
}

} // namespace

void TestPhoneTidy::rows_data()
{
    QTest::addColumn<int>("form");  // index in the form box
    QTest::addColumn<QStringList>("rows");
    // The kept rows are the same whatever the form; the values are python3-phonenumbers'.
    const QStringList kept{"5/3 112 kept: is not a valid number for DE", "5/4 0171 1234567p1 kept: holds pause or tone characters",
                           "6/5 06603 123456 kept: is not a valid number for DE"};
    QTest::newRow("international") << 0
                                   << QStringList{"5/1 089/123 45 67 -> +49 89 1234567", kept[0], kept[1],
                                                  "6/1 0039 06 1234 5678 -> +39 06 1234 5678", kept[2]};
    QTest::newRow("e164") << 1
                          << QStringList{"5/1 089/123 45 67 -> +49891234567", "5/2 +49 89 1234567 -> +49891234567",
                                         kept[0], kept[1], "6/1 0039 06 1234 5678 -> +390612345678", kept[2]};
    QTest::newRow("national") << 2
                              << QStringList{"5/1 089/123 45 67 -> 089 1234567", "5/2 +49 89 1234567 -> 089 1234567",
                                             kept[0], kept[1], "6/1 0039 06 1234 5678 -> +39 06 1234 5678", kept[2]};
}

void TestPhoneTidy::rows()
{
    QFETCH(int, form);
    QFETCH(QStringList, rows);
    Agenda agenda = TidyPhonebook();
    PhoneTidyDlg dlg(agenda, {4, 5}, QStringLiteral("DE"));
    dlg.FormBox()->setCurrentIndex(form);
    const PhoneTidyModel &m = dlg.Model();
    QStringList shown;
    for (int i = 0; i < m.rowCount(); ++i) {
        const PhoneTidyRow &r = m.Rows()[i];
        shown.append(QStringLiteral("%1/%2 %3 %4")
                         .arg(m.data(m.index(i, PhoneTidyModel::colRecord), Qt::DisplayRole).toInt())
                         .arg(m.data(m.index(i, PhoneTidyModel::colPhone), Qt::DisplayRole).toInt())
                         .arg(r.before,
                              (r.Changes() ? QStringLiteral("-> ") : QString())
                                  + m.data(m.index(i, PhoneTidyModel::colAfter), Qt::DisplayRole).toString()));
        // Only a change has a check box, ticked at first.
        const QVariant check = m.data(m.index(i, PhoneTidyModel::colRecord), Qt::CheckStateRole);
        QCOMPARE(check.isValid(), r.Changes());
        QCOMPARE(m.Ticked(i), r.Changes());
    }
    QCOMPARE(shown, rows);
    QCOMPARE(dlg.Chosen().size(), m.Changes());
}

void TestPhoneTidy::untickedStayAsTheyWere()
{
    Agenda agenda = TidyPhonebook();
    agenda.modified = false;
    PhoneTidyDlg dlg(agenda, {4, 5}, QStringLiteral("DE"));
    PhoneTidyModel &m = dlg.Model();
    // A kept row cannot be ticked; the first change is unticked.
    QVERIFY(!m.setData(m.index(1, PhoneTidyModel::colRecord), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(m.setData(m.index(0, PhoneTidyModel::colRecord), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(ApplyPhoneTidy(agenda, dlg.Chosen()), 1);
    QVERIFY(agenda.modified);
    QCOMPARE(agenda.slots[4].phone[0], QStringLiteral("089/123 45 67"));
    QCOMPARE(agenda.slots[5].phone[0], QStringLiteral("+39 06 1234 5678"));
    QCOMPARE(agenda.slots[5].phone[4], QStringLiteral("06603 123456"));
    // Select none leaves nothing to apply, and OK cannot be pressed.
    m.SetAllTicked(false);
    QVERIFY(dlg.Chosen().isEmpty());
}

void TestPhoneTidy::regionDialog()
{
    StorePhoneRegion(QStringLiteral("AT"));
    PhoneRegionDlg dlg;
    QCOMPARE(dlg.RegionBox()->currentData().toString(), QStringLiteral("AT"));
    dlg.RegionBox()->setCurrentIndex(0);  // the system's
    dlg.Store();
    QCOMPARE(StoredPhoneRegion(), QString());
    dlg.RegionBox()->setCurrentIndex(dlg.RegionBox()->findData(QStringLiteral("IT")));
    dlg.Store();
    QCOMPARE(DefaultPhoneRegion(), QStringLiteral("IT"));
    StorePhoneRegion(QString());
}

void TestPhoneTidy::windowAppliesOneUndoStep()
{
    StorePhoneRegion(QStringLiteral("DE"));
    ScriptedPrompter p;
    TestWindow w(p);
    w.book.Replace(TidyPhonebook());
    w.book.SetModified(false);
    w.SetupLists();
    const Agenda before = w.agenda;
    RecordListView *list = w.List(0);
    SelectRows(list, {RowOfLabel(list, QStringLiteral("Huber")), RowOfLabel(list, QStringLiteral("Rossi"))}, -1);
    // The user leaves Rossi's number out.
    w.tidyReview = [](PhoneTidyDlg &d) {
        PhoneTidyModel &m = d.Model();
        for (int i = 0; i < m.rowCount(); ++i)
            if (m.Rows()[i].slot == 5)
                m.setData(m.index(i, PhoneTidyModel::colRecord), Qt::Unchecked, Qt::CheckStateRole);
        return true;
    };
    w.TidyPhones();
    QCOMPARE(w.tidyReviews, 1);
    QCOMPARE(w.agenda.slots[4].phone[0], QStringLiteral("+49 89 1234567"));
    QCOMPARE(w.agenda.slots[4].phone[2], QStringLiteral("112"));
    QCOMPARE(w.agenda.slots[5].phone[0], QStringLiteral("0039 06 1234 5678"));
    QVERIFY(w.agenda.modified);
    QCOMPARE(list->CellText(RowOfLabel(list, QStringLiteral("Huber")), MainWindow::colPhone1), QStringLiteral("+49 89 1234567"));
    QCOMPARE(w.UndoStack().count(), 1);
    QCOMPARE(w.UndoStack().undoText(), PhoneText::menuTidy());
    w.Undo();
    QCOMPARE(w.agenda.slots[4].phone, before.slots[4].phone);
    QVERIFY(!w.agenda.modified);
    QCOMPARE(list->CellText(RowOfLabel(list, QStringLiteral("Huber")), MainWindow::colPhone1), QStringLiteral("089/123 45 67"));
    // Cancel changes nothing and leaves no step.
    w.tidyReview = [](PhoneTidyDlg &) { return false; };
    w.TidyPhones();
    QCOMPARE(w.agenda.slots[4].phone, before.slots[4].phone);
    QVERIFY(!w.UndoStack().canUndo());
    StorePhoneRegion(QString());
}

void TestPhoneTidy::windowNothingToTidy()
{
    ScriptedPrompter p;
    TestWindow w(p);
    AgendaRecord r;
    r.label = QStringLiteral("Mute");
    r.owner = 1;
    w.book.InsertRecord(r);
    w.SetupLists();
    SelectRows(w.List(0), {RowOfLabel(w.List(0), QStringLiteral("Mute"))}, -1);
    w.TidyPhones();
    QCOMPARE(w.tidyReviews, 0);
    QCOMPARE(p.Messages(), QStringList{PhoneText::nothingToTidy()});
}

// A number typed into a cell is stored as typed; the status bar says what is odd about it.
void TestPhoneTidy::cellEditKeepsTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("status");
    QTest::newRow("valid") << "089 7654321" << "";
    // Record 5 holds 112: the library calls a number ending another possibly the same.
    QTest::newRow("not valid") << "0171 12"
                               << "Phone-2: \"0171 12\" is not a valid number for DE: kept as typed; possibly the same number as record 5";
    QTest::newRow("pause") << "089 7654321p12" << "Phone-2: \"089 7654321p12\" holds pause or tone characters: kept as typed";
    QTest::newRow("Huber's number spelt otherwise") << "(089) 123-4567" << "Phone-2: same number as record 5";
    QTest::newRow("Huber's number without area code")
        << "123-4567" << "Phone-2: \"123-4567\" is not a valid number for DE: kept as typed; possibly the same number as record 5";
}

void TestPhoneTidy::cellEditKeepsTypedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, status);
    StorePhoneRegion(QStringLiteral("DE"));
    ScriptedPrompter p;
    TestWindow w(p);
    w.book.Replace(TidyPhonebook());
    w.SetupLists();
    w.statusBar()->showMessage(QStringLiteral("before"));
    RecordListView *list = w.List(0);
    QVERIFY(w.EditCell(0, RowOfLabel(list, QStringLiteral("Rossi")), MainWindow::colPhone1 + 1, typed));
    QCOMPARE(w.agenda.slots[5].phone[1], typed);
    QCOMPARE(w.statusBar()->currentMessage(), status);
    QVERIFY(p.Messages().isEmpty());
    StorePhoneRegion(QString());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("kestravon-test"));
    TestPhoneTidy test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_phonetidy.moc"
