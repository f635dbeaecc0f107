// The exit step and the auto-load reminder.
#include "app/appearance.h"
#include "dialogs/reminderwindow.h"
#include "store/storekeys.h"
#include "support/programfixture.h"
#include "support/filebytes.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

using namespace storekeys;

namespace {

const QStringList optionNames{QStringLiteral("Option5"), QStringLiteral("Option1"), QStringLiteral("Option2"),
                              QStringLiteral("Option3"), QStringLiteral("Option4")};

QString selectedOption(Form *reminder)
{
    QString selected;
    for (const QString &name : optionNames) {
        if (ui::child<QRadioButton>(reminder, name)->isChecked()) {
            if (!selected.isEmpty())
                return QStringLiteral("several");
            selected = name;
        }
    }
    return selected;
}

} // namespace

class ReminderWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void cleanup();

    void closingTheMainWindowShowsTheReminderUnlessSwitchedOff_data();
    void closingTheMainWindowShowsTheReminderUnlessSwitchedOff();
    void reminderOpensWithTheStoredChoice_data();
    void reminderOpensWithTheStoredChoice();
    void okStoresTheChoiceAndTheSwitchThenEnds_data();
    void okStoresTheChoiceAndTheSwitchThenEnds();
    void closeBoxEndsWithoutWritingAnything();
    void resetAutoLoadSwitchesTheReminderOnWithNoneSelected();
    void reminderIsReadableByKeyboardAndScreenReader();
    void typicalDayFromFirstStartToTheNextStart();
    void anOpenReminderFollowsTheChoiceUnlessAnotherIsPicked();

private:
    Form *closeMainWindow(ProgramFixture &fx)
    {
        ui::close(fx.window(QStringLiteral("frmMain")));
        return fx.window(QStringLiteral("frmNotify"));
    }
};

void ReminderWindowTest::cleanup()
{
    ProgramFixture::settle();
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its program");
}

void ReminderWindowTest::closingTheMainWindowShowsTheReminderUnlessSwitchedOff_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("reminder");
    QTest::addColumn<bool>("shown");
    QTest::newRow("never written") << false << QString() << true;
    QTest::newRow("empty") << true << QString() << true;
    QTest::newRow("NoShow") << true << QStringLiteral("NoShow") << false;
    QTest::newRow("noshow") << true << QStringLiteral("noshow") << true;
    QTest::newRow("NoShow with a blank") << true << QStringLiteral("NoShow ") << true;
    QTest::newRow("1") << true << QStringLiteral("1") << true;
}

void ReminderWindowTest::closingTheMainWindowShowsTheReminderUnlessSwitchedOff()
{
    QFETCH(bool, stored);
    QFETCH(QString, reminder);
    QFETCH(bool, shown);
    ProgramFixture fx;
    if (stored)
        fx.seed(reminderSection, reminderKey, reminder);
    fx.start();
    closeMainWindow(fx);
    if (shown) {
        QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmNotify")});
        QCOMPARE(fx.processEnds(), 0);
    } else {
        QCOMPARE(fx.processEnds(), 1);
        QVERIFY(fx.shownWindows().isEmpty());
    }
    QVERIFY(!fx.window(QStringLiteral("frmMain")));
}

void ReminderWindowTest::reminderOpensWithTheStoredChoice_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("selected");
    QTest::newRow("never written") << false << QString() << QString();
    QTest::newRow("empty") << true << QString() << QString();
    QTest::newRow("none") << true << QStringLiteral("none") << QStringLiteral("Option5");
    QTest::newRow("5") << true << QStringLiteral("5") << QStringLiteral("Option1");
    QTest::newRow("10") << true << QStringLiteral("10") << QStringLiteral("Option2");
    QTest::newRow("13") << true << QStringLiteral("13") << QStringLiteral("Option3");
    QTest::newRow("15") << true << QStringLiteral("15") << QStringLiteral("Option4");
    QTest::newRow("None") << true << QStringLiteral("None") << QString();
    QTest::newRow("7") << true << QStringLiteral("7") << QString();
}

void ReminderWindowTest::reminderOpensWithTheStoredChoice()
{
    QFETCH(bool, stored);
    QFETCH(QString, choice);
    QFETCH(QString, selected);
    ProgramFixture fx;
    if (stored)
        fx.seed(autoLoadSection, autoLoadKey, choice);
    fx.program().forms().show(QStringLiteral("frmNotify"));
    Form *reminder = fx.window(QStringLiteral("frmNotify"));
    QCOMPARE(selectedOption(reminder), selected);
    QVERIFY(!ui::child<QCheckBox>(reminder, QStringLiteral("chkNoShow"))->isChecked());
}

