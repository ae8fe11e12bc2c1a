// The entry point of the kestravon-online module (see online.h).
#include "online/onlineservices.h"

#include <cstring>

extern "C" Q_DECL_EXPORT const OnlineServices *kestravon_online_services(int revision, const char *release)
{
    const OnlineServices &services = LinkedOnlineServices();
    if (revision != services.revision || !release || std::strcmp(release, services.release) != 0)
        return nullptr;
    return &services;
}
