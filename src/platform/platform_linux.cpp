// What differs on Linux and other POSIX desktops.
#include "desktop.h"
#include "files.h"
#include "secretmemory.h"
#include "terminal.h"
#include "windowsystem.h"

#include "platform/systeminfohost.h"
#include "store/conffilestore.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cups/cups.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include <dlfcn.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace platform {

std::unique_ptr<SettingsStore> openUserStore()
{
    // Where QSettings keeps the user's settings: $XDG_CONFIG_HOME/Velmorwick/Velmorwick.conf,
    // found without a QSettings object, which would open the file before the
    // store has checked what it is. A relative XDG_CONFIG_HOME is ignored, as
    // the XDG base directory rules ask (Qt would take it from the current folder).
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return std::make_unique<ConfFileStore>(config + QStringLiteral("/Velmorwick/Velmorwick.conf"));
}

StoreResult writeUserFile(const QString &path, const QByteArray &bytes, const QStringList &untouchable)
{
    const auto refused = [](const QString &reason) { return StoreResult{StoreResult::Status::Refused, reason}; };
    const QFileInfo target(path);
    StoreFolder folder;
    if (!folder.openWalked(target.absolutePath())) {
        return refused(QObject::tr("The folder %1 cannot be used (%2).")
                           .arg(target.absolutePath(), StoreFolder::reasonFor(folder.error())));
    }
    QList<StoreFolder::Stamp> identities;
    for (const QString &own : untouchable) {
        StoreFolder ownFolder;
        if (ownFolder.open(QFileInfo(own).absolutePath(), false))
            identities << ownFolder.stampOf(QFileInfo(own).fileName());
    }
    folder.removeLeftoverScratches();
    const StoreFolder::Written written = folder.writeWhole(target.fileName(), bytes, identities);
    switch (written.status) {
    case StoreFolder::Written::Status::Done:
        return {};
    case StoreFolder::Written::Status::Unconfirmed:
        return {StoreResult::Status::Unconfirmed,
                QObject::tr("%1 was written, but the disk did not confirm it (%2).")
                    .arg(path, StoreFolder::reasonFor(written.error))};
    case StoreFolder::Written::Status::NotRegular:
        return refused(QObject::tr("%1 is %2, which Velmorwick does not replace.").arg(path, written.kind));
    case StoreFolder::Written::Status::Replaced: // only for a write told what it replaces: never here
    case StoreFolder::Written::Status::Failed:
        break;
    }
    return refused(QObject::tr("%1 could not be written (%2).").arg(path, StoreFolder::reasonFor(written.error)));
}

FileContents readUserFile(const QString &path, qint64 limit)
{
    const QFileInfo source(path);
    StoreFolder folder;
    if (!folder.openWalked(source.absolutePath()))
        return {{}, QObject::tr("%1 cannot be read (%2).").arg(path, StoreFolder::reasonFor(folder.error()))};
    StoreFolder::ReadResult read = folder.read(source.fileName(), limit);
    switch (read.status) {
    case StoreFolder::ReadResult::Status::Read:
        return {std::move(read.bytes), {}};
    case StoreFolder::ReadResult::Status::Missing:
        return {{}, QObject::tr("%1 does not exist.").arg(path)};
    case StoreFolder::ReadResult::Status::NotRegular:
        return {{}, QObject::tr("%1 is %2, not an ordinary file.").arg(path, read.kind)};
    case StoreFolder::ReadResult::Status::TooLarge:
        return {{}, QObject::tr("%1 is larger than %2 MB, far more than Velmorwick ever writes, or grew while it "
                                "was read.")
                        .arg(path)
                        .arg(limit / (1024 * 1024))};
    case StoreFolder::ReadResult::Status::Failed:
        break;
    }
    return {{}, QObject::tr("%1 cannot be read (%2).").arg(path, StoreFolder::reasonFor(read.error))};
}

