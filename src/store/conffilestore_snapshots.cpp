// The settings file's snapshots: kept before the steps that take text away,
// listed, and read back for a restore.
#include "conffilestore.h"

#include "snapshots.h"
#include "storekeys.h"
#include "storemerge.h"

#include <QCoreApplication>

namespace {

// Whether a value that held text holds none after the write.
bool tookTextAway(const IniDocument &before, const IniDocument &after)
{
    for (const IniDocument::Section &section : before.sections()) {
        if (section.name == storemerge::savedSection)
            continue;
        for (const IniDocument::Entry &entry : section.entries) {
            const QString *now = after.find(section.name, entry.key);
            if (!entry.value.isEmpty() && (!now || now->isEmpty()))
                return true;
        }
    }
    return false;
}

// Why a snapshot's file could not be read, in words.
QString whyUnread(const StoreFolder::ReadResult &read)
{
    if (read.status == StoreFolder::ReadResult::Status::NotRegular)
        return ConfFileStore::tr("it is %1, not an ordinary file").arg(read.kind);
    if (read.status == StoreFolder::ReadResult::Status::TooLarge)
        return ConfFileStore::tr("it is larger than any settings file");
    return StoreFolder::reasonFor(read.error);
}

} // namespace

QString ConfFileStore::keepSnapshot(StoreFolder &folder, const IniDocument &before, const IniDocument &after,
                                   QString step, const QDateTime &now, bool mustKeep, QString *whyNot)
{
    // A store holding a data key in the clear (a password change half done)
    // is never kept: that key opens only what the change needs, for as long
    // as it needs it.
    if (!m_keepsSnapshots || folder.stampOf(m_name).size < 0)
        return {};
    if (before.find(storekeys::unfinishedChangeSection, storekeys::dataKeyKey)) {
        *whyNot = tr("a password change is half done, and its key is never kept");
        return {};
    }
    Snapshots snapshots(m_folder);
    if (step.isEmpty() && tookTextAway(before, after))
        step = tr("tasks emptied");
    if (step.isEmpty() && snapshots.noneOn(now))
        step = tr("first save of the day");
    const QList<Snapshots::Entry> all = snapshots.entries();
    if (!all.isEmpty() && Snapshots::isFuture(all.first(), now) && !std::exchange(m_futureSnapshotTold, true)) {
        reportProblem(tr("The snapshot %1 is named after a time more than a day after this computer's clock: "
                         "either the clock was ahead when it was kept, or it is behind now. It is kept, and not "
                         "counted as today's.")
                          .arg(all.first().name));
    }
    if (step.isEmpty())
        return {};
    if (const std::optional<QString> kept = snapshots.keep(folder, m_name, step, now))
        return *kept;
    *whyNot = StoreFolder::reasonFor(snapshots.error());
    // A step that must keep what it replaces keeps it otherwise, and says so;
    // any other is told of once it has gone on, and only then.
    if (!mustKeep && !m_snapshotFailureTold) {
        m_snapshotProblem = tr("Velmorwick could not keep a snapshot of its settings before this step (%1). The "
                               "step went on without one; each later step tries again, and you are told again only "
                               "when a step cannot go on without one.")
                                .arg(*whyNot);
    }
    return {};
}

void ConfFileStore::tellSnapshotProblem(bool stepWentOn)
{
    const QString problem = std::exchange(m_snapshotProblem, QString());
    if (stepWentOn && !problem.isEmpty() && !std::exchange(m_snapshotFailureTold, true))
        reportProblem(problem);
}

QList<SettingsStore::Snapshot> ConfFileStore::snapshots() const
{
    StoreFolder folder;
    const Loaded now = folder.open(m_folder, false) ? m_file.load(folder) : Loaded{};
    QList<Snapshot> found;
    const Snapshots snapshots(m_folder);
    for (const Snapshots::Entry &entry : snapshots.entries()) {
        StoreFolder::ReadResult read = snapshots.read(entry);
        QStringList differs;
        if (read.status == StoreFolder::ReadResult::Status::Read)
            differs = storemerge::differingParts(StoreFile::parsed(std::move(read.bytes)).document, now.document);
        else
            differs << tr("(cannot be read: %1)").arg(whyUnread(read));
        found << Snapshot{entry.when, entry.step, differs};
    }
    return found;
}

QList<QDateTime> ConfFileStore::snapshotTimes() const
{
    QList<QDateTime> times;
    for (const Snapshots::Entry &entry : Snapshots(m_folder).entries())
        times << entry.when;
    return times;
}

StoreResult ConfFileStore::snapshotBytes(int number, QByteArray *bytes, QString *name) const
{
    const Snapshots snapshots(m_folder);
    const QList<Snapshots::Entry> entries = snapshots.entries();
    if (number < 1 || number > entries.size()) {
        return {StoreResult::Status::Refused, entries.isEmpty() ? tr("There are no snapshots.")
                                                                : tr("There is no snapshot %1; they are numbered 1 to %2.")
                                                                      .arg(number)
                                                                      .arg(entries.size())};
    }
    StoreFolder::ReadResult read = snapshots.read(entries[number - 1]);
    if (read.status != StoreFolder::ReadResult::Status::Read) {
        return {StoreResult::Status::Refused,
                tr("Snapshot %1 cannot be read (%2).").arg(number).arg(whyUnread(read))};
    }
    *bytes = std::move(read.bytes);
    *name = entries[number - 1].name;
    return {};
}
