#pragma once

#include <QObject>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

// A private X server (Xvfb) with a real window manager (openbox) for the
// tests that need one. Start it before the QApplication exists: it points
// DISPLAY and QT_QPA_PLATFORM at itself. Its screen is 1024x768x24 unless
// XSESSION_SCREEN says otherwise.
class XSession
{
public:
    XSession();
    ~XSession();

    bool running() const { return m_whyNot.isEmpty(); }
    // Why it could not start, for the test's skip message.
    QString whyNot() const { return m_whyNot; }

    // The window manager's _NET_WM_STATE atoms of a window.
    static QStringList windowState(unsigned long window);
    // A property of a window as xprop prints it ("NAME(TYPE) = ...").
    static QString property(unsigned long window, const QString &name);
    // Where a window's inner area is on the screen, as X reports it.
    static QRect geometry(unsigned long window);
    // The managed windows from the bottom of the stack to the top.
    static QList<unsigned long> stackingOrder();

private:
    void start();

    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_windowManager;
    QString m_whyNot;
};

// What every test under a real window manager starts with: the session, or
// a skip that says why there is none; the program's own look; and xdotool
// for the tests that drive windows from outside.
class WindowManagerTest : public QObject
{
    Q_OBJECT

public:
    explicit WindowManagerTest(const XSession &session, bool needsXdotool = false)
        : m_session(session)
        , m_needsXdotool(needsXdotool)
    {
    }

private slots:
    void initTestCase();

private:
    const XSession &m_session;
    bool m_needsXdotool;
};

// The main() of a test that runs under an XSession.
#define XSESSION_TEST_MAIN(TestObject)                                                                                 \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        XSession session;                                                                                              \
        QApplication app(argc, argv);                                                                                  \
        TestObject test(session);                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
