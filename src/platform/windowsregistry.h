#pragma once

// The Windows registry read the About box needs. Plain C++ and the Win32 API,
// no Qt, so it builds with the cross compiler and runs under Wine on its own.
#include "platform/systeminfohost.h"

#include <windows.h>

// The three advapi32 calls, so that a test can count them.
struct Advapi32
{
    decltype(&RegOpenKeyExA) openKey = &RegOpenKeyExA;
    decltype(&RegQueryValueExA) queryValue = &RegQueryValueExA;
    decltype(&RegCloseKey) closeKey = &RegCloseKey;
};

// Reads one value as text; every key it opens is closed again, whatever happens.
bool getKeyValue(const Advapi32 &api, HKEY root, const std::string &keyName, const std::string &valueName,
                 std::string &value);

// The real system information tool of Windows.
class WindowsSystemInfoHost : public SystemInfoHost
{
public:
    bool getKeyValue(std::uint32_t root, const std::string &keyName, const std::string &valueName,
                     std::string &value) override;
    bool fileExists(const std::string &path) override;
    bool start(const std::string &commandLine) override;
};
