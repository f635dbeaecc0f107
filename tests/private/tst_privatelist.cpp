// The private list behind its password: creating, entering and changing the
// password, and the masked five-task list.
#include "app/appearance.h"
#include "lists/tasklistwindow.h"
#include "private/keptrows.h"
#include "private/passwordhash.h"
#include "private/privatevault.h"
#include "store/storekeys.h"
#include "support/fastderivation.h"
#include "support/programfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

using namespace storekeys;

namespace {

QLineEdit *box(Form *window, const char *name)
{
    return ui::child<QLineEdit>(window, QString::fromLatin1(name));
}

QPushButton *button(Form *window, const char *name)
{
    return ui::child<QPushButton>(window, QString::fromLatin1(name));
}

} // namespace

class PrivateListTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        applyAppearance();
        useFastDerivations(true);
    }
    void cleanup();

    void viewWithoutAPasswordAsksToCreateOne();
    void creationRejectsBlankOrDifferentEntries_data();
    void creationRejectsBlankOrDifferentEntries();
    void createdPasswordIsStoredAsAHashAndAskedForNext();
    void entryOpensTheListOnlyForTheExactPassword_data();
    void entryOpensTheListOnlyForTheExactPassword();
    void entryWithAnEmptyBoxAsksForThePassword();
    void okAnswersEveryMouseButtonAndTheKeyboard_data();
    void okAnswersEveryMouseButtonAndTheKeyboard();
    void aKeyboardOkAfterAFailedMouseOkRunsAtOnce();
    void enterAndEscapeInTheBoxDoNothing();
    void aPlainPasswordFromAnEarlierVersionIsReplacedByItsHash();
    void changingAStoredPasswordNeedsTheCurrentOne();
    void changeWithNoPasswordOpensCreationSilently_data();
    void changeWithNoPasswordOpensCreationSilently();
    void changedAndAbandonedLeavesNoPasswordButTheTasks();
    void tickedTasksAreMaskedOneStarPerCharacter();
    void savedMaskedTasksKeepTheirRealTextsAndComeBackMasked();
    void tickAllMasksEveryRowAndClearRemovesEveryMask();
    void closingThePrivateListBringsBackTheMainWindow();
    void anAlteredSavedListOpensEmptyAndSaysSo();
    void rowsTypedWhileTheKeyChangesElsewhereAreKeptAndPutBack_data();
    void rowsTypedWhileTheKeyChangesElsewhereAreKeptAndPutBack();

private:
    Form *window(ProgramFixture &fx, const char *name) { return fx.window(QString::fromLatin1(name)); }
    TaskListWindow *openWithPassword(ProgramFixture &fx, const QString &password);
    TaskListWindow *createThenEnter(ProgramFixture &fx, const QString &password);
};

void PrivateListTest::cleanup()
{
    ProgramFixture::settle();
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its program");
}

TaskListWindow *PrivateListTest::openWithPassword(ProgramFixture &fx, const QString &password)
{
    if (fx.stored(passwordSection, passwordKey).isEmpty())
        fx.seed(passwordSection, passwordKey, passwordhash::hash(password));
    if (!fx.window(QStringLiteral("frmMain")))
        fx.start();
    ui::trigger(window(fx, "frmMain"), QStringLiteral("mnupriv"));
    Form *entry = window(fx, "frmpriv");
    box(entry, "Text1")->setText(password);
    ui::click(button(entry, "cmdok"));
    return fx.window<TaskListWindow>(QStringLiteral("frmpriva2"));
}

// From the creation window on screen: the new password typed twice, then
// typed again in the entry window that follows.
TaskListWindow *PrivateListTest::createThenEnter(ProgramFixture &fx, const QString &password)
{
    Form *creation = window(fx, "frmpassass");
    box(creation, "txtpass1")->setText(password);
    box(creation, "txtpass2")->setText(password);
    ui::click(button(creation, "cmdok"));
    Form *entry = window(fx, "frmpriv");
    box(entry, "Text1")->setText(password);
    ui::click(button(entry, "cmdok"));
    return fx.window<TaskListWindow>(QStringLiteral("frmpriva2"));
}

void PrivateListTest::viewWithoutAPasswordAsksToCreateOne()
{
    ProgramFixture fx;
    fx.start();
    ui::trigger(window(fx, "frmMain"), QStringLiteral("mnupriv"));
    QCOMPARE(fx.shownWindows(), (QStringList{QStringLiteral("frmNotify"), QStringLiteral("frmpassass")}));
    Form *creation = window(fx, "frmpassass");
    QCOMPARE(creation->windowTitle(), QStringLiteral("Create Password"));
    QCOMPARE(creation->focusWidget(), box(creation, "txtpass1"));
    QVERIFY(!creation->shownInTaskbar());
}

