// The task list window in all twelve sizes: opening, loading, the tick rule,
// and closing.
#include "app/appearance.h"
#include "lists/listlayouts.h"
#include "lists/tasklistwindow.h"
#include "store/storekeys.h"
#include "support/filebytes.h"
#include "support/programfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace storekeys;

namespace {

QColor background(const QLineEdit *text)
{
    return text->palette().color(text->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base);
}

const QColor grey(0xE0, 0xE0, 0xE0);
const QColor white(0xFF, 0xFF, 0xFF);

} // namespace

class TaskListWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void cleanup();

    void everySizeOpensEmptyWithTheFocusInTheFirstRow_data();
    void everySizeOpensEmptyWithTheFocusInTheFirstRow();
    void everySizeFitsItsRowsAndButtons_data();
    void everySizeFitsItsRowsAndButtons();
    void onlyTheBusyDayOpensInTheCorner_data();
    void onlyTheBusyDayOpensInTheCorner();
    void storedTickIsReadOnlyFromExactlyOne_data();
    void storedTickIsReadOnlyFromExactlyOne();
    void tickedRowLoadsWithItsTextGreyAndLocked();
    void untickingByClickOpensTheRowWithoutStoringAnything();
    void tickingByKeyboardLocksTheRow();
    void unsavedTypingIsGoneAfterReopening();
    void closingAListAlwaysBringsBackTheMainWindow();
    void aLongPastedTaskIsNotCut();
    void aListFollowsTheFileAndOneWithEditsKeepsThem();
    void aSyncProgramsCopyIsMergedBesideTheOpenWindow();

private:
    TaskListWindow *open(ProgramFixture &fx, int tasks);
};

void TaskListWindowTest::cleanup()
{
    ProgramFixture::settle();
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its program");
}

TaskListWindow *TaskListWindowTest::open(ProgramFixture &fx, int tasks)
{
    fx.program().showTaskList(tasks);
    return fx.window<TaskListWindow>(QStringLiteral("frm%1").arg(tasks));
}

static void addSizes()
{
    QTest::addColumn<int>("tasks");
    for (const ListLayout &layout : dayListLayouts())
        QTest::newRow(qPrintable(layout.formName)) << layout.tasks;
}

void TaskListWindowTest::everySizeOpensEmptyWithTheFocusInTheFirstRow_data()
{
    addSizes();
}

void TaskListWindowTest::everySizeOpensEmptyWithTheFocusInTheFirstRow()
{
    QFETCH(int, tasks);
    ProgramFixture fx;
    fx.seed(taskSection(tasks == 3 ? 5 : 3), textKey(1), QStringLiteral("another list's task"));
    TaskListWindow *list = open(fx, tasks);
    QVERIFY(list->isVisible());
    QVERIFY(list->windowTitle().startsWith(QStringLiteral("Tarnbook! ")));
    QCOMPARE(list->client()->findChildren<QLineEdit *>().size(), tasks);
    QCOMPARE(list->client()->findChildren<QCheckBox *>().size(), tasks);
    for (int row = 1; row <= tasks; ++row) {
        QCOMPARE(list->textBox(row)->text(), QString());
        QVERIFY(list->textBox(row)->isEnabled());
        QVERIFY(!list->tickBox(row)->isChecked());
    }
    QCOMPARE(list->focusWidget(), list->textBox(1));
    // Tab runs down the texts, then the ticks, then the four buttons.
    QCOMPARE(list->textBox(tasks)->nextInFocusChain(), list->tickBox(1));
    QCOMPARE(list->tickBox(tasks)->nextInFocusChain()->objectName(), QStringLiteral("cmdall"));
}

void TaskListWindowTest::everySizeFitsItsRowsAndButtons_data()
{
    addSizes();
}

