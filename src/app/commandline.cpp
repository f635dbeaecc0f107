#include "commandline.h"

#include "app/addcommand.h"
#include "app/datacommands.h"
#include "app/language.h"
#include "platform/files.h"
#include "platform/terminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

namespace commandline {

namespace {

QString usage(const QCommandLineParser &parser)
{
    return parser.helpText() + u'\n' + datacommands::summary();
}

} // namespace

std::optional<int> handle(int argc, char *argv[])
{
    // A plain start pays nothing for this.
    if (argc < 2)
        return std::nullopt;
    QCoreApplication core(argc, argv);
    useTheDesktopLanguage();
    QCoreApplication::setApplicationName(QStringLiteral("velmorwick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORWICK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("commandline", "Tarnbook, a small to-do list: today's tasks, a private list and "
                                                   "quick notes. Started without options, it opens its windows."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption format(QStringLiteral("format"),
                                    QCoreApplication::translate("commandline", "export: text or json; done: text, json or csv."),
                                    QStringLiteral("text|json|csv"), QStringLiteral("text"));
    const QCommandLineOption days(QStringLiteral("days"),
                                  QCoreApplication::translate("commandline", "done: the last N days (7 if not given)."),
                                  QStringLiteral("N"));
    const QCommandLineOption since(QStringLiteral("since"),
                                   QCoreApplication::translate("commandline", "done: from this day on."),
                                   QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption forgetBefore(QStringLiteral("forget-before"),
                                          QCoreApplication::translate("commandline", "done: take the tasks done "
                                                                                     "before this day away."),
                                          QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption all(QStringLiteral("all"),
                                 QCoreApplication::translate("commandline", "done: the tasks unticked again too."));
    const QCommandLineOption withPrivate(
        QStringLiteral("private"),
        QCoreApplication::translate("commandline", "export: the private list too (asks for its password)."));
    const QCommandLineOption snapshot(
        QStringLiteral("snapshot"),
        QCoreApplication::translate("commandline", "restore: this snapshot (see velmorwick snapshots)."),
        QStringLiteral("N"));
    const QCommandLineOption list(
        QStringLiteral("list"),
        QCoreApplication::translate("commandline", "add: the list with N tasks (3, or 5 to 15)."), QStringLiteral("N"));
    const QCommandLineOption forgetPrivate(
        QStringLiteral("forget-private"),
        QCoreApplication::translate("commandline",
                                    "snapshots: take the private list out of the copies an older password opens."));
    const QCommandLineOption putBack(
        QStringLiteral("put-back"),
        QCoreApplication::translate("commandline", "replaced: put task N back (see velmorwick replaced)."),
        QStringLiteral("N"));
    parser.addOptions({format, withPrivate, snapshot, list, forgetPrivate, putBack, days, since, all, forgetBefore});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QCoreApplication::translate("commandline",
                                                             "add, export, import, backup, restore, snapshots, put-back, replaced or done."),
                                 QStringLiteral("[command [FILE | TEXT...]]"));
    // Qt's own options (-platform offscreen, -style Fusion ...) are left to
    // the application object, as they always were.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet",
                             "name", "title", "qmljsdebugger", "visual", "fn", "font", "bg", "background", "fg",
                             "foreground", "btn", "button", "im", "inputstyle"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync", "ncols", "cmap"}) {
        QCommandLineOption qtFlag(QString::fromLatin1(name));
        qtFlag.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtFlag);
    }
    if (!parser.parse(core.arguments())
        || (!parser.positionalArguments().isEmpty() && !datacommands::isCommand(parser.positionalArguments().first()))) {
        const QString error = parser.errorText().isEmpty()
                                  ? QCoreApplication::translate("commandline", "Unknown command: %1")
                                        .arg(parser.positionalArguments().first())
                                  : parser.errorText();
        std::fprintf(stderr, "velmorwick: %s\n\n%s", qPrintable(error), qPrintable(usage(parser)));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(usage(parser)), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("velmorwick %s\n", VELMORWICK_VERSION);
        return 0;
    }
    const QStringList arguments = parser.positionalArguments();
    // A task is kept as typed: an argument the system's encoding does not
    // give back byte for byte (invalid bytes, a byte-order mark) is refused,
    // not changed.
    for (int i = 2; !arguments.isEmpty() && arguments.first() == QLatin1String("add") && i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]).toLocal8Bit() != QByteArrayView(argv[i])) {
            std::fprintf(stderr, "velmorwick: %s\n",
                         qPrintable(QCoreApplication::translate("commandline", "argument %1 is not text in this "
                                                                               "system's encoding; nothing was added.")
                                        .arg(i)));
            return 2;
        }
    }
    if (arguments.isEmpty()) {
        if (parser.isSet(format) || parser.isSet(withPrivate) || parser.isSet(snapshot) || parser.isSet(list)
            || parser.isSet(forgetPrivate) || parser.isSet(putBack) || parser.isSet(days) || parser.isSet(since)
            || parser.isSet(all) || parser.isSet(forgetBefore)) {
            std::fprintf(stderr, "velmorwick: %s\n",
                         qPrintable(QCoreApplication::translate("commandline",
                                                                "--format and --private belong to export, --snapshot "
                                                                "to restore, --list to add, --forget-private to "
                                                                "snapshots, --put-back to replaced (see velmorwick "
                                                                "--help)")));
            return 2;
        }
        return std::nullopt;
    }
    // An option's number, from 1; 0 when the option is not given.
    const auto numberOf = [&parser](const QCommandLineOption &option) -> std::optional<int> {
        bool numbered = true;
        const int number = parser.isSet(option) ? parser.value(option).toInt(&numbered) : 0;
        return numbered && (!parser.isSet(option) || number >= 1) ? std::optional<int>(number) : std::nullopt;
    };
    std::optional<int> snapshotNumber = numberOf(snapshot);
    // Or the time `velmorwick snapshots` shows, to the second, in local time.
    const QDateTime snapshotAt = QDateTime::fromString(parser.value(snapshot), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!snapshotNumber && snapshotAt.isValid())
        snapshotNumber = 0;
    const std::optional<int> listTasks = numberOf(list);
    const std::optional<int> putBackNumber = numberOf(putBack);
    const std::optional<int> dayCount = numberOf(days);
    const QDate sinceDay = QDate::fromString(parser.value(since), Qt::ISODate);
    const QDate forgetDay = QDate::fromString(parser.value(forgetBefore), Qt::ISODate);
    if (parser.isSet(forgetBefore) && !forgetDay.isValid()) {
        std::fprintf(stderr, "velmorwick: %s\n",
                     qPrintable(QCoreApplication::translate("commandline", "--forget-before takes a day as YYYY-MM-DD, "
                                                                           "not %1")
                                    .arg(datacommands::shownOnATerminal(parser.value(forgetBefore)))));
        return 2;
    }
    if (!dayCount || (parser.isSet(since) && !sinceDay.isValid())) {
        std::fprintf(stderr, "velmorwick: %s\n",
                     qPrintable(!dayCount ? QCoreApplication::translate("commandline", "--days takes a number of days "
                                                                        "from 1")
                                          : QCoreApplication::translate("commandline", "--since takes a day as "
                                                                        "YYYY-MM-DD, not %1")
                                                .arg(datacommands::shownOnATerminal(parser.value(since)))));
        return 2;
    }
    if (!putBackNumber) {
        std::fprintf(stderr, "velmorwick: %s\n",
                     qPrintable(QCoreApplication::translate("commandline", "--put-back takes a number from 1 (see "
                                                                           "velmorwick replaced)")));
        return 2;
    }
    if (!snapshotNumber || !listTasks) {
        std::fprintf(stderr, "velmorwick: %s\n",
                     qPrintable(!snapshotNumber ? QCoreApplication::translate("commandline", "--snapshot takes a number "
                                                                              "from 1, or a time as YYYY-MM-DD HH:MM:SS "
                                                                              "(see velmorwick snapshots)")
                                                : QCoreApplication::translate("commandline", "--list takes the number "
                                                                              "of tasks of a list: 3, or 5 to 15")));
        return 2;
    }
    const auto store = platform::openUserStore();
    // A damaged settings file is copied aside before a command first rewrites
    // it, as in the windows; here the user hears of it on the terminal.
    store->setProblemReporter([](const QString &problem) {
        std::fprintf(stderr, "velmorwick: %s\n", qPrintable(datacommands::shownOnATerminal(problem)));
    });
    if (snapshotAt.isValid() && *snapshotNumber == 0) {
        const QList<QDateTime> times = store->snapshotTimes();
        for (qsizetype i = 0; i < times.size() && *snapshotNumber == 0; ++i) {
            const QDateTime local = times[i].toLocalTime();
            if (local.addMSecs(-local.time().msec()) == snapshotAt)
                snapshotNumber = int(i + 1);
        }
        if (*snapshotNumber == 0) {
            std::fprintf(stderr, "velmorwick: %s\n",
                         qPrintable(QCoreApplication::translate("commandline", "no snapshot was kept at %1 (see "
                                                                               "velmorwick snapshots)")
                                        .arg(parser.value(snapshot))));
            return 1;
        }
    }
    return datacommands::run(arguments.first(), arguments.mid(1),
                             {parser.value(format), parser.isSet(withPrivate), *snapshotNumber, *listTasks,
                              parser.isSet(forgetPrivate), *putBackNumber, *dayCount, sinceDay, parser.isSet(all), forgetDay},
                             *store, [](const QString &prompt) { return platform::readSecretLine(prompt); });
    return std::nullopt;
}

bool doneWindow(int argc, char *argv[])
{
    return argc == 3 && QByteArrayView(argv[1]) == "done" && QByteArrayView(argv[2]) == "--window";
}

std::optional<int> addWindowList(int argc, char *argv[])
{
    const QByteArrayView command = argc > 1 ? QByteArrayView(argv[1]) : QByteArrayView();
    if (command != "add")
        return std::nullopt;
    if (argc == 2)
        return 0;
    bool number = false;
    const int tasks = argc == 4 && QByteArrayView(argv[2]) == "--list" ? QByteArray(argv[3]).toInt(&number) : 0;
    // No such list: refused by the command, as it is with a text.
    return number && addcommand::isDayList(tasks) ? std::optional<int>(tasks) : std::nullopt;
}

} // namespace commandline
