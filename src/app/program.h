#pragma once

#include "kit/navigation.h"
#include "kit/windowkit.h"
#include "forms/formregistry.h"
#include "lists/liststorage.h"
#include "private/privatevault.h"

#include <memory>
#include <vector>

class Desktop;
class SystemInfoHost;
class MessageBoxes;
class SettingsStore;
class WindowPrinter;

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

// What the windows use of the world outside them; tests hand in their own.
struct Services
{
    SettingsStore &store;
    MessageBoxes &boxes;
    ProcessEnd &processEnd;
    WindowPrinter &printer;
    Desktop &desktop;
    SystemInfoHost &systemInfo;
};

// The running program: its windows and the services they share. It is the
// one place that knows every window; the windows know it only as their
// Navigation.
class Program final : public Navigation
{
public:
    explicit Program(const Services &services);
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    SettingsStore &store() const { return m_services.store; }
    MessageBoxes &boxes() const { return m_services.boxes; }
    WindowPrinter &printer() const { return m_services.printer; }
    Desktop &desktop() const { return m_services.desktop; }
    SystemInfoHost &systemInfo() const { return m_services.systemInfo; }
    FormRegistry &forms() { return m_forms; }

    // Start-up: the main window is created, which runs the auto-load
    // dispatch, and shown unless the dispatch opened a list instead.
    void start();

    // Brings the main window back, creating it afresh (and so running the
    // dispatch again) when it was unloaded.
    void showMainWindow() override;

    // Shows the day list of that many tasks, loading it first if needed.
    void showTaskList(int tasks) override;

    void showPrivateList() override;
    void showPasswordEntry() override;
    void closePasswordEntry();
    void showPasswordCreation() override;
    void showAbout() override;
    void showExitReminder() override;
    void resetExitReminderChoice() override;
    void showNote(int number) override;
    void setNoteCanOpenNext(int number, bool can) override;
    bool anyOtherWindowShown(const QWidget *besides) const override;

    // Ends the program at once: every window goes without running its unload,
    // nothing is written.
    void end();
    void endProgram() override { end(); }
    bool hasEnded() const { return m_forms.hasEnded(); }

private:
    void defineForms();
    WindowKit kit() { return {m_forms, *this, store(), boxes()}; }

    Services m_services;
    PrivateVault m_vault;
    std::vector<std::unique_ptr<SectionListStorage>> m_dayListStorages;
    FormRegistry m_forms;
    bool m_listOpenedAtStart = false; // while start-up builds the main window
};
