#pragma once

#include "forms/formregistry.h"

class MessageBoxes;
class SettingsStore;

// How the process ends once every window is gone. Tests replace it.
class ProcessEnd
{
public:
    virtual ~ProcessEnd() = default;
    virtual void endProcess() = 0;
};

// Leaves the event loop with status 0.
class QtProcessEnd final : public ProcessEnd
{
public:
    void endProcess() override;
};

// The running program: its windows and the services they share. Windows are
// handed the program when they are created.
class Program
{
public:
    Program(SettingsStore &store, MessageBoxes &boxes, ProcessEnd &processEnd);
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    SettingsStore &store() const { return m_store; }
    MessageBoxes &boxes() const { return m_boxes; }
    FormRegistry &forms() { return m_forms; }

    // Start-up: the main window is created, which runs the auto-load
    // dispatch, and shown unless the dispatch opened a list instead.
    void start();

    // Brings the main window back, creating it afresh (and so running the
    // dispatch again) when it was unloaded.
    void showMainWindow();

    // Shows the day list of that many tasks, loading it first if needed.
    void showTaskList(int tasks);

    // Ends the program at once: every window goes without running its unload,
    // nothing is written.
    void end();
    bool hasEnded() const { return m_forms.hasEnded(); }

private:
    void defineForms();

    SettingsStore &m_store;
    MessageBoxes &m_boxes;
    ProcessEnd &m_processEnd;
    FormRegistry m_forms;
};
