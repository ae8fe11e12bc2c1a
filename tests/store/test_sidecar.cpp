#include "common/scriptedprompter.h"
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

// CRC-16, the sidecar's key lines and CRC line, and the zlib file operations.
class TestSidecar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void crcCheckValues_data();
    void crcCheckValues();
    void crcTableMatchesBitwise();
    void fileCrc();
    void getValue_data();
    void getValue();
    void setValueOnMissingSidecar();
    void setValueReplacesInPlace();
    void setValueAppends_data();
    void setValueAppends();
    void setValueOnlyIfPresent();
    void updateCrc();
    void updateCrcWithoutDataFile();
    void updateCrcRepairsShortCrcLine();
    void compressRoundTrip_data();
    void compressRoundTrip();
    void compressUsesZlibDefaults();
    void compressErrors();
    void decompressErrors_data();
    void decompressErrors();
    void defaultDestinations();

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

void TestSidecar::fileCrc()
{
    QByteArray big(200000, 'x');
    big[12345] = 'y';
    QVERIFY(WriteAll(Path(QStringLiteral("f")), big));
    uint16_t crc = 0x1111;
    QVERIFY(FileCrc16(Path(QStringLiteral("f")), crc));
    QCOMPARE(crc, BitwiseCrc(big));
    crc = 0x1111;
    QVERIFY(!FileCrc16(Path(QStringLiteral("missing")), crc));
    QCOMPARE(crc, uint16_t(0x1111));
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
    QVERIFY(WriteAll(Path(QStringLiteral("a.dat.inf")), sidecar));
    QTEST(InfGetValue(Path(QStringLiteral("a.dat")), key), "value");
    QCOMPARE(InfGetValue(Path(QStringLiteral("none.dat")), key), QString());
}

void TestSidecar::setValueOnMissingSidecar()
{
    QVERIFY(InfSetValue(Path(QStringLiteral("a.dat")), QStringLiteral("USIZE"), QStringLiteral("12"), false));
    QCOMPARE(ReadAll(Path(QStringLiteral("a.dat.inf"))), QByteArray("00000000\r\nUSIZE:12\r\n"));
}

void TestSidecar::setValueReplacesInPlace()
{
    const QByteArray before("7d838398\r\nCRC_UNCOMPRESSED:d7e6\r\nUSIZE:155000\r\nSIZE:1844\r\nOTHER:x\r\n");
    QVERIFY(WriteAll(Path(QStringLiteral("a.dat.inf")), before));
    QVERIFY(InfSetValue(Path(QStringLiteral("a.dat")), QStringLiteral("USIZE"), QStringLiteral("99999"), false));
    const QByteArray after = ReadAll(Path(QStringLiteral("a.dat.inf")));
    QCOMPARE(after.size(), before.size() - 1);
    QCOMPARE(after, QByteArray("7d838398\r\nCRC_UNCOMPRESSED:d7e6\r\nUSIZE:99999\r\nSIZE:1844\r\nOTHER:x\r\n"));
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
    QVERIFY(WriteAll(Path(QStringLiteral("a.dat.inf")), before));
    QVERIFY(InfSetValue(Path(QStringLiteral("a.dat")), QStringLiteral("SIZE"), QStringLiteral("7"), false));
    QTEST(ReadAll(Path(QStringLiteral("a.dat.inf"))), "after");
}

void TestSidecar::setValueOnlyIfPresent()
{
    const QByteArray before("00000000\r\nA:1\r\n");
    QVERIFY(WriteAll(Path(QStringLiteral("a.dat.inf")), before));
    QVERIFY(InfSetValue(Path(QStringLiteral("a.dat")), QStringLiteral("B"), QStringLiteral("2"), true));
    QCOMPARE(ReadAll(Path(QStringLiteral("a.dat.inf"))), before);
    QVERIFY(InfSetValue(Path(QStringLiteral("a.dat")), QStringLiteral("A"), QStringLiteral("2"), true));
    QCOMPARE(ReadAll(Path(QStringLiteral("a.dat.inf"))), QByteArray("00000000\r\nA:2\r\n"));
}

void TestSidecar::updateCrc()
{
    const QString data = Path(QStringLiteral("a.dat"));
    QVERIFY(WriteAll(data, "phonebook bytes"));
    QVERIFY(WriteAll(data + QStringLiteral(".inf"), "00000000\r\nUSIZE:3\r\nX:y\r\n"));
    QVERIFY(InfUpdateCrc(data));
    const QByteArray side = ReadAll(data + QStringLiteral(".inf"));
    QCOMPARE(side.mid(4, 4), QString::asprintf("%04x", Crc16(QByteArray("phonebook bytes"))).toLatin1());
    QCOMPARE(side.left(4), QString::asprintf("%04x", Crc16(side.mid(4))).toLatin1());
    QCOMPARE(side.mid(8), QByteArray("\r\nUSIZE:3\r\nX:y\r\n"));
    // A plain save onto no sidecar creates one holding only the CRC line.
    QVERIFY(QFile::remove(data + QStringLiteral(".inf")));
    QVERIFY(InfUpdateCrc(data));
    QCOMPARE(ReadAll(data + QStringLiteral(".inf")).size(), 10);
}

