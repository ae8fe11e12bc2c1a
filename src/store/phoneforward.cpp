// phonenumber.h for the window: every call goes to the module kestravon-phone, loaded on
// the first one. When it cannot be loaded the user is told once, and numbers are then
// treated without the library (PhoneFunctionsWithoutLibrary).
#include "store/phonemodule.h"

#include "update/selfupdate.h"

namespace {

const PhoneFunctions &Phone()
{
    static const PhoneFunctions *functions = [] {
        QString reason;
        const PhoneFunctions *loaded = LoadPhoneModule(PhoneModuleCandidates(RunningProgramPath().directory), reason);
        if (loaded)
            return loaded;
        NotifyPhoneModuleMissing(reason);
        return &PhoneFunctionsWithoutLibrary();
    }();
    return *functions;
}

} // namespace

bool PhoneFormatFromName(const QString &name, PhoneFormat *format)
{
    return Phone().phoneFormatFromName(name, format);
}

QString PhoneFormatName(PhoneFormat format)
{
    return Phone().phoneFormatName(format);
}

PhoneReading ReadPhone(const QString &text, const QString &region)
{
    return Phone().readPhone(text, region);
}

QString PhoneKeptReason(const PhoneReading &reading)
{
    return Phone().phoneKeptReason(reading);
}

PhoneTidy TidyPhone(const QString &text, const QString &region, PhoneFormat format)
{
    return Phone().tidyPhone(text, region, format);
}

QStringList PhoneNotes(const QString &phone, const QString &region, int sameAs)
{
    return Phone().phoneNotes(phone, region, sameAs);
}

PhoneMatch ComparePhones(const QString &a, const QString &b, const QString &region)
{
    return Phone().comparePhones(a, b, region);
}

QString PhoneMatchKey(const QString &text, const QString &region)
{
    return Phone().phoneMatchKey(text, region);
}

QString LibraryPhoneMatchKey(const QString &text, const QString &region)
{
    return Phone().libraryPhoneMatchKey(text, region);
}

bool PhoneKeyParts(const QString &key, int *callingCode, QString *national)
{
    return Phone().phoneKeyParts(key, callingCode, national);
}

bool PhoneFilterMatches(const QString &phone, const QString &typed, const QString &region)
{
    return Phone().phoneFilterMatches(phone, typed, region);
}

QString PhoneFilterKey(const QString &phone, const QString &region)
{
    return Phone().phoneFilterKey(phone, region);
}

bool PhoneFilterKeyMatches(const QString &key, const QString &typed)
{
    return Phone().phoneFilterKeyMatches(key, typed);
}

QString PhoneDigits(const QString &phone)
{
    return Phone().phoneDigits(phone);
}

QString DefaultPhoneRegion()
{
    return Phone().defaultPhoneRegion();
}

QString StoredPhoneRegion()
{
    return Phone().storedPhoneRegion();
}

void StorePhoneRegion(const QString &region)
{
    Phone().storePhoneRegion(region);
}

QString KnownPhoneRegion(const QString &code)
{
    return Phone().knownPhoneRegion(code);
}

QStringList PhoneRegions()
{
    return Phone().phoneRegions();
}

int PhoneCountryCode(const QString &region)
{
    return Phone().phoneCountryCode(region);
}
