// The settings file in a folder a file-sync engine keeps in step with other
// machines: the conflict copies it leaves are merged in, and the program
// hears when the file changes under it.
#include "conffilestore.h"

#include "storemerge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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
        const storemerge::Merged merged = storemerge::merge(here.document, parsed(std::move(read.bytes)).document, m_clock());
        if (merged.clockAhead && !std::exchange(m_clockAheadTold, true)) {
            reportProblem(tr("%1, a copy of Velmorwick's settings a sync program kept, was saved on a computer "
                             "whose clock is more than a day ahead. Its lists were counted as saved now; please "
                             "set that computer's clock.")
                              .arg(copy));
        }
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
        QByteArray mergedBytes = merged.document == here.document ? QByteArray() : merged.document.serialize();
        if (mergedBytes.size() > StoreFolder::sizeLimit) {
            reportProblem(tr("Velmorwick could not merge %1, a copy of its settings a sync program kept: together "
                             "they would pass the %2 MB Velmorwick reads. It is left as it is.")
                              .arg(copy)
                              .arg(StoreFolder::sizeLimit / (1024 * 1024)));
            return;
        }
        if (!mergedBytes.isEmpty()) {
            // A file edited by hand is kept as it was before the merge
            // writes it back in the program's own form, as before any write.
            if (!here.exact && !keepCopy(folder, here)) {
                reportProblem(tr("Velmorwick could not merge %1, a copy of its settings a sync program kept: the "
                                 "settings file could not be copied aside first (%2). It is left as it is.")
                                  .arg(copy, StoreFolder::reasonFor(folder.error())));
                return;
            }
            const StoreFolder::Written written = folder.writeWhole(m_name, mergedBytes, {}, here.stamp);
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
        }
        folder.remove(copy);
        folder.sync();
        if (!merged.fromCopy.isEmpty())
            taken << tr("%1 from %2").arg(merged.fromCopy.join(tr(", ")), copy);
        m_takenThisStep << merged.fromCopy;
        for (const QString &name : {keptHere, keptTheirs}) {
            if (!name.isEmpty())
                kept << name;
        }
    }
    if (taken.isEmpty() && kept.isEmpty())
        return;
    QString message = tr("Lists were saved on two computers at once, and the sync program kept both versions. "
                         "Velmorwick merged them, each list as it was saved last");
    // A few are named; more would make a box no one reads.
    constexpr qsizetype named = 3;
    if (taken.size() > named)
        taken = taken.first(named) << QCoreApplication::translate("ConfFileStore", "%n more copies", nullptr,
                                                                  int(taken.size() - named));
    message += taken.isEmpty() ? tr(": every list here was the later one.") : tr(": %1.").arg(taken.join(tr("; ")));
    if (kept.size() > named) {
        message += u' ' + tr("The %1 versions that lost are kept beside the settings file, in %2.")
                              .arg(kept.size())
                              .arg(QDir::toNativeSeparators(m_folder));
    } else if (!kept.isEmpty()) {
        message += u' ' + tr("The versions that lost are kept beside the settings file, in %1.").arg(kept.join(tr(", ")));
    }
    reportProblem(message);
}

void ConfFileStore::watch(std::function<void()> changed)
{
    m_changed = std::move(changed);
    StoreFolder folder;
    m_watch.start(folder.open(m_folder, false) ? folder.stampOf(m_name) : StoreFolder::Stamp{},
                  [this] { checkForChanges(); });
}

void ConfFileStore::checkForChanges()
{
    m_watch.keepWatching();
    StoreFolder folder;
    if (!folder.open(m_folder, false))
        return;
    const QStringList names = folder.names(QFileInfo(m_name).completeBaseName());
    if (std::any_of(names.begin(), names.end(), [this](const QString &n) { return storemerge::isConflictCopy(m_name, n); })) {
        const ToldAfter told(*this);
        StoreFolder locked;
        openLocked(locked); // merges them
    }
    if (m_watch.takeNews(folder.stampOf(m_name)) && m_changed)
        m_changed();
}