void PrivateListTest::creationRejectsBlankOrDifferentEntries_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("both empty") << QString() << QString();
    QTest::newRow("first empty") << QString() << QStringLiteral("pw");
    QTest::newRow("second empty") << QStringLiteral("pw") << QString();
    QTest::newRow("letter case") << QStringLiteral("Secret") << QStringLiteral("secret");
    QTest::newRow("trailing blank") << QStringLiteral("Secret") << QStringLiteral("Secret ");
}

void PrivateListTest::creationRejectsBlankOrDifferentEntries()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    ProgramFixture fx;
    fx.program().forms().show(QStringLiteral("frmpassass"));
    Form *creation = window(fx, "frmpassass");
    box(creation, "txtpass1")->setText(first);
    box(creation, "txtpass2")->setText(second);
    ui::click(button(creation, "cmdok"));
    QCOMPARE(fx.boxes().texts(), QStringList{QStringLiteral("Passwords are blank or do not match")});
    QCOMPARE(fx.boxes().shown().first().title, QStringLiteral("Error!"));
    QVERIFY(!fx.testStore().keys().contains(QStringLiteral("Password/Ok")));
    QVERIFY(creation->isVisible());
    QCOMPARE(box(creation, "txtpass1")->text(), first);
    QCOMPARE(box(creation, "txtpass2")->text(), second);
}

void PrivateListTest::createdPasswordIsStoredAsAHashAndAskedForNext()
{
    ProgramFixture fx;
    fx.seed(taskSection(5), textKey(1), QStringLiteral("a day list"));
    fx.start();
    ui::trigger(window(fx, "frmMain"), QStringLiteral("mnupriv"));
    Form *creation = window(fx, "frmpassass");
    QTest::keyClicks(box(creation, "txtpass1"), QStringLiteral("   "));
    QTest::keyClicks(box(creation, "txtpass2"), QStringLiteral("   "));
    QCOMPARE(box(creation, "txtpass1")->displayText(), QStringLiteral("***"));
    // A password the store refused is not called set.
    if (fx.testStore().makeReadOnly(true)) {
        ui::click(button(creation, "cmdok"));
        QVERIFY(fx.boxes().texts().last().startsWith(QStringLiteral("The password was not saved.")));
        QCOMPARE(fx.stored(passwordSection, passwordKey), QString());
        fx.testStore().makeWritable();
        fx.boxes().clear();
    }
    ui::click(button(creation, "cmdok"));
    QCOMPARE(fx.boxes().texts(), QStringList{QStringLiteral("Password Set!")});
    QCOMPARE(fx.boxes().shown().first().title, QStringLiteral("Velmorwick"));
    const QString stored = fx.stored(passwordSection, passwordKey);
    QVERIFY(stored.startsWith(QStringLiteral("$argon2id$")));
    QCOMPARE(passwordhash::check(stored, QStringLiteral("   ")), passwordhash::Verdict::Matches);
    ProgramFixture::settle();
    QVERIFY(!window(fx, "frmpassass"));
    Form *entry = window(fx, "frmpriv");
    QVERIFY(entry->isVisible());
    QCOMPARE(box(entry, "Text1")->text(), QString());
    QVERIFY(!window(fx, "frmpriva2")); // the list waits for the password
}

void PrivateListTest::entryOpensTheListOnlyForTheExactPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");
    QTest::newRow("exact") << QStringLiteral("Tulip42") << QStringLiteral("Tulip42") << true;
    QTest::newRow("other case") << QStringLiteral("Tulip42") << QStringLiteral("TULIP42") << false;
    QTest::newRow("extra blank") << QStringLiteral("Tulip42") << QStringLiteral("Tulip42 ") << false;
    QTest::newRow("same spaces") << QStringLiteral("   ") << QStringLiteral("   ") << true;
    QTest::newRow("fewer spaces") << QStringLiteral("   ") << QStringLiteral("  ") << false;
}

