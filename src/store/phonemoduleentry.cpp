// The entry point of the kestravon-phone module (see phonemodule.h).
#include "store/phonemodule.h"

#include <cstring>

extern "C" Q_DECL_EXPORT const PhoneFunctions *kestravon_phone_functions(int revision, const char *release)
{
    const PhoneFunctions &functions = LinkedPhoneFunctions();
    if (revision != functions.revision || !release || std::strcmp(release, functions.release) != 0)
        return nullptr;
    return &functions;
}