std::optional<QString> lastPrintJobRefusal()
{
    // CUPS keeps the status of the last request per thread: the job Qt has
    // just handed over with cupsPrintFile(). CUPS is asked through the copy
    // Qt's print plugin loaded; linking it here would load it, and all it
    // brings, at every start.
    void *cups = ::dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return std::nullopt; // no job went through CUPS
    using LastError = ipp_status_t (*)();
    using LastErrorString = const char *(*)();
    const auto lastError = reinterpret_cast<LastError>(::dlsym(cups, "cupsLastError"));
    const auto lastErrorString = reinterpret_cast<LastErrorString>(::dlsym(cups, "cupsLastErrorString"));
    std::optional<QString> refusal;
    if (lastError && lastErrorString && lastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        refusal = QString::fromUtf8(lastErrorString());
    ::dlclose(cups);
    return refusal;
}

namespace {

// The program's connection to the X server; none natively on Wayland.
xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// A property of a window as raw bytes; empty when there is none.
QByteArray property(xcb_connection_t *connection, xcb_window_t window, const char *name, xcb_atom_t type)
{
    const auto cookie = xcb_get_property(connection, 0, window, atom(connection, name), type, 0, 256);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    QByteArray value;
    if (reply)
        value = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    std::free(reply);
    return value;
}

// Weston's X window manager (weston 14) drops Xwayland, and with it every X
// program, when a utility window that stays on top is mapped; an ordinary
// window that stays on top it keeps.
bool windowManagerIsWestons(xcb_connection_t *connection)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const QByteArray check = property(connection, root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW);
    if (check.size() != sizeof(xcb_window_t))
        return false;
    xcb_window_t manager = 0;
    std::memcpy(&manager, check.constData(), sizeof manager);
    return property(connection, manager, "_NET_WM_NAME", atom(connection, "UTF8_STRING")).startsWith("Weston");
}

// The window manager's keep-above state, which Qt sets from the stays-on-top
// flag; on a window that is already shown it changes in place.
class LinuxDesktop final : public Desktop
{
public:
    void setTopmost(QWidget *window, bool topmost) override
    {
        xcb_connection_t *connection = x11Connection();
        if (topmost && connection && !window->windowHandle()
            && (window->windowFlags() & Qt::WindowType_Mask) == Qt::Tool && windowManagerIsWestons(connection))
            window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
        Desktop::setTopmost(window, topmost);
    }

    void flush() override
    {
        if (xcb_connection_t *connection = x11Connection())
            xcb_flush(connection);
    }

public:
    // Qt has no call for skip-taskbar on X11: set the window's _NET_WM_STATE
    // before it is mapped, and ask the window manager once it is (EWMH).
    // Keep-above goes along, so neither state is lost when the window
    // manager takes the message.
    void keepOffTaskbar(QWidget *window) override
    {
        xcb_connection_t *connection = x11Connection();
        if (!connection)
            return;
        const xcb_window_t id = static_cast<xcb_window_t>(window->winId());
        const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
        std::vector<xcb_atom_t> states{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR")};
        if (window->windowFlags() & Qt::WindowStaysOnTopHint)
            states.push_back(atom(connection, "_NET_WM_STATE_ABOVE"));
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                            static_cast<uint32_t>(states.size()), states.data());
        xcb_flush(connection);

        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const auto ask = [connection, id, root, state, states] {
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = id;
            message.type = state;
            message.data.data32[0] = 1; // add
            message.data.data32[1] = states[0];
            message.data.data32[2] = states.size() > 1 ? states[1] : 0;
            message.data.data32[3] = 1; // asked by an ordinary program
            xcb_send_event(connection, 0, root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                           reinterpret_cast<const char *>(&message));
            xcb_flush(connection);
        };
        // Once the window is mapped, and again a little later: a window
        // manager still busy with an earlier unmap of the same window would
        // ignore the first request.
        QTimer::singleShot(0, window, ask);
        QTimer::singleShot(250, window, ask);
    }

    void whenNotKeptAbove(QWidget *window, std::function<void(const QString &why)> told) override
    {
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            QTimer::singleShot(0, window, [told] {
                told(QObject::tr("a Wayland session lets no program keep a window above others or place it"));
            });
            return;
        }
        // The window manager answers the request for keep-above by setting
        // it in the window's state, or by leaving it out (weston's does).
        QTimer::singleShot(1500, window, [window, told] {
            xcb_connection_t *connection = x11Connection();
            const QWindow *handle = window->windowHandle();
            if (!connection || !handle || !window->isVisible() || !(handle->flags() & Qt::WindowStaysOnTopHint))
                return;
            const QByteArray state = property(connection, static_cast<xcb_window_t>(window->winId()), "_NET_WM_STATE",
                                              XCB_ATOM_ATOM);
            const xcb_atom_t above = atom(connection, "_NET_WM_STATE_ABOVE");
            bool kept = false;
            for (qsizetype at = 0; at + qsizetype(sizeof above) <= state.size(); at += sizeof above)
                kept = kept || std::memcmp(state.constData() + at, &above, sizeof above) == 0;
            if (!kept)
                told(QObject::tr("the window manager does not keep windows above others"));
        });
    }
};

} // namespace

