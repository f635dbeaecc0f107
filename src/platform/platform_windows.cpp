// What differs on Windows.
#include "desktop.h"
#include "files.h"
#include "secretmemory.h"
#include "terminal.h"

#include "platform/windowsregistry.h"
#include "store/registrystore.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>

#include <cstdio>

namespace platform {

// Windows has no switch a program sets on itself to keep its memory from
// other programs of the same user or out of crash dumps (Windows Error
// Reporting is configured per machine): the README says so.
void guardMemory(bool)
{
}

bool memoryIsGuarded()
{
    return false;
}

std::unique_ptr<SettingsStore> openUserStore()
{
    // HKEY_CURRENT_USER\Software\Velmorwick\Velmorwick
    return std::make_unique<RegistryStore>(QStringLiteral("Velmorwick"), QStringLiteral("Velmorwick"));
}

namespace {

// The window's own HWND; none on a platform of Qt's that draws elsewhere
// (offscreen), whose window ids are no window handles: Win32 calls on them
// may reach some other process's window and wait for it.
HWND handleOf(QWidget *window)
{
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return nullptr;
    return reinterpret_cast<HWND>(window->winId());
}

class WindowsDesktop final : public Desktop
{
public:
    // A window owned by a hidden window gets no task bar button.
    void keepOffTaskbar(QWidget *window) override
    {
        const HWND handle = handleOf(window);
        if (!handle)
            return;
        static const HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                                  GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(handle, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
};

} // namespace

std::unique_ptr<Desktop> nativeDesktop()
{
    return std::make_unique<WindowsDesktop>();
}

std::unique_ptr<SystemInfoHost> nativeSystemInfo()
{
    return std::make_unique<WindowsSystemInfoHost>();
}

void prepareEnvironment() {}

std::optional<QString> lastPrintJobRefusal()
{
    // The Windows print engine reports a refused job through QPrinter itself.
    return std::nullopt;
}

std::optional<QString> missingDisplay()
{
    return std::nullopt; // a Windows session always has its desktop
}

std::function<void()> hideTyping()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD before = 0;
    if (!GetConsoleMode(input, &before))
        return [] {};
    SetConsoleMode(input, before & ~DWORD(ENABLE_ECHO_INPUT));
    return [input, before] {
        SetConsoleMode(input, before);
        std::fputs("\n", stderr); // the Enter that ended the line was not shown either
    };
}

} // namespace platform
