#include "formregistry.h"

#include "form.h"

#include <QTimer>


FormRegistry::~FormRegistry()
{
    // Delete directly: no unload runs when the program goes away. The maps are
    // moved out first because a window forgets itself while being deleted.
    const auto loaded = std::move(m_loaded);
    const auto dropped = std::move(m_dropped);
    m_loaded.clear();
    m_dropped.clear();
    for (const auto &[name, form] : loaded)
        delete form.data();
    for (const auto &form : dropped)
        delete form.data();
}

void FormRegistry::define(const QString &name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

Form &FormRegistry::ref(const QString &name)
{
    if (Form *existing = find(name))
        return *existing;
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end())
        qFatal("no window of kind %s is defined", qPrintable(name));
    Form *form = factory->second();
    // Registered before its load runs, so the load may refer to its own window.
    m_loaded[name] = form;
    form->formLoad();
    return *form;
}

Form *FormRegistry::find(const QString &name) const
{
    const auto it = m_loaded.find(name);
    return it == m_loaded.end() ? nullptr : it->second.data();
}

QStringList FormRegistry::loadedNames() const
{
    QStringList names;
    for (const auto &[name, form] : m_loaded) {
        if (form)
            names << name;
    }
    return names;
}

QStringList FormRegistry::visibleNames() const
{
    QStringList names;
    for (const auto &[name, form] : m_loaded) {
        if (form && form->isVisible())
            names << name;
    }
    return names;
}

void FormRegistry::show(const QString &name)
{
    ref(name).showForm();
}

void FormRegistry::unload(const QString &name)
{
    if (Form *form = find(name))
        unload(form);
}

void FormRegistry::unload(Form *form)
{
    if (m_ended || !form || form->m_unloading)
        return;
    form->m_unloading = true;
    form->formUnload();
    if (m_ended)
        return; // the unload ended the program; dropAll() has taken the window
    forget(form);
    form->hide();
    std::erase_if(m_dropped, [](const QPointer<Form> &gone) { return gone.isNull(); });
    m_dropped.emplace_back(form);
    form->deleteLater();
    checkSoonWhetherAnythingShows();
}

void FormRegistry::checkSoonWhetherAnythingShows()
{
    // Not at once: the unload may be one step of a handler that shows
    // another window next.
    if (!m_whenNothingShows || m_checkPending)
        return;
    m_checkPending = true;
    QTimer::singleShot(0, &m_timerContext, [this] {
        m_checkPending = false;
        if (!m_ended && visibleNames().isEmpty())
            m_whenNothingShows();
    });
}

void FormRegistry::dropAll()
{
    m_ended = true;
    for (auto &[name, form] : m_loaded) {
        if (!form)
            continue;
        form->hide();
        form->deleteLater();
        m_dropped.emplace_back(form);
    }
    m_loaded.clear();
}

void FormRegistry::forget(Form *form)
{
    for (auto it = m_loaded.begin(); it != m_loaded.end(); ++it) {
        if (it->second == form) {
            m_loaded.erase(it);
            return;
        }
    }
}
