#include "windowsregistry.h"

#include "platform/registryvalue.h"

#include <vector>

bool getKeyValue(const Advapi32 &api, HKEY root, const std::string &keyName, const std::string &valueName,
                 std::string &value)
{
    value.clear();
    // READ_CONTROL with the six specific key rights, as the tool's readers always asked.
    constexpr REGSAM access = 0x2003F;
    HKEY key = nullptr;
    if (api.openKey(root, keyName.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return false;

    std::vector<unsigned char> buffer(registryvalue::bufferSize, 0);
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD type = 0;
    const LONG read = api.queryValue(key, valueName.c_str(), nullptr, &type, buffer.data(), &size);
    bool ok = read == ERROR_SUCCESS;
    if (ok) {
        std::string text;
        ok = registryvalue::convert(type, buffer.data(), size, text);
        if (ok)
            value = text;
    }
    api.closeKey(key);
    return ok;
}

bool WindowsSystemInfoHost::getKeyValue(std::uint32_t root, const std::string &keyName, const std::string &valueName,
                                        std::string &value)
{
    // The predefined roots are negative 32-bit values, widened with their sign.
    const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    return ::getKeyValue(Advapi32{}, rootKey, keyName, valueName, value);
}

bool WindowsSystemInfoHost::fileExists(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool WindowsSystemInfoHost::start(const std::string &commandLine)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
