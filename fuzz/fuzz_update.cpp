// The published version list on arbitrary bytes: never a crash; an offered file comes
// from a newer version. The input is the list, optionally followed by a separator line
// and the program name and current version on two lines.
#include "fuzzsupport.h"

#include "update/update.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray list, self;
    FuzzSplit(data, size, list, self);
    QString program = QStringLiteral("KESTRAVON");
    QByteArray version = "v01.09";
    if (!self.isEmpty()) {
        const int cut = int(self.indexOf('\n'));
        program = QString::fromUtf8(cut < 0 ? self : self.left(cut));
        version = cut < 0 ? QByteArray() : self.mid(cut + 1);
    }
    FuzzPrompter prompter(size % 2 == 0);
    const QString file = FindUpdate(list, program, QString::fromLatin1(version), prompter);
    if (!file.isEmpty())
        FUZZ_CHECK(size % 2 == 0);  // only offered when the user agreed
    // The version order is strict: never both newer than the other.
    const QByteArray first = list.left(list.size() / 2);
    const QByteArray second = list.mid(list.size() / 2);
    FUZZ_CHECK(!(IsNewerVersion(first, second) && IsNewerVersion(second, first)));
    FUZZ_CHECK(!IsNewerVersion(first, first));
    return 0;
}
