// The phonebook document: results with reasons, announced slots, change groups and their
// restore; the one edit path with its strict GPS reader.
#include "support/scriptedprompter.h"
#include "store/edit.h"
#include "store/phonebook.h"
#include "store/recordrules.h"

#include <QSignalSpy>
#include <QtTest>

class TestPhonebook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operationsSayWhy_data();
    void operationsSayWhy();
    void changeGroupRestores();
    void gpsText_data();
    void gpsText();
    void cellEdit_data();
    void cellEdit();
};

namespace {

AgendaRecord Contact(const QString &label, uint32_t owner = 1)
{
    AgendaRecord r;
    r.label = label;
    r.owner = owner;
    return r;
}

// Four users and two contacts, in slots 4 and 5.
void Fill(Phonebook &book)
{
    Agenda a;
    a.InsertRecord(Contact(QStringLiteral("ROSSI")));
    a.InsertRecord(Contact(QStringLiteral("BIANCHI"), 2));
    book.Replace(a);
}

} // namespace

void TestPhonebook::operationsSayWhy_data()
{
    using Op = std::function<BookResult(Phonebook &)>;
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("reason");  // empty: done
    QTest::addColumn<QList<int>>("announced");
    QTest::newRow("delete a contact") << Op([](Phonebook &b) { return b.DeleteRecord(4); }) << QString()
                                      << QList<int>{4};
    QTest::newRow("delete a user") << Op([](Phonebook &b) { return b.DeleteRecord(1); }) << BookText::userSlot()
                                   << QList<int>{};
    QTest::newRow("delete a free slot") << Op([](Phonebook &b) { return b.DeleteRecord(9); }) << BookText::noRecord()
                                        << QList<int>{};
    QTest::newRow("move to user 3") << Op([](Phonebook &b) { return b.MoveToUser(4, 3); }) << QString()
                                    << QList<int>{4};
    QTest::newRow("move to no user") << Op([](Phonebook &b) { return b.MoveToUser(4, 5); }) << BookText::noUser()
                                     << QList<int>{};
    QTest::newRow("move a user") << Op([](Phonebook &b) { return b.MoveToUser(0, 2); }) << BookText::userSlot()
                                 << QList<int>{};
    QTest::newRow("copy to user 4") << Op([](Phonebook &b) { return b.CopyToUser(5, 4); }) << QString()
                                    << QList<int>{6};
    QTest::newRow("insert when full") << Op([](Phonebook &b) {
        while (b.FreeSlots() > 0)
            b.InsertRecord(Contact(QStringLiteral("X")));
        return b.InsertRecord(Contact(QStringLiteral("ONE TOO MANY")));
    }) << BookText::noMoreSpace() << QList<int>{};
}

void TestPhonebook::operationsSayWhy()
{
    QFETCH(std::function<BookResult(Phonebook &)>, op);
    QFETCH(QString, reason);
    QFETCH(QList<int>, announced);
    Phonebook book;
    Fill(book);
    const Agenda before = book.Data();
    QSignalSpy spy(&book, &Phonebook::SlotsChanged);
    book.BeginChange();
    const BookResult result = op(book);
    const Phonebook::Change change = book.EndChange();
    QCOMPARE(result.ok, reason.isEmpty());
    QCOMPARE(result.reason, reason);
    if (!reason.isEmpty())
        return;
    QCOMPARE(spy.last().at(0).value<QList<int>>(), announced);
    QCOMPARE(int(change.slots.size()), announced.size());
    QCOMPARE(book.UsedCount() - before.usedCount, change.usedAfter - change.usedBefore);
}

void TestPhonebook::changeGroupRestores()
{
    Phonebook book;
    Fill(book);
    const Agenda before = book.Data();
    // Nested groups are one change; a slot changed twice keeps its first state.
    book.BeginChange();
    book.BeginChange();
    AgendaRecord edited = *book.RecordAt(4);
    edited.city = QStringLiteral("ROMA");
    book.StoreRecord(4, edited);
    QVERIFY(book.EndChange().IsEmpty());
    edited.city = QStringLiteral("MILANO");
    book.StoreRecord(4, edited);
    book.DeleteRecord(5);
    const int inserted = book.InsertRecord(Contact(QStringLiteral("NEW"))).slot;
    QCOMPARE(inserted, 5);  // the freed slot, taken again: the group keeps BIANCHI as before
    const Phonebook::Change change = book.EndChange();
    QCOMPARE(int(change.slots.size()), 2);
    const Agenda after = book.Data();

    QSignalSpy spy(&book, &Phonebook::SlotsChanged);
    book.Restore(change, false);
    for (int i = 0; i < Agenda::kCapacity; ++i)
        QVERIFY(book.Data().slots[size_t(i)] == before.slots[size_t(i)]);
    QCOMPARE(book.UsedCount(), before.usedCount);
    QCOMPARE(spy.last().at(0).value<QList<int>>(), (QList<int>{4, 5}));
    book.Restore(change, true);
    QVERIFY(book.Data().slots[4] == after.slots[4]);
    QCOMPARE(book.Data().slots[5].label, QStringLiteral("NEW"));
    QCOMPARE(book.UsedCount(), after.usedCount);
}

