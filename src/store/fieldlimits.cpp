#include "store/fieldlimits.h"

#include "common/textcodec.h"
#include "store/agenda.h"
#include "store/fields.h"

#include <array>

namespace {

// The texts of a record that have a limit on the unit: every field of the table but the
// record number and the GPS position (a text only in the lists).
bool IsRecordText(const RecordField &f)
{
    return f.limit > 0 && f.id != FieldId::Gps;
}

} // namespace

bool HasOverlongText(const AgendaRecord &record)
{
    for (const RecordField &f : Fields())
        if (IsRecordText(f) && f.read(record).size() > f.limit)
            return true;
    return false;
}

QString ShortenText(const QString &text, int max)
{
    if (text.size() <= max)
        return text;
    qsizetype n = max;
    if (n > 0 && text.at(n - 1).isHighSurrogate())
        --n;
    // A character that the codec holds byte by byte (four-byte UTF-8: emoji and other
    // characters beyond the 16-bit range, as read from a file) is kept whole or not at
    // all: a cut sequence would be stored as bytes that are no text.
    const auto heldByte = [&](qsizetype i) { return IsHeldByte(text.at(i)) ? int(text.at(i).unicode() & 0xFF) : -1; };
    if (n < text.size() && (heldByte(n) & 0xC0) == 0x80) {
        qsizetype lead = n;
        while (lead > 0 && n - lead < 3 && (heldByte(lead - 1) & 0xC0) == 0x80)
            --lead;
        const int b = lead > 0 ? heldByte(lead - 1) : -1;
        const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        if (length > n - (lead - 1))
            n = lead - 1;
    }
    return text.left(n);
}

void ShortenTexts(AgendaRecord &record)
{
    for (const RecordField &f : Fields())
        if (const QString text = f.read(record); IsRecordText(f) && text.size() > f.limit)
            f.write(record, ShortenText(text, f.limit));
}
