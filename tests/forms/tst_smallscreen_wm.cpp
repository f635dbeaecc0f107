// Windows on a screen too small for them, at twice the scale, under a real
// window manager: caption and buttons within reach, on screen.
#include "support/programfixture.h"
#include "support/xsession.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

class SmallScreenTest : public WindowManagerTest
{
    Q_OBJECT

public:
    explicit SmallScreenTest(const XSession &session)
        : WindowManagerTest(session)
    {
    }

private slots:
    void captionAndButtonsAreOnTheScreen_data();
    void captionAndButtonsAreOnTheScreen();
};

void SmallScreenTest::captionAndButtonsAreOnTheScreen_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("fits");
    QTest::newRow("15 tasks") << QStringLiteral("frm15") << false;
    QTest::newRow("13 tasks") << QStringLiteral("frm13") << false;
    QTest::newRow("5 tasks, which fits as it is") << QStringLiteral("frm5") << true;
    QTest::newRow("main window") << QStringLiteral("frmMain") << true;
}

void SmallScreenTest::captionAndButtonsAreOnTheScreen()
{
    QFETCH(QString, form);
    QFETCH(bool, fits);
    ProgramFixture fx;
    fx.program().forms().show(form);
    Form *window = fx.window(form);
    // The window manager places, the program moves, the focus comes: each
    // in its own time on a busy machine, so the test waits for where it ends.
    QVERIFY(QTest::qWaitForWindowActive(window));
    const QRect available = window->screen()->availableGeometry();
    const auto placed = [&] {
        return available.contains(window->frameGeometry())
               && (fits || window->frameGeometry().topLeft() == available.topLeft());
    };
    QTRY_VERIFY2(placed(), qPrintable(QStringLiteral("the window (%1) is not where it belongs on the screen (%2)")
                                          .arg(QDebug::toString(window->frameGeometry()), QDebug::toString(available))));
    QCOMPARE(window->findChild<QScrollArea *>() == nullptr, fits);
    QTRY_VERIFY(QApplication::focusWidget());
    // Rows that scroll go up and down only; every tick box is seen whole across.
    if (const auto *rows = window->findChild<QScrollArea *>()) {
        QVERIFY(!rows->horizontalScrollBar()->isVisible());
        for (const QCheckBox *tick : rows->widget()->findChildren<QCheckBox *>()) {
            const int left = tick->mapTo(rows->viewport(), QPoint()).x();
            QVERIFY2(left >= 0 && left + tick->width() <= rows->viewport()->width(), qPrintable(tick->objectName()));
        }
    }
    const auto onScreen = [&](const QWidget *control) {
        return available.contains(QRect(control->mapToGlobal(QPoint()), control->size()));
    };
    // The buttons at the foot are there from the start, below the rows that scroll.
    const auto *rows = window->findChild<QScrollArea *>();
    for (const QString &foot : {QStringLiteral("cmdprint"), QStringLiteral("cmdsave"), QStringLiteral("cmdclear")}) {
        if (const auto *button = window->findChild<QPushButton *>(foot)) {
            QVERIFY2(onScreen(button), qPrintable(foot + QStringLiteral(" is off screen")));
            if (rows)
                QVERIFY(button->mapToGlobal(QPoint()).y() >= rows->mapToGlobal(QPoint(0, rows->height())).y());
        }
    }

    // Tab goes through every control; each button it reaches is on screen.
    const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
    int reached = 0;
    for (int step = 0; step < 60 && reached < buttons.size(); ++step) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        if (auto *button = qobject_cast<QAbstractButton *>(focused)) {
            ++reached;
            QVERIFY2(onScreen(button), qPrintable(button->objectName() + QStringLiteral(" is off screen")));
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QVERIFY(reached > 0);
}

XSESSION_TEST_MAIN(SmallScreenTest)
#include "tst_smallscreen_wm.moc"
