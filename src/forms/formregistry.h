#pragma once

#include "formhost.h"

#include <QObject>
#include <QtGlobal>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

class Form;

// Keeps one window per kind and gives every window its lifecycle:
// ref() creates a window on first reference (running its load) and keeps it
// hidden; unload() runs a window's unload and destroys it, so a later ref()
// creates it afresh; dropAll() ends them all at once without any unload.
class FormRegistry final : public FormHost
{
public:
    using Factory = std::function<Form *()>;

    FormRegistry() = default;
    FormRegistry(const FormRegistry &) = delete;
    FormRegistry &operator=(const FormRegistry &) = delete;
    ~FormRegistry() override;

    void define(const QString &name, Factory factory);

    // The window of that kind, created and loaded first if it does not exist.
    // Every name asked for is defined: asking for another is a mistake in
    // the program, which stops it.
    Form &ref(const QString &name);
    template<class T>
    T &ref(const QString &name)
    {
        T *typed = qobject_cast<T *>(&ref(name));
        Q_ASSERT_X(typed, "FormRegistry::ref", "the window of that name is of another class");
        return *typed;
    }
    // The window of a class that has one name, T::formName.
    template<class T>
    T &ref()
    {
        return ref<T>(T::formName);
    }

    // The window if it exists, without creating it.
    Form *find(const QString &name) const;
    template<class T>
    T *find(const QString &name) const
    {
        Form *form = find(name);
        T *typed = qobject_cast<T *>(form);
        Q_ASSERT_X(!form || typed, "FormRegistry::find", "the window of that name is of another class");
        return typed;
    }

    bool isLoaded(const QString &name) const { return find(name) != nullptr; }
    QStringList loadedNames() const;
    // Windows that exist and are on screen.
    QStringList visibleNames() const;

    void show(const QString &name);
    void unload(const QString &name);
    void unload(Form *form) override;

    // Called once the event loop is back after an unload that left no window
    // of the program on screen.
    void setWhenNothingShows(std::function<void()> callback) { m_whenNothingShows = std::move(callback); }

    // Called as a window is about to show, every time.
    void setBeforeShow(std::function<void(Form *)> callback) { m_beforeShow = std::move(callback); }
    void beforeShow(Form *form) const override
    {
        if (m_beforeShow)
            m_beforeShow(form);
    }

    // The end of the program: every window disappears at once, none runs its
    // unload, and from now on nothing is shown again.
    void dropAll();
    bool hasEnded() const override { return m_ended; }

private:
    void forget(Form *form) override;
    void checkSoonWhetherAnythingShows();

    std::map<QString, Factory> m_factories;
    std::map<QString, QPointer<Form>> m_loaded;
    std::vector<QPointer<Form>> m_dropped;
    bool m_ended = false;
    std::function<void()> m_whenNothingShows;
    std::function<void(Form *)> m_beforeShow;
    bool m_checkPending = false;
    QObject m_timerContext; // cancels a pending check when the registry goes
};
