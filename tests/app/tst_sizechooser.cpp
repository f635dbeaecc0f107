// The twelve size boxes of the main window and its OK button.
#include "app/appearance.h"
#include "app/mainwindow.h"
#include "support/programfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The size box a user ticks for "N Tasks": the one left of that label.
QCheckBox *boxBeside(Form *main, int tasks)
{
    const QString caption = QStringLiteral("%1 Tasks").arg(tasks);
    for (QLineEdit *label : main->client()->findChildren<QLineEdit *>()) {
        if (label->text() != caption)
            continue;
        for (QCheckBox *box : main->client()->findChildren<QCheckBox *>()) {
            if (qAbs(box->geometry().center().y() - label->geometry().center().y()) <= 3 && box->x() < label->x()
                && label->x() - box->x() < 40)
                return box;
        }
    }
    qFatal("no box beside %s", qPrintable(caption));
}

QList<QCheckBox *> sizeBoxes(Form *main)
{
    return main->client()->findChildren<QCheckBox *>();
}

} // namespace

class SizeChooserTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void cleanup() { ProgramFixture::settle(); }

    void theBoxBesideALabelOpensThatList_data();
    void theBoxBesideALabelOpensThatList();
    void okWithNothingTickedAsksForASize();
    void tickingOneBoxLocksTheOthersUntilItIsUnticked();
    void tickingOpensNothingByItself();
    void comingBackFromAListKeepsTheChoice();
    void withSeveralTickedByCodeTheFirstByNameWins();

private:
    Form *startMain(ProgramFixture &fx)
    {
        fx.start();
        return fx.window(QStringLiteral("frmMain"));
    }
};

void SizeChooserTest::theBoxBesideALabelOpensThatList_data()
{
    QTest::addColumn<int>("tasks");
    QTest::addColumn<QString>("boxName");
    // The names do not follow the sizes: these are the boxes a user sees.
    QTest::newRow("3") << 3 << QStringLiteral("Check1");
    QTest::newRow("5") << 5 << QStringLiteral("Check2");
    QTest::newRow("6") << 6 << QStringLiteral("Check3");
    QTest::newRow("7") << 7 << QStringLiteral("Check4");
    QTest::newRow("8 is Check6") << 8 << QStringLiteral("Check6");
    QTest::newRow("9 is Check5") << 9 << QStringLiteral("Check5");
    QTest::newRow("10 is Check9") << 10 << QStringLiteral("Check9");
    QTest::newRow("11") << 11 << QStringLiteral("Check8");
    QTest::newRow("12 is Check7") << 12 << QStringLiteral("Check7");
    QTest::newRow("13") << 13 << QStringLiteral("Check10");
    QTest::newRow("14") << 14 << QStringLiteral("Check11");
    QTest::newRow("15") << 15 << QStringLiteral("Check12");
}

void SizeChooserTest::theBoxBesideALabelOpensThatList()
{
    QFETCH(int, tasks);
    QFETCH(QString, boxName);
    ProgramFixture fx;
    Form *main = startMain(fx);
    QCheckBox *box = boxBeside(main, tasks);
    QCOMPARE(box->objectName(), boxName);
    ui::clickTick(box);
    ui::click(ui::child<QPushButton>(main, QStringLiteral("Command1")));
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frm%1").arg(tasks)});
    QVERIFY(fx.window(QStringLiteral("frmMain"))); // hidden, not unloaded
    QVERIFY(fx.boxes().shown().isEmpty());
}

void SizeChooserTest::okWithNothingTickedAsksForASize()
{
    ProgramFixture fx;
    Form *main = startMain(fx);
    ui::click(ui::child<QPushButton>(main, QStringLiteral("Command1")));
    QCOMPARE(fx.boxes().shown().size(), 1);
    QCOMPARE(fx.boxes().shown().first().text, QStringLiteral("Please select number of tasks"));
    QCOMPARE(fx.boxes().shown().first().title, QStringLiteral("Error!"));
    QVERIFY(!fx.boxes().shown().first().question);
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmMain")});
}

void SizeChooserTest::tickingOneBoxLocksTheOthersUntilItIsUnticked()
{
    ProgramFixture fx;
    Form *main = startMain(fx);
    QCheckBox *twelve = boxBeside(main, 12);
    ui::clickTick(twelve);
    for (QCheckBox *box : sizeBoxes(main))
        QCOMPARE(box->isEnabled(), box == twelve);
    ui::clickTick(boxBeside(main, 3)); // locked: the click does nothing
    QVERIFY(!boxBeside(main, 3)->isChecked());
    ui::clickTick(twelve);
    for (QCheckBox *box : sizeBoxes(main)) {
        QVERIFY(box->isEnabled());
        QVERIFY(!box->isChecked());
    }
}

void SizeChooserTest::tickingOpensNothingByItself()
{
    ProgramFixture fx;
    Form *main = startMain(fx);
    ui::clickTick(boxBeside(main, 7));
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmMain")});
}

void SizeChooserTest::comingBackFromAListKeepsTheChoice()
{
    ProgramFixture fx;
    Form *main = startMain(fx);
    ui::clickTick(boxBeside(main, 8));
    ui::click(ui::child<QPushButton>(main, QStringLiteral("Command1")));
    ui::close(fx.window(QStringLiteral("frm8")));
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmMain")});
    QVERIFY(boxBeside(main, 8)->isChecked());
    QVERIFY(!boxBeside(main, 9)->isEnabled());
    ui::click(ui::child<QPushButton>(main, QStringLiteral("Command1")));
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frm8")});
}

void SizeChooserTest::withSeveralTickedByCodeTheFirstByNameWins()
{
    ProgramFixture fx;
    Form *main = startMain(fx);
    ui::child<QCheckBox>(main, QStringLiteral("Check12"))->setChecked(true);
    ui::child<QCheckBox>(main, QStringLiteral("Check6"))->setChecked(true);
    ui::click(ui::child<QPushButton>(main, QStringLiteral("Command1")));
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frm8")});
}

QTEST_MAIN(SizeChooserTest)
#include "tst_sizechooser.moc"
