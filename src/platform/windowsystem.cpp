#include "windowsystem.h"

#include <QObject>

#include <cstdio>
#include <cstdlib>

namespace windowsystem {

Choice choose(const Session &session)
{
    if (!session.chosenByUser.isEmpty())
        return {};
    if (session.x11)
        return {session.wayland && session.waylandPlugin ? QByteArray("xcb;wayland") : QByteArray("xcb"), {}};
    if (session.wayland && session.waylandPlugin)
        return {QByteArray("wayland"), {}};
    if (session.wayland)
        return {{},
                QObject::tr("velmorwick cannot open a window: this Wayland session has no X display (Xwayland) and "
                            "Qt's Wayland plugin is not installed; install Debian's xwayland, or qt6-wayland")};
    return {{},
            QObject::tr("velmorwick needs a graphical session (DISPLAY is not set); to try it without one, "
                        "run: xvfb-run velmorwick, or QT_QPA_PLATFORM=offscreen velmorwick")};
}

namespace {

// What a warning of Qt's says about why a plugin did not start, in words a
// user can act on.
QString reasonIn(const QString &warning)
{
    static const QString missing = QStringLiteral("Could not find the Qt platform plugin \"");
    if (const int at = warning.indexOf(missing); at >= 0) {
        const QString name = warning.mid(at + missing.size()).section(QLatin1Char('"'), 0, 0);
        if (name.startsWith(QLatin1String("wayland")))
            return QObject::tr("Qt's Wayland plugin is not installed (Debian's qt6-wayland)");
        return QObject::tr("Qt has no plugin named \"%1\"").arg(name);
    }
    if (warning.contains(QLatin1String("could not connect to display")))
        return QObject::tr("the X display %1 could not be opened (is it running, and XAUTHORITY set?)")
            .arg(qEnvironmentVariable("DISPLAY"));
    if (warning.contains(QLatin1String("Failed to create wl_display")))
        return QObject::tr("the Wayland compositor %1 could not be reached").arg(qEnvironmentVariable("WAYLAND_DISPLAY"));
    return {};
}

QStringList warnings;
QByteArray guardedPlatforms;
bool guardedByUser = false;
QtMessageHandler before = nullptr;

void guard(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(startFailure(guardedPlatforms, guardedByUser, warnings)));
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Qt's account of each plugin it tried is kept for that line; a plugin
    // that started after another failed leaves nothing to say.
    if (context.category && QByteArray(context.category).startsWith("qt.qpa")) {
        warnings << message;
        return;
    }
    if (before)
        before(type, context, message);
}

} // namespace

QString startFailure(const QByteArray &platforms, bool chosenByUser, const QStringList &qtWarnings)
{
    QStringList reasons;
    for (const QString &warning : qtWarnings) {
        const QString reason = reasonIn(warning);
        if (!reason.isEmpty() && !reasons.contains(reason))
            reasons << reason;
    }
    const QString why = reasons.isEmpty() ? QObject::tr("no window system plugin of Qt's could start")
                                          : reasons.join(QStringLiteral("; "));
    if (chosenByUser)
        return QObject::tr("velmorwick cannot open a window: QT_QPA_PLATFORM=%1 cannot be used here: %2")
            .arg(QString::fromLocal8Bit(platforms), why);
    return QObject::tr("velmorwick cannot open a window: %1").arg(why);
}

StartGuard::StartGuard(QByteArray platforms, bool chosenByUser)
{
    warnings.clear();
    guardedPlatforms = std::move(platforms);
    guardedByUser = chosenByUser;
    before = qInstallMessageHandler(guard);
}

StartGuard::~StartGuard()
{
    qInstallMessageHandler(before);
}

} // namespace windowsystem
