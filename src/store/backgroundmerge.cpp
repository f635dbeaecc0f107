#include "backgroundmerge.h"

#include "conffilestore.h"

BackgroundMerge::BackgroundMerge(QString path, QString machine, std::function<void(const QString &)> tell)
    : m_path(std::move(path))
    , m_machine(std::move(machine))
    , m_tell(std::move(tell))
{
    m_thread.setMaxThreadCount(1);
}

BackgroundMerge::~BackgroundMerge()
{
    m_thread.waitForDone();
    m_thread.start([this] { m_store.reset(); }); // gone on the thread it lived on
    m_thread.waitForDone();
}

void BackgroundMerge::start()
{
    const std::lock_guard lock(m_mutex);
    if (std::exchange(m_running, true)) {
        m_again = true;
        return;
    }
    m_thread.start([this] { run(); });
}

bool BackgroundMerge::busy() const
{
    const std::lock_guard lock(m_mutex);
    return m_running;
}

void BackgroundMerge::run()
{
    if (!m_store) {
        // One store for every merge: a copy told as unreadable is told once.
        m_store = std::make_unique<ConfFileStore>(m_path);
        m_store->setMachine(m_machine);
        m_store->setProblemReporter([this](const QString &message) {
            QMetaObject::invokeMethod(&m_here, [tell = m_tell, message] { tell(message); }, Qt::QueuedConnection);
        });
    }
    for (;;) {
        m_store->mergeCopies();
        const std::lock_guard lock(m_mutex);
        if (!std::exchange(m_again, false)) {
            m_running = false;
            return;
        }
    }
}
