#pragma once

#include "backgroundmerge.h"
#include "inidocument.h"
#include "keptcopies.h"
#include "storefile.h"
#include "storemerge.h"
#include "settingsstore.h"
#include "storefolder.h"
#include "storewatcher.h"

#include <QByteArray>
#include <QHash>
#include <QSet>

#include <memory>
#include <optional>


// The store as one settings file in QSettings' INI format, written so that
//  - a write lands whole or is refused: the new file is written beside the
//    old one, synced and read back before it replaces it, so a full disk, a
//    size limit or a killed process leaves the old file as it was;
//  - every write is on disk (file and folder synced) before apply() returns;
//  - only a regular file is read or written, never through a symbolic link;
//  - the file is private to the user (0600, its folder 0700) from creation;
//  - a file the program could not write back byte for byte (damaged, or
//    edited by hand) is copied aside before it is first rewritten, and the
//    user is told once;
//  - several copies of the program writing at once take turns and merge
//    their changes.
class ConfFileStore final : public SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(ConfFileStore)

public:
    explicit ConfFileStore(QString filePath);
    ~ConfFileStore() override;

    void setLockPatience(int milliseconds) override { m_lockWaitMs = milliseconds; }
    void setMergesCopies(bool merges) override { m_mergesCopies = merges; }
    // Conflict copies merged on a thread of their own (the program with
    // windows), not within the step that finds them.
    void setMergesInBackground(bool inBackground) override;
    // Whether a merge on that thread runs or waits.
    bool mergingInBackground() const;
    // The conflict copies beside the file merged now, if there are any.
    void mergeCopies();
    // Whether snapshots are kept before steps that take text away (they are,
    // but for a benchmark's floor).
    void setKeepsSnapshots(bool keeps) { m_keepsSnapshots = keeps; }
    bool keepsSnapshots() const override { return m_keepsSnapshots; }
    // The machine's clock, in UTC; a simulation of several machines sets its own.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // The name this machine stamps its rows with; likewise.
    void setMachine(QString machine) { m_machine = std::move(machine); }

    void checkOnOpen() override;

    QString read(const QString &section, const QString &key) const override;
    StoreResult apply(const QList<StoreChange> &changes) override;
    void forgetSecret(const QString &section, const QString &key) override;
    StoreResult whileLocked(const std::function<void()> &work) override;
    StoreResult whileReading(const std::function<void()> &work) override;
    StoreResult readWhole(QByteArray *bytes) override;
    StoreResult restoreFrom(const QByteArray &bytes, const QString &from, QString *keptAs) override;
    QStringList ownFiles() const override;
    QList<Snapshot> snapshots() const override;
    StoreResult snapshotBytes(int number, QByteArray *bytes, QString *name) const override;
    QList<QDateTime> snapshotTimes() const override;
    StoreResult doneTasks(Done *done, const QDateTime &from) override;
    StoreResult forgetDoneBefore(const QDateTime &before) override;
    StoreResult logbookForBackup(QByteArray *lines) override;
    StoreResult restoreLogbook(const QByteArray &lines) override;
    void watch(std::function<void()> changed) override;
    int olderPrivateCopies() const override;
    bool lastChangedHere(const QString &section) const override;
    StoreResult forgetOlderPrivateCopies(int *forgotten) override;

