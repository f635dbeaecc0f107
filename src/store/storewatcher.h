#pragma once

#include "storefolder.h"

#include <QString>

#include <functional>
#include <memory>

class QFileSystemWatcher;
class QTimer;

// Hears when the settings file changes under the program, and remembers
// which version of it the windows were last told of. Only two things move
// that version: a notice to the windows, and a write of the program's own
// that replaced the very version they knew (a read never does: a version
// read while a notice settles is still news to the windows).
class StoreWatcher
{
public:
    StoreWatcher(QString folder, QString name);
    ~StoreWatcher();

    // Calls check once the events of a change have settled. The folder is
    // watched from its nearest existing parent until it exists.
    void start(const StoreFolder::Stamp &current, std::function<void()> check);
    bool started() const { return m_watcher != nullptr; }
    void keepWatching();

    // This program wrote `written` in place of `replaced`.
    void wrote(const StoreFolder::Stamp &replaced, const StoreFolder::Stamp &written);
    // Whether the file is now at a version the windows were not told of; if
    // so, it counts as told.
    bool takeNews(const StoreFolder::Stamp &now);

private:
    QString m_folder;
    QString m_path;
    StoreFolder::Stamp m_told;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    std::unique_ptr<QTimer> m_settle;
};
