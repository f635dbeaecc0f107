// Save, clear, tick all and print, in the list windows.
#include "app/appearance.h"
#include "forms/printing.h"
#include "lists/listlayouts.h"
#include "lists/tasklistwindow.h"
#include "store/storekeys.h"
#include "support/programfixture.h"
#include "support/filebytes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

using namespace storekeys;

namespace {

QPushButton *button(TaskListWindow *list, const char *name)
{
    return ui::child<QPushButton>(list, QString::fromLatin1(name));
}

} // namespace

class ListCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { ProgramFixture::settle(); }

    void savedListComesBackAfterReopening_data();
    void savedListComesBackAfterReopening();
    void saveWritesEveryKeyOfTheList();
    void saveKeepsTheFocusOnItsButtonAndChangesNothingOnScreen();
    void saveRefusedByTheStoreLeavesTheStoredListAndTellsWhy_data();
    void saveRefusedByTheStoreLeavesTheStoredListAndTellsWhy();
    void clearOfANeverSavedListSaysNothing();
    void clearDeletesTheStoredListAtOnce();
    void clearLeavesEveryOtherList();
    void clearAfterTickAllOpensEveryRow();
    void tickAllLeavesTicksAlreadySetAndStoresNothing();
    void accessKeysRunTheCommands();
    void printSendsThePictureOfTheListAsItStands();
    void printDrawsOnePageAtThePrintersResolution();
    void printWithNoPrinterDoesNothing();
    void aPrintTheSystemRefusesIsTold();
    void ctrlZRightAfterClearListOrTickAllTakesItBack_data();
    void ctrlZRightAfterClearListOrTickAllTakesItBack();

private:
    TaskListWindow *open(ProgramFixture &fx, int tasks)
    {
        fx.program().showTaskList(tasks);
        return fx.window<TaskListWindow>(QStringLiteral("frm%1").arg(tasks));
    }
    TaskListWindow *reopen(ProgramFixture &fx, TaskListWindow *list)
    {
        const int tasks = list->taskCount();
        ui::close(list);
        ProgramFixture::settle();
        return open(fx, tasks);
    }
};

void ListCommandsTest::initTestCase()
{
    // No print server answers here, whatever the machine has.
    qputenv("CUPS_SERVER", QFile::encodeName(QDir::temp().filePath(QStringLiteral("no-cups-here.sock"))));
    applyAppearance();
}

void ListCommandsTest::savedListComesBackAfterReopening_data()
{
    QTest::addColumn<int>("tasks");
    for (const ListLayout &layout : dayListLayouts())
        QTest::newRow(qPrintable(layout.formName)) << layout.tasks;
}

void ListCommandsTest::savedListComesBackAfterReopening()
{
    QFETCH(int, tasks);
    ProgramFixture fx;
    TaskListWindow *list = open(fx, tasks);
    for (int row = 1; row <= tasks; row += 2)
        QTest::keyClicks(list->textBox(row), QStringLiteral(" task %1 = done; #%1 ").arg(row));
    ui::clickTick(list->tickBox(1));
    ui::clickTick(list->tickBox(tasks));
    ui::click(button(list, "cmdsave"));
    QVERIFY(fx.boxes().shown().isEmpty());
    // Save again, and Clear List then Save: the window's own steps, no box
    // and no snapshot beyond the one Clear List keeps.
    const qsizetype snapshots = fx.store().snapshots().size();
    ui::click(button(list, "cmdsave"));
    const QList<TaskRow> shown = [&] {
        QList<TaskRow> rows;
        for (int row = 1; row <= tasks; ++row)
            rows << TaskRow{list->textBox(row)->text(), list->tickBox(row)->isChecked()};
        return rows;
    }();
    ui::click(button(list, "cmdclear"));
    ui::click(button(list, "cmdsave"));
    QVERIFY2(fx.boxes().shown().isEmpty(), qPrintable(fx.boxes().texts().join(u'|')));
    QCOMPARE(fx.store().snapshots().size(), snapshots + (fx.store().keepsSnapshots() ? 1 : 0));
    for (int row = 1; row <= tasks; ++row) {
        list->textBox(row)->setText(shown[row - 1].text);
        list->tickBox(row)->setChecked(shown[row - 1].ticked);
    }
    ui::click(button(list, "cmdsave"));

    list = reopen(fx, list);
    for (int row = 1; row <= tasks; ++row) {
        const QString expected = row % 2 ? QStringLiteral(" task %1 = done; #%1 ").arg(row) : QString();
        QCOMPARE(list->textBox(row)->text(), expected);
        const bool ticked = row == 1 || row == tasks;
        QCOMPARE(list->tickBox(row)->isChecked(), ticked);
        QCOMPARE(list->textBox(row)->isEnabled(), !ticked);
    }
}