void ReminderWindowTest::okStoresTheChoiceAndTheSwitchThenEnds_data()
{
    QTest::addColumn<QString>("before");   // stored auto-load choice, "-" for never written
    QTest::addColumn<QString>("choose");   // option the user clicks, empty for none
    QTest::addColumn<bool>("noShow");
    QTest::addColumn<QString>("after");    // "-" for still never written
    QTest::addColumn<QString>("reminder");
    QTest::newRow("first run, OK at once") << "-" << "" << false << "-" << "";
    QTest::newRow("stored 10 kept") << "10" << "" << false << "10" << "";
    QTest::newRow("None left alone") << "None" << "" << false << "None" << "";
    QTest::newRow("7 left alone") << "7" << "" << false << "7" << "";
    QTest::newRow("None chosen is stored lower case") << "15" << "Option5" << false << "none" << "";
    QTest::newRow("13 chosen, never remind") << "-" << "Option3" << true << "13" << "NoShow";
}

void ReminderWindowTest::okStoresTheChoiceAndTheSwitchThenEnds()
{
    QFETCH(QString, before);
    QFETCH(QString, choose);
    QFETCH(bool, noShow);
    QFETCH(QString, after);
    QFETCH(QString, reminder);
    ProgramFixture fx;
    if (before != QLatin1String("-"))
        fx.seed(autoLoadSection, autoLoadKey, before);
    fx.start();
    Form *dialog = closeMainWindow(fx);
    if (!choose.isEmpty())
        ui::click(ui::child<QRadioButton>(dialog, choose));
    if (noShow)
        ui::clickTick(ui::child<QCheckBox>(dialog, QStringLiteral("chkNoShow")));
    ui::click(ui::child<QPushButton>(dialog, QStringLiteral("cmdquit")));

    QCOMPARE(fx.processEnds(), 1);
    QVERIFY(fx.program().forms().loadedNames().isEmpty());
    QCOMPARE(fx.testStore().keys().contains(QStringLiteral("AutoLoad/AutoLoad")), after != QLatin1String("-"));
    if (after != QLatin1String("-"))
        QCOMPARE(fx.stored(autoLoadSection, autoLoadKey), after);
    QVERIFY(fx.testStore().keys().contains(QStringLiteral("AutoLoadWindow/AutoLoadWindow")));
    QCOMPARE(fx.stored(reminderSection, reminderKey), reminder);
}

void ReminderWindowTest::closeBoxEndsWithoutWritingAnything()
{
    ProgramFixture fx;
    fx.seed(autoLoadSection, autoLoadKey, QStringLiteral("5"));
    fx.start();
    ui::close(fx.window(QStringLiteral("frm5"))); // back to the main window
    const QByteArray before = fx.testStore().snapshot();
    Form *dialog = closeMainWindow(fx);
    ui::click(ui::child<QRadioButton>(dialog, QStringLiteral("Option4")));
    ui::close(dialog);
    QCOMPARE(fx.processEnds(), 1);
    QCOMPARE(fx.testStore().snapshot(), before);
}

void ReminderWindowTest::resetAutoLoadSwitchesTheReminderOnWithNoneSelected()
{
    ProgramFixture fx;
    fx.seed(autoLoadSection, autoLoadKey, QStringLiteral("15"));
    fx.seed(reminderSection, reminderKey, QStringLiteral("NoShow"));
    fx.start();
    ui::close(fx.window(QStringLiteral("frm15")));
    ui::trigger(fx.window(QStringLiteral("frmMain")), QStringLiteral("mnuAuto"));
    QCOMPARE(fx.boxes().texts(), QStringList{QStringLiteral("AutoLoad Window has been reset!")});
    QCOMPARE(fx.boxes().shown().first().title, QStringLiteral("Velmorwick"));
    QCOMPARE(fx.stored(reminderSection, reminderKey), QString());
    QCOMPARE(fx.stored(autoLoadSection, autoLoadKey), QStringLiteral("15"));
    QVERIFY(!fx.isShown(QStringLiteral("frmNotify"))); // made, but hidden

    Form *dialog = closeMainWindow(fx);
    QVERIFY(dialog->isVisible());
    QCOMPARE(selectedOption(dialog), QStringLiteral("Option5"));
    ui::click(ui::child<QPushButton>(dialog, QStringLiteral("cmdquit")));
    QCOMPARE(fx.stored(autoLoadSection, autoLoadKey), QStringLiteral("none"));
}