void TaskListWindowTest::everySizeFitsItsRowsAndButtons()
{
    QFETCH(int, tasks);
    ProgramFixture fx;
    TaskListWindow *list = open(fx, tasks);
    const QRect area = list->client()->rect();
    QCOMPARE(area.width(), 250); // 3750 twips
    QCOMPARE(list->minimumSize(), list->maximumSize());
    QRect previous;
    for (int row = 1; row <= tasks; ++row) {
        const QRect text = list->textBox(row)->geometry();
        const QRect tick = list->tickBox(row)->geometry();
        QVERIFY(area.contains(text) && area.contains(tick));
        QVERIFY2(previous.isNull() || text.top() > previous.bottom(), "rows overlap");
        QVERIFY2(tick.top() >= text.top() && tick.bottom() <= text.bottom(), "tick box is not beside its text");
        const auto *number = ui::child<QLabel>(list, QStringLiteral("Label2(%1)").arg(row - 1));
        QCOMPARE(number->text(), QStringLiteral("%1.").arg(row));
        previous = text;
    }
    for (const char *name : {"cmdprint", "cmdsave", "cmdclear"}) {
        const QRect button = ui::child<QPushButton>(list, QString::fromLatin1(name))->geometry();
        QVERIFY2(area.contains(button), name);
        QVERIFY2(button.top() > previous.bottom(), name);
    }
}

void TaskListWindowTest::onlyTheBusyDayOpensInTheCorner_data()
{
    addSizes();
}

void TaskListWindowTest::onlyTheBusyDayOpensInTheCorner()
{
    QFETCH(int, tasks);
    ProgramFixture fx;
    TaskListWindow *list = open(fx, tasks);
    const QRect screen = list->screen()->geometry();
    if (tasks == 10) {
        QCOMPARE(list->geometry().topLeft(), QPoint(3, 22)); // 45 and 330 twips
    } else {
        QVERIFY(qAbs(list->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(list->geometry().center().y() - screen.center().y()) <= 1);
    }
}

void TaskListWindowTest::storedTickIsReadOnlyFromExactlyOne_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("1") << QStringLiteral("1") << true;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("2") << QStringLiteral("2") << false;
    QTest::newRow("leading blank") << QStringLiteral(" 1") << false;
    QTest::newRow("trailing blank") << QStringLiteral("1 ") << false;
    QTest::newRow("yes") << QStringLiteral("yes") << false;
    QTest::newRow("true") << QStringLiteral("true") << false;
    QTest::newRow("-1") << QStringLiteral("-1") << false;
}

void TaskListWindowTest::storedTickIsReadOnlyFromExactlyOne()
{
    QFETCH(QString, stored);
    QFETCH(bool, ticked);
    for (const int tasks : {3, 9, 15}) {
        ProgramFixture fx;
        // Only row 2 carries the value; its neighbours say otherwise.
        fx.seed(taskSection(tasks), tickKey(1), QStringLiteral("0"));
        fx.seed(taskSection(tasks), tickKey(2), stored);
        fx.seed(taskSection(tasks), tickKey(3), QStringLiteral("0"));
        TaskListWindow *list = open(fx, tasks);
        QCOMPARE(list->tickBox(2)->isChecked(), ticked);
        QCOMPARE(list->textBox(2)->isEnabled(), !ticked);
        for (int row = 1; row <= tasks; ++row) {
            if (row != 2)
                QVERIFY2(!list->tickBox(row)->isChecked(), qPrintable(QStringLiteral("row %1").arg(row)));
        }
    }
}

void TaskListWindowTest::tickedRowLoadsWithItsTextGreyAndLocked()
{
    ProgramFixture fx;
    fx.seed(taskSection(8), textKey(3), QStringLiteral("water the plants"));
    fx.seed(taskSection(8), tickKey(3), QStringLiteral("1"));
    TaskListWindow *list = open(fx, 8);
    QLineEdit *text = list->textBox(3);
    QCOMPARE(text->text(), QStringLiteral("water the plants"));
    QVERIFY(list->tickBox(3)->isChecked());
    QVERIFY(!text->isEnabled());
    QCOMPARE(background(text), grey);
    QCOMPARE(background(list->textBox(2)), white);
}