void ListCommandsTest::saveWritesEveryKeyOfTheList()
{
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 6);
    list->textBox(2)->setText(QStringLiteral("only text"));
    ui::clickTick(list->tickBox(6));
    ui::click(button(list, "cmdsave"));
    QStringList keys = fx.testStore().keys();
    keys.sort();
    QStringList expected;
    if (fx.testStore().followsChanges()) // the settings file records when, for merging with another machine's: the list, and each row changed
        expected << QStringLiteral("Saved/Task6") << QStringLiteral("Saved/Task6-row2") << QStringLiteral("Saved/Task6-row6");
    for (int row = 1; row <= 6; ++row)
        expected << QStringLiteral("Task6/Text%1").arg(row) << QStringLiteral("Task6/Tick%1").arg(row);
    expected.sort();
    QCOMPARE(keys, expected);
    for (int row = 1; row <= 6; ++row)
        QCOMPARE(fx.stored(taskSection(6), tickKey(row)), row == 6 ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(fx.stored(taskSection(6), textKey(2)), QStringLiteral("only text"));
}

void ListCommandsTest::saveKeepsTheFocusOnItsButtonAndChangesNothingOnScreen()
{
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 5);
    list->textBox(1)->setText(QStringLiteral("a"));
    ui::clickTick(list->tickBox(2));
    ui::click(button(list, "cmdsave"));
    QCOMPARE(list->focusWidget(), button(list, "cmdsave"));
    QCOMPARE(list->textBox(1)->text(), QStringLiteral("a"));
    QVERIFY(list->tickBox(2)->isChecked());
    QVERIFY(list->isVisible());
}

void ListCommandsTest::saveRefusedByTheStoreLeavesTheStoredListAndTellsWhy_data()
{
    QTest::addColumn<int>("readOnly"); // 0: nothing, 1: the file, 2: the whole folder
    QTest::addColumn<int>("fourthLength");
    QTest::addColumn<QString>("why");
    QTest::newRow("read-only file") << 1 << 3 << QStringLiteral("read-only");
    QTest::newRow("read-only folder") << 2 << 3 << QStringLiteral("read-only");
    QTest::newRow("a task over a million characters") << 0 << 1000001
                                                       << QStringLiteral("Task 4 is longer than 1,000,000 characters");
}

void ListCommandsTest::saveRefusedByTheStoreLeavesTheStoredListAndTellsWhy()
{
    QFETCH(int, readOnly);
    QFETCH(int, fourthLength);
    QFETCH(QString, why);
    ProgramFixture fx;
    fx.seed(taskSection(7), textKey(1), QStringLiteral("stored"));
    fx.seed(taskSection(7), tickKey(1), QStringLiteral("0"));
    const QByteArray before = fx.testStore().snapshot();
    if (readOnly && !fx.testStore().makeReadOnly(readOnly == 2))
        QSKIP("the store cannot be made read-only here");

    TaskListWindow *list = open(fx, 7);
    list->textBox(1)->setText(QStringLiteral("changed"));
    list->textBox(4)->setText(QString(fourthLength, u'n'));
    ui::clickTick(list->tickBox(1));
    ui::click(button(list, "cmdsave"));
    fx.testStore().makeWritable();

    QCOMPARE(fx.boxes().shown().size(), 1);
    const auto message = fx.boxes().shown().first();
    QCOMPARE(message.title, QStringLiteral("Error!"));
    QVERIFY2(message.text.contains(QStringLiteral("not saved")), qPrintable(message.text));
    QVERIFY2(message.text.contains(why), qPrintable(message.text));
    QCOMPARE(fx.testStore().snapshot(), before);
    QCOMPARE(fx.stored(taskSection(7), textKey(1)), QStringLiteral("stored"));
    // The window keeps what the user typed, and a later save goes through.
    QCOMPARE(list->textBox(1)->text(), QStringLiteral("changed"));
    QVERIFY(list->tickBox(1)->isChecked());
    list->textBox(4)->setText(QStringLiteral("new"));
    ui::click(button(list, "cmdsave"));
    QCOMPARE(fx.boxes().shown().size(), 1);
    QCOMPARE(fx.stored(taskSection(7), textKey(4)), QStringLiteral("new"));
}