void PrivateListTest::entryOpensTheListOnlyForTheExactPassword()
{
    QFETCH(QString, password);
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    ProgramFixture fx;
    fx.seed(passwordSection, passwordKey, passwordhash::hash(password));
    fx.program().forms().show(QStringLiteral("frmpriv"));
    Form *entry = window(fx, "frmpriv");
    QTest::keyClicks(box(entry, "Text1"), typed);
    ui::click(button(entry, "cmdok"));
    ProgramFixture::settle();
    if (opens) {
        QVERIFY(fx.boxes().shown().isEmpty());
        QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmpriva2")});
        QVERIFY(!window(fx, "frmpriv")); // no entry window left behind
    } else {
        QCOMPARE(fx.boxes().texts(), QStringList{QStringLiteral("Wrong password, please try again")});
        QCOMPARE(fx.boxes().shown().first().title, QStringLiteral("Error!"));
        QCOMPARE(box(entry, "Text1")->text(), typed);
        QCOMPARE(entry->focusWidget(), box(entry, "Text1"));
        QVERIFY(!window(fx, "frmpriva2"));
    }
}

void PrivateListTest::entryWithAnEmptyBoxAsksForThePassword()
{
    ProgramFixture fx;
    fx.program().forms().show(QStringLiteral("frmpriv")); // nothing stored: the message does not care
    Form *entry = window(fx, "frmpriv");
    ui::click(button(entry, "cmdok"));
    QCOMPARE(fx.boxes().texts(), QStringList{QStringLiteral("Password field cannot be blank")});
    QCOMPARE(entry->focusWidget(), box(entry, "Text1"));
}

void PrivateListTest::okAnswersEveryMouseButtonAndTheKeyboard_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("left button") << QStringLiteral("left");
    QTest::newRow("right button") << QStringLiteral("right");
    QTest::newRow("middle button") << QStringLiteral("middle");
    QTest::newRow("space") << QStringLiteral("space");
    QTest::newRow("alt+o") << QStringLiteral("alt+o");
}

void PrivateListTest::okAnswersEveryMouseButtonAndTheKeyboard()
{
    QFETCH(QString, how);
    ProgramFixture fx;
    fx.program().forms().show(QStringLiteral("frmpriv"));
    Form *entry = window(fx, "frmpriv");
    ui::activate(entry);
    QPushButton *ok = button(entry, "cmdok");
    if (how == QLatin1String("left"))
        QTest::mouseClick(ok, Qt::LeftButton);
    else if (how == QLatin1String("right"))
        QTest::mouseClick(ok, Qt::RightButton);
    else if (how == QLatin1String("middle"))
        QTest::mouseClick(ok, Qt::MiddleButton);
    else if (how == QLatin1String("space")) {
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Space);
    } else {
        box(entry, "Text1")->setFocus();
        QTest::keyClick(entry, Qt::Key_O, Qt::AltModifier);
    }
    // Exactly one check ran: the empty box is reported once.
    QTRY_COMPARE(fx.boxes().texts(), QStringList{QStringLiteral("Password field cannot be blank")});
    ProgramFixture::settle(); // whatever the click set going has run
    QCOMPARE(fx.boxes().shown().size(), 1);
}

void PrivateListTest::aKeyboardOkAfterAFailedMouseOkRunsAtOnce()
{
    // A real box takes the mouse from the button that was held down.
    ProgramFixture fx;
    fx.boxes().useRealInformationBoxes();
    fx.seed(storekeys::passwordSection, storekeys::passwordKey, passwordhash::hash(QStringLiteral("right")));
    fx.program().forms().show(QStringLiteral("frmpriv"));
    Form *entry = window(fx, "frmpriv");
    ui::activate(entry);
    QTest::keyClicks(box(entry, "Text1"), QStringLiteral("wrong"));
    QTest::mouseClick(button(entry, "cmdok"), Qt::LeftButton);
    QCOMPARE(fx.boxes().texts(), QStringList{QStringLiteral("Wrong password, please try again")});
    box(entry, "Text1")->clear();
    QTest::keyClicks(box(entry, "Text1"), QStringLiteral("right"));
    button(entry, "cmdok")->setFocus();
    QTest::keyClick(button(entry, "cmdok"), Qt::Key_Space);
    QTRY_VERIFY(fx.isShown(QStringLiteral("frmpriva2")));
    QCOMPARE(fx.boxes().shown().size(), 1);
}

void PrivateListTest::enterAndEscapeInTheBoxDoNothing()
{
    ProgramFixture fx;
    fx.program().forms().show(QStringLiteral("frmpriv"));
    Form *entry = window(fx, "frmpriv");
    ui::activate(entry);
    box(entry, "Text1")->setFocus();
    QTest::keyClick(box(entry, "Text1"), Qt::Key_Return);
    QTest::keyClick(box(entry, "Text1"), Qt::Key_Escape);
    ProgramFixture::settle();
    QVERIFY(fx.boxes().shown().isEmpty());
    QVERIFY(entry->isVisible());
}

