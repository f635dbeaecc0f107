// Start-up, the auto-load dispatch, bringing the main window back, and the
// two commands that end the program.
#include "app/appearance.h"
#include "app/commandline.h"
#include "app/mainwindow.h"
#include "lists/tasklistwindow.h"
#include "store/storekeys.h"
#include "support/programfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace storekeys;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void cleanup();

    void dispatchOpensWhatTheStoredChoiceSays_data();
    void dispatchOpensWhatTheStoredChoiceSays();
    void firstRunShowsOnlyTheMainWindowWithNothingChosen();
    void closingAnAutoLoadedListBringsBackTheSameMainWindow();
    void mainWindowCreatedAgainRunsTheDispatchAgain();
    void closingTheVeryListTheDispatchNamesStillClosesIt();
    void quitAndExitEndAtOnceWithoutAnyUnload_data();
    void quitAndExitEndAtOnceWithoutAnyUnload();
    void everySizeBoxIsNamedAfterTheLabelBesideIt();
    void mainWindowHasItsFixedSize();
    void onlyAddAloneOrWithItsListOpensTheAddWindow_data();
    void onlyAddAloneOrWithItsListOpensTheAddWindow();
};

void StartupTest::cleanup()
{
    ProgramFixture::settle();
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its program");
}

void StartupTest::dispatchOpensWhatTheStoredChoiceSays_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("shown");
    const QStringList main{QStringLiteral("frmMain")};
    QTest::newRow("never written") << false << QString() << main;
    QTest::newRow("empty") << true << QString() << main;
    QTest::newRow("none") << true << QStringLiteral("none") << main;
    QTest::newRow("5") << true << QStringLiteral("5") << QStringList{QStringLiteral("frm5")};
    QTest::newRow("10") << true << QStringLiteral("10") << QStringList{QStringLiteral("frm10")};
    QTest::newRow("13") << true << QStringLiteral("13") << QStringList{QStringLiteral("frm13")};
    QTest::newRow("15") << true << QStringLiteral("15") << QStringList{QStringLiteral("frm15")};
    QTest::newRow("None, capital N") << true << QStringLiteral("None") << main;
    QTest::newRow("7, no such choice") << true << QStringLiteral("7") << main;
    QTest::newRow("3, a list but not a choice") << true << QStringLiteral("3") << main;
    QTest::newRow("5 with a leading blank") << true << QStringLiteral(" 5") << main;
    QTest::newRow("5 with a trailing blank") << true << QStringLiteral("5 ") << main;
    QTest::newRow("05") << true << QStringLiteral("05") << main;
}

void StartupTest::dispatchOpensWhatTheStoredChoiceSays()
{
    QFETCH(bool, stored);
    QFETCH(QString, choice);
    QFETCH(QStringList, shown);
    ProgramFixture fx;
    if (stored)
        fx.seed(autoLoadSection, autoLoadKey, choice);
    fx.start();
    QCOMPARE(fx.shownWindows(), shown);
    QVERIFY(fx.window(QStringLiteral("frmMain"))); // it exists, hidden or not
    QCOMPARE(fx.processEnds(), 0);
    QVERIFY(fx.boxes().shown().isEmpty());
}

void StartupTest::firstRunShowsOnlyTheMainWindowWithNothingChosen()
{
    ProgramFixture fx;
    fx.start();
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmMain")});
    auto *main = fx.window<MainWindow>(QStringLiteral("frmMain"));
    const auto boxes = main->client()->findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), 12);
    for (const QCheckBox *box : boxes) {
        QVERIFY(!box->isChecked());
        QVERIFY(box->isEnabled());
    }
    QVERIFY(fx.testStore().isEmpty()); // starting writes nothing
}

void StartupTest::closingAnAutoLoadedListBringsBackTheSameMainWindow()
{
    ProgramFixture fx;
    fx.seed(autoLoadSection, autoLoadKey, QStringLiteral("5"));
    fx.start();
    auto *main = fx.window<MainWindow>(QStringLiteral("frmMain"));
    ui::close(fx.window(QStringLiteral("frm5")));
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmMain")});
    QCOMPARE(fx.window<MainWindow>(QStringLiteral("frmMain")), main); // not created again, so no new dispatch
}

