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

// Only a text of digits and separators is a number, as on the library's side.
PhoneReading ReadByCharacters(const QString &text, const QString &region)
{
    PhoneReading reading;
    reading.region = region;
    reading.kind = PhoneTextKind(text);
    return reading;
}

PhoneTidy TidyAsTyped(const QString &text, const QString &region, PhoneFormat)
{
    const PhoneReading reading = ReadByCharacters(text, region);
    PhoneTidy tidy;
    tidy.text = text;
    tidy.kind = reading.kind;
    tidy.reason = PhoneKeptReason(reading);
    return tidy;
}

PhoneMatch CompareDigits(const QString &a, const QString &b, const QString &)
{
    const QString da = PhoneDigits(a);
    return !da.isEmpty() && da == PhoneDigits(b) ? PhoneMatch::Same : PhoneMatch::Different;
}

QString DigitsKey(const QString &text, const QString &)
{
    const QString digits = PhoneDigits(text);
    return digits.isEmpty() ? QString() : QLatin1Char('#') + digits;
}

// Keys without the library are never numbers of a country.
bool NoKeyParts(const QString &, int *, QString *)
{
    return false;
}

QString FilterKey(const QString &phone, const QString &)
{
    return PhoneDigits(phone);
}

bool FilterMatches(const QString &phone, const QString &typed, const QString &region)
{
    return PhoneFilterKeyMatches(FilterKey(phone, region), typed);
}

const PhoneFunctions kWithoutLibrary = {
    kPhoneRevision,
    kProgramRelease,
    ReadByCharacters,
    TidyAsTyped,
    CompareDigits,
    DigitsKey,
    DigitsKey,
    NoKeyParts,
    FilterMatches,
    FilterKey,
    [] { return QString(); },
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
