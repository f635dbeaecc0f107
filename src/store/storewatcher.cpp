#include "storewatcher.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

StoreWatcher::StoreWatcher(QString folder, QString name)
    : m_folder(std::move(folder))
    , m_path(QDir(m_folder).filePath(name))
{
}

StoreWatcher::~StoreWatcher() = default;

void StoreWatcher::start(const StoreFolder::Stamp &current, std::function<void()> check)
{
    m_told = current;
    m_watcher = std::make_unique<QFileSystemWatcher>();
    m_settle = std::make_unique<QTimer>();
    // Several events come with one save (the scratch file, the rename, the
    // sync engine's own files): the check runs once they have settled.
    m_settle->setSingleShot(true);
    m_settle->setInterval(100);
    QObject::connect(m_settle.get(), &QTimer::timeout, m_watcher.get(), std::move(check));
    const auto soon = [this] { m_settle->start(); };
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, m_watcher.get(), soon);
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, m_watcher.get(), soon);
    keepWatching();
}

void StoreWatcher::keepWatching()
{
    if (!m_watcher)
        return;
    // A file replaced by a rename is a new file: watched anew each time.
    if (QFileInfo::exists(m_path) && !m_watcher->files().contains(m_path))
        m_watcher->addPath(m_path);
    // The folder, or while it is not there (a new machine, before the sync
    // program makes it) the nearest parent that is, to hear it come.
    QString folder = m_folder;
    while (!QFileInfo(folder).isDir() && QFileInfo(folder).absolutePath() != folder)
        folder = QFileInfo(folder).absolutePath();
    bool moved = false;
    for (const QString &watched : m_watcher->directories()) {
        if (watched != folder)
            moved = m_watcher->removePath(watched) || moved;
    }
    if (!m_watcher->directories().contains(folder))
        m_watcher->addPath(folder);
    // What came into the folder before its watch did (a sync program made
    // it and put the store in) is heard of by nothing else.
    if (moved)
        m_settle->start();
}

void StoreWatcher::wrote(const StoreFolder::Stamp &replaced, const StoreFolder::Stamp &written)
{
    if (replaced == m_told)
        m_told = written;
    keepWatching();
}

bool StoreWatcher::takeNews(const StoreFolder::Stamp &now)
{
    if (now == m_told)
        return false;
    m_told = now;
    return true;
}
