#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace commandline {

std::optional<int> handle(int argc, char *argv[])
{
    // A plain start pays nothing for this.
    if (argc < 2)
        return std::nullopt;
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmorwick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORWICK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("commandline", "Tarnbook, a small to-do list: today's tasks, a private list and "
                                                   "quick notes. Started without options, it opens its windows."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
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
    if (!parser.parse(core.arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
                                  ? QCoreApplication::translate("commandline", "Unknown command: %1")
                                        .arg(parser.positionalArguments().join(u' '))
                                  : parser.errorText();
        std::fprintf(stderr, "velmorwick: %s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("velmorwick %s\n", VELMORWICK_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace commandline
