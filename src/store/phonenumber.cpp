#include "store/phonenumber.h"

#include "store/agenda.h"
#include "store/phonefast.h"

#include <QCoreApplication>

#include <phonenumbers/phonenumber.pb.h>
#include <phonenumbers/phonenumberutil.h>

#include <QLocale>

#include <set>
#include <string>

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

namespace {

// The library's one instance; its first use loads the region data (a few milliseconds).
const PhoneNumberUtil &Util()
{
    return *PhoneNumberUtil::GetInstance();
}

std::string Std(const QString &text)
{
    return text.toStdString();
}

QString FromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

// The number with its separators dropped: its digits, led by a "+" when it has one. The
// library skips the separators itself, with the same result, but reading the short text
// costs it a third less. Empty when a "+" stands elsewhere than first: such a text is
// read as it stands.
QString Compact(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.isDigit())
            out.append(c);
        else if (c == QLatin1Char('+')) {
            if (!out.isEmpty())
                return QString();
            out.append(c);
        }
    }
    return out;
}

// Reads a text; `number` receives the parsed number when the kind is Valid or NotValid.
// Without `validate` a number that parses counts as Valid: comparing needs no more, and
// the validity test is the dearest step.
PhoneReading Read(const QString &input, const QString &region, PhoneNumber *number, bool validate = true)
{
    PhoneReading reading;
    reading.region = region;
    const QString text = input.trimmed();
    QString body;
    reading.kind = PhoneTextKind(text, &body);
    if (reading.kind != PhoneKind::Valid)
        return reading;
    // Only digits and separators are left here (a "tel:" before them is no part of the
    // number).
    const QString compact = Compact(body);
    QString toParse = compact.isEmpty() ? text : compact;
    if (region.isEmpty()) {
        // Without a region only a number with its country code reads; "00" is the
        // international prefix nearly everywhere.
        const QString trimmedBody = body.trimmed();
        if (trimmedBody.startsWith(QLatin1String("00")))
            toParse = QLatin1Char('+') + (compact.isEmpty() ? trimmedBody : compact).mid(2);
        else if (!trimmedBody.startsWith(QLatin1Char('+'))) {
            reading.kind = PhoneKind::NoRegion;
            return reading;
        }
    }
    const std::string parseRegion = region.isEmpty() ? std::string("ZZ") : Std(region);
    if (Util().Parse(Std(toParse), parseRegion, number) != PhoneNumberUtil::NO_PARSING_ERROR) {
        reading.kind = PhoneKind::NotANumber;
        return reading;
    }
    if (!validate || Util().IsValidNumber(*number)) {
        reading.kind = PhoneKind::Valid;
        return reading;
    }
    reading.kind = PhoneKind::NotValid;
    reading.possible = Util().IsPossibleNumber(*number);
    // The reason names the region the number claims (its country code), if any.
    std::string numberRegion;
    Util().GetRegionCodeForNumber(*number, &numberRegion);
    if (numberRegion.empty() || numberRegion == "ZZ" || numberRegion == "001")
        Util().GetRegionCodeForCountryCode(int(number->country_code()), &numberRegion);
    if (!numberRegion.empty() && numberRegion != "ZZ" && numberRegion != "001")
        reading.region = FromStd(numberRegion);
    return reading;
}

bool Parsed(PhoneKind kind)
{
    return kind == PhoneKind::Valid || kind == PhoneKind::NotValid;
}

} // namespace

PhoneReading ReadPhone(const QString &text, const QString &region)
{
    PhoneNumber number;
    return Read(text, region, &number);
}

PhoneTidy TidyPhone(const QString &text, const QString &region, PhoneFormat format)
{
    PhoneTidy tidy;
    tidy.text = text;
    PhoneNumber number;
    const PhoneReading reading = Read(text, region, &number);
    tidy.kind = reading.kind;
    if (reading.kind != PhoneKind::Valid) {
        tidy.reason = PhoneKeptReason(reading);
        return tidy;
    }
    std::string out;
    switch (format) {
    case PhoneFormat::AsIs:
        return tidy;
    case PhoneFormat::E164:
        Util().Format(number, PhoneNumberUtil::E164, &out);
        break;
    case PhoneFormat::National:
        // A national form dials the caller's own country: only for numbers of the region.
        if (int(number.country_code()) == PhoneCountryCode(region)) {
            Util().Format(number, PhoneNumberUtil::NATIONAL, &out);
            break;
        }
        Q_FALLTHROUGH();
    case PhoneFormat::International:
        Util().Format(number, PhoneNumberUtil::INTERNATIONAL, &out);
        break;
    }
    const QString formatted = FromStd(out);
    if (formatted.size() > FieldMax::phone) {
        tidy.reason = QCoreApplication::translate("PhoneReason", "would be longer than %1 characters").arg(FieldMax::phone);
        return tidy;
    }
    tidy.text = formatted;
    tidy.changed = formatted != text;
    return tidy;
}

