// The chain of quick notes.
#include "app/appearance.h"
#include "notes/notewindow.h"
#include "support/programfixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QPlainTextEdit *note(Form *window)
{
    return ui::child<QPlainTextEdit>(window, QStringLiteral("txtnote"));
}

QPushButton *newNote(Form *window)
{
    return ui::child<QPushButton>(window, QStringLiteral("Command1"));
}

// A desktop that keeps no window above others, and says why.
class NotOnTopDesktop final : public Desktop
{
public:
    explicit NotOnTopDesktop(QString why)
        : m_why(std::move(why))
    {
    }
    void keepOffTaskbar(QWidget *) override {}
    void whenNotKeptAbove(QWidget *, std::function<void(const QString &)> told) override
    {
        if (!m_why.isEmpty())
            told(m_why);
    }

private:
    QString m_why;
};

} // namespace

class NoteWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void cleanup();

    void quickNotesOpensTheFirstNoteInsteadOfTheMainWindow();
    void theChainRunsForwardAndBackWithOnlyTheNewestNoteAbleToGoOn();
    void theLastNoteCannotOpenAnother();
    void aNoteIsEmptyWhenOpenedAgain();
    void clearEmptiesOnlyItsOwnNote();
    void enterStartsANewLineAndEscapeDoesNothing();
    void answeringNoKeepsTheOtherNotesAndBringsBackTheMainWindow();
    void answeringYesEndsTheProgramWithTextInTheNotes();
    void aClosedNoteIsNotBroughtBackByTheChain();
    void theFirstNoteSaysWhenNotesCannotStayOnTopUntilTurnedOff_data();
    void theFirstNoteSaysWhenNotesCannotStayOnTopUntilTurnedOff();

private:
    Form *openFirst(ProgramFixture &fx)
    {
        fx.start();
        ui::trigger(fx.window(QStringLiteral("frmMain")), QStringLiteral("mnunote"));
        return fx.window(NoteWindow::formName(1));
    }
    Form *n(ProgramFixture &fx, int number) { return fx.window(NoteWindow::formName(number)); }
};

void NoteWindowTest::cleanup()
{
    ProgramFixture::settle();
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its program");
}

void NoteWindowTest::quickNotesOpensTheFirstNoteInsteadOfTheMainWindow()
{
    ProgramFixture fx;
    Form *first = openFirst(fx);
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmnote")});
    QVERIFY(fx.window(QStringLiteral("frmMain"))); // hidden, not gone
    QCOMPARE(first->windowTitle(), QStringLiteral("Tarnbook! Quick Note (Main)"));
    QVERIFY(first->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!first->shownInTaskbar());
    QCOMPARE(first->focusWidget(), note(first));
    QVERIFY(newNote(first)->isEnabled());
    QCOMPARE(first->minimumSize(), first->maximumSize());
}

void NoteWindowTest::theChainRunsForwardAndBackWithOnlyTheNewestNoteAbleToGoOn()
{
    ProgramFixture fx;
    openFirst(fx);
    auto enabled = [&] {
        QList<bool> states;
        for (int k = 1; k <= NoteWindow::count; ++k)
            states << (n(fx, k) && newNote(n(fx, k))->isEnabled());
        return states;
    };
    for (int k = 1; k < NoteWindow::count; ++k) {
        ui::click(newNote(n(fx, k)));
        QVERIFY(n(fx, k + 1)->isVisible());
        QVERIFY(n(fx, k + 1)->windowFlags() & Qt::WindowStaysOnTopHint);
        QList<bool> expected(NoteWindow::count, false);
        if (k + 1 < NoteWindow::count)
            expected[k] = true; // only the newest can go on
        QCOMPARE(enabled(), expected);
    }
    for (int k = NoteWindow::count; k >= 2; --k) {
        ui::close(n(fx, k));
        ProgramFixture::settle();
        QList<bool> expected(NoteWindow::count, false);
        expected[k - 2] = true;
        QCOMPARE(enabled(), expected);
    }
    QVERIFY(fx.testStore().isEmpty()); // notes are never stored
}

void NoteWindowTest::theLastNoteCannotOpenAnother()
{
    ProgramFixture fx;
    fx.program().forms().show(NoteWindow::formName(5));
    Form *last = n(fx, 5);
    QCOMPARE(last->windowTitle(), QStringLiteral("Tarnbook! Quick Note (End)"));
    QVERIFY(!newNote(last)->isEnabled());
    QTest::mouseClick(newNote(last), Qt::LeftButton);
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmnote5")});
}

void NoteWindowTest::aNoteIsEmptyWhenOpenedAgain()
{
    ProgramFixture fx;
    Form *first = openFirst(fx);
    ui::click(newNote(first));
    QTest::keyClicks(note(n(fx, 2)), QStringLiteral("phone number 0123"));
    ui::close(n(fx, 2));
    ProgramFixture::settle();
    ui::click(newNote(first));
    QCOMPARE(note(n(fx, 2))->toPlainText(), QString());
}

void NoteWindowTest::clearEmptiesOnlyItsOwnNote()
{
    ProgramFixture fx;
    Form *first = openFirst(fx);
    ui::click(newNote(first));
    note(first)->setPlainText(QStringLiteral("first"));
    note(n(fx, 2))->setPlainText(QStringLiteral("second"));
    ui::click(ui::child<QPushButton>(n(fx, 2), QStringLiteral("Command2")));
    QCOMPARE(note(n(fx, 2))->toPlainText(), QString());
    QCOMPARE(note(first)->toPlainText(), QStringLiteral("first"));
    QVERIFY(fx.boxes().shown().isEmpty());
}

