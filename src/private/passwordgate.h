#pragma once

#include "store/settingsstore.h"

#include <QString>

// What the password windows ask of whatever keeps the private list.
class PasswordGate
{
public:
    virtual ~PasswordGate() = default;

    enum class Entry {
        Opened,
        Wrong,
        TooCostly,   // the stored hash asks for far more work than this program sets
        CannotCheck, // the cryptography library did not start, or a derivation failed
        NotSaved,    // right, but what it had to write could not be written
    };
    struct EntryResult
    {
        Entry entry = Entry::Wrong;
        QString reason; // why, for CannotCheck and NotSaved
    };
    // Compares exactly: letter case and every blank count. A right password
    // opens the list until its window closes.
    virtual EntryResult enter(const QString &password) = 0;

    // After a right entry: the password goes, and the list stays readable by
    // whichever password is set next.
    virtual StoreResult startChange() = 0;

    // Stores the password so that it, and only it, opens the list, under a
    // data key no earlier password ever had. Refused while one is stored.
    virtual StoreResult setPassword(const QString &password) = 0;
};