void StartupTest::mainWindowCreatedAgainRunsTheDispatchAgain()
{
    ProgramFixture fx;
    fx.seed(autoLoadSection, autoLoadKey, QStringLiteral("13"));
    // A list open while the main window does not exist.
    fx.program().showTaskList(8);
    QVERIFY(!fx.window(QStringLiteral("frmMain")));
    ui::close(fx.window(QStringLiteral("frm8")));
    // Closing the list created the main window afresh: its dispatch opened the
    // 13-task list, and the main window is shown as well.
    QCOMPARE(fx.shownWindows(), (QStringList{QStringLiteral("frm13"), QStringLiteral("frmMain")}));
    auto *main = fx.window<MainWindow>(QStringLiteral("frmMain"));
    for (const QCheckBox *box : main->client()->findChildren<QCheckBox *>())
        QVERIFY(!box->isChecked() && box->isEnabled());
}

void StartupTest::closingTheVeryListTheDispatchNamesStillClosesIt()
{
    ProgramFixture fx;
    fx.seed(autoLoadSection, autoLoadKey, QStringLiteral("10"));
    fx.program().showTaskList(10);
    ui::close(fx.window(QStringLiteral("frm10")));
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmMain")});
    QCOMPARE(fx.processEnds(), 0);
}

void StartupTest::quitAndExitEndAtOnceWithoutAnyUnload_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Quit button") << QStringLiteral("Command2");
    QTest::newRow("Exit menu item") << QStringLiteral("mnuexit");
}

void StartupTest::quitAndExitEndAtOnceWithoutAnyUnload()
{
    QFETCH(QString, command);
    ProgramFixture fx;
    fx.start();
    fx.program().showTaskList(7);
    auto *list = fx.window<TaskListWindow>(QStringLiteral("frm7"));
    list->textBox(1)->setText(QStringLiteral("unsaved"));
    auto *main = fx.window(QStringLiteral("frmMain"));
    if (command == QLatin1String("mnuexit"))
        ui::trigger(main, command);
    else
        ui::click(ui::child<QPushButton>(main, command));

    QCOMPARE(fx.processEnds(), 1);
    QVERIFY(fx.program().forms().loadedNames().isEmpty());
    QVERIFY(fx.boxes().shown().isEmpty()); // no unload ran: no reminder, no question
    QVERIFY(fx.testStore().isEmpty()); // and nothing was saved
}

void StartupTest::everySizeBoxIsNamedAfterTheLabelBesideIt()
{
    // A screen reader reads the box's name; it must be the label to its right.
    ProgramFixture fx;
    fx.start();
    QWidget *area = fx.window(QStringLiteral("frmMain"))->client();
    const auto labels = area->findChildren<QLineEdit *>();
    for (const QCheckBox *box : area->findChildren<QCheckBox *>()) {
        const QLineEdit *beside = nullptr;
        for (const QLineEdit *label : labels) {
            const bool sameRow = qAbs(label->geometry().center().y() - box->geometry().center().y()) <= 3;
            const bool toTheRight = label->x() > box->x() && label->x() - box->geometry().right() < 40;
            if (sameRow && toTheRight)
                beside = label;
        }
        QVERIFY2(beside, qPrintable(box->objectName()));
        QCOMPARE(box->accessibleName(), beside->text());
    }
}

void StartupTest::mainWindowHasItsFixedSize()
{
    ProgramFixture fx;
    fx.start();
    Form *main = fx.window(QStringLiteral("frmMain"));
    QCOMPARE(main->windowTitle(), QStringLiteral("Velmorwick! v3.0"));
    QCOMPARE(main->client()->size(), QSize(253, 243)); // 3795 x 3645 twips
    QCOMPARE(main->minimumSize(), main->maximumSize());
    QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));
}

void StartupTest::onlyAddAloneOrWithItsListOpensTheAddWindow_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<int>("tasks"); // -1: no window, the command line decides
    QTest::newRow("add") << QByteArrayList{"add"} << 0;
    QTest::newRow("add --list 10") << QByteArrayList{"add", "--list", "10"} << 10;
    QTest::newRow("another option") << QByteArrayList{"add", "--lost", "10"} << -1;
    QTest::newRow("a text") << QByteArrayList{"add", "milk"} << -1;
    QTest::newRow("another command") << QByteArrayList{"export"} << -1;
}

void StartupTest::onlyAddAloneOrWithItsListOpensTheAddWindow()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(int, tasks);
    QList<char *> argv{const_cast<char *>("velmorwick")};
    for (QByteArray &argument : arguments)
        argv << argument.data();
    const std::optional<int> window = commandline::addWindowList(int(argv.size()), argv.data());
    QCOMPARE(window.value_or(-1), tasks);
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
