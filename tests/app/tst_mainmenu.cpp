// The main window's menu commands.
#include "app/appearance.h"
#include "app/mainwindow.h"
#include "lists/listlayouts.h"
#include "lists/tasklistwindow.h"
#include "store/storekeys.h"
#include "support/programfixture.h"
#include "support/filebytes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace storekeys;

class MainMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void cleanup();

    void clearAllAnsweredNoDeletesNothing();
    void clearAllDeletesEveryDayListAndNothingElse();
    void clearAllWithNothingStoredStillSaysCleared();
    void clearAllRefusedByTheStoreSaysSoInstead();
    void clearAllLeavesAnOpenListAsItIs();
    void topmostIsSetAndClearedInPlace();
    void minimizeMinimizes();
    void listItemsOpenTheListBesideTheReminder_data();
    void listItemsOpenTheListBesideTheReminder();
    void withTheReminderOffAListItemKeepsTheListOpen();
    void aMainWindowMadeAgainIsFreshAndDispatchesAgain();

private:
    Form *main(ProgramFixture &fx) { return fx.window(QStringLiteral("frmMain")); }
};

void MainMenuTest::cleanup()
{
    ProgramFixture::settle();
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its program");
}

void MainMenuTest::clearAllAnsweredNoDeletesNothing()
{
    ProgramFixture fx;
    fx.seed(taskSection(5), textKey(1), QStringLiteral("keep"));
    fx.start();
    fx.boxes().answerNext(false);
    ui::trigger(main(fx), QStringLiteral("mnuclear"));
    QCOMPARE(fx.boxes().shown().size(), 1);
    QCOMPARE(fx.boxes().shown().first().text, QStringLiteral("Are you sure you want to clear all tasks?"));
    QCOMPARE(fx.boxes().shown().first().title, QStringLiteral("Warning"));
    QVERIFY(fx.boxes().shown().first().question);
    QCOMPARE(fx.stored(taskSection(5), textKey(1)), QStringLiteral("keep"));
}

void MainMenuTest::clearAllDeletesEveryDayListAndNothingElse()
{
    ProgramFixture fx;
    for (const ListLayout &layout : dayListLayouts()) {
        fx.seed(layout.section, textKey(1), QStringLiteral("task"));
        fx.seed(layout.section, tickKey(1), QStringLiteral("1"));
    }
    fx.seed(privateSection, textKey(1), QStringLiteral("secret"));
    fx.seed(passwordSection, passwordKey, QStringLiteral("pw"));
    fx.seed(autoLoadSection, autoLoadKey, QStringLiteral("none"));
    fx.seed(reminderSection, reminderKey, QStringLiteral("NoShow"));
    fx.start();
    fx.boxes().answerNext(true);
    ui::trigger(main(fx), QStringLiteral("mnuclear"));
    QCOMPARE(fx.boxes().texts().last(), QStringLiteral("All Tasks Cleared!"));
    QCOMPARE(fx.boxes().shown().last().title, QStringLiteral("Velmorwick"));
    for (const ListLayout &layout : dayListLayouts()) {
        fx.program().showTaskList(layout.tasks);
        auto *list = fx.window<TaskListWindow>(layout.formName);
        QCOMPARE(list->textBox(1)->text(), QString());
        QVERIFY(!list->tickBox(1)->isChecked());
    }
    QCOMPARE(fx.stored(privateSection, textKey(1)), QStringLiteral("secret"));
    QCOMPARE(fx.stored(passwordSection, passwordKey), QStringLiteral("pw"));
    QCOMPARE(fx.stored(autoLoadSection, autoLoadKey), QStringLiteral("none"));
    QCOMPARE(fx.stored(reminderSection, reminderKey), QStringLiteral("NoShow"));
}

void MainMenuTest::clearAllWithNothingStoredStillSaysCleared()
{
    ProgramFixture fx;
    fx.start();
    fx.boxes().answerNext(true);
    ui::trigger(main(fx), QStringLiteral("mnuclear"));
    QCOMPARE(fx.boxes().texts(),
             (QStringList{QStringLiteral("Are you sure you want to clear all tasks?"), QStringLiteral("All Tasks Cleared!")}));
}

void MainMenuTest::clearAllRefusedByTheStoreSaysSoInstead()
{
    ProgramFixture fx;
    fx.seed(taskSection(3), textKey(1), QStringLiteral("keep"));
    fx.start();
    if (!fx.testStore().makeReadOnly(false))
        QSKIP("the store cannot be made read-only here");
    fx.boxes().answerNext(true);
    ui::trigger(main(fx), QStringLiteral("mnuclear"));
    fx.testStore().makeWritable();
    QCOMPARE(fx.boxes().shown().last().title, QStringLiteral("Error!"));
    QVERIFY(!fx.boxes().texts().contains(QStringLiteral("All Tasks Cleared!")));
    QCOMPARE(fx.stored(taskSection(3), textKey(1)), QStringLiteral("keep"));
}

