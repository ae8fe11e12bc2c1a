#include "formats/vcard.h"

#include "common/safefile.h"
#include "common/textcodec.h"
#include "formats/vcarddecoding.h"
#include "store/agenda.h"

namespace {

void AppendLine(QByteArray &out, int32_t property, uint32_t params, const QString &value)
{
    const VCardProperty &prop = VCardPropertyTable[size_t(property)];
    out += prop.name;
    params &= prop.admitted;
    // Entry 0 names an encoding, not a type; everything is written as plain UTF-8.
    for (size_t i = 1; i < VCardParamTable.size(); ++i) {
        if (params & VCardParamTable[i].value) {
            out += ';';
            out += VCardParamTable[i].name;
        }
    }
    // A line break inside a value (a note read from a phone's card) would end the line and
    // make the rest read as properties of their own: such a value is written
    // Quoted-Printable, the breaks and "=" as escapes and everything else as it is.
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))) {
        out += ";ENCODING=QUOTED-PRINTABLE:";
        for (const char c : EncodeHeldUtf8(value)) {
            if (c == '=' || c == '\r' || c == '\n')
                out += '=' + QByteArray::number(uchar(c), 16).toUpper().rightJustified(2, '0');
            else
                out += c;
        }
        out += "\r\n";
        return;
    }
    out += ':';
    AppendHeldUtf8(out, value);
    out += "\r\n";
}

} // namespace

QByteArray VCard::WriteVcfBytes()
{
    QByteArray out;
    AppendLine(out, kVcBegin, 0, QStringLiteral("VCARD"));
    for (const VCardItem &item : items_)
        AppendLine(out, item.property, item.params, item.value);
    items_.clear();
    AppendLine(out, kVcEnd, 0, QStringLiteral("VCARD"));
    return out;
}

WriteResult VCard::WriteVcf(const QString &fileName)
{
    // Written whole or not at all: a full disk leaves an older file of that name as it
    // was instead of a cut card, and is reported.
    return WriteFileAtomic(fileName, WriteVcfBytes());
}

void BuildVCard(const AgendaRecord &record, VCard &card)
{
    card.Append(kVcFn, 0, record.label);
    card.Append(kVcN, 0, record.label);
    for (size_t k = 0; k < record.phone.size(); ++k)
        if (!record.phone[k].isEmpty())
            card.Append(kVcTel, PhoneTypeToParams(record.phoneType[k]), record.phone[k]);
    for (size_t k = 0; k < record.email.size(); ++k)
        if (!record.email[k].isEmpty())
            card.Append(kVcEmail, EmailTypeToParams(record.emailType[k]), record.email[k]);
    if (record.HasAddress()) {
        const QString value = QStringLiteral(";;") + record.street + QLatin1Char(' ') + record.numb
                              + QLatin1Char(';') + record.city + QStringLiteral(";;") + record.zip
                              + QLatin1Char(';') + record.country;
        card.Append(kVcAdr, VcParam::Home | VcParam::Dom | VcParam::Postal, value);
    }
    if (!record.note.isEmpty())
        card.Append(kVcNote, 0, record.note);
    if (record.nav.navFlags & kNavGps) {
        // Longitude first, east positive, as the reader expects. Adding 0.0 turns a
        // negative zero into a plain zero, so that no "-0.000000" is written.
        const double lon = -record.nav.lon.ToDegrees() + 0.0;
        const double lat = record.nav.lat.ToDegrees() + 0.0;
        card.Append(kVcGeo, 0, QString::asprintf("%f,%f", lon, lat));
    }
}

WriteResult ExportVCard(const AgendaRecord &record, const QString &fileName)
{
    VCard card;
    BuildVCard(record, card);
    return card.WriteVcf(fileName);
}

WriteResult ExportVCardAt(const Agenda &agenda, int index, const QString &fileName)
{
    const AgendaRecord *record = agenda.RecordAt(index);
    if (!record)
        return WriteResult::Failed(QString());
    return ExportVCard(*record, fileName);
}

// ---------------------------------------------------------------------------------------
// vCard 3.0 for phones and address books