PhoneMatch ComparePhones(const QString &a, const QString &b, const QString &region)
{
    const QString ka = PhoneMatchKey(a, region);
    const QString kb = PhoneMatchKey(b, region);
    if (ka.isEmpty() || kb.isEmpty())
        return PhoneMatch::Different;
    const bool parsedA = ka.startsWith(QLatin1Char('+'));
    const bool parsedB = kb.startsWith(QLatin1Char('+'));
    if (parsedA != parsedB)
        return PhoneMatch::Different;
    if (ka == kb)
        return PhoneMatch::Same;
    if (!parsedA)
        return PhoneMatch::Different;
    int ca = 0, cb = 0;
    QString na, nb;
    if (!PhoneKeyParts(ka, &ca, &na) || !PhoneKeyParts(kb, &cb, &nb)) {
        // An extension: the library weighs it.
        PhoneNumber pa, pb;
        Read(a, region, &pa, false);
        Read(b, region, &pb, false);
        switch (Util().IsNumberMatch(pa, pb)) {
        case PhoneNumberUtil::EXACT_MATCH:
        case PhoneNumberUtil::NSN_MATCH:
            return PhoneMatch::Same;
        case PhoneNumberUtil::SHORT_NSN_MATCH:
            return PhoneMatch::Possibly;
        default:
            return PhoneMatch::Different;
        }
    }
    // The library's short match: the same calling code, and one national number (as a
    // number, without leading zeros) ends the other.
    return ca == cb && (na.endsWith(nb) || nb.endsWith(na)) ? PhoneMatch::Possibly : PhoneMatch::Different;
}

bool PhoneKeyParts(const QString &key, int *callingCode, QString *national)
{
    if (!key.startsWith(QLatin1Char('+')) || key.contains(QLatin1Char('x')))
        return false;
    const QStringView digits = QStringView(key).mid(1);
    const int code = LeadingCallingCode(digits);
    if (code == 0)
        return false;
    QStringView rest = digits.mid(QString::number(code).size());
    while (rest.size() > 1 && rest[0] == QLatin1Char('0'))
        rest = rest.mid(1);
    *callingCode = code;
    *national = rest.toString();
    return true;
}

QString PhoneMatchKey(const QString &text, const QString &region)
{
    QString key;
    if (text.isEmpty())
        return key;
    if (FastPhoneMatchKey(text, region, &key))
        return key;
    return LibraryPhoneMatchKey(text, region);
}

QString LibraryPhoneMatchKey(const QString &text, const QString &region)
{
    PhoneNumber number;
    const PhoneReading reading = Read(text, region, &number, false);
    if (Parsed(reading.kind)) {
        std::string e164;
        Util().Format(number, PhoneNumberUtil::E164, &e164);
        QString key = FromStd(e164);
        if (number.has_extension())
            key += QLatin1Char('x') + FromStd(number.extension());
        return key;
    }
    const QString digits = PhoneDigits(text);
    return digits.isEmpty() ? QString() : QLatin1Char('#') + digits;
}

QString PhoneFilterKey(const QString &phone, const QString &region)
{
    // "<international digits> <own digits> <national digits>": the typed digits never
    // hold a space, so a match never runs across two of them.
    PhoneNumber number;
    const PhoneReading reading = Read(phone, region, &number, false);
    const QString own = PhoneDigits(phone);
    if (!Parsed(reading.kind))
        return QLatin1Char(' ') + own;
    std::string e164, national;
    Util().Format(number, PhoneNumberUtil::E164, &e164);
    Util().Format(number, PhoneNumberUtil::NATIONAL, &national);
    return PhoneDigits(FromStd(e164)) + QLatin1Char(' ') + own + QLatin1Char(' ') + PhoneDigits(FromStd(national));
}

bool PhoneFilterMatches(const QString &phone, const QString &typed, const QString &region)
{
    if (PhoneDigits(typed).size() < 3)
        return false;
    return PhoneFilterKeyMatches(PhoneFilterKey(phone, region), typed);
}

QString DefaultPhoneRegion()
{
    const QString stored = KnownPhoneRegion(StoredPhoneRegion());
    if (!stored.isEmpty())
        return stored;
    return KnownPhoneRegion(QLocale::territoryToCode(QLocale::system().territory()));
}

QString KnownPhoneRegion(const QString &code)
{
    const QString upper = code.trimmed().toUpper();
    if (upper.size() != 2)
        return QString();
    return Util().GetCountryCodeForRegion(Std(upper)) != 0 ? upper : QString();
}

QStringList PhoneRegions()
{
    std::set<std::string> regions;
    Util().GetSupportedRegions(&regions);
    QStringList out;
    for (const std::string &r : regions)
        out.append(FromStd(r));
    return out;
}

int PhoneCountryCode(const QString &region)
{
    return region.isEmpty() ? 0 : Util().GetCountryCodeForRegion(Std(region));
}
