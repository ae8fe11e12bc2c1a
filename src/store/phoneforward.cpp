// phonenumber.h for the window: every call that needs the library goes to the module kestravon-phone, loaded on
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

PhoneReading ReadPhone(const QString &text, const QString &region)
{
    return Phone().readPhone(text, region);
}

PhoneTidy TidyPhone(const QString &text, const QString &region, PhoneFormat format)
{
    return Phone().tidyPhone(text, region, format);
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

QString DefaultPhoneRegion()
{
    return Phone().defaultPhoneRegion();
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