void PrivateListTest::aPlainPasswordFromAnEarlierVersionIsReplacedByItsHash()
{
    ProgramFixture fx;
    fx.seed(passwordSection, passwordKey, QStringLiteral("Open Sesame"));
    fx.seed(privateSection, textKey(1), QStringLiteral("old secret"));
    TaskListWindow *list = openWithPassword(fx, QStringLiteral("Open Sesame"));
    QVERIFY(list);
    QCOMPARE(list->textBox(1)->text(), QStringLiteral("old secret"));
    const QString stored = fx.stored(passwordSection, passwordKey);
    QVERIFY(!stored.contains(QStringLiteral("Open Sesame")));
    QCOMPARE(passwordhash::check(stored, QStringLiteral("Open Sesame")), passwordhash::Verdict::Matches);
}

void PrivateListTest::changingAStoredPasswordNeedsTheCurrentOne()
{
    ProgramFixture fx;
    const QString hash = passwordhash::hash(QStringLiteral("Tulip42"));
    fx.seed(passwordSection, passwordKey, hash);
    fx.seed(privateSection, textKey(2), QStringLiteral("kept"));
    fx.start();
    ui::trigger(window(fx, "frmMain"), QStringLiteral("mnuchange"));
    QCOMPARE(fx.stored(passwordSection, passwordKey), hash); // nothing deleted yet
    Form *entry = window(fx, "frmpriv");
    QVERIFY(entry->isVisible());
    QVERIFY(!window(fx, "frmpassass"));

    ui::click(button(entry, "cmdchange"));
    QTest::keyClicks(box(entry, "Text1"), QStringLiteral("tulip42"));
    ui::click(button(entry, "cmdchange"));
    QCOMPARE(fx.boxes().texts(), (QStringList{QStringLiteral("Password field cannot be blank"),
                                              QStringLiteral("Wrong password, please try again")}));
    QCOMPARE(fx.stored(passwordSection, passwordKey), hash);

    box(entry, "Text1")->setText(QStringLiteral("Tulip42"));
    ui::click(button(entry, "cmdchange"));
    ProgramFixture::settle();
    QCOMPARE(fx.stored(passwordSection, passwordKey), QString());
    QVERIFY(!window(fx, "frmpriv"));
    QVERIFY(window(fx, "frmpassass")->isVisible());
    TaskListWindow *list = createThenEnter(fx, QStringLiteral("Rose"));
    QVERIFY(list);
    QCOMPARE(list->textBox(2)->text(), QStringLiteral("kept"));
}

void PrivateListTest::changeWithNoPasswordOpensCreationSilently_data()
{
    QTest::addColumn<bool>("removedMeanwhile"); // from the password box, removed by another copy while it was open
    QTest::newRow("from the main menu") << false;
    QTest::newRow("from the password box, the password removed meanwhile") << true;
}

void PrivateListTest::changeWithNoPasswordOpensCreationSilently()
{
    QFETCH(bool, removedMeanwhile);
    ProgramFixture fx;
    fx.seed(reminderSection, reminderKey, QStringLiteral("NoShow"));
    if (removedMeanwhile)
        fx.seed(passwordSection, passwordKey, passwordhash::hash(QStringLiteral("pw")));
    fx.start();
    if (removedMeanwhile) {
        ui::trigger(window(fx, "frmMain"), QStringLiteral("mnupriv"));
        QVERIFY(fx.testStore().anotherCopy()->apply({StoreChange::removeSection(passwordSection)}).written());
        ui::click(button(window(fx, "frmpriv"), "cmdchange"));
    } else {
        ui::trigger(window(fx, "frmMain"), QStringLiteral("mnuchange"));
    }
    ProgramFixture::settle();
    QVERIFY(fx.boxes().shown().isEmpty());
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmpassass")});
    QCOMPARE(fx.processEnds(), 0);
}