private:
    QString machine() const;
    // Merges the conflict copies a sync program left beside the store, if any.
    void mergeCopiesBeside(const StoreFolder &folder);
    using Loaded = StoreFile::Loaded;
    // A batch of changes applied to a document in memory.
    struct Batch
    {
        IniDocument document;
        QString step;          // the snapshot kept before it: its name
        bool mustKeep = false; // the version it replaces is kept whatever it takes
        StoreResult result;    // what it comes to once written
    };

    // Takes in the conflict copies sync engines left beside the store, part
    // by part, the later saved winning; under the lock.
    void mergeConflictCopies(StoreFolder &folder);
    // Keeps the losing versions, writes the merged store once, removes the
    // copies and tells; true when a sync program replaced the store meanwhile.
    bool carryOut(StoreFolder &folder, const Loaded &here, const storemerge::Plan &plan,
                  const QList<storemerge::CopyFile> &copies);
    // kept: the versions that lost; keptAside: the copies set aside, by their new names.
    void tellMerged(const storemerge::Plan &plan, const QStringList &kept, const QStringList &keptAside);
    // Opens the store's folder and takes its lock, or says why not. To read
    // only, a folder no one can write is opened without the lock.
    StoreResult openLocked(StoreFolder &folder, bool toReadOnly = false);
    // The work, on a store opened as openLocked() opens it and readable.
    StoreResult whileOpen(const std::function<void()> &work, bool toReadOnly);
    // Once a run: leftovers of killed copies go, the folder is made private
    // or the user told why not.
    void tidyFolder(StoreFolder &folder);
    // Writes the changes into the version on the disk, read again when a sync
    // program replaced it meanwhile, a few times before giving up.
    StoreResult applyLocked(StoreFolder &folder, const QList<StoreChange> &changes);
    // One try, in steps: the store read to be changed, the expected values
    // checked, the changes made in memory and stamped, the version replaced
    // kept where it must be, the file written, and the write told.
    StoreResult applyOnce(StoreFolder &folder, const QList<StoreChange> &changes, bool &replaced);
    StoreResult loadToChange(StoreFolder &folder, Loaded *loaded);
    static StoreResult checkExpected(const IniDocument &document, const QList<StoreChange> &changes);
    static Batch applied(const IniDocument &document, const QList<StoreChange> &changes);
    StoreResult written(StoreFolder &folder, const Loaded &loaded, const Batch &batch, bool &replaced);
    static constexpr int writeAttempts = 5;
    bool keepCopy(StoreFolder &folder, const Loaded &loaded);
    // Before a write that takes text away (or the step says it replaces the
    // store wholesale) and at the first save of a day, the store as it is.
    // The snapshot's name; empty, and why not when one was asked for, when
    // none holds the store as it is.
    QString keepSnapshot(StoreFolder &folder, const IniDocument &before, const IniDocument &after, QString step,
                         const QDateTime &now, bool mustKeep, QString *whyNot);
    // A snapshot that could not be kept is told once the step went on, never
    // when it did not (a full disk refuses the write too).
    void tellSnapshotProblem(bool stepWentOn);
    // The store as it was before a write that replaces a version no window
    // showed: a snapshot, else a kept copy, else nothing and the write refused.
    // Tasks ticked or unticked by a write, to this machine's logbook file:
    // a failure is told, the write stands.
    void logDone(StoreFolder &folder, const QByteArray &lines);
    StoreResult keepBefore(StoreFolder &folder, const Loaded &loaded, const IniDocument &after, const QString &step,
                           bool mustKeep, const QDateTime &now);
    void checkForChanges();
    // Each snapshot and kept copy whose private list is under a key other
    // than the store's own now: the folder it is in, its name and bytes.
    void forEachOlderPrivateCopy(
        const std::function<void(StoreFolder &, const QString &, const QByteArray &)> &found) const;
    // What a write of a file comes to, for the one who asked for it.
    static StoreResult outcome(const StoreFolder::Written &written, const QString &path, StoreResult done);

    QString m_path;
    QString m_folder;
    QString m_name;
    QString m_lockName;
    int m_lockWaitMs = 2000;
    static constexpr int mergeWaitMs = 5000;
    bool m_folderTidied = false;
    QSet<QByteArray> m_keptDigests;

    StoreFile m_file;
    std::function<void()> m_changed;
    StoreWatcher m_watch;
    KeptCopies m_copies;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTimeUtc(); };
    QString m_machine; // thisMachine() when not set
    bool m_snapshotFailureTold = false;
    QString m_snapshotProblem; // to tell once the step went on
    bool m_clockAheadTold = false;
    bool m_futureSnapshotTold = false;
    // The parts a merge in this step took from another machine's copy: a
    // write in the same step that replaces one of them keeps a snapshot, as
    // no window has shown that version yet.
    QStringList m_takenThisStep;
    // The store as this step found it, before a merge or a sync program
    // changed it: the rows a writer of this step saw.
    std::optional<IniDocument> m_stepBegan;
    // Copies that could not be read or removed: told once, not merged again.
    QSet<QString> m_copiesPassedOver;
    bool m_keepsSnapshots = true;
    bool m_mergesCopies = true;
    std::unique_ptr<BackgroundMerge> m_background;
};
