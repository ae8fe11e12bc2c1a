// The slot reader on arbitrary bytes: it never crashes, and what it reads writes back
// and reads again to the same record.
#include "fuzzsupport.h"

#include "store/agendafile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint32_t version = (data[0] & 1) ? 81 : 80;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    FuzzPrompter prompter(data[0] & 2);
    SlotReader in(bytes);
    AgendaRecord record;
    if (!ReadSlot(record, in, version, prompter))
        return 0;
    SlotWriter out;
    FUZZ_CHECK(WriteSlot(record, out, version));
    SlotReader again(out.bytes);
    AgendaRecord copy = record;
    FuzzPrompter yes(true);
    FUZZ_CHECK(ReadSlot(copy, again, version, yes));
    FUZZ_CHECK(copy == record);
    // The bytes of a slot whose texts hold no zero byte and whose trailers are zero come
    // back exactly; in general the re-encoded slot reads to the same record (checked above).
    return 0;
}
