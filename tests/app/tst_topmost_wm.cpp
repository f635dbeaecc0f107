// "Make Topmost" and "Make Non-topmost" under a real window manager.
#include "support/programfixture.h"
#include "support/xsession.h"

#include <QApplication>
#include <QTest>

class TopmostTest : public WindowManagerTest
{
    Q_OBJECT

public:
    explicit TopmostTest(const XSession &session)
        : WindowManagerTest(session)
    {
    }

private slots:
    void mainWindowStaysAboveAnActiveWindowWithoutMoving();
    void titleBarsOfferOnlyWhatEachWindowAllows_data();
    void titleBarsOfferOnlyWhatEachWindowAllows();
};

void TopmostTest::mainWindowStaysAboveAnActiveWindowWithoutMoving()
{
    ProgramFixture fx;
    fx.start();
    Form *main = fx.window(QStringLiteral("frmMain"));
    QVERIFY(QTest::qWaitForWindowExposed(main));
    const unsigned long id = main->winId();
    QTRY_VERIFY(XSession::geometry(id).x() >= 0); // placed by the window manager
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
    QTRY_VERIFY(other.isActiveWindow());
    const auto stack = XSession::stackingOrder();
    QVERIFY2(stack.indexOf(id) > stack.indexOf(other.winId()), "the main window went under an ordinary window");
    QCOMPARE(XSession::geometry(id), placed);

    ui::trigger(main, QStringLiteral("mnutop")); // twice changes nothing
    QTRY_VERIFY(XSession::windowState(id).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    QCOMPARE(XSession::geometry(id), placed);

    ui::trigger(main, QStringLiteral("mnunontop"));
    QTRY_VERIFY(!XSession::windowState(id).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
    other.activateWindow();
    other.raise();
    QTRY_VERIFY(other.isActiveWindow());
    QTRY_VERIFY2(XSession::stackingOrder().indexOf(id) < XSession::stackingOrder().indexOf(other.winId()),
                 "the main window stayed on top");
    QCOMPARE(XSession::geometry(id), placed);
}

void TopmostTest::titleBarsOfferOnlyWhatEachWindowAllows_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("minimise");
    QTest::newRow("main window") << QStringLiteral("frmMain") << true;
    QTest::newRow("list") << QStringLiteral("frm5") << true;
    QTest::newRow("reminder") << QStringLiteral("frmNotify") << false;
    QTest::newRow("About box") << QStringLiteral("frmAbout") << false;
    QTest::newRow("password entry") << QStringLiteral("frmpriv") << false;
    QTest::newRow("quick note") << QStringLiteral("frmnote") << false;
}

void TopmostTest::titleBarsOfferOnlyWhatEachWindowAllows()
{
    QFETCH(QString, form);
    QFETCH(bool, minimise);
    ProgramFixture fx;
    fx.program().forms().show(form);
    Form *window = fx.window(form);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const unsigned long id = window->winId();
    // The Motif hints: flags, functions, decorations. Close and move always;
    // minimise only where the window has the button; never maximise.
    const QString motif = XSession::property(id, QStringLiteral("_MOTIF_WM_HINTS"));
    const QStringList fields = motif.section(u'=', 1).split(u',', Qt::SkipEmptyParts);
    QVERIFY2(fields.size() >= 3, qPrintable(motif));
    bool ok = false;
    const uint functions = fields[1].trimmed().toUInt(&ok, 16);
    const uint decorations = fields[2].trimmed().toUInt(&ok, 16);
    constexpr uint closeFunction = 0x20, minimiseFunction = 0x8, maximiseFunction = 0x10;
    constexpr uint minimiseButton = 0x20, maximiseButton = 0x40;
    QVERIFY2(functions & closeFunction, qPrintable(motif));
    QCOMPARE(bool(functions & minimiseFunction), minimise);
    QCOMPARE(bool(decorations & minimiseButton), minimise);
    QVERIFY2(!(functions & maximiseFunction) && !(decorations & maximiseButton), qPrintable(motif));
    // The window manager agrees it can be neither resized nor maximised.
    QTRY_VERIFY(!XSession::property(id, QStringLiteral("_NET_WM_ALLOWED_ACTIONS")).isEmpty());
    const QString allowed = XSession::property(id, QStringLiteral("_NET_WM_ALLOWED_ACTIONS"));
    QVERIFY2(allowed.contains(QStringLiteral("_NET_WM_ACTION_CLOSE")), qPrintable(allowed));
    QVERIFY2(!allowed.contains(QStringLiteral("MAXIMIZE")) && !allowed.contains(QStringLiteral("RESIZE")),
             qPrintable(allowed));
}

XSESSION_TEST_MAIN(TopmostTest)
#include "tst_topmost_wm.moc"
