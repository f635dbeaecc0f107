// "Make Topmost" and "Make Non-topmost" under a real window manager.
#include "app/appearance.h"
#include "support/programfixture.h"
#include "support/xsession.h"

#include <QApplication>
#include <QTest>

class TopmostTest : public QObject
{
    Q_OBJECT

public:
    explicit TopmostTest(const XSession &session)
        : m_session(session)
    {
    }

private slots:
    void initTestCase();
    void mainWindowStaysAboveAnActiveWindowWithoutMoving();

private:
    const XSession &m_session;
};

void TopmostTest::initTestCase()
{
    if (!m_session.running())
        QSKIP(qPrintable(m_session.whyNot()));
    applyAppearance();
}

void TopmostTest::mainWindowStaysAboveAnActiveWindowWithoutMoving()
{
    ProgramFixture fx;
    fx.start();
    Form *main = fx.window(QStringLiteral("frmMain"));
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QTest::qWait(200);
    const unsigned long id = main->winId();
    const QRect placed = XSession::geometry(id);

    QWidget other;
    other.setWindowTitle(QStringLiteral("another program"));
    other.setGeometry(placed.adjusted(-20, -20, 20, 20));
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));

    ui::trigger(main, QStringLiteral("mnutop"));
    QTRY_VERIFY(XSession::windowState(id).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    other.activateWindow();
    other.raise();
    QTest::qWait(300);
    const auto stack = XSession::stackingOrder();
    QVERIFY2(stack.indexOf(id) > stack.indexOf(other.winId()), "the main window went under an ordinary window");
    QCOMPARE(XSession::geometry(id), placed);

    ui::trigger(main, QStringLiteral("mnutop")); // twice changes nothing
    QTest::qWait(200);
    QVERIFY(XSession::windowState(id).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    QCOMPARE(XSession::geometry(id), placed);

    ui::trigger(main, QStringLiteral("mnunontop"));
    QTRY_VERIFY(!XSession::windowState(id).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    other.activateWindow();
    other.raise();
    QTest::qWait(300);
    const auto after = XSession::stackingOrder();
    QVERIFY2(after.indexOf(id) < after.indexOf(other.winId()), "the main window stayed on top");
    QCOMPARE(XSession::geometry(id), placed);
}

XSESSION_TEST_MAIN(TopmostTest)
#include "tst_topmost_wm.moc"
