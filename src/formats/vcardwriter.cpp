#include "formats/vcard.h"

#include "common/safefile.h"
#include "common/textcodec.h"
#include "store/agenda.h"

uint32_t PhoneTypeToParams(uint32_t phoneType)
{
    using namespace VcParam;
    switch (phoneType) {
    case 3: return Home | Fax;
    case 4: return Home | Cell;
    case 5: return Pref | Home;
    case 6: return Pref | Work | Voice;
    case 7: return Home;
    case 8: return Pref | Home | Fax;
    case 9: return Pref | Home | Cell;
    case 10: return Work | Fax;
    case 11: return Work | Cell;
    case 12: return Pref | Work;
    case 15: return Pref | Work | Fax;
    case 16: return Pref | Work | Cell;
    case 19: return Cell;
    case 20: return Pref | Cell;
    default: return 0;
    }
}

uint32_t EmailTypeToParams(uint32_t emailType)
{
    using namespace VcParam;
    switch (emailType) {
    case 1: return Home;
    case 2: return Work;
    case 5: return Pref;
    case 6: return Pref | Home;
    case 7: return Pref | Work;
    default: return 0;
    }
}

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
