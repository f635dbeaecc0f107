// The quick notes under a real window manager: above every ordinary window,
// and out of the task bar, every time they show.
#include "notes/notewindow.h"
#include "support/programfixture.h"
#include "support/xsession.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

class NotesWindowManagerTest : public WindowManagerTest
{
    Q_OBJECT

public:
    explicit NotesWindowManagerTest(const XSession &session)
        : WindowManagerTest(session)
    {
    }

private slots:
    void everyNoteStaysAboveAFocusedWindowAndOutOfTheTaskBar();
};

void NotesWindowManagerTest::everyNoteStaysAboveAFocusedWindowAndOutOfTheTaskBar()
{
    ProgramFixture fx;
    fx.start();
    ui::trigger(fx.window(QStringLiteral("frmMain")), QStringLiteral("mnunote"));
    for (int k = 1; k < NoteWindow::count; ++k) {
        QVERIFY(QTest::qWaitForWindowExposed(fx.window(NoteWindow::formName(k))));
        ui::click(fx.window<NoteWindow>(NoteWindow::formName(k))->newNoteButton());
    }
    QVERIFY(QTest::qWaitForWindowExposed(fx.window(NoteWindow::formName(NoteWindow::count))));

    QWidget other;
    other.setWindowTitle(QStringLiteral("an ordinary window with the focus"));
    other.setGeometry(0, 0, 1024, 768);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    other.activateWindow();
    other.raise();
    QTRY_VERIFY(other.isActiveWindow()); // the window manager has acted on it

    const auto stack = XSession::stackingOrder();
    for (int k = 1; k <= NoteWindow::count; ++k) {
        const unsigned long id = fx.window(NoteWindow::formName(k))->winId();
        const QStringList state = XSession::windowState(id);
        QVERIFY2(state.contains(QStringLiteral("_NET_WM_STATE_ABOVE")), qPrintable(QString::number(k)));
        QVERIFY2(state.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")), qPrintable(QString::number(k)));
        QVERIFY2(stack.indexOf(id) > stack.indexOf(other.winId()), "a note went under the focused window");
    }
    if (!qEnvironmentVariableIsEmpty("VELMORWICK_SCREENSHOT"))
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                     qEnvironmentVariable("VELMORWICK_SCREENSHOT")});

    // Closed and opened again from the chain, again and again: every new
    // window has both states.
    for (int cycle = 0; cycle < 10; ++cycle) {
        ui::close(fx.window(NoteWindow::formName(NoteWindow::count)));
        ProgramFixture::settle();
        ui::click(fx.window<NoteWindow>(NoteWindow::formName(NoteWindow::count - 1))->newNoteButton());
        Form *last = fx.window(NoteWindow::formName(NoteWindow::count));
        QVERIFY(QTest::qWaitForWindowExposed(last));
        QTRY_VERIFY(XSession::windowState(last->winId()).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
        QTRY_VERIFY(XSession::windowState(last->winId()).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
    }
}

XSESSION_TEST_MAIN(NotesWindowManagerTest)
#include "tst_notes_wm.moc"