void TestPhonebook::gpsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");  // GpsText after reading; "-" = refused
    QTest::newRow("letters, latitude first") << "N45.5,E9.25" << "N45.500000,E9.250000";
    QTest::newRow("longitude first") << "W1.5,N50.25" << "N50.250000,W1.500000";
    QTest::newRow("signs") << "-33.5,-70.25" << "S33.500000,W70.250000";
    QTest::newRow("plus signs") << "+45.5,+9.25" << "N45.500000,E9.250000";
    QTest::newRow("plain numbers, spaces") << " 45.5 , 9.25 " << "N45.500000,E9.250000";
    QTest::newRow("lower case") << "s1,w2" << "S1.000000,W2.000000";
    QTest::newRow("empty clears") << "" << "";
    QTest::newRow("an address") << "Munich 80331" << "-";
    QTest::newRow("a street") << "12 Via Roma" << "-";
    QTest::newRow("one number") << "8" << "-";
    QTest::newRow("latitude beyond 90") << "N90.5,E9" << "-";
    QTest::newRow("longitude beyond 180") << "N45,E180.5" << "-";
    QTest::newRow("wrong letter for the longitude") << "N45,N9" << "-";
    QTest::newRow("two points") << "N45.5.1,E9" << "-";
    QTest::newRow("three parts") << "N45,E9,1" << "-";
    QTest::newRow("letter without number") << "N,E9" << "-";
}

void TestPhonebook::gpsText()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    NavData nav;
    nav.SetGpsText(QStringLiteral("N1,E1"));
    const NavData before = nav;
    QCOMPARE(nav.ReadGpsText(text), stored != QLatin1String("-"));
    if (stored == QLatin1String("-"))
        QVERIFY(nav == before);
    else
        QCOMPARE(nav.GpsText(), stored);
}

void TestPhonebook::cellEdit_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("stored");  // the column's text afterwards
    QTest::newRow("street upper-cased") << int(FieldId::Street) << "via Roma" << "" << "VIA ROMA";
    QTest::newRow("label kept as typed") << int(FieldId::Label) << "Rossi" << "" << "Rossi";
    QTest::newRow("empty label") << int(FieldId::Label) << "" << RecordText::nullValue() << "ROSSI";
    QTest::newRow("long number") << int(FieldId::Numb) << "123456" << RecordText::tooLong().arg(5) << "";
    QTest::newRow("GPS position") << int(FieldId::Gps) << "N45.5,E9.25" << "" << "N45.500000,E9.250000";
    QTest::newRow("GPS address") << int(FieldId::Gps) << "Munich 80331" << RecordText::invalidGps() << "";
    QTest::newRow("fld51 not editable") << int(FieldId::Fld51) << "x" << "" << "";
    QTest::newRow("record number") << int(FieldId::Record) << "7" << "" << "5";
}

void TestPhonebook::cellEdit()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    QFETCH(QString, stored);
    Phonebook book;
    Fill(book);
    book.SetModified(false);
    ScriptedPrompter prompter;
    const EditResult result = AcceptCellEdit(book, 4, column, text, prompter);
    const bool editable = column != int(FieldId::Fld51) && column != int(FieldId::Record);
    QCOMPARE(result.ok, editable && refusal.isEmpty());
    QCOMPARE(result.refusal, refusal);
    QCOMPARE(book.Modified(), result.ok);
    QCOMPARE(FieldText(*book.RecordAt(4), 4, FieldId(column)), stored);
    QVERIFY(prompter.shown.isEmpty());  // no postal or voice data: nothing to ask
}

QTEST_MAIN(TestPhonebook)
#include "test_phonebook.moc"
