#include "store/fieldlimits.h"

#include "common/textcodec.h"
#include "store/agenda.h"

#include <array>

namespace {

// The single texts of a record and their limits; phones and e-mails follow the table.
struct TextLimit
{
    QString AgendaRecord::*field;
    int max;
};

const std::array<TextLimit, 8> kTextLimits = {{
    {&AgendaRecord::label, FieldMax::label},
    {&AgendaRecord::note, FieldMax::note},
    {&AgendaRecord::fld51, FieldMax::fld51},
    {&AgendaRecord::street, FieldMax::street},
    {&AgendaRecord::numb, FieldMax::numb},
    {&AgendaRecord::zip, FieldMax::zip},
    {&AgendaRecord::city, FieldMax::city},
    {&AgendaRecord::country, FieldMax::country},
}};

// Calls `visit(text, max)` for every text of the record that has a limit.
template <typename Record, typename Visit>
void ForEachText(Record &record, Visit visit)
{
    for (const TextLimit &t : kTextLimits)
        visit(record.*t.field, t.max);
    visit(record.nav.poiLabel, FieldMax::poiLabel);
    for (auto &phone : record.phone)
        visit(phone, FieldMax::phone);
    for (auto &email : record.email)
        visit(email, FieldMax::email);
}

} // namespace

bool HasOverlongText(const AgendaRecord &record)
{
    bool overlong = false;
    ForEachText(record, [&](const QString &text, int max) { overlong = overlong || text.size() > max; });
    return overlong;
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
    ForEachText(record, [](QString &text, int max) {
        if (text.size() > max)
            text = ShortenText(text, max);
    });
}
