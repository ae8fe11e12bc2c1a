#include "store/agenda.h"
#include "store/duplicates.h"

#include <QtTest>

class TestDuplicates : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void samePhone_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("formatting") << "+39 (02) 123-4567" << "390212 34567" << true;
        QTest::newRow("country prefix") << "+39 347 123 4567" << "347 1234567" << true;
        QTest::newRow("double zero prefix") << "0039 3471234567" << "3471234567" << true;
        QTest::newRow("short equal") << "112" << "1-1-2" << true;
        QTest::newRow("short differs") << "112" << "113" << false;
        QTest::newRow("short inside long") << "12345678" << "012345678" << false;
        QTest::newRow("last nine differ") << "+39 347 123 4567" << "+39 347 123 4568" << false;
        QTest::newRow("no digits") << "HOME" << "HOME" << false;
        QTest::newRow("empty") << "" << "" << false;
    }
    void samePhone()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(SamePhoneNumber(a, b), same);
        QCOMPARE(SamePhoneNumber(b, a), same);
        // The key is the rule: equal keys exactly for the same number.
        QCOMPARE(!PhoneKey(a).isEmpty() && PhoneKey(a) == PhoneKey(b), same);
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

    void records()
    {
        AgendaRecord a, b;
        a.label = QStringLiteral("Müller Anna");
        b.label = QStringLiteral("MÜLLER ANNA");
        QVERIFY(LooksLikeDuplicate(a, b));
        b.label = QStringLiteral("Other");
        QVERIFY(!LooksLikeDuplicate(a, b));
        a.phone[4] = QStringLiteral("+49 89 1234 5678");
        b.phone[0] = QStringLiteral("089 12345678");
        QVERIFY(LooksLikeDuplicate(a, b));
        a.label.clear();
        b.label.clear();
        b.phone[0].clear();
        QVERIFY(!LooksLikeDuplicate(a, b));  // two empty labels are not a match
    }
};

QTEST_APPLESS_MAIN(TestDuplicates)
#include "test_duplicates.moc"
