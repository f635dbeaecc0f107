#pragma once

// Finding and starting the system information tool. Plain C++, no Qt, so the
// Windows build of it can be tested on its own.
#include "platform/systeminfohost.h"

#include <cstdint>
#include <string>

namespace systeminfo {

// Finds the tool and starts it; false when it could not be found or started,
// and the user is to be told it is unavailable.
bool start(SystemInfoHost &host);

} // namespace systeminfo
