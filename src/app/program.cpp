#include "program.h"

#include "app/mainwindow.h"
#include "dialogs/aboutwindow.h"
#include "dialogs/reminderwindow.h"
#include "forms/messageboxes.h"
#include "lists/listlayouts.h"
#include "lists/tasklistwindow.h"
#include "notes/notewindow.h"
#include "platform/desktop.h"
#include "private/passwordcreatewindow.h"
#include "private/passwordentrywindow.h"
#include "private/privatelistlayout.h"
#include "store/settingsstore.h"
#include "store/settings.h"

#include <QCoreApplication>

void QtProcessEnd::endProcess()
{
    QCoreApplication::exit(0);
}

Program::Program(const Services &services)
    : m_services(services)
    , m_vault(services.store)
{
    const auto tell = [this](const QString &message) { boxes().inform(message, QStringLiteral("Velmorwick")); };
    // A window's write waits a moment at most for another copy's, then says
    // so at once: the window never freezes.
    store().setLockPatience(100);
    // A merge of the copies a sync program left runs beside the windows,
    // which follow the file when it lands.
    store().setMergesInBackground(true);
    store().setProblemReporter(tell);
    m_vault.setProblemReporter(tell);
    // The program never lingers with nothing on screen.
    m_forms.setWhenNothingShows([this] { end(); });
    m_forms.setBeforeShow([this](Form *form) {
        if (!form->shownInTaskbar())
            desktop().keepOffTaskbar(form);
    });
    // Another copy, a command or a sync engine changed the file: every
    // window that shows stored data follows it.
    store().watch([this] {
        for (const QString &name : m_forms.loadedNames()) {
            if (Form *form = m_forms.find(name))
                form->followStore();
        }
    });
    defineForms();
}

void Program::defineForms()
{
    m_forms.define(MainWindow::formName, [this] { return new MainWindow(kit(), desktop(), m_listOpenedAtStart); });
    m_forms.define(ReminderWindow::formName, [this] { return new ReminderWindow(kit()); });
    m_forms.define(AboutWindow::formName, [this] { return new AboutWindow(m_forms, boxes(), systemInfo()); });
    for (const ListLayout &layout : dayListLayouts()) {
        auto &storage = *m_dayListStorages.emplace_back(std::make_unique<SectionListStorage>(store(), layout.section));
        m_forms.define(layout.formName,
                       [this, &layout, &storage] { return new TaskListWindow(kit(), printer(), storage, layout); });
    }
    m_forms.define(privateListLayout().formName,
                   [this] { return new TaskListWindow(kit(), printer(), m_vault, privateListLayout()); });
    m_forms.define(PasswordCreateWindow::formName, [this] { return new PasswordCreateWindow(kit(), m_vault); });
    m_forms.define(PasswordEntryWindow::formName, [this] { return new PasswordEntryWindow(kit(), m_vault); });
    for (int number = 1; number <= NoteWindow::count; ++number)
        m_forms.define(NoteWindow::formName(number), [this, number] { return new NoteWindow(kit(), desktop(), number); });
}

void Program::start()
{
    store().checkOnOpen();
    // A list the stored choice opens goes on screen first; the main window,
    // which is hidden then, is built right after, before anything can ask
    // for it, and takes that list as its dispatch.
    const int autoLoaded = settings::tasksOf(settings::startList(store()));
    if (autoLoaded && !hasEnded()) {
        showTaskList(autoLoaded);
        desktop().flush();
    }
    m_listOpenedAtStart = autoLoaded != 0;
    auto &main = m_forms.ref<MainWindow>();
    m_listOpenedAtStart = false;
    if (!hasEnded() && !main.dispatchOpenedList())
        main.showForm();
}

void Program::showMainWindow()
{
    m_forms.show(MainWindow::formName);
}

void Program::showTaskList(int tasks)
{
    if (const ListLayout *layout = dayListLayout(tasks))
        m_forms.show(layout->formName);
}

// The list takes the place of the password entry window that opened it.
void Program::showPrivateList()
{
    m_forms.show(privateListLayout().formName);
    closePasswordEntry();
}

void Program::showPasswordEntry()
{
    m_forms.show(PasswordEntryWindow::formName);
}

void Program::closePasswordEntry()
{
    m_forms.unload(PasswordEntryWindow::formName);
}

void Program::showPasswordCreation()
{
    m_forms.show(PasswordCreateWindow::formName);
}

void Program::showAbout()
{
    m_forms.show(AboutWindow::formName);
}

void Program::showExitReminder()
{
    m_forms.show(ReminderWindow::formName);
}

void Program::resetExitReminderChoice()
{
    m_forms.ref<ReminderWindow>().resetChoice();
}

void Program::showNote(int number)
{
    m_forms.show(NoteWindow::formName(number));
}

void Program::setNoteCanOpenNext(int number, bool can)
{
    if (auto *note = m_forms.find<NoteWindow>(NoteWindow::formName(number)))
        note->setCanOpenNext(can);
}

bool Program::anyOtherWindowShown(const QWidget *besides) const
{
    for (const QString &name : m_forms.visibleNames()) {
        if (m_forms.find(name) != besides)
            return true;
    }
    return false;
}

void Program::end()
{
    m_forms.dropAll();
    m_vault.close(); // no window's unload ran to wipe the private list's key
    m_services.processEnd.endProcess();
}
