#include "common/textcodec.h"

#include <QtTest>

// The byte-preserving UTF-8 codec: what is decoded, what is held, and that every byte
// string comes back unchanged.
class TestTextCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decode_data();
    void decode();
    void roundTripEveryShortByteString();
    void roundTripRandomBytes();
    void zeroEndsText();
    void encodeOrdinaryText();
};

void TestTextCodec::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const auto held = [](std::initializer_list<int> bytes) {
        QString s;
        for (int b : bytes)
            s += QChar(char16_t(0xEE00 + b));
        return s;
    };
    QTest::newRow("ascii") << QByteArray("AB") << QStringLiteral("AB");
    QTest::newRow("two-byte e grave") << QByteArray("\xC3\xA8") << QStringLiteral("\u00E8");
    QTest::newRow("three-byte euro") << QByteArray("\xE2\x82\xAC") << QStringLiteral("\u20AC");
    QTest::newRow("lone latin-1 byte") << QByteArray("\xE8") << held({0xE8});
    QTest::newRow("latin-1 inside ascii") << QByteArray("CAFF\xE8 X") << (QStringLiteral("CAFF") + held({0xE8}) + QStringLiteral(" X"));
    QTest::newRow("four-byte sequence held") << QByteArray("\xF0\x9F\x98\x80") << held({0xF0, 0x9F, 0x98, 0x80});
    QTest::newRow("overlong two-byte") << QByteArray("\xC0\xAF") << held({0xC0, 0xAF});
    QTest::newRow("overlong three-byte") << QByteArray("\xE0\x80\xAF") << held({0xE0, 0x80, 0xAF});
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << held({0xED, 0xA0, 0x80});
    QTest::newRow("truncated sequence at end") << QByteArray("A\xE2\x82") << (QStringLiteral("A") + held({0xE2, 0x82}));
    QTest::newRow("held range itself EE B8 80") << QByteArray("\xEE\xB8\x80") << held({0xEE, 0xB8, 0x80});
    QTest::newRow("held range itself EE BB BF") << QByteArray("\xEE\xBB\xBF") << held({0xEE, 0xBB, 0xBF});
    QTest::newRow("just below held range") << QByteArray("\xEE\xB7\xBF") << QString(QChar(char16_t(0xEDFF)));
    QTest::newRow("just above held range") << QByteArray("\xEE\xBC\x80") << QString(QChar(char16_t(0xEF00)));
}

void TestTextCodec::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeHeldUtf8(bytes), text);
    QCOMPARE(EncodeHeldUtf8(text), bytes);
}

void TestTextCodec::roundTripEveryShortByteString()
{
    // Every one- and two-byte string without a zero, and every three-byte string whose
    // first byte starts a three-byte sequence.
    for (int a = 1; a < 256; ++a) {
        QByteArray one(1, char(a));
        QCOMPARE(EncodeHeldUtf8(DecodeHeldUtf8(one)), one);
        for (int b = 1; b < 256; ++b) {
            const QByteArray two = one + char(b);
            QCOMPARE(EncodeHeldUtf8(DecodeHeldUtf8(two)), two);
        }
    }
    for (int a = 0xE0; a <= 0xEF; ++a)
        for (int b = 0x80; b < 0xC0; ++b)
            for (int c = 1; c < 256; ++c) {
                const QByteArray three = QByteArray(1, char(a)) + char(b) + char(c);
                QCOMPARE(EncodeHeldUtf8(DecodeHeldUtf8(three)), three);
            }
}

void TestTextCodec::roundTripRandomBytes()
{
    QRandomGenerator rng(42);
    for (int i = 0; i < 2000; ++i) {
        QByteArray bytes(int(rng.bounded(1, 64)), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(rng.bounded(1, 256));
        QCOMPARE(EncodeHeldUtf8(DecodeHeldUtf8(bytes)), bytes);
    }
}

void TestTextCodec::zeroEndsText()
{
    QCOMPARE(DecodeHeldUtf8(QByteArray("AB\0CD", 5)), QStringLiteral("AB"));
}

void TestTextCodec::encodeOrdinaryText()
{
    // Text typed by the user (not from a file) is written as standard UTF-8, including
    // characters outside the basic plane.
    QCOMPARE(EncodeHeldUtf8(QStringLiteral("Stra\u00DFe \U0001F600")), QByteArray("Stra\xC3\x9F" "e \xF0\x9F\x98\x80"));
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "test_textcodec.moc"