namespace {

// The text a held byte stands for: runs of bytes that are not UTF-8 in the phonebook are
// read as Windows-1252, the code page such bytes mostly come from; a character the
// phonebook keeps as its UTF-8 bytes (four-byte ones) is that character again.
QString HeldToUnicode(const QString &text)
{
    bool held = false;
    for (const QChar c : text)
        held = held || IsHeldByte(c);
    if (!held)
        return text;
    return DecodeUtf8OrWindows1252(EncodeHeldUtf8(text));
}

// A text value as RFC 2426 escapes it.
QByteArray Escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const QString unicode = HeldToUnicode(text);
    for (qsizetype i = 0; i < unicode.size(); ++i) {
        const QChar c = unicode.at(i);
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < unicode.size() && unicode.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    return out.toUtf8();
}

// TYPE=a,b,c of the parameter bits, in the table's order; empty without any.
QByteArray TypeParam(uint32_t params, const char *first = nullptr)
{
    QByteArray names = first ? QByteArray(first) : QByteArray();
    for (size_t i = 1; i < VCardParamTable.size(); ++i) {
        if (params & VCardParamTable[i].value) {
            if (!names.isEmpty())
                names += ',';
            names += VCardParamTable[i].name;
        }
    }
    return names.isEmpty() ? QByteArray() : ";TYPE=" + names;
}

// One content line, folded after 75 bytes (never inside a UTF-8 sequence) with CR LF
// and a blank.
void AppendFolded(QByteArray &out, const QByteArray &line)
{
    constexpr qsizetype kWidth = 75;
    qsizetype pos = 0;
    qsizetype width = kWidth;
    while (line.size() - pos > width) {
        qsizetype cut = pos + width;
        while (cut > pos + 1 && (uchar(line.at(cut)) & 0xC0) == 0x80)
            --cut;
        out.append(line.constData() + pos, cut - pos);
        out += "\r\n ";
        pos = cut;
        width = kWidth - 1;  // the blank counts
    }
    out.append(line.constData() + pos, line.size() - pos);
    out += "\r\n";
}

// The street component: street and house number, the number where the reader finds it
// again ("Via Roma 12", "12b Via Roma").
QString StreetWithNumber(const AgendaRecord &r)
{
    if (r.numb.isEmpty() || r.street.isEmpty())
        return r.street + r.numb;
    const QChar last = r.numb.back();
    const QChar first = r.numb.front();
    const bool numberFirst = !(last >= QLatin1Char('0') && last <= QLatin1Char('9')) && first >= QLatin1Char('0')
        && first <= QLatin1Char('9');
    return numberFirst ? r.numb + QLatin1Char(' ') + r.street : r.street + QLatin1Char(' ') + r.numb;
}

} // namespace

QByteArray StandardVCardBytes(const AgendaRecord &record)
{
    QByteArray out = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    const QByteArray label = Escaped(record.label);
    AppendFolded(out, "N:" + label + ";;;;");
    AppendFolded(out, "FN:" + label);
    for (size_t k = 0; k < record.phone.size(); ++k)
        if (!record.phone[k].isEmpty())
            AppendFolded(out, "TEL" + TypeParam(PhoneTypeToParams(record.phoneType[k])) + ':' + Escaped(record.phone[k]));
    for (size_t k = 0; k < record.email.size(); ++k)
        if (!record.email[k].isEmpty())
            AppendFolded(out, "EMAIL" + TypeParam(EmailTypeToParams(record.emailType[k]), "INTERNET") + ':'
                                  + Escaped(record.email[k]));
    if (record.HasAddress())
        AppendFolded(out, "ADR;TYPE=HOME:;;" + Escaped(StreetWithNumber(record)) + ';' + Escaped(record.city) + ";;"
                              + Escaped(record.zip) + ';' + Escaped(record.country));
    if (!record.note.isEmpty())
        AppendFolded(out, "NOTE:" + Escaped(record.note));
    if (record.nav.navFlags & kNavGps) {
        // Latitude first, as RFC 2426 has it; adding 0.0 turns -0 into 0.
        const double lat = record.nav.lat.ToDegrees() + 0.0;
        const double lon = -record.nav.lon.ToDegrees() + 0.0;
        out += QByteArray("GEO:") + QString::asprintf("%f;%f", lat, lon).toLatin1() + "\r\n";
    }
    out += "END:VCARD\r\n";
    return out;
}