std::unique_ptr<Desktop> nativeDesktop()
{
    return std::make_unique<LinuxDesktop>();
}

namespace {

// There is no registry here. What stands in: the tool's own entry names the
// first well-known system information program found on PATH; the shared
// tools' entry holds nothing.
class PathSystemInfoHost final : public SystemInfoHost
{
public:
    bool getKeyValue(std::uint32_t root, const std::string &keyName, const std::string &valueName,
                     std::string &value) override
    {
        value.clear();
        if (root != systeminfo::localMachine || keyName != systeminfo::toolKey || valueName != systeminfo::toolValue)
            return false;
        for (const char *name : {"hardinfo", "hardinfo2", "kinfocenter"}) {
            const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
            if (!found.isEmpty()) {
                value = QFile::encodeName(found).toStdString();
                return true;
            }
        }
        return false;
    }

    bool fileExists(const std::string &path) override
    {
        const QFileInfo file(QFile::decodeName(path.c_str()));
        return file.isFile() && !file.isHidden();
    }

    bool start(const std::string &commandLine) override
    {
        return QProcess::startDetached(QFile::decodeName(commandLine.c_str()), {});
    }
};

} // namespace

std::unique_ptr<SystemInfoHost> nativeSystemInfo()
{
    return std::make_unique<PathSystemInfoHost>();
}

namespace {

// Qt's plugins for Wayland (libqwayland-generic.so, libqwayland-egl.so), where
// Qt looks for them.
bool waylandPluginInstalled()
{
    QStringList folders{QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"),
                        qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")};
    for (const QString &path : qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << path + QStringLiteral("/platforms");
    for (const QString &folder : folders) {
        if (!folder.isEmpty() && !QDir(folder).entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

windowsystem::Session session()
{
    return {.chosenByUser = qEnvironmentVariable("QT_QPA_PLATFORM"),
            .x11 = qEnvironmentVariableIsSet("DISPLAY"),
            .wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
                       || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland"),
            .waylandPlugin = waylandPluginInstalled()};
}

} // namespace

std::optional<QString> missingDisplay()
{
    return windowsystem::choose(session()).problem;
}

std::unique_ptr<windowsystem::StartGuard> prepareEnvironment()
{
    const windowsystem::Session now = session();
    const windowsystem::Choice choice = windowsystem::choose(now);
    if (!choice.platforms.isEmpty())
        qputenv("QT_QPA_PLATFORM", choice.platforms);
    return std::make_unique<windowsystem::StartGuard>(qgetenv("QT_QPA_PLATFORM"), !now.chosenByUser.isEmpty());
}

namespace {
int guards = 0;
int dumpableBefore = 1;
} // namespace

void guardMemory(bool guarded)
{
    if (guarded && guards++ == 0) {
        dumpableBefore = ::prctl(PR_GET_DUMPABLE);
        ::prctl(PR_SET_DUMPABLE, 0); // no core file, and no ptrace by the same user
    } else if (!guarded && guards > 0 && --guards == 0) {
        ::malloc_trim(0); // whole free pages go back to the system, zeroed there
        ::prctl(PR_SET_DUMPABLE, dumpableBefore > 0 ? dumpableBefore : 1);
    }
}

bool memoryIsGuarded()
{
    return ::prctl(PR_GET_DUMPABLE) == 0;
}

std::function<void()> hideTyping()
{
    termios before{};
    if (!::isatty(STDIN_FILENO) || ::tcgetattr(STDIN_FILENO, &before) != 0)
        return [] {};
    termios silent = before;
    silent.c_lflag &= ~tcflag_t(ECHO);
    silent.c_lflag |= ECHONL; // the Enter that ends the line still moves on
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    return [before] { ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &before); };
}

} // namespace platform
