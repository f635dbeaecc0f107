#pragma once

class Form;

// What a window asks of whatever keeps it, as it shows, closes and goes.
// FormRegistry is the one that does; a window never needs more of it.
class FormHost
{
public:
    virtual ~FormHost() = default;

    // Runs the window's unload and destroys it.
    virtual void unload(Form *form) = 0;
    // The program has ended: nothing shows again.
    virtual bool hasEnded() const = 0;
    // Called as a window is about to show, every time.
    virtual void beforeShow(Form *form) const = 0;
    // A window is being destroyed.
    virtual void forget(Form *form) = 0;
};
