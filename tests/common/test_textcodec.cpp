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
    void longAsciiRunsMatchReference();
    void appendDecoded();
};

namespace {

// The decoder one byte at a time, written plainly: the fast paths over ASCII runs must
// give exactly this.
QString ReferenceDecode(const QByteArray &bytes)
{
    QString out;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const int size = int(bytes.size());
    for (int i = 0; i < size;) {
        const unsigned b = p[i];
        if (b == 0)
            break;
        if (b < 0x80) {
            out += QChar(char16_t(b));
            ++i;
        } else if (b >= 0xC2 && b <= 0xDF && i + 1 < size && (p[i + 1] & 0xC0) == 0x80) {
            out += QChar(char16_t(((b & 0x1F) << 6) | (p[i + 1] & 0x3F)));
            i += 2;
        } else if (b >= 0xE0 && b <= 0xEF && i + 2 < size && (p[i + 1] & 0xC0) == 0x80 && (p[i + 2] & 0xC0) == 0x80
                   && [&] {
                          const unsigned cu = ((b & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F);
                          return cu >= 0x800 && (cu < 0xD800 || cu > 0xDFFF) && (cu & 0xFF00) != 0xEE00;
                      }()) {
            out += QChar(char16_t(((b & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F)));
            i += 3;
        } else {
            out += QChar(char16_t(0xEE00 + b));
            ++i;
        }
    }
    return out;
}

} // namespace

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

void TestTextCodec::longAsciiRunsMatchReference()
{
    // ASCII runs of every length around the 8- and 16-byte steps, broken by accented
    // letters, sequences cut at the end, held bytes and zeros at every offset.
    const QList<QByteArray> breaks = {"\xC3\xA8", "\xE2\x82\xAC", "\xE8", "\xF0\x9F\x98\x80", "\xE2\x82",
                                      QByteArray(1, '\0'), "\x7F", "\x80"};
    QRandomGenerator rng(7);
    for (int i = 0; i < 3000; ++i) {
        QByteArray bytes;
        const int pieces = int(rng.bounded(1, 6));
        for (int k = 0; k < pieces; ++k) {
            const int run = int(rng.bounded(0, 40));
            for (int r = 0; r < run; ++r)
                bytes += char(rng.bounded(1, 128));
            if (rng.bounded(4) != 0)
                bytes += breaks.at(int(rng.bounded(int(breaks.size()))));
        }
        QCOMPARE(DecodeHeldUtf8(bytes), ReferenceDecode(bytes));
    }
}

void TestTextCodec::appendDecoded()
{
    QString text = QStringLiteral("NOTE:");
    const QByteArray more("caf\xC3\xA9 and a long plain ASCII tail of text\xE8");
    AppendDecodedHeldUtf8(text, more.constData(), int(more.size()));
    QCOMPARE(text, QStringLiteral("NOTE:") + DecodeHeldUtf8(more));
    AppendDecodedHeldUtf8(text, "", 0);
    QCOMPARE(text, QStringLiteral("NOTE:") + DecodeHeldUtf8(more));
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "test_textcodec.moc"
