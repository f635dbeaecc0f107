#pragma once

#include <optional>

// What the command line asks for before any window: --help and --version
// answer and end, the data commands (export, import, backup, restore) run and
// end; anything unknown is refused with the usage. A plain start goes on to
// the windows. Works without a display.
namespace commandline {

// The exit status when the command line was answered here; nothing when the
// program is to start its windows.
std::optional<int> handle(int argc, char *argv[]);

// `velmorwick add` with no text, to open the entry window: the list asked
// for with --list (0: none asked for); nothing for any other command line.
std::optional<int> addWindowList(int argc, char *argv[]);
// Whether the command is `velmorwick done --window`: the What I Got Done window.
bool doneWindow(int argc, char *argv[]);

} // namespace commandline
