#include "formats/decode.h"

#include <QtTest>

// Reading text files written elsewhere: which encoding a file is taken in, and the
// conversion of one value in a named charset.
class TestDecode : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textFile_data();
    void textFile();
    void charset_data();
    void charset();
};

namespace {

QByteArray Utf16(const QString &text, bool bigEndian)
{
    QByteArray out;
    for (const QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        out.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    }
    return out;
}

} // namespace

void TestDecode::textFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QString>("text");
    const QString doe = QStringLiteral("FN:John Do\u00EB \u20AC\r\n");
    QTest::newRow("utf-8") << doe.toUtf8() << true << QByteArray("UTF-8") << doe;
    QTest::newRow("utf-8 mark") << "\xEF\xBB\xBF" + doe.toUtf8() << true << QByteArray("UTF-8") << doe;
    QTest::newRow("utf-8 mark, bad bytes") << QByteArray("\xEF\xBB\xBF\xEB") << false << QByteArray("UTF-8") << QString();
    QTest::newRow("windows-1252") << QByteArray("FN:John Do\xEB \x80\r\n") << true << QByteArray("windows-1252") << doe;
    QTest::newRow("windows-1252 undefined byte") << QByteArray("a\x81") << true << QByteArray("windows-1252")
                                                 << QStringLiteral("a\u0081");
    QTest::newRow("utf-16le mark") << "\xFF\xFE" + Utf16(doe, false) << true << QByteArray("UTF-16LE") << doe;
    QTest::newRow("utf-16be mark") << "\xFE\xFF" + Utf16(doe, true) << true << QByteArray("UTF-16BE") << doe;
    QTest::newRow("utf-16be no mark") << Utf16(doe, true) << true << QByteArray("UTF-16BE") << doe;
    QTest::newRow("utf-16le no mark") << Utf16(doe, false) << true << QByteArray("UTF-16LE") << doe;
    QTest::newRow("utf-16 odd length") << "\xFF\xFE" + Utf16(doe, false) + "x" << false << QByteArray("UTF-16LE")
                                       << QString();
    QTest::newRow("utf-16 lone surrogate") << QByteArray("\xFF\xFE\x00\xD8\x41\x00", 6) << false
                                           << QByteArray("UTF-16LE") << QString();
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0\xFF\x10\0\x08", 24) << false
                            << QByteArray() << QString();
}

void TestDecode::textFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QByteArray, encoding);
    QFETCH(QString, text);
    const DecodedText decoded = DecodeTextFile(bytes);
    QCOMPARE(decoded.ok, ok);
    QCOMPARE(decoded.encoding, encoding);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.reason.isEmpty(), ok);
    if (QByteArray(QTest::currentDataTag()) == "binary")
        QCOMPARE(decoded.reason, QStringLiteral("not a text file"));
}

void TestDecode::charset_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("text");
    QTest::newRow("windows-1252") << QByteArray("Do\xEB") << QByteArray("windows-1252") << true
                                  << QStringLiteral("Do\u00EB");
    QTest::newRow("cp1252 undefined byte") << QByteArray("\x81") << QByteArray("CP1252") << false << QString();
    QTest::newRow("shift_jis") << QByteArray("\x93\xFA\x96\x7B") << QByteArray("Shift_JIS") << true
                               << QStringLiteral("\u65E5\u672C");
    QTest::newRow("shift_jis cut") << QByteArray("\x93") << QByteArray("SHIFT_JIS") << false << QString();
    QTest::newRow("iso-2022-jp") << QByteArray("\x1B$BF|\x1B(B") << QByteArray("iso-2022-jp") << true
                                 << QStringLiteral("\u65E5");
    QTest::newRow("utf-8") << QByteArray("\xC3\xAB") << QByteArray("utf-8") << true << QStringLiteral("\u00EB");
    QTest::newRow("utf-8 invalid") << QByteArray("\xEB") << QByteArray("UTF8") << false << QString();
    QTest::newRow("unknown") << QByteArray("x") << QByteArray("X-NO-SUCH") << false << QString();
    QTest::newRow("translit suffix") << QByteArray("x") << QByteArray("UTF-8//TRANSLIT") << false << QString();
}

void TestDecode::charset()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, charset);
    QFETCH(bool, known);
    QFETCH(QString, text);
    const std::optional<QString> decoded = DecodeCharset(bytes, charset);
    QCOMPARE(decoded.has_value(), known);
    if (known)
        QCOMPARE(*decoded, text);
}

QTEST_GUILESS_MAIN(TestDecode)
#include "test_decode.moc"
