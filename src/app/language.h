#pragma once

#include <QLocale>

// The program in the desktop's language: its own translation (built into the
// program) and Qt's own texts (the system's, or those beside the program),
// chosen by the user's interface languages (LANGUAGE, LC_MESSAGES, LANG).
// English is the source and where a language has no translation. Installed
// into the application object just made; a right-to-left language's
// translation turns the layout with it.
void useTheDesktopLanguage();
// The same for one language (English: none installed). False where the
// program has no translation for it.
bool useLanguage(const QLocale &locale);
