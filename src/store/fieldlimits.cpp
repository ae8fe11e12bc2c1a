#include "store/fieldlimits.h"

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
    return text.left(n);
}

void ShortenTexts(AgendaRecord &record)
{
    ForEachText(record, [](QString &text, int max) {
        if (text.size() > max)
            text = ShortenText(text, max);
    });
}
