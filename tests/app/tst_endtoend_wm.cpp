// The real program, started as a user starts it and driven with the keyboard
// from outside, under a real window manager.
#include "support/xsession.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QString xdotool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// The id of the visible window with exactly this title, once it is there.
QString waitForWindow(const QString &title)
{
    for (int i = 0; i < 100; ++i) {
        const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                       QStringLiteral("^%1$").arg(QRegularExpression::escape(title))});
        if (!found.isEmpty())
            return found.split(u'\n').first();
        QTest::qWait(100);
    }
    return {};
}

void pressKeys(const QString &window, const QString &keys)
{
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers")} + keys.split(u' '));
}

} // namespace

class EndToEndTest : public WindowManagerTest
{
    Q_OBJECT

public:
    explicit EndToEndTest(const XSession &session)
        : WindowManagerTest(session, true)
    {
    }

private slots:
    void init();
    void cleanup();
    void quitEndsWithStatusZeroAndWritesNothing();
    void closingTheMainWindowAsksWhichListToOpenNextTime();
    void theStoredChoiceOpensItsListAtTheNextStart();
    void aPipeAtTheStorePathIsToldAndTheWindowComesUp();
    void theAddWindowTakesTheKeysAndAddsOnEnterOnly_data();
    void theAddWindowTakesTheKeysAndAddsOnEnterOnly();

private:
    void launch(const QStringList &arguments = {});
    // Started with this list chosen to open at start, one task in it: the
    // list window's id once it is up.
    QString launchWithListOpen(int tasks, const QString &caption);
    QString storePath() const { return m_home->filePath(QStringLiteral("Velmorwick/Velmorwick.conf")); }

    std::unique_ptr<QTemporaryDir> m_home;
    QProcess m_program;
};

void EndToEndTest::init()
{
    m_home = std::make_unique<QTemporaryDir>();
}

void EndToEndTest::cleanup()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished();
    }
}

void EndToEndTest::launch(const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home->path());
    m_program.setProcessEnvironment(env);
    m_program.start(QStringLiteral(VELMORWICK_BINARY), arguments);
    QVERIFY(m_program.waitForStarted());
}

QString EndToEndTest::launchWithListOpen(int tasks, const QString &caption)
{
    {
        QSettings seed(storePath(), QSettings::IniFormat);
        seed.setValue(QStringLiteral("AutoLoad/AutoLoad"), QString::number(tasks));
        seed.setValue(QStringLiteral("Task%1/Text1").arg(tasks), QStringLiteral("water the ferns"));
    }
    launch();
    return waitForWindow(caption);
}

void EndToEndTest::quitEndsWithStatusZeroAndWritesNothing()
{
    launch();
    const QString main = waitForWindow(QStringLiteral("Velmorwick! v3.0"));
    QVERIFY2(!main.isEmpty(), "the main window never came up");
    pressKeys(main, QStringLiteral("alt+q"));
    QVERIFY(m_program.waitForFinished(10000));
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(storePath()));
}

void EndToEndTest::closingTheMainWindowAsksWhichListToOpenNextTime()
{
    launch();
    const QString main = waitForWindow(QStringLiteral("Velmorwick! v3.0"));
    QVERIFY2(!main.isEmpty(), "the main window never came up");
    pressKeys(main, QStringLiteral("alt+F4")); // the window manager closes it
    const QString reminder = waitForWindow(QStringLiteral("AutoLoad"));
    QVERIFY2(!reminder.isEmpty(), "the reminder never came up");
    // The focus starts on "Don't remind me again": tick it, then OK.
    pressKeys(reminder, QStringLiteral("space"));
    pressKeys(reminder, QStringLiteral("alt+o"));
    QVERIFY(m_program.waitForFinished(10000));
    QCOMPARE(m_program.exitCode(), 0);
    const QSettings stored(storePath(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("AutoLoadWindow/AutoLoadWindow")).toString(), QStringLiteral("NoShow"));
    QVERIFY(!stored.contains(QStringLiteral("AutoLoad/AutoLoad")));
}

void EndToEndTest::theStoredChoiceOpensItsListAtTheNextStart()
{
    const QString list = launchWithListOpen(5, QStringLiteral("Tarnbook! Normal Day"));
    QVERIFY2(!list.isEmpty(), "the 5-task list did not open at start");
    QVERIFY(waitForWindow(QStringLiteral("Velmorwick! v3.0")).isEmpty());
    // Closing the list brings the main window back.
    pressKeys(list, QStringLiteral("alt+F4"));
    QVERIFY2(!waitForWindow(QStringLiteral("Velmorwick! v3.0")).isEmpty(), "the main window did not come back");
}

void EndToEndTest::aPipeAtTheStorePathIsToldAndTheWindowComesUp()
{
    // Opening a pipe for reading would wait for a writer for ever.
    QVERIFY(QDir().mkpath(QFileInfo(storePath()).absolutePath()));
    const QString pipe = m_home->filePath(QStringLiteral("pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QFile::link(pipe, storePath()));
    launch();
    const QString message = waitForWindow(QStringLiteral("Velmorwick"));
    QVERIFY2(!message.isEmpty(), "no message about the store came up");
    pressKeys(message, QStringLiteral("Return"));
    QVERIFY2(!waitForWindow(QStringLiteral("Velmorwick! v3.0")).isEmpty(), "the main window did not come up");
    QVERIFY(QFileInfo(storePath()).isSymLink());
}

void EndToEndTest::theAddWindowTakesTheKeysAndAddsOnEnterOnly_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("added");
    QTest::newRow("Enter adds and closes") << QStringLiteral("Return") << true;
    QTest::newRow("Escape closes, adding nothing") << QStringLiteral("Escape") << false;
}

// Typed with no window activated from outside: the window has the keys itself.
// The list opened at start is open meanwhile, and shows what was added.
void EndToEndTest::theAddWindowTakesTheKeysAndAddsOnEnterOnly()
{
    QFETCH(QString, key);
    QFETCH(bool, added);
    const QString list = launchWithListOpen(10, QStringLiteral("Tarnbook! Busy Day"));
    QVERIFY2(!list.isEmpty(), "the 10-task list did not open at start");
    QProcess add;
    add.setProcessEnvironment(m_program.processEnvironment());
    add.start(QStringLiteral(VELMORWICK_BINARY), {QStringLiteral("add")});
    QVERIFY2(!waitForWindow(QStringLiteral("Add a Task")).isEmpty(), "the entry window did not come up");
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("buy stamps")});
    xdotool({QStringLiteral("key"), key});
    QVERIFY(add.waitForFinished(10000));
    QCOMPARE(add.exitCode(), added ? 0 : 1);
    QCOMPARE(QSettings(storePath(), QSettings::IniFormat).value(QStringLiteral("Task10/Text2")).toString(),
             added ? QStringLiteral("buy stamps") : QString());
    if (!added)
        return;
    // What the open window shows in its second row, copied out of it.
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty(), "xclip is not installed (make check-deps)");
    pressKeys(list, QStringLiteral("Tab")); // from the first row, where the list opens
    // Read by a process of its own each time: Qt here keeps what it read first.
    const auto copied = [&] {
        pressKeys(list, QStringLiteral("ctrl+a ctrl+c"));
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
        xclip.waitForFinished(5000);
        return QString::fromUtf8(xclip.readAllStandardOutput());
    };
    QTRY_COMPARE_WITH_TIMEOUT(copied(), QStringLiteral("buy stamps"), 5000);
}

XSESSION_TEST_MAIN(EndToEndTest)
#include "tst_endtoend_wm.moc"