void TaskListWindowTest::untickingByClickOpensTheRowWithoutStoringAnything()
{
    ProgramFixture fx;
    fx.seed(taskSection(6), textKey(3), QStringLiteral("call the bank"));
    fx.seed(taskSection(6), tickKey(3), QStringLiteral("1"));
    TaskListWindow *list = open(fx, 6);
    ui::clickTick(list->tickBox(3));
    QVERIFY(!list->tickBox(3)->isChecked());
    QVERIFY(list->textBox(3)->isEnabled());
    QCOMPARE(background(list->textBox(3)), white);
    QCOMPARE(list->textBox(3)->text(), QStringLiteral("call the bank"));
    QCOMPARE(fx.stored(taskSection(6), tickKey(3)), QStringLiteral("1"));

    ui::clickTick(list->tickBox(3));
    QVERIFY(!list->textBox(3)->isEnabled());
    QCOMPARE(background(list->textBox(3)), grey);
}

void TaskListWindowTest::tickingByKeyboardLocksTheRow()
{
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 5);
    list->tickBox(4)->setFocus();
    QTest::keyClick(list->tickBox(4), Qt::Key_Space);
    QVERIFY(list->tickBox(4)->isChecked());
    QVERIFY(!list->textBox(4)->isEnabled());
}

void TaskListWindowTest::unsavedTypingIsGoneAfterReopening()
{
    ProgramFixture fx;
    fx.seed(taskSection(12), textKey(2), QStringLiteral("stored task"));
    TaskListWindow *list = open(fx, 12);
    list->textBox(2)->selectAll();
    QTest::keyClicks(list->textBox(2), QStringLiteral("typed over"));
    QCOMPARE(list->textBox(2)->text(), QStringLiteral("typed over"));
    ui::close(list);
    ProgramFixture::settle();
    list = open(fx, 12);
    QCOMPARE(list->textBox(2)->text(), QStringLiteral("stored task"));
}

void TaskListWindowTest::closingAListAlwaysBringsBackTheMainWindow()
{
    ProgramFixture fx;
    fx.start();
    fx.window(QStringLiteral("frmMain"))->hide();
    for (const ListLayout &layout : dayListLayouts()) {
        open(fx, layout.tasks);
        QVERIFY(!fx.isShown(QStringLiteral("frmMain")));
        ui::close(fx.window(layout.formName));
        QVERIFY2(fx.isShown(QStringLiteral("frmMain")), qPrintable(layout.formName));
        QVERIFY(!fx.window(layout.formName));
        fx.window(QStringLiteral("frmMain"))->hide();
    }
}

void TaskListWindowTest::aLongPastedTaskIsNotCut()
{
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 3);
    const QString longTask = QString(100000, u'a') + QStringLiteral("end");
    QApplication::clipboard()->setText(longTask);
    list->textBox(1)->setFocus();
    list->textBox(1)->paste();
    QCOMPARE(list->textBox(1)->text().size(), longTask.size());
}

