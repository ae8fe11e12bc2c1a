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
    void numbers_data();
    void numbers();
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
                                << "record 6: phone 3 \"347/1234567\" is the same number as record 5";
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
    const QList<CheckFinding> findings = CheckPhonebook(agenda, QStringLiteral("IT"));
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
    const QList<CheckFinding> findings = CheckPhonebook(agenda, QStringLiteral("IT"));
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
    for (const CheckFinding &f : CheckPhonebook(agenda, QStringLiteral("IT")))
        lines.append(FindingLine(f));
    QCOMPARE(lines, (QStringList{QStringLiteral("record 7: phone 1 \"+39 3471234567\" is the same number as record 5"),
                                 QStringLiteral("record 8: looks like a duplicate of record 5 (same label)"),
                                 QStringLiteral("record 10: label is 33 characters, the unit allows 30"),
                                 QStringLiteral("record 10: looks like a duplicate of record 9 (same label)")}));
}

void TestPhonebookCheck::numbers_data()
{
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("too short") << "0171 12" << "DE"
                               << QStringList{"record 6: phone 2 \"0171 12\" is not a valid number for DE"};
    QTest::newRow("Austrian read as German") << "06603 123456" << "DE"
                                             << QStringList{"record 6: phone 2 \"06603 123456\" is not a valid number for DE"};
    QTest::newRow("Austrian read as Austrian") << "06603 123456" << "AT" << QStringList();
    QTest::newRow("foreign number names its region") << "+43 660" << "DE"
                                                      << QStringList{"record 6: phone 2 \"+43 660\" is not a valid number for AT"};
    QTest::newRow("no number") << "()" << "DE" << QStringList{"record 6: phone 2 \"()\" is not a phone number"};
    QTest::newRow("service code is meant") << "*31#089 1234567" << "DE" << QStringList();
    QTest::newRow("national, no region")
        << "089 1234567" << ""
        << QStringList{"record 6: phone 2 \"089 1234567\" has no country code and no region is set: it will not dial abroad"};
    QTest::newRow("international, no region") << "0049 89 1234567" << "" << QStringList();
    // Same number as the first contact's "+39 347 123 4567" once it is read as Italian.
    QTest::newRow("same number, another spelling")
        << "0039 347/1234567" << "DE"
        << QStringList{"record 6: phone 2 \"0039 347/1234567\" is the same number as record 5"};
    QTest::newRow("national of IT read as DE") << "347 1234567" << "DE" << QStringList();
    QTest::newRow("shorter form")
        << "1234567" << "IT"
        << QStringList{"record 6: phone 2 \"1234567\" is possibly the same number as record 5",
                       "record 6: phone 2 \"1234567\" is not a valid number for IT"};
    QTest::newRow("national of IT read as IT")
        << "347 1234567" << "IT"
        << QStringList{"record 6: phone 2 \"347 1234567\" is the same number as record 5"};
}

void TestPhonebookCheck::numbers()
{
    QFETCH(QString, phone);
    QFETCH(QString, region);
    Agenda agenda = CraftedCheck::WithFirstContact();
    AgendaRecord r = CraftedCheck::Contact(QStringLiteral("Bruno Verdi"), QStringLiteral("+39 02 7654321"));
    r.phone[1] = phone;
    agenda.InsertRecord(r);
    QStringList lines;
    for (const CheckFinding &f : CheckPhonebook(agenda, region))
        lines.append(FindingLine(f));
    QTEST(lines, "lines");
}

QTEST_GUILESS_MAIN(TestPhonebookCheck)
#include "test_phonebookcheck.moc"
