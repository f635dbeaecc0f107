// What differs on Windows.
#include "desktop.h"
#include "files.h"

#include "platform/windowsregistry.h"
#include "store/registrystore.h"

#include <QWidget>

#include <windows.h>

namespace platform {

std::unique_ptr<SettingsStore> openUserStore()
{
    // HKEY_CURRENT_USER\Software\Velmorwick\Velmorwick
    return std::make_unique<RegistryStore>(QStringLiteral("Velmorwick"), QStringLiteral("Velmorwick"));
}

namespace {

class WindowsDesktop final : public Desktop
{
public:
    // A window owned by a hidden window gets no task bar button.
    void keepOffTaskbar(QWidget *window) override
    {
        static const HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                                  GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(reinterpret_cast<HWND>(window->winId()), GWLP_HWNDPARENT,
                          reinterpret_cast<LONG_PTR>(owner));
    }

    void setTopmost(QWidget *window, bool topmost) override
    {
        // Only the place in the stacking order changes; the result is not needed.
        SetWindowPos(reinterpret_cast<HWND>(window->winId()), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE);
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

} // namespace platform
