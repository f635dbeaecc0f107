// What differs on Linux and other POSIX desktops.
#include "desktop.h"
#include "files.h"

#include "store/conffilestore.h"

#include <QFile>
#include <QSettings>
#include <QWidget>
#include <QWindow>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

std::unique_ptr<SettingsStore> openUserStore()
{
    // QSettings' own place for the user's settings: $XDG_CONFIG_HOME/Velmorwick/Velmorwick.conf
    const QSettings native(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmorwick"),
                           QStringLiteral("Velmorwick"));
    return std::make_unique<ConfFileStore>(native.fileName());
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

namespace {

// The window manager's keep-above state, which Qt sets from the stays-on-top
// flag; on a window that is already shown it changes in place.
class X11Desktop final : public Desktop
{
public:
    void setTopmost(QWidget *window, bool topmost) override
    {
        if (QWindow *handle = window->windowHandle()) {
            handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
            return;
        }
        // Not created yet: the flag is taken along when it first shows.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    }
};

} // namespace

std::unique_ptr<Desktop> nativeDesktop()
{
    return std::make_unique<X11Desktop>();
}

void prepareEnvironment()
{
    // A Wayland session lets no program keep its window above the others, so
    // run on XWayland where there is one. QT_QPA_PLATFORM still decides.
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace platform
