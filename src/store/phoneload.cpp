// Finding the phone module, and numbers without it.
#include "store/phonemodule.h"

#include "common/moduleload.h"
#include "common/version.h"

#include <QCoreApplication>
#include <QSettings>

QStringList PhoneModuleCandidates(const QString &programDirectory)
{
    return ModuleCandidates(programDirectory, QString::fromUtf8(KESTRAVON_PHONE_FILE));
}

const PhoneFunctions *LoadPhoneModule(const QStringList &candidates, QString &reason)
{
    return LoadModule<PhoneFunctions>(candidates, KESTRAVON_PHONE_ENTRY, kPhoneRevision, kProgramRelease, reason);
}

namespace {

std::function<void(const QString &)> &Notice()
{
    static std::function<void(const QString &)> notice;
    return notice;
}

// The same rules as the library's side: only a text of digits and separators is a number.
PhoneReading ReadByCharacters(const QString &input, const QString &region)
{
    PhoneReading reading;
    reading.region = region;
    QString text = input.trimmed();
    if (text.isEmpty())
        return reading;
    if (text.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        text = text.mid(4);
    bool letters = false;
    bool digits = false;
    bool others = false;
    for (QChar c : text) {
        if (QStringView(u",;pPwW#*").contains(c)) {
            reading.kind = PhoneKind::DialCharacters;
            return reading;
        }
        letters = letters || c.isLetter();
        digits = digits || c.isDigit();
        others = others || !(c.isDigit() || c.isLetter() || c.isSpace() || QStringView(u"+-./()").contains(c));
    }
    reading.kind = letters  ? PhoneKind::Letters
                   : others ? PhoneKind::OtherCharacters
                   : digits ? PhoneKind::Valid
                            : PhoneKind::NotANumber;
    return reading;
}

QString Digits(const QString &text)
{
    QString digits;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    return digits;
}

QString KeptReason(const PhoneReading &reading)
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

QString FormatName(PhoneFormat format)
{
    switch (format) {
    case PhoneFormat::International: return QStringLiteral("international");
    case PhoneFormat::E164: return QStringLiteral("e164");
    case PhoneFormat::National: return QStringLiteral("national");
    case PhoneFormat::AsIs: break;
    }
    return QStringLiteral("as-is");
}

bool FormatFromName(const QString &name, PhoneFormat *format)
{
    for (PhoneFormat f : {PhoneFormat::International, PhoneFormat::E164, PhoneFormat::National, PhoneFormat::AsIs})
        if (name == FormatName(f)) {
            *format = f;
            return true;
        }
    return false;
}

PhoneTidy TidyAsTyped(const QString &text, const QString &region, PhoneFormat)
{
    const PhoneReading reading = ReadByCharacters(text, region);
    PhoneTidy tidy;
    tidy.text = text;
    tidy.kind = reading.kind;
    tidy.reason = KeptReason(reading);
    return tidy;
}

QStringList Notes(const QString &phone, const QString &region, int sameAs)
{
    QStringList notes;
    const PhoneReading reading = ReadByCharacters(phone, region);
    if (reading.kind != PhoneKind::Empty && reading.kind != PhoneKind::Valid)
        notes.append(QCoreApplication::translate("PhoneReason", "\"%1\" %2: kept as typed").arg(phone, KeptReason(reading)));
    if (sameAs >= 0)
        notes.append(QCoreApplication::translate("PhoneReason", "same number as record %1").arg(QString::number(sameAs + 1)));
    return notes;
}

PhoneMatch CompareDigits(const QString &a, const QString &b, const QString &)
{
    const QString da = Digits(a);
    return !da.isEmpty() && da == Digits(b) ? PhoneMatch::Same : PhoneMatch::Different;
}

QString DigitsKey(const QString &text, const QString &)
{
    const QString digits = Digits(text);
    return digits.isEmpty() ? QString() : QLatin1Char('#') + digits;
}

// Keys without the library are never numbers of a country.
bool NoKeyParts(const QString &, int *, QString *)
{
    return false;
}

QString FilterKey(const QString &phone, const QString &)
{
    return Digits(phone);
}

bool FilterKeyMatches(const QString &key, const QString &typed)
{
    const QString digits = Digits(typed);
    return digits.size() >= 3 && key.contains(digits);
}

bool FilterMatches(const QString &phone, const QString &typed, const QString &region)
{
    return FilterKeyMatches(FilterKey(phone, region), typed);
}

QString StoredRegion()
{
    return QSettings().value(QLatin1String("phone/region")).toString();
}

void StoreRegion(const QString &region)
{
    QSettings settings;
    if (region.isEmpty())
        settings.remove(QLatin1String("phone/region"));
    else
        settings.setValue(QLatin1String("phone/region"), region);
}

const PhoneFunctions kWithoutLibrary = {
    kPhoneRevision,
    kProgramRelease,
    FormatFromName,
    FormatName,
    ReadByCharacters,
    KeptReason,
    TidyAsTyped,
    Notes,
    CompareDigits,
    DigitsKey,
    DigitsKey,
    NoKeyParts,
    FilterMatches,
    FilterKey,
    FilterKeyMatches,
    Digits,
    [] { return QString(); },
    StoredRegion,
    StoreRegion,
    [](const QString &) { return QString(); },
    [] { return QStringList(); },
    [](const QString &) { return 0; },
};

} // namespace

const PhoneFunctions &PhoneFunctionsWithoutLibrary()
{
    return kWithoutLibrary;
}

void SetPhoneModuleNotice(std::function<void(const QString &reason)> notice)
{
    Notice() = std::move(notice);
}

void NotifyPhoneModuleMissing(const QString &reason)
{
    if (Notice())
        Notice()(reason);
}