void MainMenuTest::clearAllLeavesAnOpenListAsItIs()
{
    ProgramFixture fx;
    fx.seed(taskSection(6), textKey(2), QStringLiteral("on screen"));
    fx.start();
    fx.program().showTaskList(6);
    fx.boxes().answerNext(true);
    ui::trigger(main(fx), QStringLiteral("mnuclear"));
    auto *list = fx.window<TaskListWindow>(QStringLiteral("frm6"));
    QCOMPARE(list->textBox(2)->text(), QStringLiteral("on screen"));
    // Its Save writes its rows back: the program's own clear is no version
    // saved elsewhere, kept and told of.
    const qsizetype boxes = fx.boxes().shown().size();
    const qsizetype snapshots = fx.store().snapshots().size();
    ui::click(ui::child<QPushButton>(list, QStringLiteral("cmdsave")));
    QCOMPARE(fx.stored(taskSection(6), textKey(2)), QStringLiteral("on screen"));
    QCOMPARE(fx.boxes().shown().size(), boxes);
    QCOMPARE(fx.store().snapshots().size(), snapshots);
}

void MainMenuTest::topmostIsSetAndClearedInPlace()
{
    ProgramFixture fx;
    fx.start();
    Form *window = main(fx);
    const QRect before = window->geometry();
    auto topmost = [window] { return bool(window->windowHandle()->flags() & Qt::WindowStaysOnTopHint); };
    ui::trigger(window, QStringLiteral("mnunontop")); // never topmost: nothing changes
    QVERIFY(!topmost());
    ui::trigger(window, QStringLiteral("mnutop"));
    QVERIFY(topmost());
    ui::trigger(window, QStringLiteral("mnutop"));
    QVERIFY(topmost());
    QVERIFY(window->isVisible());
    QCOMPARE(window->geometry(), before);
    ui::trigger(window, QStringLiteral("mnunontop"));
    QVERIFY(!topmost());
    QCOMPARE(window->geometry(), before);
}

void MainMenuTest::minimizeMinimizes()
{
    ProgramFixture fx;
    fx.start();
    ui::trigger(main(fx), QStringLiteral("mnumin"));
    QVERIFY(main(fx)->windowState() & Qt::WindowMinimized);
}

void MainMenuTest::listItemsOpenTheListBesideTheReminder_data()
{
    QTest::addColumn<int>("tasks");
    QTest::newRow("5 Tasks") << 5;
    QTest::newRow("10 Tasks") << 10;
    QTest::newRow("15 Tasks") << 15;
}

void MainMenuTest::listItemsOpenTheListBesideTheReminder()
{
    QFETCH(int, tasks);
    ProgramFixture fx;
    fx.start();
    ui::clickTick(ui::child<QCheckBox>(main(fx), QStringLiteral("Check1"))); // ignored by these items
    ui::trigger(main(fx), QStringLiteral("mnu%1").arg(tasks));
    QCOMPARE(fx.shownWindows(), (QStringList{QStringLiteral("frm%1").arg(tasks), QStringLiteral("frmNotify")}));
    QVERIFY(!main(fx)); // unloaded, not just hidden
    QCOMPARE(fx.processEnds(), 0);
}

void MainMenuTest::withTheReminderOffAListItemKeepsTheListOpen()
{
    ProgramFixture fx;
    fx.seed(reminderSection, reminderKey, QStringLiteral("NoShow"));
    fx.start();
    ui::trigger(main(fx), QStringLiteral("mnu10"));
    ProgramFixture::settle();
    QCOMPARE(fx.processEnds(), 0);
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frm10")});
    QVERIFY(!main(fx));
    // Closing the list brings a new main window, and the program goes on.
    ui::close(fx.window(QStringLiteral("frm10")));
    ProgramFixture::settle();
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmMain")});
    QCOMPARE(fx.processEnds(), 0);
    // Closing that one now ends the program, as nothing else is open.
    ui::close(main(fx));
    QCOMPARE(fx.processEnds(), 1);
}

void MainMenuTest::aMainWindowMadeAgainIsFreshAndDispatchesAgain()
{
    ProgramFixture fx;
    fx.start();
    ui::clickTick(ui::child<QCheckBox>(main(fx), QStringLiteral("Check3")));
    ui::trigger(main(fx), QStringLiteral("mnu5"));
    fx.seed(autoLoadSection, autoLoadKey, QStringLiteral("10"));
    ui::close(fx.window(QStringLiteral("frm5")));
    QVERIFY(fx.isShown(QStringLiteral("frmMain")));
    QVERIFY(fx.isShown(QStringLiteral("frm10"))); // the dispatch ran again
    for (const QCheckBox *box : main(fx)->client()->findChildren<QCheckBox *>())
        QVERIFY(!box->isChecked() && box->isEnabled());
}

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
