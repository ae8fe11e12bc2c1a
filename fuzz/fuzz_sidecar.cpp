// The sidecar operations on arbitrary sidecar contents: never a crash, key lines are
// found again after being set, and the CRC line stays consistent.
#include "fuzzsupport.h"

#include "store/sidecar.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray sidecar, key;
    FuzzSplit(data, size, sidecar, key);
    const QString path = FuzzWrite(QStringLiteral("s.dat"), QByteArray("data file"));
    FuzzWrite(QStringLiteral("s.dat.inf"), sidecar);
    (void)InfGetValue(path, QStringLiteral("USIZE"));
    // Keys written by the program are plain words; values decimal or hex.
    QString k = QString::fromLatin1(key.left(16)).remove(QRegularExpression(QStringLiteral("[^A-Z_]")));
    if (k.isEmpty())
        k = QStringLiteral("SIZE");
    FUZZ_CHECK(InfSetValue(path, k, QStringLiteral("1234"), false));
    FUZZ_CHECK(InfGetValue(path, k) == QStringLiteral("1234"));
    FUZZ_CHECK(InfUpdateCrc(path));
    FUZZ_CHECK(InfGetValue(path, k) == QStringLiteral("1234"));
    QFile f(path + QStringLiteral(".inf"));
    FUZZ_CHECK(f.open(QIODevice::ReadOnly));
    const QByteArray after = f.readAll();
    FUZZ_CHECK(after.size() >= 8);
    FUZZ_CHECK(after.left(4) == QString::asprintf("%04x", Crc16(after.mid(4))).toLatin1());
    return 0;
}