void PrivateListTest::changedAndAbandonedLeavesNoPasswordButTheTasks()
{
    ProgramFixture fx;
    fx.seed(reminderSection, reminderKey, QStringLiteral("NoShow"));
    fx.seed(privateSection, textKey(1), QStringLiteral("still here"));
    TaskListWindow *list = openWithPassword(fx, QStringLiteral("pw"));
    ui::close(list); // back to a new main window
    ui::trigger(window(fx, "frmMain"), QStringLiteral("mnuchange"));
    Form *entry = window(fx, "frmpriv");
    box(entry, "Text1")->setText(QStringLiteral("pw"));
    ui::click(button(entry, "cmdchange"));
    ui::close(window(fx, "frmpassass")); // given up: nothing else is open now
    ProgramFixture::settle();
    QCOMPARE(fx.processEnds(), 1); // the program does not linger unseen
    QCOMPARE(fx.stored(passwordSection, passwordKey), QString());

    fx.restart();
    ui::trigger(window(fx, "frmMain"), QStringLiteral("mnupriv"));
    QVERIFY(window(fx, "frmpassass")->isVisible());
    TaskListWindow *reopened = createThenEnter(fx, QStringLiteral("another"));
    QVERIFY(reopened);
    QCOMPARE(reopened->textBox(1)->text(), QStringLiteral("still here"));
}

