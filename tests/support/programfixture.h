#pragma once

#include "app/program.h"
#include "forms/printing.h"
#include "dialogs/systeminfo.h"
#include "platform/desktop.h"
#include "forms/form.h"
#include "scriptedboxes.h"
#include "teststore.h"

#include <QImage>

#include <memory>

class QAbstractButton;
class QCheckBox;

// Counts the ends of the process instead of ending it.
class RecordingProcessEnd final : public ProcessEnd
{
public:
    void endProcess() override { ++count; }
    int count = 0;
};

// Keeps what would have gone to the printer.
class RecordingPrinter final : public WindowPrinter
{
public:
    PrintOutcome print(QWidget *area) override;
    QList<QImage> pages;
    // When set, the print system turns every job down with this reason.
    QString refusal;
};

// A program as a test drives it: its own store file in a temporary folder,
// scripted message boxes, and a recorded end of the process.
class ProgramFixture
{
public:
    ProgramFixture();
    ~ProgramFixture();

    SettingsStore &store() { return m_store.store(); }
    TestStore &testStore() { return m_store; }
    ScriptedBoxes &boxes() { return m_boxes; }
    int processEnds() const { return m_end.count; }
    RecordingPrinter &printer() { return m_printer; }

    // What another copy of the program would read from the file now.
    QString stored(const QString &section, const QString &key) const;
    void seed(const QString &section, const QString &key, const QString &value);

    // The desktop the program is handed; before program() or start().
    void useDesktop(std::unique_ptr<Desktop> desktop) { m_desktop = std::move(desktop); }
    Program &program();
    // Starts the program as its main() does.
    Program &start();
    // A later run on the same store: the old program is gone, a new one starts.
    Program &restart();

    template<class T = Form>
    T *window(const QString &name)
    {
        return program().forms().template find<T>(name);
    }
    bool isShown(const QString &name);
    QStringList shownWindows();

    // Lets windows that were unloaded or dropped really go away.
    static void settle();

private:
    TestStore m_store;
    ScriptedBoxes m_boxes;
    RecordingProcessEnd m_end;
    RecordingPrinter m_printer;
    std::unique_ptr<Desktop> m_desktop;
    std::unique_ptr<SystemInfoHost> m_systemInfo;
    std::unique_ptr<Program> m_program;
};

// What a user does with mouse and keyboard.
namespace ui {

void click(QAbstractButton *button);
// Clicks the tick square of a check box (not just the middle of the widget).
void clickTick(QCheckBox *box);
// Chooses a menu item by its name; fails the test when it is missing or disabled.
void trigger(QWidget *window, const QString &actionName);
// Closes a window as its close box does.
void close(QWidget *window);
// Makes the window the active one, as a click on it does, and waits for it.
void activate(QWidget *window);

template<class T>
T *child(QWidget *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

} // namespace ui
