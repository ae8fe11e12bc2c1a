#include "common/markup.h"

#include <QtTest>

// Message markup as rich text: lines with "-|" tabs are laid out as table rows, so the
// texts after the tab line up.
class TestMarkup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void html_data();
    void html();
};

void TestMarkup::html_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("html");
    const QString table = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    QTest::newRow("no tab") << "a&b [* c]" << "a<br>b <b>c</b>";
    QTest::newRow("tab lines in a table")
        << "x&Name -|: A&Version -|: B&&end"
        << "x" + table + "<tr><td>Name &nbsp;</td><td>: A</td></tr><tr><td>Version &nbsp;</td><td>: B</td></tr>"
           "</table><br><br>end";
    QTest::newRow("heading closed before the table")
        << "[3B Head&]k -|v"
        << "<span style=\"font-size:large; font-weight:bold\">Head</span>" + table
           + "<tr><td>k &nbsp;</td><td>v</td></tr></table>";
}

void TestMarkup::html()
{
    QFETCH(QString, markup);
    QFETCH(QString, html);
    QCOMPARE(MarkupToHtml(markup), html);
    QVERIFY(!MarkupToPlain(markup).contains(QChar(0x1F)));
}

QTEST_MAIN(TestMarkup)
#include "test_markup.moc"
