#include "common/numbers.h"

#include <QtTest>

#include <cmath>
#include <limits>

// The one number reader: the odd inputs each of its callers meets (files read as atof
// reads them, service answers, typed fields, vCard GEO values).
class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void read_data();
    void read();
    void wholeText_data();
    void wholeText();
    void scanInt();
};

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kNumber = int(NumberRead::Status::Number);
constexpr int kNone = int(NumberRead::Status::None);
constexpr int kRange = int(NumberRead::Status::OutOfRange);
} // namespace

void TestNumbers::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("blanks");  // NumberSyntax::leadingBlanks
    QTest::addColumn<bool>("comma");   // NumberSyntax::decimalComma
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("end");

    QTest::newRow("integer") << "42" << false << false << kNumber << 42.0 << 2;
    QTest::newRow("minus") << "-9.25x" << false << false << kNumber << -9.25 << 5;
    QTest::newRow("plus") << "+1.5" << false << false << kNumber << 1.5 << 4;
    QTest::newRow("two signs") << "+-5" << false << false << kNone << 0.0 << 0;
    QTest::newRow("sign only") << "-" << false << false << kNone << 0.0 << 0;
    QTest::newRow("point only") << "." << false << false << kNone << 0.0 << 0;
    QTest::newRow("signed point") << "-.e5" << false << false << kNone << 0.0 << 0;
    QTest::newRow("leading point") << ".5" << false << false << kNumber << 0.5 << 2;
    QTest::newRow("trailing point") << "5." << false << false << kNumber << 5.0 << 2;
    QTest::newRow("leading zeros") << "0012.50" << false << false << kNumber << 12.5 << 7;
    QTest::newRow("minus zero") << "-0" << false << false << kNumber << -0.0 << 2;
    QTest::newRow("empty") << "" << false << false << kNone << 0.0 << 0;
    QTest::newRow("blanks refused") << " 5" << false << false << kNone << 0.0 << 0;
    QTest::newRow("blanks skipped") << " \t\n\r\v\f-5" << true << false << kNumber << -5.0 << 8;
    QTest::newRow("blank after sign") << "- 5" << true << false << kNone << 0.0 << 0;
    QTest::newRow("no-break space is no blank") << "\u00a05" << true << false << kNone << 0.0 << 0;
    QTest::newRow("comma ends the number") << "1,5" << false << false << kNumber << 1.0 << 1;
    QTest::newRow("decimal comma") << "-1,5" << false << true << kNumber << -1.5 << 4;
    QTest::newRow("second comma ends it") << "1,2,3" << false << true << kNumber << 1.2 << 3;
    QTest::newRow("comma then point") << "1,2.3" << false << true << kNumber << 1.2 << 3;
    QTest::newRow("exponent") << "1.5e3" << false << false << kNumber << 1500.0 << 5;
    QTest::newRow("exponent sign") << "25E-1" << false << false << kNumber << 2.5 << 5;
    QTest::newRow("exponent after comma") << "1,5e+2" << false << true << kNumber << 150.0 << 6;
    QTest::newRow("e without digits") << "1e" << false << false << kNumber << 1.0 << 1;
    QTest::newRow("e with sign only") << "7e+x" << false << false << kNumber << 7.0 << 1;
    QTest::newRow("hex is not read") << "0x10" << false << false << kNumber << 0.0 << 1;
    QTest::newRow("infinity is not read") << "inf" << false << false << kNone << 0.0 << 0;
    QTest::newRow("nan is not read") << "nan" << false << false << kNone << 0.0 << 0;
    QTest::newRow("arabic-indic digits") << "\u0661\u0662" << false << false << kNone << 0.0 << 0;
    QTest::newRow("overflow") << "1e400" << false << false << kRange << kInf << 5;
    QTest::newRow("negative overflow") << "-0.5e310" << false << false << kRange << -kInf << 8;
    QTest::newRow("long digit run overflows") << QString(400, QLatin1Char('9')) << false << false << kRange << kInf
                                              << 400;
    QTest::newRow("underflow") << "-0.001e-400" << false << false << kRange << -0.0 << 11;
    QTest::newRow("huge exponent of zero") << "0.0e99999999999" << false << false << kNumber << 0.0 << 15;
    QTest::newRow("smallest subnormal") << "5e-324" << false << false << kNumber << 5e-324 << 6;
}

void TestNumbers::read()
{
    QFETCH(QString, text);
    QFETCH(bool, blanks);
    QFETCH(bool, comma);
    QFETCH(int, status);
    QFETCH(double, value);
    QFETCH(int, end);
    const NumberSyntax syntax{blanks, comma};
    for (int offset : {0, 3}) {  // at the start, and behind other text
        const QString shifted = QStringLiteral("ab;") + text;
        const NumberRead fromText = ReadNumber(offset ? QStringView(shifted) : QStringView(text), offset, syntax);
        QCOMPARE(int(fromText.status), status);
        QCOMPARE(fromText.value, value);
        QCOMPARE(std::signbit(fromText.value), std::signbit(value));
        QCOMPARE(fromText.end, qsizetype(status == kNone ? offset : end + offset));
        // The byte reader reads the same (UTF-8 bytes outside ASCII are never part of it).
        const QByteArray bytes = (offset ? shifted : text).toUtf8();
        const NumberRead fromBytes = ReadNumber(QByteArrayView(bytes), offset, syntax);
        QCOMPARE(int(fromBytes.status), status);
        QCOMPARE(fromBytes.value, value);
        if (text.toLatin1() == text.toUtf8())
            QCOMPARE(fromBytes.end, fromText.end);
    }
}

void TestNumbers::wholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("blanks around") << " \u00a0-9.5\t" << false << true << -9.5;
    QTest::newRow("typed comma") << "+45,25" << true << true << 45.25;
    QTest::newRow("comma not allowed") << "45,25" << false << false << 0.0;
    QTest::newRow("text behind") << "12a" << false << false << 0.0;
    QTest::newRow("blank inside") << "1 5" << false << false << 0.0;
    QTest::newRow("two signs") << "++5" << true << false << 0.0;
    QTest::newRow("empty") << "" << true << true << 7.0;
    QTest::newRow("blanks only") << "  " << true << true << 7.0;
    QTest::newRow("overflow") << "1e999" << true << false << 0.0;
    QTest::newRow("underflow") << "1e-999" << true << false << 0.0;
}

void TestNumbers::wholeText()
{
    QFETCH(QString, text);
    QFETCH(bool, comma);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const std::optional<double> v = ReadNumberText(text, NumberSyntax{false, comma}, 7.0);
    QCOMPARE(v.has_value(), ok);
    if (ok)
        QCOMPARE(*v, value);
    if (text.trimmed().isEmpty())
        QVERIFY(!ReadNumberText(text));
}

void TestNumbers::scanInt()
{
    QCOMPARE(ScanInt(" -12x"), -12);
    QCOMPARE(ScanInt("page 3/17", 7), 17);
    QCOMPARE(ScanInt("x"), 0);
    QCOMPARE(ScanInt("99999999999"), INT_MAX);
    QCOMPARE(ScanInt("-99999999999"), INT_MIN);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
