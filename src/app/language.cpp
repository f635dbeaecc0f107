#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

// Where Qt's own translations are missing (a Windows folder without them),
// a right-to-left language still turns the layout: the program's own says so.
[[maybe_unused]] static const char *const layoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

void useTheDesktopLanguage()
{
    useLanguage(QLocale());
}

bool useLanguage(const QLocale &locale)
{
    // Kept for the life of the process: an application holds translators by pointer.
    static QTranslator own, qt;
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&own);
    // Qt's texts only with the program's own: never half a language.
    if (!own.load(locale, QStringLiteral("velmorwick"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    // Debian's Qt translations, or (Windows) those beside the program.
    for (const QString &folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))}) {
        if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(&qt);
            break;
        }
    }
    QCoreApplication::installTranslator(&own); // the last installed is asked first
    return true;
}