void TestSidecar::updateCrcWithoutDataFile()
{
    QVERIFY(!InfUpdateCrc(Path(QStringLiteral("missing.dat"))));
    QVERIFY(!QFile::exists(Path(QStringLiteral("missing.dat.inf"))));
}

void TestSidecar::updateCrcRepairsShortCrcLine()
{
    // A garbage first line too short for the two CRCs is replaced, never written over the
    // key lines behind it.
    const QString data = Path(QStringLiteral("a.dat"));
    QVERIFY(WriteAll(data, "x"));
    QVERIFY(WriteAll(data + QStringLiteral(".inf"), "ab\r\nUSIZE:3\r\n"));
    QVERIFY(InfUpdateCrc(data));
    const QByteArray side = ReadAll(data + QStringLiteral(".inf"));
    QCOMPARE(side.size(), 10 + 9);
    QVERIFY(side.endsWith("\r\nUSIZE:3\r\n"));
    QCOMPARE(InfGetValue(data, QStringLiteral("USIZE")), QStringLiteral("3"));
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
    ScriptedPrompter p;
    QVERIFY(WriteAll(Path(QStringLiteral("plain")), data));
    const qint64 packed = ZCompressFile(Path(QStringLiteral("plain")), Path(QStringLiteral("packed")), p);
    QVERIFY(packed > 0);
    const QByteArray z = ReadAll(Path(QStringLiteral("packed")));
    QCOMPARE(qint64(z.size()), packed);
    QCOMPARE(quint8(z.at(0)), quint8(0x78));
    QCOMPARE(ZDeCompressFile(Path(QStringLiteral("packed")), Path(QStringLiteral("back")), p), qint64(data.size()));
    QCOMPARE(ReadAll(Path(QStringLiteral("back"))), data);
    QVERIFY(p.shown.isEmpty());
}

void TestSidecar::compressUsesZlibDefaults()
{
    // The same bytes that zlib's compress() (level -1, window 15, memory level 8) gives.
    const QByteArray data = QByteArray("Agenda ").repeated(1000);
    ScriptedPrompter p;
    QVERIFY(WriteAll(Path(QStringLiteral("plain")), data));
    QVERIFY(ZCompressFile(Path(QStringLiteral("plain")), Path(QStringLiteral("packed")), p) > 0);
    uLongf len = compressBound(uLong(data.size()));
    QByteArray expected(int(len), Qt::Uninitialized);
    QCOMPARE(compress2(reinterpret_cast<Bytef *>(expected.data()), &len,
                       reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()), Z_DEFAULT_COMPRESSION),
             Z_OK);
    expected.truncate(int(len));
    QCOMPARE(ReadAll(Path(QStringLiteral("packed"))), expected);
}

void TestSidecar::compressErrors()
{
    ScriptedPrompter p;
    QVERIFY(ZCompressFile(Path(QStringLiteral("missing")), Path(QStringLiteral("out")), p) < 0);
    QCOMPARE(p.Messages(), QStringList{QStringLiteral("ZCompress ERROR")});
    QVERIFY(WriteAll(Path(QStringLiteral("plain")), "x"));
    QVERIFY(ZCompressFile(Path(QStringLiteral("plain")), Path(QStringLiteral("no/dir/out")), p) < 0);
    QCOMPARE(p.Messages().size(), 2);
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
    ScriptedPrompter p;
    QVERIFY(WriteAll(Path(QStringLiteral("packed")), packed));
    QVERIFY(ZDeCompressFile(Path(QStringLiteral("packed")), Path(QStringLiteral("out")), p) < 0);
    QCOMPARE(p.Messages(), QStringList{QStringLiteral("ZDeCompress ERROR")});
}

void TestSidecar::defaultDestinations()
{
    ScriptedPrompter p;
    QVERIFY(WriteAll(Path(QStringLiteral("f")), "data"));
    QVERIFY(ZCompressFile(Path(QStringLiteral("f")), QString(), p) > 0);
    QVERIFY(QFile::exists(Path(QStringLiteral("f.GZ"))));
    QVERIFY(ZDeCompressFile(Path(QStringLiteral("f.GZ")), QString(), p) == 4);
    QCOMPARE(ReadAll(Path(QStringLiteral("f.GZ.unc"))), QByteArray("data"));
}

QTEST_GUILESS_MAIN(TestSidecar)
#include "test_sidecar.moc"
