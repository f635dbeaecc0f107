// The About box, and the system information program it starts.
#include "app/appearance.h"
#include "dialogs/aboutwindow.h"
#include "support/programfixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Puts a folder of our own at the front of PATH for the life of the object.
class PathWith
{
public:
    explicit PathWith(const QString &folder)
        : m_old(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(folder) + ":/usr/bin:/bin");
    }
    ~PathWith() { qputenv("PATH", m_old); }

private:
    QByteArray m_old;
};

} // namespace

class AboutWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void cleanup();

    void aboutOpensBesideTheMainWindowWithTheFocusOnOk();
    void escapeAndEnterCloseIt_data();
    void escapeAndEnterCloseIt();
    void enterOnSystemInfoPressesIt();
    void theAddressCanBeSelectedButNotChanged();
    void aSystemInformationProgramOnThePathIsStarted();
    void withNoSuchProgramTheUserIsTold();

private:
    Form *openAbout(ProgramFixture &fx)
    {
        fx.start();
        ui::trigger(fx.window(QStringLiteral("frmMain")), QStringLiteral("mnuabout"));
        Form *about = fx.window(QStringLiteral("frmAbout"));
        ui::activate(about);
        return about;
    }
};

void AboutWindowTest::cleanup()
{
    ProgramFixture::settle();
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its program");
}

void AboutWindowTest::aboutOpensBesideTheMainWindowWithTheFocusOnOk()
{
    ProgramFixture fx;
    Form *about = openAbout(fx);
    QCOMPARE(fx.shownWindows(), (QStringList{QStringLiteral("frmAbout"), QStringLiteral("frmMain")}));
    QCOMPARE(about->windowTitle(), QStringLiteral("About Velmorwick"));
    QCOMPARE(about->focusWidget(), ui::child<QPushButton>(about, QStringLiteral("cmdOK")));
    QCOMPARE(about->client()->size(), QSize(382, 332)); // 5730 x 4980 twips
    QVERIFY(!about->shownInTaskbar());
    QVERIFY(!about->isModal());
}

void AboutWindowTest::escapeAndEnterCloseIt_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void AboutWindowTest::escapeAndEnterCloseIt()
{
    QFETCH(int, key);
    ProgramFixture fx;
    Form *about = openAbout(fx);
    // Also from the address box: Enter there is the dialog's too.
    ui::child<QLineEdit>(about, QStringLiteral("txtaddress"))->setFocus();
    QTest::keyClick(about->focusWidget(), Qt::Key(key));
    QVERIFY(!fx.window(QStringLiteral("frmAbout")));
    QVERIFY(fx.isShown(QStringLiteral("frmMain")));
    QVERIFY(fx.boxes().shown().isEmpty());
}

void AboutWindowTest::enterOnSystemInfoPressesIt()
{
    QTemporaryDir empty;
    PathWith path(empty.path());
    ProgramFixture fx;
    Form *about = openAbout(fx);
    auto *sysInfo = ui::child<QPushButton>(about, QStringLiteral("cmdSysInfo"));
    sysInfo->setFocus();
    QTest::keyClick(sysInfo, Qt::Key_Return);
    QVERIFY(fx.window(QStringLiteral("frmAbout"))); // still open
    QCOMPARE(fx.boxes().texts(), QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
}

void AboutWindowTest::theAddressCanBeSelectedButNotChanged()
{
    ProgramFixture fx;
    Form *about = openAbout(fx);
    auto *address = ui::child<QLineEdit>(about, QStringLiteral("txtaddress"));
    const QString before = address->text();
    QVERIFY(before.startsWith(QStringLiteral("http://")));
    address->setFocus();
    address->selectAll();
    QCOMPARE(address->selectedText(), before);
    QTest::keyClicks(address, QStringLiteral("typed"));
    QCOMPARE(address->text(), before);
}

void AboutWindowTest::aSystemInformationProgramOnThePathIsStarted()
{
    if (QSysInfo::productType() == QLatin1String("windows"))
        QSKIP("Windows looks the program up in the registry, not on PATH (tst_systeminfo and the registry test)");
    QTemporaryDir bin;
    const QString marker = bin.filePath(QStringLiteral("it-ran"));
    const QString program = bin.filePath(QStringLiteral("hardinfo"));
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toLocal8Bit());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    PathWith path(bin.path());

    ProgramFixture fx;
    Form *about = openAbout(fx);
    ui::click(ui::child<QPushButton>(about, QStringLiteral("cmdSysInfo")));
    QVERIFY(fx.boxes().shown().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(marker), 10000); // it really ran
    QVERIFY(fx.window(QStringLiteral("frmAbout"))); // and the About box did not wait for it
}

void AboutWindowTest::withNoSuchProgramTheUserIsTold()
{
    QTemporaryDir empty;
    PathWith path(empty.path());
    ProgramFixture fx;
    Form *about = openAbout(fx);
    ui::click(ui::child<QPushButton>(about, QStringLiteral("cmdSysInfo")));
    QCOMPARE(fx.boxes().shown().size(), 1);
    QCOMPARE(fx.boxes().shown().first().text, QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(fx.boxes().shown().first().title, QStringLiteral("Velmorwick"));
    QVERIFY(!fx.boxes().shown().first().question);
    QVERIFY(about->isVisible());
}

QTEST_MAIN(AboutWindowTest)
#include "tst_aboutwindow.moc"
