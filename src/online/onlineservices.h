#pragma once

#include "online/online.h"

// The table of the look-ups and the update check as linked into this binary: what the
// module hands out, and what tests that link the online library use directly.
const OnlineServices &LinkedOnlineServices();
