#include "store/sidecar.h"

#include "support/testfiles.h"

#include <QtTest>

#include <zlib.h>

#include <memory>

namespace {

// The CRC bit by bit, as the head unit computes it; the table form must agree.
uint16_t BitwiseCrc(const QByteArray &data)
{
    uint16_t reg = 0;
    for (char c : data) {
        reg ^= uint8_t(c);
        for (int k = 0; k < 8; ++k)
            reg = (reg & 1) ? uint16_t((reg >> 1) ^ 0xD415) : uint16_t(reg >> 1);
    }
    return uint16_t((reg >> 8) | ((reg & 0xFF) << 8));
}

} // namespace

// CRC-16, the sidecar's key lines and CRC line, and zlib in memory.
class TestSidecar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void crcCheckValues_data();
    void crcCheckValues();
    void crcTableMatchesBitwise();
    void getValue_data();
    void getValue();
    void readSidecar();
    void setValueReplacesInPlace();
    void setValueAppends_data();
    void setValueAppends();
    void setValueOnlyIfPresent();
    void setCrc();
    void setCrcRepairsShortCrcLine();
    void compressRoundTrip_data();
    void compressRoundTrip();
    void compressUsesZlibDefaults();
    void decompressErrors_data();
    void decompressErrors();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString Path(const QString &name) const { return dir_->filePath(name); }
};

void TestSidecar::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestSidecar::crcCheckValues_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("crc");
    QTest::newRow("empty") << QByteArray() << "0000";
    QTest::newRow("abc") << QByteArray("abc") << "59d2";
    QTest::newRow("123456789") << QByteArray("123456789") << "5b42";
}

void TestSidecar::crcCheckValues()
{
    QFETCH(QByteArray, data);
    QTEST(QString::asprintf("%04x", Crc16(data)), "crc");
}

void TestSidecar::crcTableMatchesBitwise()
{
    QRandomGenerator rng(3);
    for (int i = 0; i < 200; ++i) {
        QByteArray data(int(rng.bounded(0, 300)), Qt::Uninitialized);
        for (char &c : data)
            c = char(rng.bounded(256));
        QCOMPARE(Crc16(data), BitwiseCrc(data));
        // Continuing over two pieces gives the same as one go.
        const int cut = data.isEmpty() ? 0 : int(rng.bounded(data.size()));
        const uint16_t reg = Crc16Update(Crc16Update(0, data.constData(), size_t(cut)), data.constData() + cut,
                                         size_t(data.size() - cut));
        QCOMPARE(Crc16Finish(reg), BitwiseCrc(data));
    }
}

void TestSidecar::getValue_data()
{
    QTest::addColumn<QByteArray>("sidecar");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("found") << QByteArray("7d838398\r\nUSIZE:10180\r\nSIZE:1844\r\n") << "SIZE" << "1844";
    QTest::newRow("SIZE does not match USIZE") << QByteArray("00000000\r\nUSIZE:5\r\n") << "SIZE" << "";
    QTest::newRow("XUSIZE is not USIZE") << QByteArray("00000000\r\nXUSIZE:5\r\n") << "USIZE" << "";
    QTest::newRow("empty value") << QByteArray("00000000\r\nUSIZE:\r\n") << "USIZE" << "";
    QTest::newRow("zero counts") << QByteArray("00000000\r\nUSIZE:0\r\n") << "USIZE" << "0";
    QTest::newRow("CRC line never a key line") << QByteArray("USIZE:9\r\n") << "USIZE" << "";
    QTest::newRow("last line without end") << QByteArray("00000000\r\nUSIZE:12") << "USIZE" << "12";
    QTest::newRow("LF only") << QByteArray("00000000\nUSIZE:12\n") << "USIZE" << "12";
    QTest::newRow("no colon") << QByteArray("00000000\r\nUSIZE\r\n") << "USIZE" << "";
    QTest::newRow("garbage") << QByteArray("\xFF\x00\x01garbage", 10) << "USIZE" << "";
}

void TestSidecar::getValue()
{
    QFETCH(QByteArray, sidecar);
    QFETCH(QString, key);
    QTEST(SidecarValue(sidecar, key), "value");
}

void TestSidecar::readSidecar()
{
    // A missing sidecar reads as an empty one; one that cannot be read is refused.
    QByteArray data("left over");
    QVERIFY(ReadSidecar(Path(QStringLiteral("none.dat")), data));
    QVERIFY(data.isEmpty());
    QVERIFY(WriteAll(Path(QStringLiteral("a.dat.inf")), "00000000\r\nUSIZE:3\r\n"));
    QVERIFY(ReadSidecar(Path(QStringLiteral("a.dat")), data));
    QCOMPARE(SidecarValue(data, QStringLiteral("USIZE")), QStringLiteral("3"));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("b.dat.inf")));
    QVERIFY(!ReadSidecar(Path(QStringLiteral("b.dat")), data));
}

void TestSidecar::setValueReplacesInPlace()
{
    QByteArray data("7d838398\r\nCRC_UNCOMPRESSED:d7e6\r\nUSIZE:155000\r\nSIZE:1844\r\nOTHER:x\r\n");
    SidecarSetValue(data, QStringLiteral("USIZE"), QStringLiteral("99999"), false);
    QCOMPARE(data, QByteArray("7d838398\r\nCRC_UNCOMPRESSED:d7e6\r\nUSIZE:99999\r\nSIZE:1844\r\nOTHER:x\r\n"));
}

