// The table of the implementation linked beside it (phonenumber.cpp).
#include "store/phonemodule.h"

#include "common/version.h"

const PhoneFunctions &LinkedPhoneFunctions()
{
    static const PhoneFunctions functions = {
        kPhoneRevision,
        kProgramRelease,
        ReadPhone,
        TidyPhone,
        ComparePhones,
        PhoneMatchKey,
        LibraryPhoneMatchKey,
        PhoneKeyParts,
        PhoneFilterMatches,
        PhoneFilterKey,
        DefaultPhoneRegion,
        KnownPhoneRegion,
        PhoneRegions,
        PhoneCountryCode,
    };
    return functions;
}
