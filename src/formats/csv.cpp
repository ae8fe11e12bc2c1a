#include "formats/csv.h"

#include "store/agenda.h"

#include <QIODevice>

namespace {

const char kHeader[] = "last;first;note;street;numb;zip;city;country;coord;"
                       "phone1;phone2;phone3;phone4;phone5;email1;email2;email3;email4;email5";

QByteArray ToUtf16Le(const QString &text)
{
    QByteArray out;
    out.resize(text.size() * 2);
    char *p = out.data();
    for (const QChar c : text) {
        *p++ = char(c.unicode() & 0xFF);
        *p++ = char(c.unicode() >> 8);
    }
    return out;
}

bool WriteAll(QIODevice &device, const QByteArray &bytes)
{
    return device.write(bytes) == bytes.size();
}

// Reads 16-bit little-endian code units up to an LF or the end of the device; every CR is
// dropped. A last odd byte (a cut code unit) is consumed and dropped.
QString ReadUtf16Line(QIODevice &device)
{
    QString line;
    for (;;) {
        const QByteArray chunk = device.peek(1024);
        if (chunk.size() < 2) {
            if (!chunk.isEmpty())
                device.skip(chunk.size());
            return line;
        }
        const qsizetype usable = chunk.size() & ~qsizetype(1);
        const auto *p = reinterpret_cast<const unsigned char *>(chunk.constData());
        for (qsizetype i = 0; i < usable; i += 2) {
            const char16_t unit = char16_t(p[i] | (p[i + 1] << 8));
            if (unit == u'\n') {
                device.skip(i + 2);
                return line;
            }
            if (unit != u'\r')
                line.append(QChar(unit));
        }
        device.skip(usable);
    }
}

} // namespace

bool WriteCsvHeader(QIODevice &device)
{
    return WriteAll(device, QByteArray("\xFF\xFE", 2) + ToUtf16Le(QString::fromLatin1(kHeader) + QStringLiteral("\r\n")));
}

bool WriteCsvLine(const AgendaRecord &record, QIODevice &device)
{
    const QChar sep = QLatin1Char(';');
    const qsizetype space = record.label.indexOf(QLatin1Char(' '));
    QString line;
    if (space >= 1)
        line = record.label.left(space) + sep + record.label.mid(space + 1);
    else
        line = record.label + sep;
    line += sep + record.note + sep + record.street + sep + record.numb + sep + record.zip + sep
            + record.city + sep + record.country + sep + record.nav.GpsText();
    for (const QString &p : record.phone)
        line += sep + p;
    for (const QString &e : record.email)
        line += sep + e;
    line += QStringLiteral("\r\n");
    return WriteAll(device, ToUtf16Le(line));
}

bool ReadCsvLine(AgendaRecord &record, QIODevice &device)
{
    const QString line = ReadUtf16Line(device);
    qsizetype pos = 0;
    for (int i = 0; i < kCsvFieldCount; ++i) {
        const qsizetype semi = line.indexOf(QLatin1Char(';'), pos);
        const qsizetype end = semi < 0 ? line.size() : semi;
        const QString field = line.mid(pos, end - pos);
        switch (i) {
        case 0: record.label = field; break;
        case 1:
            if (!field.isEmpty())
                record.label += QLatin1Char(' ') + field;
            break;
        case 2: record.note = field; break;
        case 3: record.street = field; break;
        case 4: record.numb = field; break;
        case 5: record.zip = field; break;
        case 6: record.city = field; break;
        case 7: record.country = field; break;
        case 8: record.nav.SetGpsText(field); break;
        default:
            if (i < 14)
                record.phone[size_t(i - 9)] = field;
            else
                record.email[size_t(i - 14)] = field;
            break;
        }
        if (semi < 0 && i < kCsvFieldCount - 1)
            return false;
        pos = end + 1;
    }
    if (record.owner < 1)
        record.owner = 1;
    else if (record.owner > 4)
        record.owner = 4;
    record.recType = 1;
    return true;
}

bool CheckCsvHeader(QIODevice &device)
{
    char bom[2];
    if (device.read(bom, 2) != 2 || uchar(bom[0]) != 0xFF || uchar(bom[1]) != 0xFE)
        return false;
    AgendaRecord scratch;
    return ReadCsvLine(scratch, device);
}
