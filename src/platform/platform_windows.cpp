// What differs on Windows.
#include "desktop.h"
#include "files.h"
#include "terminal.h"

#include "platform/windowsregistry.h"
#include "store/registrystore.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <windows.h>

#include <cstdio>

namespace platform {

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

    void setTopmost(QWidget *window, bool topmost) override
    {
        // Qt moves a shown window into or out of the topmost band in place
        // (SetWindowPos) and keeps its own flags true to it.
        if (QWindow *handle = window->windowHandle()) {
            handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
            return;
        }
        window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
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

std::optional<QString> readSecretLine(const QString &prompt)
{
    std::fputs(qPrintable(prompt), stderr);
    std::fflush(stderr);
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD before = 0;
    const bool console = GetConsoleMode(input, &before) != 0;
    if (console)
        SetConsoleMode(input, before & ~DWORD(ENABLE_ECHO_INPUT));
    QByteArray line;
    int c = 0;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n')
        line += char(c);
    if (console) {
        SetConsoleMode(input, before);
        std::fputs("\n", stderr);
    }
    if (c == EOF && line.isEmpty())
        return std::nullopt;
    if (line.endsWith('\r'))
        line.chop(1);
    QString secret = QString::fromLocal8Bit(line);
    line.fill('\0');
    return secret;
}

} // namespace platform
