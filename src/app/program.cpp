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
#include "store/settingsstore.h"

#include <QCoreApplication>

void QtProcessEnd::endProcess()
{
    QCoreApplication::exit(0);
}

Program::Program(const Services &services)
    : m_services(services)
{
    store().setProblemReporter([this](const QString &message) { boxes().inform(message, QStringLiteral("Velmorwick")); });
    // The program never lingers with nothing on screen.
    m_forms.setWhenNothingShows([this] { end(); });
    m_forms.setBeforeShow([this](Form *form) {
        if (!form->shownInTaskbar())
            desktop().keepOffTaskbar(form);
    });
    defineForms();
}

void Program::defineForms()
{
    m_forms.define(MainWindow::formName, [this] { return new MainWindow(*this); });
    m_forms.define(ReminderWindow::formName, [this] { return new ReminderWindow(*this); });
    m_forms.define(AboutWindow::formName, [this] { return new AboutWindow(*this); });
    for (const ListLayout &layout : dayListLayouts())
        m_forms.define(layout.formName, [this, &layout] { return new TaskListWindow(*this, layout); });
    m_forms.define(privateListLayout().formName, [this] { return new TaskListWindow(*this, privateListLayout()); });
    m_forms.define(PasswordCreateWindow::formName, [this] { return new PasswordCreateWindow(*this); });
    m_forms.define(PasswordEntryWindow::formName, [this] { return new PasswordEntryWindow(*this); });
    for (int number = 1; number <= NoteWindow::count; ++number)
        m_forms.define(NoteWindow::formName(number), [this, number] { return new NoteWindow(*this, number); });
}

void Program::start()
{
    store().checkOnOpen();
    auto &main = m_forms.ref<MainWindow>(MainWindow::formName);
    if (!hasEnded() && !main.dispatchOpenedList())
        main.showForm();
}

void Program::showMainWindow()
{
    m_forms.show(MainWindow::formName);
}

void Program::showTaskList(int tasks)
{
    m_forms.show(dayListLayout(tasks).formName);
}

void Program::end()
{
    m_forms.dropAll();
    m_services.processEnd.endProcess();
}
