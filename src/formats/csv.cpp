#include "formats/csv.h"

#include "formats/decode.h"
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

bool ReadCsvFields(const QStringList &fields, AgendaRecord &record)
{
    for (int i = 0; i < kCsvFieldCount && i < fields.size(); ++i) {
        const QString &field = fields.at(i);
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
    }
    if (fields.size() < kCsvFieldCount)
        return false;
    if (record.owner < 1)
        record.owner = 1;
    else if (record.owner > 4)
        record.owner = 4;
    record.recType = 1;
    return true;
}

const QStringList &OwnCsvHeader()
{
    static const QStringList names = QString::fromLatin1(kHeader).split(QLatin1Char(';'));
    return names;
}

bool IsOwnCsvHeader(const QStringList &fields)
{
    const QStringList &names = OwnCsvHeader();
    if (fields.size() < names.size())
        return false;
    for (int i = 0; i < names.size(); ++i)
        if (fields.at(i).trimmed().compare(names.at(i), Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

namespace {

CsvDialect OwnDialect()
{
    CsvDialect dialect;
    dialect.delimiter = QLatin1Char(';');
    dialect.own = true;
    dialect.maxFields = kCsvFieldCount;
    return dialect;
}

// The text of an own file: UTF-16 LE after FF FE; nothing for any other file.
QString OwnText(const QByteArray &bytes)
{
    if (bytes.size() < 2 || uchar(bytes[0]) != 0xFF || uchar(bytes[1]) != 0xFE)
        return QString();
    return DecodeUtf16LeUnits(bytes.constData() + 2, bytes.size() - 2);
}

} // namespace

OwnCsvReader::OwnCsvReader(const QByteArray &bytes) : text_(OwnText(bytes)), tokenizer_(text_, OwnDialect())
{
    const bool marked = bytes.startsWith("\xFF\xFE");
    tokenizer_.Next(header_);
    ownFile_ = marked && IsOwnCsvHeader(header_);
}

bool OwnCsvReader::ReadLine(AgendaRecord &record)
{
    if (!tokenizer_.Next(fields_))
        return false;
    return ReadCsvFields(fields_, record);
}
