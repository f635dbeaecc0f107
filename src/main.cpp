#include "app/addcommand.h"
#include "app/datacommands.h"
#include "app/appearance.h"
#include "app/commandline.h"
#include "app/program.h"
#include "app/donecommand.h"
#include "app/language.h"
#include "dialogs/addtaskwindow.h"
#include "dialogs/donewindow.h"
#include "dialogs/systeminfo.h"
#include "forms/messageboxes.h"
#include "forms/printing.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/windowsystem.h"
#include "store/settings.h"

#include <QApplication>

#include <cstdio>

namespace {

// The entry window of `velmorwick add`: one task, then the process ends.
int addTaskWindow(int argc, char *argv[], int tasks)
{
    auto guard = platform::prepareEnvironment();
    QApplication app(argc, argv);
    guard.reset();
    useTheDesktopLanguage();
    applyAppearance();
    const auto store = platform::openUserStore();
    // Bound to a desktop key, its stderr goes nowhere: what a sync program
    // left is merged, and told, by the next program with windows.
    store->setMergesCopies(false);
    // What the store has to say (a damaged file copied aside) goes where a
    // command's goes: this window is one line, and gone a moment later.
    store->setProblemReporter([](const QString &problem) {
        std::fprintf(stderr, "velmorwick: %s\n", qPrintable(datacommands::shownOnATerminal(problem)));
    });
    const int startTasks = tasks ? tasks : settings::tasksOf(settings::startList(*store));
    AddTaskWindow window(
        [&store](const QString &text, int listTasks) {
            return addcommand::add({text}, listTasks, *store).failure;
        },
        startTasks);
    QObject::connect(&window, &QDialog::finished, &app, &QApplication::quit);
    window.showOnPointerScreen();
    return app.exec() == 0 && window.result() == QDialog::Accepted ? 0 : 1;
}

// What I Got Done, from the desktop's menu: the tasks done by day, until closed.
int doneWindow(int argc, char *argv[])
{
    auto guard = platform::prepareEnvironment();
    QApplication app(argc, argv);
    guard.reset();
    useTheDesktopLanguage();
    applyAppearance();
    const auto store = platform::openUserStore();
    store->setMergesCopies(false); // left to the program's windows, which tell of it
    store->setProblemReporter([](const QString &problem) {
        std::fprintf(stderr, "velmorwick: %s\n", qPrintable(datacommands::shownOnATerminal(problem)));
    });
    DoneWindow window([&store](int days) {
        SettingsStore::Done done;
        const QDate first = QDate::currentDate().addDays(1 - days);
        if (const StoreResult read = store->doneTasks(&done, first.startOfDay()); !read.written())
            return read.reason;
        return (done.problems.isEmpty() ? QString() : done.problems.join(u'\n') + QStringLiteral("\n\n"))
               + donecommand::shown(done.entries, {days, {}, false, QStringLiteral("text")}, QDateTime::currentDateTime());
    });
    store->watch([&window] { window.refresh(); }); // a task ticked here or elsewhere shows
    QObject::connect(&window, &QDialog::finished, &app, &QApplication::quit);
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (commandline::doneWindow(argc, argv)) {
        if (const std::optional<QString> problem = platform::missingDisplay()) {
            std::fprintf(stderr, "%s\n", qPrintable(*problem));
            return 1;
        }
        return doneWindow(argc, argv);
    }
    if (const std::optional<int> tasks = commandline::addWindowList(argc, argv); tasks && !platform::missingDisplay())
        return addTaskWindow(argc, argv, *tasks);
    if (const std::optional<int> answered = commandline::handle(argc, argv))
        return *answered;
    if (const std::optional<QString> problem = platform::missingDisplay()) {
        std::fprintf(stderr, "%s\n", qPrintable(*problem));
        return 1;
    }
    auto guard = platform::prepareEnvironment();
    QApplication app(argc, argv);
    guard.reset();
    useTheDesktopLanguage();
    // The program ends through its own commands, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    applyAppearance();

    const auto store = platform::openUserStore();
    QtMessageBoxes boxes;
    QtProcessEnd processEnd;
    DefaultPrinter printer(platform::lastPrintJobRefusal);
    const auto desktop = platform::nativeDesktop();
    const auto systemInfo = platform::nativeSystemInfo();
    Program program({*store, boxes, processEnd, printer, *desktop, *systemInfo});
    program.start();
    return program.hasEnded() ? 0 : app.exec();
}