void ListCommandsTest::clearOfANeverSavedListSaysNothing()
{
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 9);
    list->textBox(3)->setText(QStringLiteral("typed"));
    ui::click(button(list, "cmdclear"));
    QVERIFY(fx.boxes().shown().isEmpty());
    for (int row = 1; row <= 9; ++row) {
        QCOMPARE(list->textBox(row)->text(), QString());
        QVERIFY(list->textBox(row)->isEnabled());
        QVERIFY(!list->tickBox(row)->isChecked());
    }
}

void ListCommandsTest::clearDeletesTheStoredListAtOnce()
{
    ProgramFixture fx;
    fx.seed(taskSection(11), textKey(5), QStringLiteral("stored"));
    TaskListWindow *list = open(fx, 11);
    ui::click(button(list, "cmdclear"));
    QCOMPARE(fx.stored(taskSection(11), textKey(5)), QString());
    list = reopen(fx, list); // closed without saving
    QCOMPARE(list->textBox(5)->text(), QString());
}

void ListCommandsTest::clearLeavesEveryOtherList()
{
    ProgramFixture fx;
    for (const ListLayout &layout : dayListLayouts())
        fx.seed(layout.section, textKey(1), layout.formName);
    fx.seed(privateSection, textKey(1), QStringLiteral("private"));
    ui::click(button(open(fx, 13), "cmdclear"));
    for (const ListLayout &layout : dayListLayouts())
        QCOMPARE(fx.stored(layout.section, textKey(1)), layout.tasks == 13 ? QString() : layout.formName);
    QCOMPARE(fx.stored(privateSection, textKey(1)), QStringLiteral("private"));
}

void ListCommandsTest::clearAfterTickAllOpensEveryRow()
{
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 10);
    for (int row = 1; row <= 10; ++row)
        list->textBox(row)->setText(QString::number(row));
    ui::click(button(list, "cmdall"));
    ui::click(button(list, "cmdclear"));
    for (int row = 1; row <= 10; ++row) {
        QCOMPARE(list->textBox(row)->text(), QString());
        QVERIFY(!list->tickBox(row)->isChecked());
        QVERIFY(list->textBox(row)->isEnabled());
        QCOMPARE(list->textBox(row)->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
    }
}

void ListCommandsTest::tickAllLeavesTicksAlreadySetAndStoresNothing()
{
    ProgramFixture fx;
    fx.seed(taskSection(14), tickKey(2), QStringLiteral("1"));
    TaskListWindow *list = open(fx, 14);
    ui::click(button(list, "cmdall"));
    for (int row = 1; row <= 14; ++row) {
        QVERIFY(list->tickBox(row)->isChecked());
        QVERIFY(!list->textBox(row)->isEnabled());
        QCOMPARE(list->textBox(row)->palette().color(QPalette::Disabled, QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
    }
    list = reopen(fx, list);
    for (int row = 1; row <= 14; ++row)
        QCOMPARE(list->tickBox(row)->isChecked(), row == 2);
}

void ListCommandsTest::accessKeysRunTheCommands()
{
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 3);
    ui::activate(list);
    list->textBox(1)->setFocus();
    QTest::keyClicks(list->textBox(1), QStringLiteral("by keyboard"));
    QTest::keyClick(list, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(fx.stored(taskSection(3), textKey(1)), QStringLiteral("by keyboard"));
    QTest::keyClick(list, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(list->textBox(1)->text(), QString());
    QTest::keyClick(list, Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(fx.printer().pages.size(), 1);
}

void ListCommandsTest::printSendsThePictureOfTheListAsItStands()
{
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 5);
    list->textBox(2)->setText(QStringLiteral("done task"));
    ui::clickTick(list->tickBox(2));
    ui::click(button(list, "cmdprint"));
    QCOMPARE(fx.printer().pages.size(), 1);
    const QImage page = fx.printer().pages.first();
    QCOMPARE(page.size() / page.devicePixelRatio(), list->client()->size()); // the inner area, no title bar
    const QPoint inDoneRow = list->textBox(2)->geometry().topLeft() + QPoint(list->textBox(2)->width() - 6, 6);
    QCOMPARE(page.pixelColor(inDoneRow * page.devicePixelRatio()), QColor(0xE0, 0xE0, 0xE0));
    QVERIFY(list->isVisible());
    QCOMPARE(list->textBox(2)->text(), QStringLiteral("done task"));
}

void ListCommandsTest::printDrawsOnePageAtThePrintersResolution()
{
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 15);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("list.pdf")));
    QVERIFY(printOnOnePage(list->client(), printer));
    const QByteArray pdf = fileBytes(dir.filePath(QStringLiteral("list.pdf")));
    QVERIFY(pdf.startsWith("%PDF"));
    const auto pages = QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")).globalMatch(QString::fromLatin1(pdf));
    int count = 0;
    for (auto it = pages; it.hasNext(); it.next())
        ++count;
    QCOMPARE(count, 1);
}