void PrivateListTest::tickedTasksAreMaskedOneStarPerCharacter()
{
    ProgramFixture fx;
    fx.seed(privateSection, textKey(2), QStringLiteral("see the doctor"));
    fx.seed(privateSection, tickKey(4), QStringLiteral("yes"));
    TaskListWindow *list = openWithPassword(fx, QStringLiteral("pw"));
    QCOMPARE(list->windowTitle(), QStringLiteral("My Private Tarnbook!"));
    QCOMPARE(list->client()->size(), QSize(250, 192));
    QLineEdit *text = list->textBox(2);
    ui::clickTick(list->tickBox(2));
    QCOMPARE(text->displayText(), QString(14, u'*'));
    QCOMPARE(text->text(), QStringLiteral("see the doctor"));
    QVERIFY(!text->isEnabled());
    QCOMPARE(text->palette().color(QPalette::Disabled, QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
    ui::clickTick(list->tickBox(2));
    QCOMPARE(text->displayText(), QStringLiteral("see the doctor"));
    QVERIFY(text->isEnabled());
    QVERIFY(!list->tickBox(4)->isChecked()); // "yes" is not a tick
}

void PrivateListTest::savedMaskedTasksKeepTheirRealTextsAndComeBackMasked()
{
    ProgramFixture fx;
    TaskListWindow *list = openWithPassword(fx, QStringLiteral("pw"));
    list->textBox(1)->setText(QStringLiteral("buy a present"));
    ui::clickTick(list->tickBox(1));
    ui::click(ui::child<QPushButton>(list, QStringLiteral("cmdsave")));
    QVERIFY(fx.boxes().shown().isEmpty());
    ui::close(list);
    list = openWithPassword(fx, QStringLiteral("pw"));
    QCOMPARE(list->textBox(1)->displayText(), QString(13, u'*'));
    QCOMPARE(list->textBox(1)->text(), QStringLiteral("buy a present"));
}

void PrivateListTest::tickAllMasksEveryRowAndClearRemovesEveryMask()
{
    ProgramFixture fx;
    TaskListWindow *list = openWithPassword(fx, QStringLiteral("pw"));
    list->textBox(3)->setText(QStringLiteral("abc"));
    ui::click(ui::child<QPushButton>(list, QStringLiteral("cmdall")));
    QCOMPARE(list->textBox(3)->displayText(), QStringLiteral("***"));
    QCOMPARE(list->textBox(1)->displayText(), QString()); // an empty row stays blank
    for (int row = 1; row <= 5; ++row)
        QVERIFY(list->tickBox(row)->isChecked());
    ui::click(ui::child<QPushButton>(list, QStringLiteral("cmdsave")));
    ui::click(ui::child<QPushButton>(list, QStringLiteral("cmdclear")));
    for (int row = 1; row <= 5; ++row) {
        QCOMPARE(list->textBox(row)->echoMode(), QLineEdit::Normal);
        QVERIFY(list->textBox(row)->isEnabled());
        QCOMPARE(list->textBox(row)->text(), QString());
    }
    QVERIFY(!fx.testStore().keys().join(u' ').contains(privateSection + u'/'));
    QVERIFY(!fx.stored(passwordSection, passwordKey).isEmpty());
}

void PrivateListTest::closingThePrivateListBringsBackTheMainWindow()
{
    ProgramFixture fx;
    TaskListWindow *list = openWithPassword(fx, QStringLiteral("pw"));
    list->textBox(1)->setText(QStringLiteral("unsaved"));
    ui::close(list);
    ProgramFixture::settle();
    QCOMPARE(fx.shownWindows(), (QStringList{QStringLiteral("frmMain"), QStringLiteral("frmNotify")}));
    list = openWithPassword(fx, QStringLiteral("pw"));
    QCOMPARE(list->textBox(1)->text(), QString());
}

void PrivateListTest::anAlteredSavedListOpensEmptyAndSaysSo()
{
    ProgramFixture fx;
    TaskListWindow *list = openWithPassword(fx, QStringLiteral("pw"));
    list->textBox(1)->setText(QStringLiteral("soon altered"));
    ui::click(ui::child<QPushButton>(list, QStringLiteral("cmdsave")));
    ui::close(list);
    QString sealed = fx.stored(privateSection, sealedListKey);
    sealed[10] = sealed[10] == u'x' ? u'y' : u'x';
    fx.seed(privateSection, sealedListKey, sealed);

    list = openWithPassword(fx, QStringLiteral("pw"));
    QVERIFY(list);
    QCOMPARE(list->textBox(1)->text(), QString());
    QTRY_COMPARE(fx.boxes().shown().size(), 1);
    QVERIFY(fx.boxes().texts().first().contains(QStringLiteral("damaged or altered")));
    QCOMPARE(fx.boxes().shown().first().title, QStringLiteral("Error!"));
}

void PrivateListTest::rowsTypedWhileTheKeyChangesElsewhereAreKeptAndPutBack_data()
{
    QTest::addColumn<bool>("byRestore");
    QTest::newRow("another copy changes the password") << false;
    QTest::newRow("an older copy of the settings is put back") << true;
}

// Two copies of the program on one file: this one has the list open, the
// other changes the password, or puts back an older copy of the settings (a
// restore, or a sync engine bringing an older file). Save keeps the rows
// aside, says so and goes dim; put back with the password they were typed
// under, they join the list there is.
void PrivateListTest::rowsTypedWhileTheKeyChangesElsewhereAreKeptAndPutBack()
{
    QFETCH(bool, byRestore);
    ProgramFixture fx;
    if (!fx.testStore().followsChanges())
        QSKIP("windows here do not hear of another copy's changes");
    const auto anotherCopy = fx.testStore().anotherCopy();
    PrivateVault other(*anotherCopy);
    QVERIFY(other.setPassword(QStringLiteral("pw1")).written());
    QCOMPARE(other.enter(QStringLiteral("pw1")).entry, PasswordGate::Entry::Opened);
    QVERIFY(other.save({TaskRow{QStringLiteral("older"), false}}).written());
    QByteArray olderCopy;
    QVERIFY(anotherCopy->readWhole(&olderCopy).written());
    const auto changePassword = [&] {
        return other.startChange().written() && other.setPassword(QStringLiteral("pw2")).written();
    };
    QVERIFY(!byRestore || changePassword());

    TaskListWindow *list = openWithPassword(fx, byRestore ? QStringLiteral("pw2") : QStringLiteral("pw1"));
    QVERIFY(list);
    QTest::keyClicks(list->textBox(2), QStringLiteral("typed here"));
    if (byRestore)
        QVERIFY(anotherCopy->restoreFrom(olderCopy, QStringLiteral("older.conf"), nullptr).written());
    else
        QVERIFY(changePassword());
    QTRY_VERIFY(list->windowTitle().contains(QStringLiteral("changed elsewhere")));
    ui::click(button(list, "cmdsave"));
    QVERIFY2(fx.boxes().shown().last().text.contains(QStringLiteral("velmorwick put-back")),
             qPrintable(fx.boxes().shown().last().text));
    QVERIFY(!button(list, "cmdsave")->isEnabled());
    QCOMPARE(keptrows::count(*anotherCopy), 1);
    QCOMPARE(other.enter(byRestore ? QStringLiteral("pw1") : QStringLiteral("pw2")).entry, PasswordGate::Entry::Opened);
    // The window's rows: the older one it showed, in the list already, and
    // the one typed, which comes back.
    QCOMPARE(keptrows::putBack(*anotherCopy, other, byRestore ? QStringLiteral("pw2") : QStringLiteral("pw1"), 5).rows, 1);
    const QList<TaskRow> rows = other.load(5).rows;
    QCOMPARE(rows.at(0).text, QStringLiteral("older"));
    QCOMPARE(rows.at(1).text, QStringLiteral("typed here"));
}

QTEST_MAIN(PrivateListTest)
#include "tst_privatelist.moc"
