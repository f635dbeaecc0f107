#pragma once

class FormHost;
class MessageBoxes;
class Navigation;
class QString;
class SettingsStore;
struct StoreResult;

// What most windows of the program are handed when they are created: the
// registry that keeps them, the way to the other windows, the store and the
// message boxes. Windows that need more take it beside this.
struct WindowKit
{
    FormHost &host;
    Navigation &navigation;
    SettingsStore &store;
    MessageBoxes &boxes;

    // Tells the user in an "Error!" box that a write was refused: what did
    // not happen, then why. True when the write went through, also when the
    // disk did not confirm it, which the user is told.
    bool written(const StoreResult &result, const QString &whatDidNotHappen) const;
    // Whether a password for the private list is stored.
    bool passwordIsSet() const;
};
