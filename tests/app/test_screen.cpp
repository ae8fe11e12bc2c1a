// Starts the real program on a virtual X screen with a phonebook from the command line and
// checks on the screen's pixels that the window shows the record rows.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

// A virtual screen's framebuffer file (XWD format) as an image; null when unreadable.
QImage ReadXwd(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = f.readAll();
    if (data.size() < 100)
        return {};
    auto field = [&](int i) { return qFromBigEndian<quint32>(data.constData() + 4 * i); };
    const quint32 headerSize = field(0), width = field(4), height = field(5), byteOrder = field(7);
    const quint32 bpp = field(11), bytesPerLine = field(12), redMask = field(14), greenMask = field(15),
                  blueMask = field(16), ncolors = field(19);
    if (bpp != 32 || width == 0 || height == 0 || width > 10000 || height > 10000)
        return {};
    const qint64 offset = qint64(headerSize) + qint64(ncolors) * 12;
    if (data.size() < offset + qint64(bytesPerLine) * height)
        return {};
    auto channel = [](quint32 pixel, quint32 mask) {
        int shift = 0;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        return int((pixel >> shift) & 0xFF);
    };
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (quint32 y = 0; y < height; ++y) {
        const char *line = data.constData() + offset + qint64(y) * bytesPerLine;
        for (quint32 x = 0; x < width; ++x) {
            const quint32 p = byteOrder == 0 ? qFromLittleEndian<quint32>(line + 4 * x)
                                             : qFromBigEndian<quint32>(line + 4 * x);
            image.setPixel(int(x), int(y), qRgb(channel(p, redMask), channel(p, greenMask), channel(p, blueMask)));
        }
    }
    return image;
}

// Screen lines that carry a long run of the lists' even-row paper colour.
int PaperLines(const QImage &image)
{
    const QRgb paper = qRgb(235, 235, 255);
    int lines = 0;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == paper)
                ++count;
        if (count > 300)
            ++lines;
    }
    return lines;
}

} // namespace

class TestScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowShowsRows();
};

void TestScreen::windowShowsRows()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed");
    const QString program = QStringLiteral(KESTRAVON_BINARY_DIR "/src/app/kestravon");
    QVERIFY2(QFile::exists(program), qPrintable(program));

    QTemporaryDir fb;
    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("1280x900x24"), QStringLiteral("-fbdir"), fb.path(),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QVERIFY(server.waitForStarted(10000));
    QByteArray display;
    for (int i = 0; i < 100 && !display.contains('\n'); ++i) {
        server.waitForReadyRead(100);
        display += server.readAllStandardOutput();
    }
    display = display.trimmed();
    QVERIFY2(!display.isEmpty(), "the virtual screen did not report its display");

    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(display));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(program, {QStringLiteral("-nocheck"), QStringLiteral(KESTRAVON_TESTDATA "/agenda/Agenda.dat")});
    QVERIFY(app.waitForStarted(10000));

    // The first list holds MARCO and his contacts: many rows, every second one on the
    // paper colour. The start-up lists hold one row each and show none.
    QImage screen;
    int lines = 0;
    for (int i = 0; i < 150 && lines < 60; ++i) {
        QTest::qWait(100);
        QVERIFY2(app.state() == QProcess::Running, "the program ended");
        screen = ReadXwd(fb.filePath(QStringLiteral("Xvfb_screen0")));
        lines = PaperLines(screen);
    }
    if (!screen.isNull())
        screen.save(QStringLiteral(KESTRAVON_BINARY_DIR "/kestravon-screen.png"));
    app.kill();
    app.waitForFinished(5000);
    server.terminate();
    server.waitForFinished(5000);
    QVERIFY2(!screen.isNull(), "the screen could not be read");
    QVERIFY2(lines >= 60, qPrintable(QStringLiteral("%1 screen lines show row paper").arg(lines)));
}

QTEST_GUILESS_MAIN(TestScreen)
#include "test_screen.moc"
