#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Which of Qt's window system plugins the program starts on, decided once
// before the application object exists.
namespace windowsystem {

// What the session offers, as its environment and the installed plugins tell.
struct Session
{
    QString chosenByUser; // QT_QPA_PLATFORM, which always wins
    bool x11 = false;     // an X display (on a Wayland desktop: Xwayland)
    bool wayland = false; // a Wayland compositor
    bool waylandPlugin = false;
};

struct Choice
{
    // For QT_QPA_PLATFORM, in the order Qt tries them; empty: as it is.
    QByteArray platforms;
    // Nothing can open a window: the one line to print before exiting with 1.
    std::optional<QString> problem;
};

// Windows kept above others and placed where the program puts them need X11:
// through Xwayland whenever there is an X display, natively on Wayland only
// where there is none.
Choice choose(const Session &session);

// The one line that replaces Qt's abort when no plugin in the list started,
// from the warnings Qt gave on the way.
QString startFailure(const QByteArray &platforms, bool chosenByUser, const QStringList &qtWarnings);

// Turns Qt's abort at a window system that cannot start into startFailure()'s
// line and exit code 1, while the application object is being made.
class StartGuard
{
public:
    StartGuard(QByteArray platforms, bool chosenByUser);
    ~StartGuard();
    StartGuard(const StartGuard &) = delete;
    StartGuard &operator=(const StartGuard &) = delete;
};

} // namespace windowsystem
