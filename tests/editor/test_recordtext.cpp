#include "editor/recordtext.h"
#include "web/infobelcountry.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

class TestRecordText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexRoundTrip_data();
    void hexRoundTrip();
    void hexBytesReadsTheWrittenForm();
    void dateRoundTrip_data();
    void dateRoundTrip();
    void upperKeepsLength_data();
    void upperKeepsLength();
    void parseInteger();
    void coordTextKeepsStoredBytes();
    void coordTextIsShort_data();
    void coordTextIsShort();
    void countryList();
};

void TestRecordText::hexRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("postal code") << QByteArray("\x01\x02\x03\x04\x05\x06\xAB", 7)
                                 << QStringLiteral("01 02 03 04 05 06 AB ");
    QTest::newRow("zero") << QByteArray(7, '\0') << QStringLiteral("00 00 00 00 00 00 00 ");
    QTest::newRow("road") << QByteArray("\xFF\x10\x0A\x00\x7F\x80\x01\x02\x03\x04\xFE", 11)
                          << QStringLiteral("FF 10 0A 00 7F 80 01 02 03 04 FE ");
}

void TestRecordText::hexRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const int n = int(bytes.size());
    const QString shown = HexText(reinterpret_cast<const uint8_t *>(bytes.constData()), n);
    QCOMPARE(shown, text);
    QCOMPARE(shown.size(), 3 * n);
    QByteArray back(n, '\x55');
    HexBytes(shown, reinterpret_cast<uint8_t *>(back.data()), n);
    QCOMPARE(back, bytes);
}

void TestRecordText::hexBytesReadsTheWrittenForm()
{
    // Lower case and a missing last entry: hex is read in either case, absent bytes are 0.
    std::array<uint8_t, 4> b{9, 9, 9, 9};
    HexBytes(QStringLiteral("ab 0c 7"), b);
    QCOMPARE(int(b[0]), 0xAB);
    QCOMPARE(int(b[1]), 0x0C);
    QCOMPARE(int(b[2]), 0x07);
    QCOMPARE(int(b[3]), 0);
}

void TestRecordText::dateRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("end of year") << QByteArray("\x18\x0C\x1F\x17\x3B\x3A", 6) << QStringLiteral("31/12/24 23:59:58");
    QTest::newRow("zero") << QByteArray(6, '\0') << QStringLiteral("00/00/00 00:00:00");
    QTest::newRow("wide byte") << QByteArray("\xFF\x01\x02\x03\x04\x05", 6) << QStringLiteral("02/01/255 03:04:05");
}

void TestRecordText::dateRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    std::array<uint8_t, 6> b{};
    std::copy(bytes.begin(), bytes.end(), b.begin());
    QCOMPARE(DateText(b), text);
    QCOMPARE(DateBytes(text), b);
}

void TestRecordText::upperKeepsLength_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("ascii") << QStringLiteral("Via Roma") << QStringLiteral("VIA ROMA");
    QTest::newRow("sharp s stays one unit") << QStringLiteral("Leopoldstraße") << QStringLiteral("LEOPOLDSTRAßE");
    QTest::newRow("accents") << QStringLiteral("élodie") << QStringLiteral("ÉLODIE");
    QTest::newRow("held byte") << (QStringLiteral("caff") + QChar(0xEEE8)) << (QStringLiteral("CAFF") + QChar(0xEEE8));
}

void TestRecordText::upperKeepsLength()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(UpperPerUnit(in), out);
}

void TestRecordText::parseInteger()
{
    QCOMPARE(ParseInteger(QString()).value_or(-1), 0);
    QCOMPARE(ParseInteger(QStringLiteral("4294967295")).value_or(-1), 4294967295LL);
    QVERIFY(!ParseInteger(QStringLiteral("12a")));
}

// Whatever the stored coordinate, the text shown reads back to the same position, and
// to the very same fields whenever a decimal text can give them.
void TestRecordText::coordTextKeepsStoredBytes()
{
    QRandomGenerator rng(4711);
    int inexact = 0;
    for (int i = 0; i < 5000; ++i) {
        GpsCoord c;
        c.deg = uint16_t(rng.bounded(181));
        c.min = uint16_t(rng.bounded(60));
        c.sec = uint16_t(rng.bounded(60));
        c.hund = uint16_t(rng.bounded(100));
        c.negative = rng.bounded(2);
        for (const bool negate : {false, true}) {
            const double shown = negate ? -c.ToDegrees() : c.ToDegrees();
            const QString text = CoordText(shown, c, negate);
            const double v = ReadNumberText(text, kTypedDecimal, 0.0).value();
            GpsCoord back;
            back.FromDegrees(negate ? -v : v);
            if (std::fabs(back.ToDegrees() - c.ToDegrees()) > 1e-9)
                QFAIL(qPrintable(QStringLiteral("%1 is another position").arg(text)));
            if (back != c)
                ++inexact;
        }
    }
    // Only a few fields have no exact decimal form (about one in a hundred).
    QVERIFY2(inexact < 200, qPrintable(QString::number(inexact)));
}

void TestRecordText::coordTextIsShort_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("text");
    QTest::newRow("45.5") << 45.5 << "45.5";
    QTest::newRow("-9.25") << -9.25 << "-9.25";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("no exact form") << 64.2575 << "64.2575";
}

void TestRecordText::coordTextIsShort()
{
    QFETCH(double, degrees);
    QFETCH(QString, text);
    GpsCoord c;
    c.FromDegrees(degrees);
    QCOMPARE(CoordText(c.ToDegrees(), c, false), text);
}

void TestRecordText::countryList()
{
    QCOMPARE(InfoBelCountry(0), QStringLiteral("AUSTRIA"));
    QCOMPARE(InfoBelCountry(9), QStringLiteral("UK"));
    QCOMPARE(InfoBelCountry(10), QString());
    QCOMPARE(InfoBelCountry(4000000000u), QString());
    unsigned n = 0;
    while (!InfoBelCountry(n).isEmpty())
        ++n;
    QCOMPARE(n, 10u);
}

QTEST_GUILESS_MAIN(TestRecordText)
#include "test_recordtext.moc"
