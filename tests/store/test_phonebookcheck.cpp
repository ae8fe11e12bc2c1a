#include "store/agenda.h"
#include "store/phonebookcheck.h"
#include "support/craftedcheck.h"

#include <QtTest>

using Kind = CheckFinding::Kind;
Q_DECLARE_METATYPE(CheckFinding::Kind)

class TestPhonebookCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oneFindingPerKind_data();
    void oneFindingPerKind();
    void noFinding_data();
    void noFinding();
    void lookAlikeGroupNamesTheFirst();
};

void TestPhonebookCheck::oneFindingPerKind_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("line");
    // The spoilt record is record 6 (slot 5), after the four users and Anna Rossi.
    QTest::newRow("too long") << "too long" << Kind::TooLong << "label"
                              << "record 6: label is 33 characters, the unit allows 30";
    QTest::newRow("foreign owner") << "foreign owner" << Kind::ForeignOwner << "owner"
                                   << "record 6: owner 7 is not one of the phonebook's 4 users";
    QTest::newRow("same label") << "same label" << Kind::Duplicate << "label"
                                << "record 6: looks like a duplicate of record 5 (same label)";
    QTest::newRow("same phone") << "same phone" << Kind::Duplicate << "phone 3"
                                << "record 6: looks like a duplicate of record 5 (same number as phone 3)";
    QTest::newRow("letters") << "letters" << Kind::Undialable << "phone 2"
                             << "record 6: phone 2 \"0800 FLOWERS\" holds characters a phone cannot dial";
    QTest::newRow("latitude") << "latitude" << Kind::GpsOutOfRange << "GPS"
                              << "record 6: GPS latitude 95.500000 is beyond ±90";
    QTest::newRow("longitude") << "longitude" << Kind::GpsOutOfRange << "GPS"
                               << "record 6: GPS longitude -200.000000 is beyond ±180";
    QTest::newRow("no label") << "no label" << Kind::NoLabel << "label" << "record 6: has no label";
    QTest::newRow("empty") << "empty" << Kind::Empty << "label" << "record 6: has no label, phone or e-mail";
}

void TestPhonebookCheck::oneFindingPerKind()
{
    QFETCH(QString, how);
    Agenda agenda = CraftedCheck::WithFirstContact();
    QCOMPARE(agenda.InsertRecord(CraftedCheck::Spoilt(how)), 5);
    const QList<CheckFinding> findings = CheckPhonebook(agenda);
    QCOMPARE(findings.size(), 1);
    QTEST(findings[0].kind, "kind");
    QCOMPARE(findings[0].slot, 5);
    QTEST(findings[0].field, "field");
    QTEST(FindingLine(findings[0]), "line");
}

void TestPhonebookCheck::noFinding_data()
{
    QTest::addColumn<int>("owner");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<uint>("navFlags");
    QTest::newRow("clean contact") << 1 << "Bruno Verdi" << "+39 (02) 765-4321 #12" << uint(kNavGps);
    QTest::newRow("look-alike of another user") << 2 << "anna rossi" << "3471234567" << 0u;
    QTest::newRow("label of 30 characters") << 1 << QString(30, QLatin1Char('L')) << "*31#" << 0u;
    QTest::newRow("coordinates off the globe without GPS") << 1 << "Carla" << "" << 0u;
}

void TestPhonebookCheck::noFinding()
{
    QFETCH(int, owner);
    QFETCH(QString, label);
    QFETCH(QString, phone);
    QFETCH(uint, navFlags);
    Agenda agenda = CraftedCheck::WithFirstContact();
    AgendaRecord r = CraftedCheck::Contact(label, phone);
    r.owner = uint32_t(owner);
    r.nav.navFlags = navFlags;
    r.nav.lat.FromDegrees(navFlags ? 89.5 : 123);
    r.nav.lon.FromDegrees(navFlags ? -179.5 : 555);
    agenda.InsertRecord(r);
    const QList<CheckFinding> findings = CheckPhonebook(agenda);
    QVERIFY2(findings.isEmpty(), qPrintable(findings.isEmpty() ? QString() : FindingLine(findings[0])));
}

void TestPhonebookCheck::lookAlikeGroupNamesTheFirst()
{
    // Every look-alike names the first record of its group, once, even when it matches
    // one record by label and an earlier one by phone.
    Agenda agenda = CraftedCheck::WithFirstContact();  // record 5
    agenda.InsertRecord(CraftedCheck::Contact(QStringLiteral("Other"), QStringLiteral("0611111111")));
    agenda.InsertRecord(CraftedCheck::Contact(QStringLiteral("OTHER"), QStringLiteral("+39 3471234567")));
    agenda.InsertRecord(CraftedCheck::Contact(QStringLiteral("anna rossi"), QString()));
    // A name stored shortened and the same name whole.
    agenda.InsertRecord(CraftedCheck::Contact(QStringLiteral("Bartolomeo Giovanni Maria Rina"), QString()));
    agenda.InsertRecord(CraftedCheck::Contact(QStringLiteral("BARTOLOMEO GIOVANNI MARIA RINALDI"), QString()));
    QStringList lines;
    for (const CheckFinding &f : CheckPhonebook(agenda))
        lines.append(FindingLine(f));
    QCOMPARE(lines, (QStringList{QStringLiteral("record 7: looks like a duplicate of record 5 (same number as phone 1)"),
                                 QStringLiteral("record 8: looks like a duplicate of record 5 (same label)"),
                                 QStringLiteral("record 10: label is 33 characters, the unit allows 30"),
                                 QStringLiteral("record 10: looks like a duplicate of record 9 (same label)")}));
}

QTEST_GUILESS_MAIN(TestPhonebookCheck)
#include "test_phonebookcheck.moc"
