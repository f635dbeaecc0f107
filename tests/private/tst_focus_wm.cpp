// The keyboard after a message box, under a real window manager: the window
// the box came from has it again, although it is kept off the task bar.
#include "support/programfixture.h"
#include "support/xsession.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

class FocusWindowManagerTest : public WindowManagerTest
{
    Q_OBJECT

public:
    explicit FocusWindowManagerTest(const XSession &session)
        : WindowManagerTest(session)
    {
    }

private slots:
    void theWindowOfARefusedEntryHasTheKeyboardAgain_data();
    void theWindowOfARefusedEntryHasTheKeyboardAgain();
};

void FocusWindowManagerTest::theWindowOfARefusedEntryHasTheKeyboardAgain_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::newRow("creation, passwords that differ") << QStringLiteral("frmpassass") << QStringLiteral("txtpass2");
    QTest::newRow("entry, wrong password") << QStringLiteral("frmpriv") << QStringLiteral("Text1");
}

void FocusWindowManagerTest::theWindowOfARefusedEntryHasTheKeyboardAgain()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    ProgramFixture fx;
    fx.boxes().useRealInformationBoxes();
    if (window == QLatin1String("frmpriv"))
        fx.seed(QStringLiteral("Password"), QStringLiteral("Ok"), QStringLiteral("right"));
    fx.start();
    fx.program().forms().show(window);
    Form *form = fx.window(window);
    QVERIFY(QTest::qWaitForWindowActive(form));
    auto *edit = form->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("abc"));
    auto *ok = form->findChild<QAbstractButton *>(QStringLiteral("cmdok"));
    QVERIFY(ok);
    QWidget *focusBeforeTheBox = nullptr;
    fx.boxes().onShow = [&](const ScriptedBoxes::Shown &) { focusBeforeTheBox = QApplication::focusWidget(); };
    ui::click(ok); // refused: the box comes and is closed with Enter
    QTRY_COMPARE(fx.boxes().shown().size(), 1);
    QTRY_VERIFY2(form->isActiveWindow(), "the window did not get the keyboard back");
    // The creation window keeps the focus where it was; a wrong entry puts it in the box.
    QWidget *expected = window == QLatin1String("frmpriv") ? edit : focusBeforeTheBox;
    QVERIFY(expected);
    QTRY_COMPARE(QApplication::focusWidget(), expected);
}

XSESSION_TEST_MAIN(FocusWindowManagerTest)
#include "tst_focus_wm.moc"
