// Texts with a count: the English forms written when no translation has the text.
#include "common/plural.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

namespace {

// A translator that knows one text of one context, with a form for one and one for more.
class OneText : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int n) const override
    {
        if (qstrcmp(context, "Test") != 0 || qstrcmp(source, "%n card(s)") != 0)
            return QString();
        return n == 1 ? QStringLiteral("%n Karte") : QStringLiteral("%n Karten");
    }
};

} // namespace

class TestPlural : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void english_data();
    void english();
    void translated();
};

void TestPlural::english_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one") << "%n card(s)" << 1 << "1 card";
    QTest::newRow("none") << "%n card(s)" << 0 << "0 cards";
    QTest::newRow("many") << "%n free place(s)" << 91 << "91 free places";
    QTest::newRow("count inside a sentence") << "%n finding(s). Double-click one." << 1 << "1 finding. Double-click one.";
    QTest::newRow("every (s) follows the count") << "%n phone(s) dropped, %n e-mail(s)" << 2
                                                   << "2 phones dropped, 2 e-mails";
}

void TestPlural::english()
{
    QFETCH(QString, source);
    QFETCH(int, n);
    const QByteArray text = source.toUtf8();
    QTEST(CountText("Test", text.constData(), n), "shown");
}

// A translation gives its own forms; a text it does not have keeps the English ones.
void TestPlural::translated()
{
    OneText german;
    QCoreApplication::installTranslator(&german);
    QCOMPARE(CountText("Test", "%n card(s)", 1), QStringLiteral("1 Karte"));
    QCOMPARE(CountText("Test", "%n card(s)", 3), QStringLiteral("3 Karten"));
    QCOMPARE(CountText("Other", "%n card(s)", 3), QStringLiteral("3 cards"));
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(CountText("Test", "%n card(s)", 1), QStringLiteral("1 card"));
}

QTEST_GUILESS_MAIN(TestPlural)
#include "test_plural.moc"
