#pragma once

#include <cstdint>
#include <string>

// What the lookup needs of the platform; one per platform, tests bring theirs.
class SystemInfoHost
{
public:
    virtual ~SystemInfoHost() = default;

    // Reads a value below a root key of the registry as text; false (and an
    // empty text) when the key cannot be opened or the value read.
    virtual bool getKeyValue(std::uint32_t root, const std::string &keyName, const std::string &valueName,
                             std::string &value) = 0;
    // Whether an ordinary file (not a folder, not hidden, not a system file) is there.
    virtual bool fileExists(const std::string &path) = 0;
    // Starts the program; the path is the whole command line.
    virtual bool start(const std::string &commandLine) = 0;
};

// The registry values the lookup asks a host for.
namespace systeminfo {

inline constexpr std::uint32_t localMachine = 0x80000002; // HKEY_LOCAL_MACHINE

// The tool's own entry holds its full path; failing that, the shared tools'
// entry holds the folder it is in.
inline constexpr const char *toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char *toolValue = "PATH";
inline constexpr const char *folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char *folderValue = "MSINFO";
inline constexpr const char *toolFile = "\\MSINFO32.EXE";

} // namespace systeminfo
