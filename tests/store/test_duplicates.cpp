#include "store/agenda.h"
#include "store/duplicates.h"
#include "support/craftedcheck.h"

#include <QtTest>

class TestDuplicates : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The phone rule of the review and the check, through the record rule and the index.
    void samePhone_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("region");
        QTest::addColumn<bool>("same");
        QTest::newRow("country code and trunk zero") << "+49 89 1234567" << "089 1234567" << "DE" << true;
        QTest::newRow("other country") << "+49 89 1234567" << "+43 89 1234567" << "DE" << false;
        QTest::newRow("00 prefix") << "0039 347 1234567" << "347/123 45 67" << "IT" << true;
        QTest::newRow("national of another region") << "+39 347 123 4567" << "347 1234567" << "DE" << false;
        QTest::newRow("only possibly the same") << "1234567" << "089 1234567" << "DE" << false;
        QTest::newRow("no region, spelling only") << "089 1234567" << "089/1234567" << "" << true;
        QTest::newRow("empty") << "" << "" << "DE" << false;
    }
    void samePhone()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, region);
        QFETCH(bool, same);
        AgendaRecord ra, rb;
        ra.label = QStringLiteral("A");
        rb.label = QStringLiteral("B");
        ra.phone[1] = a;
        rb.phone[3] = b;
        QCOMPARE(LooksLikeDuplicate(ra, rb, region), same);
        QCOMPARE(LooksLikeDuplicate(rb, ra, region), same);
        DuplicateIndex index(region);
        index.Add(ra, 7);
        const DuplicateMatch match = index.Find(rb);
        QCOMPARE(match.first, same ? 7 : -1);
        QCOMPARE(match.phone, same ? 3 : -1);
    }

    void sameLabel_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        const QString name = QStringLiteral("Bartolomeo Giovanni Maria Rinaldi");  // 33 characters
        const QString sharp = QString(20, QChar(0xDF)) + QString(15, QLatin1Char('x'));  // "ß" folds to "ss"
        QTest::newRow("case") << "Müller Anna" << "MÜLLER ANNA" << true;
        QTest::newRow("stored cut to the limit") << name << name.left(30).toUpper() << true;
        QTest::newRow("cut before folding") << sharp << sharp.left(30) << true;
        QTest::newRow("cut shorter than the limit") << name << name.left(29) << false;
        QTest::newRow("both long, same start") << name << name.left(30) + QStringLiteral("ni") << false;
        QTest::newRow("empty") << "" << "" << false;
    }
    void sameLabel()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(SameLabel(a, b), same);
        QCOMPARE(SameLabel(b, a), same);
        // The index follows the rule, whichever of the two was added.
        AgendaRecord ra, rb;
        ra.label = a;
        rb.label = b;
        DuplicateIndex ia, ib;
        ia.Add(ra);
        ib.Add(rb);
        QCOMPARE(ia.Matches(rb), same);
        QCOMPARE(ib.Matches(ra), same);
    }

    // The editor's notes while a number is typed into record 7 (slot 6): which other contact
    // holds the same number, else possibly the same one (0-based slots, -1 for none).
    void holders_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("same");
        QTest::addColumn<int>("possibly");
        QTest::newRow("same number") << "0039 347 1234567" << 4 << -1;
        QTest::newRow("shorter form") << "1234567" << -1 << 4;
        QTest::newRow("with a leading zero") << "+39 0765 4321" << -1 << 5;
        QTest::newRow("its own stored number") << "06 5555555" << -1 << -1;
        QTest::newRow("other calling code") << "+41 1234567" << -1 << -1;
    }
    void holders()
    {
        QFETCH(QString, typed);
        Agenda agenda = CraftedCheck::WithFirstContact();  // slot 4: "+39 347 123 4567"
        agenda.InsertRecord(CraftedCheck::Contact(QStringLiteral("B"), QStringLiteral("765 4321")));
        agenda.InsertRecord(CraftedCheck::Contact(QStringLiteral("C"), QStringLiteral("06 5555555")));
        const PhoneHolders holders(agenda, QStringLiteral("IT"));
        QTEST(holders.OtherHolder(typed, 6, 1), "same");
        QTEST(holders.PossibleHolder(typed, 6, 1), "possibly");
    }

    void records()
    {
        AgendaRecord a, b;
        a.label = QStringLiteral("Müller Anna");
        b.label = QStringLiteral("MÜLLER ANNA");
        QVERIFY(LooksLikeDuplicate(a, b, QStringLiteral("DE")));
        b.label = QStringLiteral("Other");
        QVERIFY(!LooksLikeDuplicate(a, b, QStringLiteral("DE")));
        a.phone[4] = QStringLiteral("+49 89 1234 5678");
        b.phone[0] = QStringLiteral("089 12345678");
        QVERIFY(LooksLikeDuplicate(a, b, QStringLiteral("DE")));
        a.label.clear();
        b.label.clear();
        b.phone[0].clear();
        QVERIFY(!LooksLikeDuplicate(a, b, QStringLiteral("DE")));  // two empty labels are not a match
    }
};

QTEST_APPLESS_MAIN(TestDuplicates)
#include "test_duplicates.moc"