void ReminderWindowTest::reminderIsReadableByKeyboardAndScreenReader()
{
    ProgramFixture fx;
    fx.start();
    Form *dialog = closeMainWindow(fx);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("AutoLoad"));
    QCOMPARE(dialog->focusWidget(), ui::child<QCheckBox>(dialog, QStringLiteral("chkNoShow")));
    QCOMPARE(ui::child<QCheckBox>(dialog, QStringLiteral("chkNoShow"))->accessibleName(),
             ui::child<QLabel>(dialog, QStringLiteral("Labelremind"))->text());
    // Every option is named after the label to its right; the lists' labels
    // carry tooltips, "None" does not.
    const QStringList labels{QStringLiteral("Label5"), QStringLiteral("Label1"), QStringLiteral("Label2"),
                             QStringLiteral("Label3"), QStringLiteral("Label4")};
    for (int i = 0; i < optionNames.size(); ++i) {
        auto *option = ui::child<QRadioButton>(dialog, optionNames[i]);
        auto *label = ui::child<QLabel>(dialog, labels[i]);
        QCOMPARE(option->accessibleName(), label->text());
        QVERIFY(qAbs(option->geometry().center().y() - label->geometry().center().y()) <= 3);
        QCOMPARE(label->toolTip().isEmpty(), i == 0);
    }
    // Clicking a label selects nothing.
    QTest::mouseClick(ui::child<QLabel>(dialog, QStringLiteral("Label2")), Qt::LeftButton);
    QCOMPARE(selectedOption(dialog), QString());
}

void ReminderWindowTest::typicalDayFromFirstStartToTheNextStart()
{
    ProgramFixture fx;
    fx.start();
    Form *main = fx.window(QStringLiteral("frmMain"));
    ui::clickTick(ui::child<QCheckBox>(main, QStringLiteral("Check6"))); // beside "8 Tasks"
    ui::click(ui::child<QPushButton>(main, QStringLiteral("Command1")));
    Form *list = fx.window(QStringLiteral("frm8"));
    QVERIFY(list->isVisible());
    QVERIFY(!main->isVisible());
    const QStringList tasks{QStringLiteral("Post the letter"), QStringLiteral("Buy bread"), QStringLiteral("Ring Mum")};
    for (int row = 1; row <= 3; ++row)
        QTest::keyClicks(ui::child<QLineEdit>(list, QStringLiteral("Text%1").arg(row)), tasks[row - 1]);
    ui::clickTick(ui::child<QCheckBox>(list, QStringLiteral("Check1")));
    QVERIFY(!ui::child<QLineEdit>(list, QStringLiteral("Text1"))->isEnabled());
    ui::click(ui::child<QPushButton>(list, QStringLiteral("cmdsave")));
    ui::close(list);
    QVERIFY(main->isVisible());
    QVERIFY(ui::child<QCheckBox>(main, QStringLiteral("Check6"))->isChecked());

    Form *dialog = closeMainWindow(fx);
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmNotify")});
    ui::click(ui::child<QRadioButton>(dialog, QStringLiteral("Option2")));
    ui::clickTick(ui::child<QCheckBox>(dialog, QStringLiteral("chkNoShow")));
    ui::click(ui::child<QPushButton>(dialog, QStringLiteral("cmdquit")));
    QCOMPARE(fx.processEnds(), 1);
    QCOMPARE(fx.stored(autoLoadSection, autoLoadKey), QStringLiteral("10"));
    QCOMPARE(fx.stored(reminderSection, reminderKey), QStringLiteral("NoShow"));
    for (int row = 1; row <= 8; ++row) {
        QCOMPARE(fx.stored(taskSection(8), textKey(row)), row <= 3 ? tasks[row - 1] : QString());
        QCOMPARE(fx.stored(taskSection(8), tickKey(row)), row == 1 ? QStringLiteral("1") : QStringLiteral("0"));
    }

    fx.restart();
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frm10")});
}

void ReminderWindowTest::anOpenReminderFollowsTheChoiceUnlessAnotherIsPicked()
{
    ProgramFixture fx;
    if (!fx.testStore().followsChanges())
        QSKIP("this store is not watched here");
    fx.seed(storekeys::autoLoadSection, storekeys::autoLoadKey, QStringLiteral("5"));
    fx.program().forms().show(QStringLiteral("frmNotify"));
    Form *reminder = fx.window(QStringLiteral("frmNotify"));
    const auto chosenElsewhere = [&](const char *choice) {
        fx.testStore().writeAsAnotherCopy(
            {StoreChange::write(storekeys::autoLoadSection, storekeys::autoLoadKey, QString::fromLatin1(choice))});
    };
    chosenElsewhere("13");
    QTRY_COMPARE_WITH_TIMEOUT(selectedOption(reminder), QStringLiteral("Option3"), 1000);
    ui::click(ui::child<QRadioButton>(reminder, QStringLiteral("Option4")));
    chosenElsewhere("10");
    reminder->followStore(); // as the watch would, now
    QCOMPARE(selectedOption(reminder), QStringLiteral("Option4")); // the user's pick stays
}

QTEST_MAIN(ReminderWindowTest)
#include "tst_reminderwindow.moc"
