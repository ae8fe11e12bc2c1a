// The table of the implementation linked beside it (phonenumber.cpp).
#include "store/phonemodule.h"

#include "common/version.h"

const PhoneFunctions &LinkedPhoneFunctions()
{
    static const PhoneFunctions functions = {
        kPhoneRevision,
        kProgramRelease,
        PhoneFormatFromName,
        PhoneFormatName,
        ReadPhone,
        PhoneKeptReason,
        TidyPhone,
        PhoneNotes,
        ComparePhones,
        PhoneMatchKey,
        LibraryPhoneMatchKey,
        PhoneKeyParts,
        PhoneFilterMatches,
        PhoneFilterKey,
        PhoneFilterKeyMatches,
        PhoneDigits,
        DefaultPhoneRegion,
        StoredPhoneRegion,
        StorePhoneRegion,
        KnownPhoneRegion,
        PhoneRegions,
        PhoneCountryCode,
    };
    return functions;
}
