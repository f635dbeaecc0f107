// The program on a Wayland desktop: a headless weston with Xwayland. Run
// once as the program chooses for itself (X11 through Xwayland) and once as
// a native Wayland client with Qt's plugin from a scratch prefix.
#include "notes/notewindow.h"
#include "platform/windowsystem.h"
#include "support/programfixture.h"
#include "support/xsession.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// weston with Xwayland on a socket of its own; the session's Wayland and X
// displays point at it while it runs.
class Weston
{
public:
    Weston()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("Xwayland")).isEmpty()) {
            whyNot = QStringLiteral("weston or Xwayland is not installed (Debian's weston, xwayland)");
            return;
        }
        QDir().mkpath(QStringLiteral("/tmp/.X11-unix")); // where Xwayland listens, made by Xvfb elsewhere
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral("weston"), {QStringLiteral("--backend=headless-backend.so"),
                                                   QStringLiteral("--use-pixman"), QStringLiteral("--width=1366"),
                                                   QStringLiteral("--height=768"), QStringLiteral("--xwayland"),
                                                   QStringLiteral("--socket=velmorwick-test"), QStringLiteral("--idle-time=0")});
        static const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
        QString log;
        while (m_process.waitForReadyRead(20000)) {
            log += QString::fromLocal8Bit(m_process.readAll());
            if (const auto found = listening.match(log); found.hasMatch()) {
                qputenv("WAYLAND_DISPLAY", "velmorwick-test");
                qputenv("DISPLAY", found.captured(1).toLatin1());
                return;
            }
        }
        whyNot = QStringLiteral("weston did not come up: ") + log.right(400);
    }
    ~Weston()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }

    QString whyNot;

private:
    QTemporaryDir m_runtime;
    QProcess m_process;
};

bool native()
{
    return qEnvironmentVariable("VELMORWICK_WAYLAND") == QLatin1String("native");
}

} // namespace

class WaylandTest : public QObject
{
    Q_OBJECT

public:
    explicit WaylandTest(const Weston &weston)
        : m_weston(weston)
    {
    }

private slots:
    void initTestCase();
    void theFirstNoteSaysSoWhereNotesCannotStayOnTop();
    void withNoWayToOpenAWindowTheProgramSaysWhatIsMissing_data();
    void withNoWayToOpenAWindowTheProgramSaysWhatIsMissing();

private:
    const Weston &m_weston;
};

void WaylandTest::initTestCase()
{
    if (!m_weston.whyNot.isEmpty())
        QSKIP(qPrintable(m_weston.whyNot));
    if (native() && QGuiApplication::platformName() != QLatin1String("wayland"))
        QSKIP("Qt's Wayland plugin could not be unpacked here");
    QCOMPARE(QGuiApplication::platformName(), native() ? QStringLiteral("wayland") : QStringLiteral("xcb"));
}

void WaylandTest::theFirstNoteSaysSoWhereNotesCannotStayOnTop()
{
    ProgramFixture fx;
    fx.start();
    ui::trigger(fx.window(QStringLiteral("frmMain")), QStringLiteral("mnunote"));
    Form *note = fx.window(NoteWindow::formName(1));
    QVERIFY(QTest::qWaitForWindowExposed(note));
    QVERIFY(note->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    const auto notice = [note] { return note->findChild<QWidget *>(QStringLiteral("fraNotOnTop")); };
    // Natively nothing stays on top; through Xwayland, weston's window
    // manager decides, and what it leaves in the note's state is the truth.
    // The desktop answers within 1.5 s.
    const bool told = QTest::qWaitFor([&] { return notice() != nullptr; }, 3000);
    const bool keptAbove =
        !native() && XSession::windowState(note->winId()).contains(QStringLiteral("_NET_WM_STATE_ABOVE"));
    QCOMPARE(told, !keptAbove);
    if (told)
        QTRY_VERIFY(notice()->isVisible());
}

void WaylandTest::withNoWayToOpenAWindowTheProgramSaysWhatIsMissing_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("said"); // empty: it starts
    QTest::newRow("Wayland without Xwayland or plugin")
        << QStringList{QStringLiteral("QT_PLUGIN_PATH="), QStringLiteral("DISPLAY=")} << QStringLiteral("install Debian's xwayland, or qt6-wayland");
    QTest::newRow("the user's plugin is missing")
        << QStringList{QStringLiteral("QT_PLUGIN_PATH="), QStringLiteral("QT_QPA_PLATFORM=wayland")}
        << QStringLiteral("QT_QPA_PLATFORM=wayland cannot be used here: Qt's Wayland plugin is not installed");
    // A display no X server has here, whatever else runs beside the test.
    int free = 99;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(free)) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(free)))
        ++free;
    const QString refused = QStringLiteral("DISPLAY=:%1").arg(free);
    if (native())
        QTest::newRow("a refused X display falls back to Wayland") << QStringList{refused} << QString();
    else
        QTest::newRow("a refused X display, no plugin to fall back to")
            << QStringList{QStringLiteral("QT_PLUGIN_PATH="), refused}
            << QStringLiteral("the X display :%1 could not be opened").arg(free);
}

void WaylandTest::withNoWayToOpenAWindowTheProgramSaysWhatIsMissing()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, said);
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    for (const QString &setting : environment) {
        const QString name = setting.section(u'=', 0, 0), value = setting.section(u'=', 1);
        if (value.isEmpty())
            env.remove(name);
        else
            env.insert(name, value);
    }
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VELMORWICK_BINARY), {});
    if (said.isEmpty()) {
        QVERIFY2(!program.waitForFinished(3000), program.readAllStandardError().constData());
        program.kill();
        program.waitForFinished();
        return;
    }
    QVERIFY(program.waitForFinished(20000));
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(err.contains(said), qPrintable(err));
    QCOMPARE(err.trimmed().count(u'\n'), 0);
}

int main(int argc, char *argv[])
{
    qunsetenv("XDG_SESSION_TYPE");
    qunsetenv("QT_QPA_PLATFORM");
    Weston weston;
    if (native())
        qputenv("QT_QPA_PLATFORM", "wayland;offscreen"); // offscreen: the plugin would not start, and the test skips
    std::unique_ptr<QApplication> app;
    {
        auto guard = platform::prepareEnvironment();
        app = std::make_unique<QApplication>(argc, argv);
    }
    WaylandTest test(weston);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland.moc"
