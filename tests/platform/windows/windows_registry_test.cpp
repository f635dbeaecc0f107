// The Windows registry read and the tool lookup, against Wine's real
// registry, with keys this test writes itself. Plain C++: no Qt here.
#include "dialogs/systeminfo.h"
#include "platform/registryvalue.h"
#include "platform/windowsregistry.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int passed = 0;
int failed = 0;

void expect(bool condition, const char *what)
{
    if (condition) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAIL: %s\n", what);
    }
}

// Counts the keys opened and closed through the three calls.
int opened = 0;
int closed = 0;

LONG WINAPI countingOpen(HKEY root, LPCSTR name, DWORD options, REGSAM access, PHKEY key)
{
    const LONG result = RegOpenKeyExA(root, name, options, access, key);
    if (result == ERROR_SUCCESS)
        ++opened;
    return result;
}

LONG WINAPI countingClose(HKEY key)
{
    ++closed;
    return RegCloseKey(key);
}

Advapi32 counting()
{
    Advapi32 api;
    api.openKey = &countingOpen;
    api.closeKey = &countingClose;
    return api;
}

const char *const testKey = "Software\\VelmorwickTest";

void setValue(HKEY root, const char *key, const char *name, DWORD type, const void *data, DWORD size)
{
    HKEY handle = nullptr;
    RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr);
    RegSetValueExA(handle, name, 0, type, static_cast<const BYTE *>(data), size);
    RegCloseKey(handle);
}

void setText(HKEY root, const char *key, const char *name, const std::string &text)
{
    setValue(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

// Reads through the counting calls and checks every opened key was closed.
bool read(const char *name, std::string &value, const char *key = testKey)
{
    opened = closed = 0;
    const bool ok = getKeyValue(counting(), HKEY_CURRENT_USER, key, name, value);
    expect(opened == closed, (std::string("every key closed again after reading ") + name).c_str());
    return ok;
}

class RecordingHost : public WindowsSystemInfoHost
{
public:
    std::vector<std::string> started;
    bool start(const std::string &commandLine) override
    {
        started.push_back(commandLine);
        return true;
    }
};

} // namespace

int main()
{
    const std::string path = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
    setText(HKEY_CURRENT_USER, testKey, "Text", path);
    setText(HKEY_CURRENT_USER, testKey, "Exactly1024", std::string(1023, 'a'));
    setText(HKEY_CURRENT_USER, testKey, "TooLong", std::string(1024, 'a'));
    const DWORD number = 0x12345678;
    setValue(HKEY_CURRENT_USER, testKey, "Number", REG_DWORD, &number, sizeof number);
    const unsigned char binary[] = {1, 2, 3};
    setValue(HKEY_CURRENT_USER, testKey, "Binary", REG_BINARY, binary, sizeof binary);
    setValue(HKEY_CURRENT_USER, testKey, "Empty", REG_SZ, "", 0);

    std::string value;
    expect(read("Text", value) && value == path, "a text value comes back without its NUL");
    expect(read("Exactly1024", value) && value == std::string(1023, 'a'), "1024 bytes with the NUL are read whole");
    expect(!read("TooLong", value) && value.empty(), "a longer value fails and reads as empty");
    expect(read("Number", value) && value == "&h12345678", "a 32-bit number reads as &h and its hex digits");
    value = "before";
    expect(read("Binary", value) && value.empty(), "another type reads as the empty text");
    expect(read("Empty", value) && value.empty(), "an empty value reads as the empty text");
    expect(!read("Missing", value) && value.empty(), "a missing value fails");
    expect(!read("Text", value, "Software\\VelmorwickTest\\NoSuchKey") && value.empty(), "a missing key fails");
    expect(opened == 0 && closed == 0, "a key that did not open is not closed");

    // Through the host, with the root passed as its 32-bit number.
    WindowsSystemInfoHost host;
    expect(host.getKeyValue(0x80000001u, testKey, "Text", value) && value == path,
           "the host reads below HKEY_CURRENT_USER given as 0x80000001");

    // The file test: ordinary files only.
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string dir = std::string(folder) + "VelmorwickTestDir";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string tool = dir + "\\MSINFO32.EXE";
    CloseHandle(CreateFileA(tool.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    const std::string hidden = dir + "\\hidden.exe";
    CloseHandle(CreateFileA(hidden.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr));
    expect(host.fileExists(tool), "an ordinary file is found");
    expect(!host.fileExists(hidden), "a hidden file does not count");
    expect(!host.fileExists(dir), "a folder does not count");
    expect(!host.fileExists(dir + "\\nothing.exe"), "a missing file is not found");

    // The whole lookup, on the machine-wide entries.
    RecordingHost lookup;
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, systeminfo::toolKey);
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, systeminfo::folderKey, systeminfo::folderValue);
    expect(!systeminfo::start(lookup) && lookup.started.empty(), "with neither entry the tool is unavailable");
    setText(HKEY_LOCAL_MACHINE, systeminfo::folderKey, systeminfo::folderValue, dir);
    expect(systeminfo::start(lookup) && lookup.started.back() == tool, "the folder entry leads to MSINFO32.EXE");
    DeleteFileA(tool.c_str());
    expect(!systeminfo::start(lookup), "the folder entry without the file is unavailable");
    setText(HKEY_LOCAL_MACHINE, systeminfo::toolKey, systeminfo::toolValue, "C:\\Elsewhere\\msinfo32.exe");
    expect(systeminfo::start(lookup) && lookup.started.back() == "C:\\Elsewhere\\msinfo32.exe",
           "the tool's own entry is taken as it stands");

    RegDeleteTreeA(HKEY_LOCAL_MACHINE, systeminfo::toolKey);
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, systeminfo::folderKey, systeminfo::folderValue);
    RegDeleteTreeA(HKEY_CURRENT_USER, testKey);
    DeleteFileA(hidden.c_str());
    RemoveDirectoryA(dir.c_str());

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
