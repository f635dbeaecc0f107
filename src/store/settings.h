#pragma once

#include "settingsstore.h"

#include <QString>

// Each setting the program keeps, read and written as what it means: one
// accessor per setting, with its default and its accepted values, so that no
// window parses a stored text itself. The stored texts are exactly those of
// the schema (storekeys.h).
namespace settings {

// Which list opens at start (section and key "AutoLoad"). Stored as "none",
// "5", "10", "13" or "15"; nothing stored and any other text are told apart,
// for the windows treat them differently.
enum class StartList { Unset, None, Five, Ten, Thirteen, Fifteen, Other };
StartList startList(const SettingsStore &store);
StoreChange startListWritten(StartList choice); // Unset and Other write nothing sensible: not for them
// The tasks of the list it opens: 5, 10, 13 or 15; 0 when it opens none.
int tasksOf(StartList choice);

// Whether the exit reminder is switched off (section and key
// "AutoLoadWindow": "NoShow"; anything else, or nothing, means on).
bool reminderOff(const SettingsStore &store);
StoreChange reminderWritten(bool off);

// Whether the user turned off the first quick note's notice that notes
// cannot stay on top on this desktop.
bool notOnTopNoticeOff(const SettingsStore &store);
StoreChange notOnTopNoticeTurnedOff();

// Whether a password of the private list is stored (section "Password", key
// "Ok", not empty).
bool passwordIsSet(const SettingsStore &store);

} // namespace settings
