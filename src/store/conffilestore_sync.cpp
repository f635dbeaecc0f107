// The settings file in a folder a file-sync engine keeps in step with other
// machines: the conflict copies it leaves are merged in, and the program
// hears when the file changes under it.
#include "conffilestore.h"

#include "storemerge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ConfFileStore", text);
}

} // namespace

void ConfFileStore::mergeConflictCopies(StoreFolder &folder)
{
    QStringList copies;
    for (const QString &name : folder.names(QFileInfo(m_name).completeBaseName())) {
        if (storemerge::isConflictCopy(m_name, name))
            copies << name;
    }
    if (copies.isEmpty())
        return;
    Loaded here = load(folder);
    if (!here.readable)
        return; // said elsewhere; nothing is merged into a store that cannot be read
    QStringList taken, kept;
    int replacedTimes = 0;
    for (qsizetype at = 0; at < copies.size(); ++at) {
        const QString &copy = copies[at];
        StoreFolder::ReadResult read = folder.read(copy);
        if (read.status != StoreFolder::ReadResult::Status::Read)
            continue; // not a regular file: none of the store's business
        const QByteArray theirBytes = read.bytes;
        const storemerge::Merged merged = storemerge::merge(here.document, parsed(std::move(read.bytes)).document);
        // What lost on either side is kept whole before anything changes.
        const QByteArray hereBytes = here.exact ? here.document.serialize() : here.bytes;
        const QString keptHere = merged.hereLost ? publishCopy(folder, hereBytes, QStringLiteral(".merged")) : QString();
        const QString keptTheirs =
            merged.copyLost ? publishCopy(folder, theirBytes, QStringLiteral(".conflict")) : QString();
        if ((merged.hereLost && keptHere.isEmpty()) || (merged.copyLost && keptTheirs.isEmpty())) {
            reportProblem(tr("Velmorwick could not merge %1, a copy of its settings a sync program kept: there was "
                             "no room to keep what it would replace (%2). It is left as it is.")
                              .arg(copy, StoreFolder::reasonFor(folder.error())));
            return;
        }
        if (!(merged.document == here.document)) {
            // A file edited by hand is kept as it was before the merge
            // writes it back in the program's own form, as before any write.
            if (!here.exact && !keepCopy(folder, here)) {
                reportProblem(tr("Velmorwick could not merge %1, a copy of its settings a sync program kept: the "
                                 "settings file could not be copied aside first (%2). It is left as it is.")
                                  .arg(copy, StoreFolder::reasonFor(folder.error())));
                return;
            }
            const StoreFolder::Written written =
                folder.writeWhole(m_name, merged.document.serialize(), {}, here.stamp);
            forgetCache();
            if (written.status == StoreFolder::Written::Status::Replaced && ++replacedTimes < writeAttempts) {
                // The sync program brought a newer version: merged into that.
                here = load(folder);
                if (!here.readable)
                    return;
                --at;
                continue;
            }
            if (!written.landed()) {
                reportProblem(tr("Velmorwick could not merge %1, a copy of its settings a sync program kept (%2). It "
                                 "is left as it is.")
                                  .arg(copy, StoreFolder::reasonFor(written.error)));
                return;
            }
            here = load(folder);
            m_mergedUnseen = true;
        }
        folder.remove(copy);
        folder.sync();
        if (!merged.fromCopy.isEmpty())
            taken << tr("%1 from %2").arg(merged.fromCopy.join(tr(", ")), copy);
        for (const QString &name : {keptHere, keptTheirs}) {
            if (!name.isEmpty())
                kept << name;
        }
    }
    if (taken.isEmpty() && kept.isEmpty())
        return;
    QString message = tr("Lists were saved on two computers at once, and the sync program kept both versions. "
                         "Velmorwick merged them, each list as it was saved last");
    message += taken.isEmpty() ? tr(": every list here was the later one.") : tr(": %1.").arg(taken.join(tr("; ")));
    if (!kept.isEmpty())
        message += u' ' + tr("The versions that lost are kept beside the settings file, in %1.").arg(kept.join(tr(", ")));
    reportProblem(message);
}

void ConfFileStore::watch(std::function<void()> changed)
{
    m_changed = std::move(changed);
    m_watcher = std::make_unique<QFileSystemWatcher>();
    m_settle = std::make_unique<QTimer>();
    // Several events come with one save (the scratch file, the rename, the
    // sync engine's own files): the check runs once they have settled.
    m_settle->setSingleShot(true);
    m_settle->setInterval(100);
    QObject::connect(m_settle.get(), &QTimer::timeout, m_watcher.get(), [this] { checkForChanges(); });
    const auto soon = [this] { m_settle->start(); };
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, m_watcher.get(), soon);
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, m_watcher.get(), soon);
    keepWatching();
}

void ConfFileStore::keepWatching()
{
    if (!m_watcher)
        return;
    // A file replaced by a rename is a new file: watched anew each time.
    for (const QString &path : {m_folder, m_path}) {
        if (!m_watcher->files().contains(path) && !m_watcher->directories().contains(path) && QFileInfo::exists(path))
            m_watcher->addPath(path);
    }
}

void ConfFileStore::checkForChanges()
{
    keepWatching();
    StoreFolder folder;
    if (!folder.open(m_folder, false))
        return;
    const StoreFolder::Stamp before = m_lastSeen;
    const QStringList names = folder.names(QFileInfo(m_name).completeBaseName());
    if (std::any_of(names.begin(), names.end(), [this](const QString &n) { return storemerge::isConflictCopy(m_name, n); })) {
        StoreFolder locked;
        openLocked(locked); // merges them
    }
    const StoreFolder::Stamp now = folder.stampOf(m_name);
    // A merge during one of this copy's own writes changed lists it shows.
    if (now == before && !std::exchange(m_mergedUnseen, false))
        return;
    m_lastSeen = now;
    if (m_changed)
        m_changed();
}
