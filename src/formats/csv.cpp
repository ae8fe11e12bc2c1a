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
    char chunk[4096];
    for (;;) {
        const qint64 got = device.peek(chunk, qint64(sizeof chunk));
        if (got < 2) {
            if (got > 0)
                device.skip(got);
            return line;
        }
        const qsizetype usable = qsizetype(got) & ~qsizetype(1);
        const auto *p = reinterpret_cast<const unsigned char *>(chunk);
        // Code units are copied in runs between the CRs that are dropped.
        const qsizetype at = line.size();
        line.resize(at + usable / 2);
        QChar *dst = line.data() + at;
        qsizetype n = 0;
        for (qsizetype i = 0; i < usable; i += 2) {
            const char16_t unit = char16_t(p[i] | (p[i + 1] << 8));
            if (unit == u'\n') {
                line.truncate(at + n);
                device.skip(i + 2);
                return line;
            }
            if (unit != u'\r')
                dst[n++] = QChar(unit);
        }
        line.truncate(at + n);
        device.skip(usable);
    }
}

// The longest quoted field the reader joins over line breaks; far beyond any text the
// unit holds, and it keeps a stray quote from swallowing the rest of a large file.
constexpr qsizetype kMaxQuotedLength = 4096;

// A field as it is written: as it stands, or in quotes (a quote inside doubled) when it
// holds the separator or a line break, or starts with a quote, so that it reads back the same.
QString CsvField(const QString &text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))
        && !text.startsWith(QLatin1Char('"')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Reads a quoted field starting at `pos` of `line`: "" inside stands for one quote, and a
// line break inside joins the next line of the device to `line`. True, with the text and
// the position after the closing quote, only when the closing quote ends the field
// (followed by ";" or the end of the line). Otherwise `line` and the device are put back as
// they were and the field is read as it stands, so that files written without quotes, whose
// fields may start with a quote, read as they always did.
bool ReadQuotedField(QString &line, qsizetype pos, QIODevice &device, QString &field, qsizetype &end)
{
    if (pos >= line.size() || line.at(pos) != QLatin1Char('"'))
        return false;
    const qsizetype lineSize = line.size();
    const qint64 devicePos = device.pos();
    QString text;
    for (qsizetype j = pos + 1;;) {
        if (j >= line.size()) {
            if (device.atEnd() || device.isSequential() || text.size() > kMaxQuotedLength)
                break;
            line += QLatin1Char('\n') + ReadUtf16Line(device);
            text += QLatin1Char('\n');
            ++j;
            continue;
        }
        const QChar c = line.at(j);
        if (c != QLatin1Char('"')) {
            text += c;
            ++j;
        } else if (j + 1 < line.size() && line.at(j + 1) == QLatin1Char('"')) {
            text += c;
            j += 2;
        } else if (j + 1 == line.size() || line.at(j + 1) == QLatin1Char(';')) {
            field = text;
            end = j + 1;
            return true;
        } else {
            break;
        }
    }
    if (line.size() != lineSize) {
        line.truncate(lineSize);
        device.seek(devicePos);
    }
    return false;
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
        line = CsvField(record.label.left(space)) + sep + CsvField(record.label.mid(space + 1));
    else
        line = CsvField(record.label) + sep;
    for (const QString *text : {&record.note, &record.street, &record.numb, &record.zip, &record.city, &record.country})
        line += sep + CsvField(*text);
    line += sep + record.nav.GpsText();
    for (const QString &p : record.phone)
        line += sep + CsvField(p);
    for (const QString &e : record.email)
        line += sep + CsvField(e);
    line += QStringLiteral("\r\n");
    return WriteAll(device, ToUtf16Le(line));
}

bool ReadCsvLine(AgendaRecord &record, QIODevice &device)
{
    QString line = ReadUtf16Line(device);
    qsizetype pos = 0;
    for (int i = 0; i < kCsvFieldCount; ++i) {
        QString field;
        qsizetype end = 0;
        if (!ReadQuotedField(line, pos, device, field, end)) {
            const qsizetype semi = line.indexOf(QLatin1Char(';'), pos);
            end = semi < 0 ? line.size() : semi;
            field = line.mid(pos, end - pos);
        }
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
        if (end >= line.size() && i < kCsvFieldCount - 1)
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
