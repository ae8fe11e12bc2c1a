// The sidecar operations on arbitrary sidecar contents: never a crash, key lines are
// found again after being set, and the CRC line stays consistent.
#include "fuzzsupport.h"

#include "store/sidecar.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray sidecar, key;
    FuzzSplit(data, size, sidecar, key);
    (void)SidecarValue(sidecar, QStringLiteral("USIZE"));
    // Keys written by the program are plain words; values decimal or hex.
    QString k = QString::fromLatin1(key.left(16)).remove(QRegularExpression(QStringLiteral("[^A-Z_]")));
    if (k.isEmpty())
        k = QStringLiteral("SIZE");
    SidecarSetValue(sidecar, k, QStringLiteral("1234"), false);
    FUZZ_CHECK(SidecarValue(sidecar, k) == QStringLiteral("1234"));
    SidecarSetCrc(sidecar, Crc16(QByteArray("data file")));
    FUZZ_CHECK(SidecarValue(sidecar, k) == QStringLiteral("1234"));
    FUZZ_CHECK(sidecar.size() >= 8);
    FUZZ_CHECK(sidecar.left(4) == QString::asprintf("%04x", Crc16(sidecar.mid(4))).toLatin1());
    return 0;
}
