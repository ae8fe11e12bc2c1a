#include "store/phonenumber.h"

#include "store/agenda.h"
#include "store/phonefast.h"

#include <QCoreApplication>

#include <phonenumbers/phonenumber.pb.h>
#include <phonenumbers/phonenumberutil.h>

#include <QLocale>
#include <QSettings>

#include <set>
#include <string>

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

namespace {

const char kRegionKey[] = "phone/region";

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

// The text without a leading "tel:" (the URI form that contact exports use).
QString WithoutScheme(const QString &text)
{
    return text.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive) ? text.mid(4) : text;
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

bool IsDialCharacter(QChar c)
{
    switch (c.toLower().unicode()) {
    case ',': case ';': case 'p': case 'w': case '#': case '*':
        return true;
    default:
        return false;
    }
}

// Reads a text; `number` receives the parsed number when the kind is Valid or NotValid.
// Without `validate` a number that parses counts as Valid: comparing needs no more, and
// the validity test is the dearest step.
PhoneReading Read(const QString &input, const QString &region, PhoneNumber *number, bool validate = true)
{
    PhoneReading reading;
    reading.region = region;
    const QString text = input.trimmed();
    if (text.isEmpty())
        return reading;
    const QString body = WithoutScheme(text);
    bool letters = false;
    bool digits = false;
    bool others = false;
    for (QChar c : body) {
        if (IsDialCharacter(c)) {
            reading.kind = PhoneKind::DialCharacters;
            return reading;
        }
        letters = letters || c.isLetter();
        digits = digits || c.isDigit();
        // The library skips what it does not know; a number is only rewritten when every
        // character is part of it, so nothing (a byte held from the file, a mark) is lost.
        others = others || !(c.isDigit() || c.isLetter() || c.isSpace() || QStringView(u"+-./()").contains(c));
    }
    if (letters) {
        reading.kind = PhoneKind::Letters;
        return reading;
    }
    if (others) {
        reading.kind = PhoneKind::OtherCharacters;
        return reading;
    }
    if (!digits) {
        reading.kind = PhoneKind::NotANumber;
        return reading;
    }
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

bool PhoneFormatFromName(const QString &name, PhoneFormat *format)
{
    for (PhoneFormat f : {PhoneFormat::International, PhoneFormat::E164, PhoneFormat::National, PhoneFormat::AsIs})
        if (name == PhoneFormatName(f)) {
            *format = f;
            return true;
        }
    return false;
}

QString PhoneFormatName(PhoneFormat format)
{
    switch (format) {
    case PhoneFormat::International: return QStringLiteral("international");
    case PhoneFormat::E164: return QStringLiteral("e164");
    case PhoneFormat::National: return QStringLiteral("national");
    case PhoneFormat::AsIs: break;
    }
    return QStringLiteral("as-is");
}

PhoneReading ReadPhone(const QString &text, const QString &region)
{
    PhoneNumber number;
    return Read(text, region, &number);
}

QString PhoneKeptReason(const PhoneReading &reading)
{
    switch (reading.kind) {
    case PhoneKind::Empty:
    case PhoneKind::Valid:
        break;
    case PhoneKind::DialCharacters:
        return QCoreApplication::translate("PhoneReason", "holds pause or tone characters");
    case PhoneKind::Letters:
        return QCoreApplication::translate("PhoneReason", "holds letters");
    case PhoneKind::OtherCharacters:
        return QCoreApplication::translate("PhoneReason", "holds characters that are no part of a number");
    case PhoneKind::NoRegion:
        return QCoreApplication::translate("PhoneReason", "has no country code and no region is set");
    case PhoneKind::NotANumber:
        return QCoreApplication::translate("PhoneReason", "is not a phone number");
    case PhoneKind::NotValid:
        return reading.region.isEmpty() ? QCoreApplication::translate("PhoneReason", "is not a valid number")
                                        : QCoreApplication::translate("PhoneReason", "is not a valid number for %1").arg(reading.region);
    }
    return QString();
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

QStringList PhoneNotes(const QString &phone, const QString &region, int sameAs)
{
    QStringList notes;
    const PhoneReading reading = ReadPhone(phone, region);
    if (reading.kind != PhoneKind::Empty && reading.kind != PhoneKind::Valid)
        notes.append(QCoreApplication::translate("PhoneReason", "\"%1\" %2: kept as typed").arg(phone, PhoneKeptReason(reading)));
    if (sameAs >= 0)
        notes.append(QCoreApplication::translate("PhoneReason", "same number as record %1").arg(QString::number(sameAs + 1)));
    return notes;
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

bool PhoneFilterKeyMatches(const QString &key, const QString &typed)
{
    const QString digits = PhoneDigits(typed);
    if (digits.size() < 3)
        return false;
    if (key.contains(digits))
        return true;
    // A typed country code: "+39 06…" or "0039 06…" starts the international digits.
    const QString text = typed.trimmed();
    QString international;
    if (text.startsWith(QLatin1Char('+')))
        international = digits;
    else if (text.startsWith(QLatin1String("00")))
        international = digits.mid(2);
    return !international.isEmpty() && key.startsWith(international);
}

bool PhoneFilterMatches(const QString &phone, const QString &typed, const QString &region)
{
    if (PhoneDigits(typed).size() < 3)
        return false;
    return PhoneFilterKeyMatches(PhoneFilterKey(phone, region), typed);
}

QString PhoneDigits(const QString &text)
{
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    return digits;
}

QString DefaultPhoneRegion()
{
    const QString stored = KnownPhoneRegion(StoredPhoneRegion());
    if (!stored.isEmpty())
        return stored;
    return KnownPhoneRegion(QLocale::territoryToCode(QLocale::system().territory()));
}

QString StoredPhoneRegion()
{
    return QSettings().value(QLatin1String(kRegionKey)).toString();
}

void StorePhoneRegion(const QString &region)
{
    QSettings settings;
    if (region.isEmpty())
        settings.remove(QLatin1String(kRegionKey));
    else
        settings.setValue(QLatin1String(kRegionKey), region);
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
