// The own CSV reader on arbitrary bytes (after the byte-order mark and header the import
// needs): line after line to the end, as the import does. Never a crash or an endless loop; every line read in full gives a
// used record, and that record written as a line and read again keeps its fields.
#include "fuzzsupport.h"

#include "formats/csv.h"
#include "store/agenda.h"

#include <QBuffer>

namespace {

// The GPS text with the hemisphere of a zero coordinate made plain: a tiny negative value
// is stored as zero with its sign ("E0.000000"), and that text reads back as an unsigned
// zero ("W0.000000"), the same point.
QString GpsPoint(const NavData &nav)
{
    QString t = nav.GpsText();
    t.replace(QLatin1String("S0.000000,"), QLatin1String("N0.000000,"));
    if (t.endsWith(QLatin1String(",E0.000000")))
        t.replace(t.size() - 9, 1, QLatin1Char('W'));
    return t;
}

bool SameFields(const AgendaRecord &a, const AgendaRecord &b)
{
    return a.label == b.label && a.note == b.note && a.street == b.street && a.numb == b.numb && a.zip == b.zip
           && a.city == b.city && a.country == b.country && GpsPoint(a.nav) == GpsPoint(b.nav) && a.phone == b.phone
           && a.email == b.email;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer header;
    header.open(QIODevice::WriteOnly);
    WriteCsvHeader(header);
    OwnCsvReader reader(header.data() + QByteArray(reinterpret_cast<const char *>(data), int(size)));
    FUZZ_CHECK(reader.IsOwnFile());
    for (int line = 0; !reader.AtEnd(); ++line) {
        FUZZ_CHECK(line <= int(size));  // every line consumes input
        AgendaRecord record;
        record.owner = uint32_t(line % 7);
        if (!reader.ReadLine(record))
            continue;
        FUZZ_CHECK(record.recType == 1 && record.owner >= 1 && record.owner <= 4);

        // The writer joins the label's first two words with ";" again; a label that ends in
        // a space loses it there (an empty second field adds no space on reading).
        if (record.label.endsWith(QLatin1Char(' ')))
            continue;
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        FUZZ_CHECK(WriteCsvHeader(out) && WriteCsvLine(record, out));
        OwnCsvReader back(out.data());
        AgendaRecord again;
        FUZZ_CHECK(back.ReadLine(again));
        FUZZ_CHECK(SameFields(again, record));
    }
    return 0;
}
