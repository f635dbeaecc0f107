#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class SettingsStore;

// The commands that work on the saved data without any window: add,
// export, import, backup, restore, the list of snapshots, put-back and the
// tasks a merge replaced. Each takes the store's lock for what it reads
// or writes, so they are safe while the program's windows are open.
namespace datacommands {

struct Options
{
    QString format = QStringLiteral("text"); // export: "text" or "json"
    bool withPrivate = false;                // export: the private list too
    int snapshot = 0;                        // restore: this snapshot (from 1, newest first) instead of a file
    int list = 0;                            // add: the list with this many tasks (0: the one opened at start)
    bool forgetPrivate = false;              // snapshots: the private list out of copies of older passwords
    int putBack = 0;                         // replaced: put this entry back (from 1, newest first)
    int days = 0;                            // done: the last N days (0: 7)
    QDate since = {};                        // done: from this day on
    bool all = false;                        // done: the tasks unticked again too
    QDate forgetBefore = {};                 // done: take the tasks done before this day away
};

// Asks for a password with this prompt; nothing when none could be read.
using AskPassword = std::function<std::optional<QString>(const QString &prompt)>;

bool isCommand(const QString &name);
// A message or a name as a terminal may show it: control characters (which
// could retitle or clear the terminal, or forge a line) and the marks that
// turn text around are shown escaped, as \x1b or \u202e.
QString shownOnATerminal(const QString &text);
// A line per command, for --help.
QString summary();

// Exit status 0 when done; 1 with a one-line reason on standard error when
// it could not be done (nothing then changed); 2 for a command used wrongly.
int run(const QString &command, const QStringList &arguments, const Options &options, SettingsStore &store,
        const AskPassword &askPassword);

} // namespace datacommands
