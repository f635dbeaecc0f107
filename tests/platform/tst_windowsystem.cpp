// Which window system the program starts on, and what it says when none can.
#include "platform/windowsystem.h"

#include <QTest>

using windowsystem::Session;

class WindowSystemTest : public QObject
{
    Q_OBJECT

private slots:
    void choosesX11WhereverThereIsAnXDisplay_data();
    void choosesX11WhereverThereIsAnXDisplay();
    void aFailedStartIsOneLineThatSaysWhy_data();
    void aFailedStartIsOneLineThatSaysWhy();
};

void WindowSystemTest::choosesX11WhereverThereIsAnXDisplay_data()
{
    QTest::addColumn<Session>("session");
    QTest::addColumn<QByteArray>("platforms");
    QTest::addColumn<QString>("problem"); // a part of the line, or empty for none
    QTest::newRow("the user's choice wins") << Session{QStringLiteral("wayland"), true, true, false} << QByteArray() << QString();
    QTest::newRow("X11") << Session{{}, true, false, false} << QByteArray("xcb") << QString();
    QTest::newRow("Xwayland, Wayland next") << Session{{}, true, true, true} << QByteArray("xcb;wayland") << QString();
    QTest::newRow("Xwayland, no plugin") << Session{{}, true, true, false} << QByteArray("xcb") << QString();
    QTest::newRow("Wayland alone") << Session{{}, false, true, true} << QByteArray("wayland") << QString();
    QTest::newRow("Wayland, no plugin") << Session{{}, false, true, false} << QByteArray() << QStringLiteral("qt6-wayland");
    QTest::newRow("no session") << Session{} << QByteArray() << QStringLiteral("DISPLAY is not set");
}

void WindowSystemTest::choosesX11WhereverThereIsAnXDisplay()
{
    QFETCH(Session, session);
    QFETCH(QByteArray, platforms);
    QFETCH(QString, problem);
    const windowsystem::Choice choice = windowsystem::choose(session);
    QCOMPARE(choice.platforms, platforms);
    QCOMPARE(choice.problem.has_value(), !problem.isEmpty());
    if (choice.problem) {
        QVERIFY2(choice.problem->contains(problem), qPrintable(*choice.problem));
        QVERIFY(!choice.problem->contains(u'\n'));
    }
}

void WindowSystemTest::aFailedStartIsOneLineThatSaysWhy_data()
{
    QTest::addColumn<QByteArray>("platforms");
    QTest::addColumn<bool>("chosenByUser");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<QStringList>("said");
    QTest::newRow("the user's plugin is missing")
        << QByteArray("wayland") << true
        << QStringList{QStringLiteral("Could not find the Qt platform plugin \"wayland\" in \"\"")}
        << QStringList{QStringLiteral("QT_QPA_PLATFORM=wayland"), QStringLiteral("qt6-wayland")};
    QTest::newRow("X refused, Wayland missing, each said once")
        << QByteArray("xcb;wayland") << false
        << QStringList{QStringLiteral("could not connect to display :9"), QStringLiteral("could not connect to display :9"),
                       QStringLiteral("Could not find the Qt platform plugin \"wayland\" in \"\"")}
        << QStringList{QStringLiteral("X display"), QStringLiteral("; Qt's Wayland plugin")};
    QTest::newRow("nothing Qt said is understood")
        << QByteArray("vnc") << true << QStringList{QStringLiteral("something else")}
        << QStringList{QStringLiteral("no window system plugin")};
}

void WindowSystemTest::aFailedStartIsOneLineThatSaysWhy()
{
    QFETCH(QByteArray, platforms);
    QFETCH(bool, chosenByUser);
    QFETCH(QStringList, warnings);
    QFETCH(QStringList, said);
    const QString line = windowsystem::startFailure(platforms, chosenByUser, warnings);
    for (const QString &part : said)
        QVERIFY2(line.contains(part), qPrintable(line));
    QCOMPARE(line.count(QStringLiteral("X display")), said.contains(QStringLiteral("X display")) ? 1 : 0);
    QCOMPARE(line.contains(QStringLiteral("QT_QPA_PLATFORM")), chosenByUser);
    QVERIFY(!line.contains(u'\n'));
}

QTEST_APPLESS_MAIN(WindowSystemTest)
#include "tst_windowsystem.moc"