void ListCommandsTest::printWithNoPrinterDoesNothing()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer");
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 8);
    DefaultPrinter printer;
    QCOMPARE(printer.print(list->client()).status, PrintOutcome::Status::NoPrinter);
    ui::click(button(list, "cmdprint"));
    QVERIFY(fx.boxes().shown().isEmpty()); // nothing to tell
    list->textBox(1)->setText(QStringLiteral("still usable"));
    QCOMPARE(list->textBox(1)->text(), QStringLiteral("still usable"));
    QVERIFY(list->isVisible());
}

void ListCommandsTest::aPrintTheSystemRefusesIsTold()
{
    ProgramFixture fx;
    TaskListWindow *list = open(fx, 5);
    list->textBox(1)->setText(QStringLiteral("kept"));
    fx.printer().refusal = QStringLiteral("Destination \"Office\" is not accepting jobs");
    ui::click(button(list, "cmdprint"));
    QCOMPARE(fx.boxes().texts(),
             QStringList{QStringLiteral("The list could not be printed: Destination \"Office\" is not accepting jobs.")});
    QCOMPARE(fx.boxes().shown().first().title, QStringLiteral("Error!"));
    QCOMPARE(list->textBox(1)->text(), QStringLiteral("kept"));
}

void ListCommandsTest::ctrlZRightAfterClearListOrTickAllTakesItBack_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("typedBetween");
    QTest::addColumn<bool>("inARow"); // Ctrl+Z pressed in a text box, which takes it for its own typing otherwise
    QTest::newRow("Clear List") << "cmdclear" << false << false;
    QTest::newRow("Tick All") << "cmdall" << false << false;
    QTest::newRow("Clear List, Ctrl+Z in a row") << "cmdclear" << false << true;
    QTest::newRow("Clear List, then typing") << "cmdclear" << true << true;
}

void ListCommandsTest::ctrlZRightAfterClearListOrTickAllTakesItBack()
{
    QFETCH(QString, command);
    QFETCH(bool, typedBetween);
    QFETCH(bool, inARow);
    ProgramFixture fx;
    fx.seed(taskSection(5), textKey(1), QStringLiteral("first"));
    fx.seed(taskSection(5), tickKey(1), QStringLiteral("1"));
    fx.seed(taskSection(5), textKey(3), QStringLiteral("third"));
    fx.program().showTaskList(5);
    auto *list = fx.window<TaskListWindow>(QStringLiteral("frm5"));
    ui::activate(list);
    ui::click(ui::child<QPushButton>(list, command));
    if (inARow)
        list->textBox(2)->setFocus();
    if (typedBetween)
        QTest::keyClicks(list->textBox(2), QStringLiteral("new"));
    QTest::keyClick(list->focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    if (typedBetween) {
        QCOMPARE(list->textBox(1)->text(), QString()); // the clear stays; the typing was taken back
        QCOMPARE(list->textBox(2)->text(), QString());
        return;
    }
    QCOMPARE(list->textBox(1)->text(), QStringLiteral("first"));
    QVERIFY(list->tickBox(1)->isChecked());
    QCOMPARE(list->textBox(3)->text(), QStringLiteral("third"));
    QVERIFY(!list->tickBox(3)->isChecked());
    // Unsaved: Clear List's removal stays in the store until the next save.
    QCOMPARE(fx.stored(taskSection(5), textKey(1)), command == QLatin1String("cmdclear") ? QString() : QStringLiteral("first"));
    // A second Ctrl+Z does nothing.
    QTest::keyClick(list->focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(list->textBox(3)->text(), QStringLiteral("third"));
    QVERIFY(list->tickBox(1)->isChecked());
}

QTEST_MAIN(ListCommandsTest)
#include "tst_listcommands.moc"