void NoteWindowTest::enterStartsANewLineAndEscapeDoesNothing()
{
    ProgramFixture fx;
    Form *first = openFirst(fx);
    ui::activate(first);
    note(first)->setFocus();
    QTest::keyClicks(note(first), QStringLiteral("one"));
    QTest::keyClick(note(first), Qt::Key_Return);
    QTest::keyClicks(note(first), QStringLiteral("two"));
    QTest::keyClick(note(first), Qt::Key_Escape);
    QCOMPARE(note(first)->toPlainText(), QStringLiteral("one\ntwo"));
    QVERIFY(first->isVisible());
    QVERIFY(fx.boxes().shown().isEmpty());
}

void NoteWindowTest::answeringNoKeepsTheOtherNotesAndBringsBackTheMainWindow()
{
    ProgramFixture fx;
    Form *first = openFirst(fx);
    for (int k = 1; k < NoteWindow::count; ++k)
        ui::click(newNote(n(fx, k)));
    fx.boxes().answerNext(false);
    ui::close(first);
    QCOMPARE(fx.boxes().shown().size(), 1);
    QCOMPARE(fx.boxes().shown().first().text, QStringLiteral("Do you want to completely exit Tarnbook?"));
    QCOMPARE(fx.boxes().shown().first().title, QStringLiteral("Alert!"));
    QVERIFY(fx.boxes().shown().first().question);
    QCOMPARE(fx.shownWindows(), (QStringList{QStringLiteral("frmMain"), QStringLiteral("frmnote2"),
                                             QStringLiteral("frmnote3"), QStringLiteral("frmnote4"),
                                             QStringLiteral("frmnote5")}));
    for (int k = 2; k <= NoteWindow::count; ++k)
        QVERIFY(n(fx, k)->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(fx.processEnds(), 0);
}

void NoteWindowTest::answeringYesEndsTheProgramWithTextInTheNotes()
{
    ProgramFixture fx;
    Form *first = openFirst(fx);
    ui::click(newNote(first));
    note(first)->setPlainText(QStringLiteral("unsaved"));
    note(n(fx, 2))->setPlainText(QStringLiteral("also unsaved"));
    fx.boxes().answerNext(true);
    ui::close(first);
    QCOMPARE(fx.processEnds(), 1);
    QVERIFY(fx.program().forms().loadedNames().isEmpty());
    QCOMPARE(fx.boxes().shown().size(), 1); // no other window asked anything on the way out
    QVERIFY(fx.testStore().isEmpty());
}

void NoteWindowTest::aClosedNoteIsNotBroughtBackByTheChain()
{
    ProgramFixture fx;
    Form *first = openFirst(fx);
    ui::click(newNote(first));
    ui::click(newNote(n(fx, 2)));
    ui::close(n(fx, 2)); // the middle one
    ProgramFixture::settle();
    QVERIFY(newNote(first)->isEnabled());
    ui::close(n(fx, 3)); // its predecessor is closed: nothing is brought back
    ProgramFixture::settle();
    QVERIFY(!n(fx, 2));
    QVERIFY(newNote(first)->isEnabled());
    QCOMPARE(fx.shownWindows(), QStringList{QStringLiteral("frmnote")});
}

QTEST_MAIN(NoteWindowTest)
#include "tst_notewindow.moc"

void NoteWindowTest::theFirstNoteSaysWhenNotesCannotStayOnTopUntilTurnedOff_data()
{
    QTest::addColumn<QString>("why");
    QTest::addColumn<bool>("writable");
    QTest::newRow("not on top, turned off for good") << QStringLiteral("no keeping above here") << true;
    QTest::newRow("not on top, the store refuses") << QStringLiteral("no keeping above here") << false;
    QTest::newRow("kept on top") << QString() << true;
}

void NoteWindowTest::theFirstNoteSaysWhenNotesCannotStayOnTopUntilTurnedOff()
{
    QFETCH(QString, why);
    QFETCH(bool, writable);
    ProgramFixture fx;
    fx.useDesktop(std::make_unique<NotOnTopDesktop>(why));
    const auto notice = [&](int number) { return n(fx, number)->findChild<QWidget *>(QStringLiteral("fraNotOnTop")); };
    Form *first = openFirst(fx);
    ui::click(newNote(first));
    QVERIFY(!notice(2));
    if (why.isEmpty()) {
        QVERIFY(!notice(1));
        return;
    }
    QVERIFY(notice(1)->isVisible());
    QVERIFY(ui::child<QLabel>(first, QStringLiteral("lblNotOnTop"))->text().contains(why));
    if (!writable && !fx.testStore().makeReadOnly(true))
        QSKIP("the store cannot be made read-only here");
    ui::click(ui::child<QPushButton>(first, QStringLiteral("cmdNotOnTopOff")));
    QVERIFY(!notice(1)->isVisible());
    QCOMPARE(fx.boxes().shown().size(), writable ? 0 : 1);
    fx.testStore().makeWritable();

    fx.boxes().answerNext(false);
    ui::close(n(fx, 2));
    ui::close(first);
    ui::trigger(fx.window(QStringLiteral("frmMain")), QStringLiteral("mnunote"));
    QCOMPARE(notice(1) != nullptr, !writable);
}
