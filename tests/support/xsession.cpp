#include "xsession.h"

#include "app/appearance.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

QString output(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

} // namespace

XSession::XSession()
{
    start();
    if (!running())
        qputenv("QT_QPA_PLATFORM", "offscreen"); // so the test can start and say why it skips
}

void XSession::start()
{
    for (const char *tool : {"Xvfb", "openbox", "xprop", "xwininfo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            m_whyNot = QStringLiteral("%1 is not installed (Debian's xvfb, openbox, x11-utils)").arg(tool);
            return;
        }
    }
    // Xvfb picks a free display itself and writes its number once it is ready.
    m_server = std::make_unique<QProcess>();
    m_server->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                             QStringLiteral("0"), qEnvironmentVariable("XSESSION_SCREEN", QStringLiteral("1024x768x24")),
                                             QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QByteArray number;
    while (!number.contains('\n') && m_server->waitForReadyRead(20000))
        number += m_server->readAllStandardOutput();
    if (!number.contains('\n')) {
        m_whyNot = QStringLiteral("Xvfb would not start");
        return;
    }
    const QString display = QStringLiteral(":%1").arg(QString::fromLatin1(number).trimmed());
    qputenv("DISPLAY", display.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");

    // openbox announces itself before it manages windows, and a window mapped
    // in between stays unmapped for good; its start-up command runs once it
    // manages them.
    QTemporaryDir scratch;
    const QString ready = scratch.filePath(QStringLiteral("ready"));
    m_windowManager = std::make_unique<QProcess>();
    m_windowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                                                       QStringLiteral("touch %1").arg(ready)});
    m_windowManager->waitForStarted(5000);
    for (int i = 0; i < 400 && m_windowManager->state() == QProcess::Running; ++i) {
        if (QFile::exists(ready))
            return;
        QThread::msleep(50);
    }
    m_whyNot = QStringLiteral("openbox did not come up: %1")
                   .arg(QString::fromLocal8Bit(m_windowManager->readAllStandardError()).trimmed());
}

XSession::~XSession()
{
    for (auto *process : {m_windowManager.get(), m_server.get()}) {
        if (process && process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
        }
    }
}

QStringList XSession::windowState(unsigned long window)
{
    const QString text = output(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window),
                                                          QStringLiteral("_NET_WM_STATE")});
    QStringList atoms;
    for (const auto &match : QRegularExpression(QStringLiteral("_NET_WM_STATE_\\w+")).globalMatch(text))
        atoms << match.captured();
    return atoms;
}

QString XSession::property(unsigned long window, const QString &name)
{
    return output(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), name}).trimmed();
}

QRect XSession::geometry(unsigned long window)
{
    const QString text = output(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
    auto number = [&text](const char *label) {
        const auto match = QRegularExpression(QString::fromLatin1(label) + QStringLiteral(":\\s+(-?\\d+)")).match(text);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    };
    return {number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"), number("Height")};
}

QList<unsigned long> XSession::stackingOrder()
{
    const QString text = output(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<unsigned long> windows;
    for (const auto &match : QRegularExpression(QStringLiteral("0x[0-9a-f]+")).globalMatch(text))
        windows << match.captured().toULong(nullptr, 16);
    return windows;
}

void WindowManagerTest::initTestCase()
{
    if (!m_session.running())
        QSKIP(qPrintable(m_session.whyNot()));
    if (m_needsXdotool && QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed (Debian's xdotool)");
    applyAppearance();
}
