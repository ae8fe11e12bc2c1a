// Loading a phonebook from arbitrary bytes, plain or with a sidecar that makes it a
// compressed one: never a crash, and a failed load leaves the phonebook untouched.
#include "fuzzsupport.h"

#include "store/agenda.h"
#include "store/sidecar.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray file, sidecar;
    FuzzSplit(data, size, file, sidecar);
    const QString path = FuzzWrite(QStringLiteral("Agenda.dat"), file);
    if (sidecar.isEmpty())
        FuzzRemove(QStringLiteral("Agenda.dat.inf"));
    else
        FuzzWrite(QStringLiteral("Agenda.dat.inf"), sidecar);
    FuzzPrompter prompter(size % 2 == 0);
    auto agenda = std::make_unique<Agenda>();
    const auto before = std::make_unique<Agenda>(*agenda);
    if (!agenda->Load(path, prompter)) {
        FUZZ_CHECK(agenda->slotCount == before->slotCount && agenda->usedCount == before->usedCount
                   && agenda->userCount == before->userCount && agenda->compressed == before->compressed);
        for (int i = 0; i < Agenda::kCapacity; ++i)
            FUZZ_CHECK(agenda->slots[size_t(i)] == before->slots[size_t(i)]);
        return 0;
    }
    FUZZ_CHECK(agenda->slotCount >= Agenda::kMinSlots && agenda->slotCount <= Agenda::kCapacity);
    FUZZ_CHECK(agenda->userCount >= 1 && agenda->userCount <= Agenda::kMaxUsers);
    FUZZ_CHECK(!QFile::exists(path + QStringLiteral(".unc")));
    // Saving what was read and loading it again gives the same phonebook.
    const QString copy = FuzzDir().filePath(QStringLiteral("Copy.dat"));
    QFile::remove(copy + QStringLiteral(".inf"));
    FUZZ_CHECK(agenda->Save(copy, prompter));
    auto again = std::make_unique<Agenda>();
    FuzzPrompter yes(true);
    FUZZ_CHECK(again->Load(copy, yes));
    FUZZ_CHECK(again->slotCount == agenda->slotCount && again->usedCount == agenda->usedCount);
    return 0;
}
