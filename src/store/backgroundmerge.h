#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <mutex>

class ConfFileStore;

// The conflict copies a sync program leaves beside the settings file, merged
// on a thread of their own by a store of its own on the same file (the
// file's lock has it and the windows' store take turns): no window waits for
// a merge of many copies, and each follows the file when the merged version
// lands. What the merge says is told on the thread that made this object.
class BackgroundMerge
{
public:
    BackgroundMerge(QString path, QString machine, std::function<void(const QString &)> tell);
    // Waits for a merge under way: it is never cut short.
    ~BackgroundMerge();

    // A merge starts, or, while one runs, another follows it.
    void start();
    // Whether a merge runs or waits (for a benchmark, and for tests).
    bool busy() const;

private:
    void run();

    QString m_path;
    QString m_machine;
    std::function<void(const QString &)> m_tell;
    QObject m_here; // where what the merge says is told
    std::unique_ptr<ConfFileStore> m_store; // the merge's own, used on its thread only
    QThreadPool m_thread;
    mutable std::mutex m_mutex;
    bool m_running = false;
    bool m_again = false;
};