void TestSidecar::setValueAppends_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("ends with CR LF") << QByteArray("00000000\r\nA:1\r\n") << QByteArray("00000000\r\nA:1\r\nSIZE:7\r\n");
    QTest::newRow("last line without end") << QByteArray("00000000\r\nA:1") << QByteArray("00000000\r\nA:1\r\nSIZE:7\r\n");
    QTest::newRow("CRC line only") << QByteArray("12345678\r\n") << QByteArray("12345678\r\nSIZE:7\r\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray("00000000\r\nSIZE:7\r\n");
    QTest::newRow("empty CRC line, key present") << QByteArray("\r\nSIZE:1\r\n") << QByteArray("00000000\r\nSIZE:7\r\n");
    QTest::newRow("USIZE is not SIZE") << QByteArray("00000000\r\nUSIZE:3\r\n") << QByteArray("00000000\r\nUSIZE:3\r\nSIZE:7\r\n");
}

void TestSidecar::setValueAppends()
{
    QFETCH(QByteArray, before);
    SidecarSetValue(before, QStringLiteral("SIZE"), QStringLiteral("7"), false);
    QTEST(before, "after");
}

void TestSidecar::setValueOnlyIfPresent()
{
    QByteArray data("00000000\r\nA:1\r\n");
    SidecarSetValue(data, QStringLiteral("B"), QStringLiteral("2"), true);
    QCOMPARE(data, QByteArray("00000000\r\nA:1\r\n"));
    SidecarSetValue(data, QStringLiteral("A"), QStringLiteral("2"), true);
    QCOMPARE(data, QByteArray("00000000\r\nA:2\r\n"));
}

void TestSidecar::setCrc()
{
    QByteArray side("00000000\r\nUSIZE:3\r\nX:y\r\n");
    SidecarSetCrc(side, Crc16(QByteArray("phonebook bytes")));
    QCOMPARE(side.mid(4, 4), QString::asprintf("%04x", Crc16(QByteArray("phonebook bytes"))).toLatin1());
    QCOMPARE(side.left(4), QString::asprintf("%04x", Crc16(side.mid(4))).toLatin1());
    QCOMPARE(side.mid(8), QByteArray("\r\nUSIZE:3\r\nX:y\r\n"));
    // No sidecar yet: one holding only the CRC line.
    QByteArray none;
    SidecarSetCrc(none, 0);
    QCOMPARE(none.size(), 10);
}

void TestSidecar::setCrcRepairsShortCrcLine()
{
    // A garbage first line too short for the two CRCs is replaced, never written over the
    // key lines behind it.
    QByteArray side("ab\r\nUSIZE:3\r\n");
    SidecarSetCrc(side, Crc16(QByteArray("x")));
    QCOMPARE(side.size(), 10 + 9);
    QVERIFY(side.endsWith("\r\nUSIZE:3\r\n"));
    QCOMPARE(SidecarValue(side, QStringLiteral("USIZE")), QStringLiteral("3"));
}

void TestSidecar::compressRoundTrip_data()
{
    QTest::addColumn<QByteArray>("data");
    QByteArray big(300000, '\0');
    QRandomGenerator rng(11);
    for (int i = 0; i < big.size(); i += 7)
        big[i] = char(rng.bounded(256));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("small") << QByteArray("BCM_AGENDA");
    QTest::newRow("several buffers") << big;
}

void TestSidecar::compressRoundTrip()
{
    QFETCH(QByteArray, data);
    QByteArray z;
    QVERIFY(DeflateBytes(data, z));
    QCOMPARE(quint8(z.at(0)), quint8(0x78));
    QByteArray back("left over");
    QCOMPARE(InflateBytes(z, back), ZResult::Ok);
    QCOMPARE(back, data);
}

void TestSidecar::compressUsesZlibDefaults()
{
    // The same bytes that zlib's compress() (level -1, window 15, memory level 8) gives.
    const QByteArray data = QByteArray("Agenda ").repeated(1000);
    QByteArray packed;
    QVERIFY(DeflateBytes(data, packed));
    uLongf len = compressBound(uLong(data.size()));
    QByteArray expected(int(len), Qt::Uninitialized);
    QCOMPARE(compress2(reinterpret_cast<Bytef *>(expected.data()), &len,
                       reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()), Z_DEFAULT_COMPRESSION),
             Z_OK);
    expected.truncate(int(len));
    QCOMPARE(packed, expected);
}

void TestSidecar::decompressErrors_data()
{
    QTest::addColumn<QByteArray>("packed");
    const QByteArray good = qCompress(QByteArray("hello hello hello")).mid(4);
    QTest::newRow("not zlib") << QByteArray("BCM_AGENDA plain file");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("raw deflate without header") << good.mid(2);
    QTest::newRow("truncated") << good.left(good.size() - 5);
    QByteArray bad = good;
    bad[bad.size() - 1] = char(bad[bad.size() - 1] ^ 1);
    QTest::newRow("bad checksum") << bad;
}

void TestSidecar::decompressErrors()
{
    QFETCH(QByteArray, packed);
    QByteArray plain;
    QCOMPARE(InflateBytes(packed, plain), ZResult::DataError);
    QVERIFY(plain.isEmpty());
}

QTEST_GUILESS_MAIN(TestSidecar)
#include "test_sidecar.moc"
