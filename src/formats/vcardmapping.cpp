// The third layer of the vCard reader: the items of one card onto the fields of a record.
#include "formats/vcard.h"

#include "common/numbers.h"
#include "common/safefile.h"
#include "formats/contactname.h"
#include "formats/vcardreader.h"
#include "store/agenda.h"
#include "store/fieldlimits.h"

#include <QStringList>

#include <cmath>
#include <optional>
#include <vector>

namespace {

bool IsDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// A decimal number at `pos` (C form); `pos` moves behind it. nullopt, `pos` unchanged,
// when there is none or it is out of range.
std::optional<double> ScanNumber(QStringView s, qsizetype &pos)
{
    const NumberRead n = ReadNumber(s, pos);
    if (!n.ok())
        return std::nullopt;
    pos = n.end;
    return n.value;
}

void SkipBlanks(QStringView s, qsizetype &pos)
{
    while (pos < s.size() && (s[pos] == QLatin1Char(' ') || s[pos] == QLatin1Char('\t')))
        ++pos;
}

struct LatLon
{
    double lat;
    double lon;
};

bool InRange(const LatLon &p)
{
    return std::fabs(p.lat) <= 90.0 && std::fabs(p.lon) <= 180.0;
}

// GEO as the standards write it, latitude first: "lat;lon" (vCard 3.0), "lat,lon"
// (Android's 2.1 writer), "geo:lat,lon" (vCard 4.0, RFC 5870), maybe with an altitude or
// ";"-parameters after the pair.
std::optional<LatLon> StandardGeo(QString value)
{
    value.remove(QLatin1Char('\\'));  // an escaped separator of a 3.0 writer
    QStringView s = QStringView(value).trimmed();
    if (s.startsWith(QLatin1String("geo:"), Qt::CaseInsensitive))
        s = s.mid(4);
    qsizetype pos = 0;
    SkipBlanks(s, pos);
    const std::optional<double> lat = ScanNumber(s, pos);
    SkipBlanks(s, pos);
    if (!lat || pos >= s.size() || (s[pos] != QLatin1Char(';') && s[pos] != QLatin1Char(',')))
        return std::nullopt;
    ++pos;
    SkipBlanks(s, pos);
    const std::optional<double> lon = ScanNumber(s, pos);
    SkipBlanks(s, pos);
    if (!lon || (pos < s.size() && s[pos] != QLatin1Char(';') && s[pos] != QLatin1Char(',')))
        return std::nullopt;
    const LatLon p{*lat, *lon};
    return InRange(p) ? std::optional<LatLon>(p) : std::nullopt;
}

// GEO as this program's own cards (no VERSION line) have it: "lon,lat", each number read
// as atof reads it (anything after the number ignored).
std::optional<LatLon> OwnGeo(const QString &value)
{
    const qsizetype comma = value.indexOf(QLatin1Char(','));
    if (comma < 0)
        return std::nullopt;
    const auto number = [](QStringView part) {
        qsizetype pos = 0;
        while (pos < part.size() && part[pos].isSpace())
            ++pos;
        return ScanNumber(part, pos);
    };
    const std::optional<double> lon = number(QStringView(value).left(comma));
    const std::optional<double> lat = number(QStringView(value).mid(comma + 1));
    if (!lon || !lat)
        return std::nullopt;
    const LatLon p{*lat, *lon};
    return InRange(p) ? std::optional<LatLon>(p) : std::nullopt;
}

// A text the unit shows on one line: each line break becomes a blank.
QString OneLine(QString text)
{
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

QString WithoutTrailingCr(QString text)
{
    while (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

// A phone number as the unit dials it. vCard 4.0 writes it as a URI
// ("tel:+1-555-1234;ext=56"): its parameters are no part of the number, and an extension
// is dialled after a pause (",").
QString PhoneNumber(const QString &value)
{
    QString number = value.trimmed();
    while (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
        const QStringList parts = number.mid(4).split(QLatin1Char(';'));
        number = parts.first().trimmed();
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const QString &p = parts.at(i);
            if (p.startsWith(QLatin1String("ext="), Qt::CaseInsensitive) && p.size() > 4)
                number += QLatin1Char(',') + p.mid(4).trimmed();
        }
    }
    return number;
}

// The phones of a card, in file order, before they go into the record's five.
struct CardPhone
{
    QString number;
    uint32_t params;
    bool pref;
};

// Whether a phone is kept before the others when a card has more than five: a preferred
// one, or a voice number typed as cell, home or work phone.
bool KeptFirst(const CardPhone &p)
{
    using namespace VcParam;
    return p.pref || ((p.params & (Cell | Home | Work)) && !(p.params & (Fax | Pager)));
}

// The five phones a card keeps, in file order: the preferred and typed voice numbers
// before fax, pager and untyped ones.
std::vector<CardPhone> ChoosePhones(const std::vector<CardPhone> &phones)
{
    if (phones.size() <= size_t(kPhoneCount))
        return phones;
    std::vector<char> keep(phones.size(), 0);
    int kept = 0;
    for (int pass = 0; pass < 2 && kept < kPhoneCount; ++pass)
        for (size_t i = 0; i < phones.size() && kept < kPhoneCount; ++i)
            if (!keep[i] && (pass == 1 || KeptFirst(phones[i]))) {
                keep[i] = 1;
                ++kept;
            }
    std::vector<CardPhone> chosen;
    for (size_t i = 0; i < phones.size(); ++i)
        if (keep[i])
            chosen.push_back(phones[i]);
    return chosen;
}

// How a card writes its text: vCard 3.0 and 4.0 (the phones' and web services' exports)
// escape backslashes, commas, semicolons and line breaks; earlier versions and cards
// without a VERSION line, such as this program's own, are taken as they stand.
struct CardText
{
    bool escaped = false;

    // A single-line field: escapes resolved, line breaks as blanks.
    QString Line(const QString &value) const
    {
        return OneLine(escaped ? UnescapeVCardText(value, QLatin1Char(' ')) : value);
    }
    QString Component(const QString &value, int n) const
    {
        return OneLine(escaped ? EscapedComponent(value, n) : AddressComponent(value, n));
    }
    // The note keeps its line breaks.
    QString Note(const QString &value) const
    {
        return escaped ? UnescapeVCardText(value, QLatin1Char('\n')) : value;
    }
};

// Splits at every `sep` that is not escaped by a backslash; the parts keep their escapes.
QStringList SplitUnescaped(const QString &value, QChar sep)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char('\\'))
            ++i;
        else if (value.at(i) == sep) {
            parts << value.mid(start, i - start);
            start = i + 1;
        }
    }
    parts << value.mid(start);
    return parts;
}

