#pragma once

#include <QString>

class PrivateVault;
class SettingsStore;

// Rows of the private list that a Save kept aside because the list's key
// had been replaced elsewhere while they were open: each set sealed under
// its own data key, with that key wrapped under the password that opened
// them (the kept-aside section's Rows-<time> and Key-<time>, listed in
// Kept), so that password opens them again.
namespace keptrows {

// How many sets are kept.
int count(const SettingsStore &store);

struct Outcome
{
    int rows = 0;     // put back
    int setsLeft = 0; // still kept: the password does not open them, or there was no room
    QString failure;  // nothing was written: why
};

// Puts the rows of every set the password opens into the empty rows of the
// open list, in order, in one write with their removal; a set with more
// rows than the list has empty ones stays kept, whole.
Outcome putBack(SettingsStore &store, PrivateVault &vault, const QString &password, int tasks);

} // namespace keptrows
