#pragma once

class QWidget;

// What a window may ask of the program about the other windows and the end
// of the program. The program is the one implementation: a window never
// names, includes or reaches into another window.
class Navigation
{
public:
    virtual ~Navigation() = default;

    virtual void showMainWindow() = 0;
    virtual void showTaskList(int tasks) = 0;
    // The private list itself, once the password was typed.
    virtual void showPrivateList() = 0;
    virtual void showPasswordEntry() = 0;
    virtual void showPasswordCreation() = 0;
    virtual void showAbout() = 0;
    virtual void showExitReminder() = 0;
    // The reminder's choice goes back to "None", loading it hidden if need be.
    virtual void resetExitReminderChoice() = 0;
    virtual void showNote(int number) = 0;
    // Switches a note's "New QuickNote" on or off, if that note is open.
    virtual void setNoteCanOpenNext(int number, bool can) = 0;

    // Whether any window of the program but this one is on screen.
    virtual bool anyOtherWindowShown(const QWidget *besides) const = 0;
    // Ends the program at once: every window goes without its unload.
    virtual void endProgram() = 0;
};