// The name N gives: given, additional and family names, joined by single blanks. In a
// 3.0 or 4.0 card a component may list several names separated by ",".
QString NameFromN(const QString &value, const CardText &text)
{
    const QStringList components = text.escaped ? SplitUnescaped(value, QLatin1Char(';')) : QStringList();
    QStringList names;
    for (const int n : {1, 2, 0}) {
        if (!text.escaped) {
            names << AddressComponent(value, n);
            continue;
        }
        for (const QString &name : SplitUnescaped(components.value(n), QLatin1Char(',')))
            names << UnescapeVCardText(name, QLatin1Char(' '));
    }
    return names.join(QLatin1Char(' ')).simplified();
}

// The organisation's name: ORG's first component, or its first that is not empty.
QString NameFromOrg(const QString &value, const CardText &text)
{
    for (int n = 0; n < 8; ++n) {
        const QString part = text.Component(value, n).simplified();
        if (!part.isEmpty())
            return part;
    }
    return QString();
}

} // namespace

QString AddressComponent(const QString &value, int n)
{
    qsizetype pos = 0;
    for (int k = 0; k < n; ++k) {
        const qsizetype semi = value.indexOf(QLatin1Char(';'), pos);
        if (semi < 0)
            return QString();
        pos = semi + 1;
    }
    const qsizetype end = value.indexOf(QLatin1Char(';'), pos);
    return end < 0 ? value.mid(pos) : value.mid(pos, end - pos);
}

