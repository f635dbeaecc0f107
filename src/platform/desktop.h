#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;
class SystemInfoHost;
namespace windowsystem {
class StartGuard;
}

// What the program asks of the desktop beyond Qt's own reach. One
// implementation per platform; tests may hand in their own.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Puts the window into the band above ordinary windows, or takes it out
    // again, without moving or resizing it. Qt's own flag does it in place
    // on every platform the program runs on.
    virtual void setTopmost(QWidget *window, bool topmost);

    // Keeps a window that is about to show out of the task bar. Called at
    // every show, as some window managers forget it when a window hides.
    virtual void keepOffTaskbar(QWidget *window) = 0;

    // Tells, once it is known, why the window system will not keep this
    // window above others where the program put it (a Wayland session
    // natively, a window manager that drops keep-above), in one line; tells
    // nothing where it will.
    virtual void whenNotKeptAbove(QWidget *window, std::function<void(const QString &why)> told)
    {
        Q_UNUSED(window);
        Q_UNUSED(told);
    }

    // Sends what the window system has queued (a window's map request) now
    // rather than when the event loop next runs.
    virtual void flush() {}
};

namespace platform {

// The desktop of the platform the program runs on.
std::unique_ptr<Desktop> nativeDesktop();

// Where the system information tool is looked up and started.
std::unique_ptr<SystemInfoHost> nativeSystemInfo();

// Why the print system turned down the job handed to it last by this
// thread, if it did; Qt hands jobs over without looking at the answer.
std::optional<QString> lastPrintJobRefusal();

// Why no window can be shown (no graphical session), in one line, or nothing.
std::optional<QString> missingDisplay();

// Settles what has to be chosen before the application object exists, such as
// the window system. Keep what it returns until that object is made: a
// window system that then cannot start ends the program with one line.
std::unique_ptr<windowsystem::StartGuard> prepareEnvironment();

} // namespace platform