// Another copy of the program, a command or a sync engine writes the file.
void TaskListWindowTest::aListFollowsTheFileAndOneWithEditsKeepsThem()
{
    ProgramFixture fx;
    if (!fx.testStore().followsChanges())
        QSKIP("this store is not watched here");
    fx.seed(taskSection(5), textKey(1), QStringLiteral("first"));
    fx.seed(taskSection(5), textKey(2), QStringLiteral("second"));
    TaskListWindow *list = open(fx, 5);
    TaskListWindow *edited = open(fx, 7);
    edited->textBox(1)->setText(QStringLiteral("typed here, not saved"));
    ui::activate(list);
    list->textBox(2)->setFocus();
    list->textBox(2)->setSelection(1, 3);
    QCOMPARE(list->textBox(2)->selectedText(), QStringLiteral("eco"));
    fx.testStore().writeAsAnotherCopy({StoreChange::write(taskSection(5), textKey(1), QStringLiteral("from elsewhere")),
                                       StoreChange::write(taskSection(5), tickKey(1), QStringLiteral("1")),
                                       StoreChange::write(taskSection(5), textKey(2), QStringLiteral("second")),
                                       StoreChange::write(taskSection(7), textKey(1), QStringLiteral("also elsewhere"))});
    // Within a second, with the selection of a row that did not change kept.
    QTRY_COMPARE_WITH_TIMEOUT(list->textBox(1)->text(), QStringLiteral("from elsewhere"), 1000);
    QVERIFY(list->tickBox(1)->isChecked() && !list->textBox(1)->isEnabled());
    QCOMPARE(list->textBox(2)->selectedText(), QStringLiteral("eco"));
    QCOMPARE(list->windowTitle(), QStringLiteral("Tarnbook! Normal Day"));
    // Unsaved edits stay; the caption says why the list may differ; Save
    // writes what the user typed.
    QCOMPARE(edited->textBox(1)->text(), QStringLiteral("typed here, not saved"));
    QVERIFY(edited->windowTitle().contains(QStringLiteral("changed elsewhere")));
    ui::click(ui::child<QPushButton>(edited, QStringLiteral("cmdsave")));
    QCOMPARE(fx.stored(taskSection(7), textKey(1)), QStringLiteral("typed here, not saved"));
    QCOMPARE(edited->windowTitle(), QStringLiteral("Tarnbook! 7 Tasks"));
    // The task it replaced goes to the record, and the user is told which.
    QCOMPARE(fx.boxes().shown().size(), 1);
    QVERIFY(fx.boxes().shown().first().text.contains(QStringLiteral("the 7-task list, task 1")));
    QVERIFY(fileBytes(fx.testStore().location()).contains("=also elsewhere\n"));
    // Put in just before Save, before its notice reached the window: a task
    // left as it was here stays and shows; one typed here too goes to the record.
    const qsizetype snapshots = fx.store().snapshots().size();
    edited->textBox(3)->setText(QStringLiteral("here"));
    fx.testStore().writeAsAnotherCopy({StoreChange::write(taskSection(7), textKey(2), QStringLiteral("just now")),
                                       StoreChange::write(taskSection(7), textKey(3), QStringLiteral("there"))});
    ui::click(ui::child<QPushButton>(edited, QStringLiteral("cmdsave")));
    QCOMPARE(fx.stored(taskSection(7), textKey(2)), QStringLiteral("just now"));
    QCOMPARE(edited->textBox(2)->text(), QStringLiteral("just now"));
    QCOMPARE(fx.stored(taskSection(7), textKey(3)), QStringLiteral("here"));
    QCOMPARE(fx.boxes().shown().size(), 2);
    QVERIFY(fx.boxes().shown().last().text.contains(QStringLiteral("the 7-task list, task 3")));
    QVERIFY(fileBytes(fx.testStore().location()).contains("=there\n"));
    QCOMPARE(fx.store().snapshots().size(), snapshots);
}

// The merge runs on a thread of its own; the window follows the file when
// the merged version lands, and the box tells what was merged.
void TaskListWindowTest::aSyncProgramsCopyIsMergedBesideTheOpenWindow()
{
    ProgramFixture fx;
    fx.seed(taskSection(5), textKey(1), QStringLiteral("first"));
    TaskListWindow *list = open(fx, 5);
    if (!fx.testStore().leaveConflictCopy({StoreChange::write(taskSection(5), textKey(2), QStringLiteral("from the laptop"))}))
        QSKIP("no settings file here");
    fx.store().apply({StoreChange::write(taskSection(5), textKey(3), QStringLiteral("here"))});
    QTRY_COMPARE(list->textBox(2)->text(), QStringLiteral("from the laptop"));
    QCOMPARE(list->textBox(3)->text(), QStringLiteral("here"));
    QTRY_COMPARE(fx.boxes().shown().size(), 1);
    QVERIFY(fx.boxes().shown().first().text.contains(QStringLiteral("merged")));
}

QTEST_MAIN(TaskListWindowTest)
#include "tst_tasklistwindow.moc"