QString UnescapeVCardText(const QString &value, QChar lineBreak)
{
    if (!value.contains(QLatin1Char('\\')))
        return value;
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const QChar next = i + 1 < value.size() ? value.at(i + 1) : QChar();
        if (c == QLatin1Char('\\') && (next == QLatin1Char('\\') || next == QLatin1Char(',') || next == QLatin1Char(';'))) {
            out += next;
            ++i;
        } else if (c == QLatin1Char('\\') && (next == QLatin1Char('n') || next == QLatin1Char('N'))) {
            out += lineBreak;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString EscapedComponent(const QString &value, int n)
{
    int k = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= value.size(); ++i) {
        if (i < value.size() && value.at(i) == QLatin1Char('\\')) {
            ++i;  // the escaped character is no separator
            continue;
        }
        if (i == value.size() || value.at(i) == QLatin1Char(';')) {
            if (k == n)
                return UnescapeVCardText(value.mid(start, i - start), QLatin1Char(' '));
            ++k;
            start = i + 1;
        }
    }
    return QString();
}

void SplitHouseNumber(QStringView text, QStringView &street, QStringView &number)
{
    street = QStringView();
    number = QStringView();
    if (text.isEmpty())
        return;
    if (IsDigit(text.front())) {
        const qsizetype space = text.indexOf(QLatin1Char(' '));
        if (space < 0) {
            number = text;
        } else {
            number = text.left(space);
            street = text.mid(space + 1);
        }
    } else if (IsDigit(text.back())) {
        const qsizetype space = text.lastIndexOf(QLatin1Char(' '));
        if (space < 0) {
            number = text;
        } else {
            number = text.mid(space + 1);
            street = text.left(space);
        }
    } else {
        street = text;
        // The writer puts a space between street and house number also when there is no
        // number; that space is no part of the street (and would make a full-length street
        // too long for the unit when read back).
        if (street.endsWith(QLatin1Char(' ')))
            street.chop(1);
    }
}

void SplitHouseNumber(const QString &text, QString &street, QString &number)
{
    QStringView s, n;
    SplitHouseNumber(QStringView(text), s, n);
    QString streetText = s.toString();
    number = n.toString();
    street = std::move(streetText);
}

VCardMapResult MapCard(VCard &card, AgendaRecord &record)
{
    VCardMapResult result;
    CardText text;
    bool versioned = false;
    for (int i = 0; i < card.Count() && card.At(i).property != kVcEnd; ++i)
        if (card.At(i).property == kVcVersion) {
            const QString version = card.At(i).value.trimmed();
            versioned = true;
            text.escaped = version.startsWith(QLatin1Char('3')) || version.startsWith(QLatin1Char('4'));
        }

    // Work on a copy so that the record stays unchanged unless an END is found.
    AgendaRecord r = record;
    std::optional<QString> fn;
    QString fromN;
    QString fromOrg;
    std::vector<CardPhone> phones;
    int emails = 0;
    std::optional<QString> address;
    bool addressPreferred = false;
    std::optional<QString> note;
    VCardItem item;
    while (card.TakeFirst(item)) {
        switch (item.property) {
        case kVcEnd: {
            // The label: FN, else the names of N, else the organisation.
            r.label = ContactLabel(fn.value_or(QString()), fromN, QString(), QString(), fromOrg);
            if (r.label.isEmpty() && fn)
                r.label = *fn;
            const std::vector<CardPhone> chosen = ChoosePhones(phones);
            result.droppedPhones = int(phones.size() - chosen.size());
            for (size_t k = 0; k < chosen.size(); ++k) {
                r.phone[k] = chosen[k].number;
                r.phoneType[k] = ParamsToPhoneType(chosen[k].params);
            }
            if (address) {
                SplitHouseNumber(text.Component(*address, 2), r.street, r.numb);
                r.city = text.Component(*address, 3);
                r.zip = text.Component(*address, 5);
                r.country = text.Component(*address, 6);
            }
            if (note)
                r.note = WithoutTrailingCr(*note);
            if (r.owner < 1)
                r.owner = 1;
            else if (r.owner > 4)
                r.owner = 4;
            r.recType = 1;
            record = r;
            result.ok = true;
            return result;
        }
        case kVcFn:
            fn = text.Line(item.value);
            break;
        case kVcN:
            fromN = NameFromN(item.value, text);
            break;
        case kVcOrg:
            if (fromOrg.isEmpty())
                fromOrg = NameFromOrg(item.value, text);
            break;
        case kVcTel:
            phones.push_back({PhoneNumber(text.Line(item.value)), item.params, item.pref});
            break;
        case kVcEmail:
            if (emails < kEmailCount) {
                r.email[size_t(emails)] = text.Line(item.value).trimmed();
                r.emailType[size_t(emails)] = ParamsToEmailType(item.params);
                ++emails;
            } else {
                ++result.droppedEmails;
            }
            break;
        case kVcAdr:
            // The preferred address, else the last one.
            if (!addressPreferred) {
                address = item.value;
                addressPreferred = item.pref;
            }
            break;
        case kVcNote: {
            // Several notes are kept one below the other.
            const QString value = text.Note(item.value);
            if (note)
                *note += QLatin1Char('\n') + value;
            else
                note = value;
            break;
        }
        case kVcKind:
        case kVcAddressBookKind:
            // A group lists its members; it is no person of its own.
            result.group = result.group || item.value.trimmed().compare(QLatin1String("group"), Qt::CaseInsensitive) == 0;
            break;
        case kVcGeo: {
            // A card with a VERSION line writes latitude first, as the standards do; this
            // program's own cards have none and write longitude first. Either way a value
            // that gives no position leaves the navigation data as it was.
            const std::optional<LatLon> p = versioned ? StandardGeo(item.value) : OwnGeo(item.value);
            if (!p) {
                result.badGeo = item.value;
                break;
            }
            r.nav.ClearNav();
            r.nav.navFlags = kNavGps;
            // East positive in the card; the stored longitude is west-positive.
            r.nav.lon.FromDegrees(-p->lon);
            r.nav.lat.FromDegrees(p->lat);
            break;
        }
        default:
            break;
        }
    }
    return VCardMapResult();
}

bool MapCardReadsValue(int32_t property)
{
    switch (property) {
    case kVcVersion:
    case kVcFn:
    case kVcN:
    case kVcOrg:
    case kVcTel:
    case kVcEmail:
    case kVcAdr:
    case kVcNote:
    case kVcKind:
    case kVcAddressBookKind:
    case kVcGeo:
        return true;
    default:
        return false;
    }
}

bool ImportVCard(AgendaRecord &record, const QString &fileName, Prompter &prompter, QString *reason)
{
    QByteArray bytes;
    QString why;
    if (!ReadInputFile(fileName, bytes, &why)) {
        if (reason)
            *reason = why;
        return false;
    }
    // The first card counts, whatever follows it. A card without END takes the rest of
    // the file, so when it fails the whole file has been read and the reason is known.
    VCardReader reader(bytes, fileName, prompter);
    VCard first;
    if (reader.NextCard(first, true) && MapCard(first, record).ok)
        return true;
    while (reader.NextCard(first, true)) {
    }
    if (reason)
        *reason = reader.Reason();
    return false;
}

bool ImportVCardAt(Agenda &agenda, int index, uint32_t user, const QString &fileName, Prompter &prompter,
                   QString *reason, bool shorten)
{
    if (index < 0 || index >= agenda.slotCount)
        return false;
    // Read into a copy taken over only on success: a card that fails leaves the record,
    // owner included, as it was.
    AgendaRecord read = agenda.slots[size_t(index)];
    read.owner = index < agenda.userCount ? uint32_t(index + 1) : user;
    if (!ImportVCard(read, fileName, prompter, reason))
        return false;
    if (shorten)
        ShortenTexts(read);
    return agenda.StoreRecord(index, read);
}
