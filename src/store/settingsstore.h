#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "logbook.h"

#include <QObject>

// One change within a write to the store.
struct StoreChange
{
    // Snapshot: before this write, the store as it is is kept as a snapshot
    // of the step named in value (where the store keeps snapshots).
    // Expect: the batch is written only while section/key holds value (empty:
    // no such key), judged under the lock; else nothing is, and the result
    // says Changed. A check and a write no other copy can come between.
    // AddWord, RemoveWord: value is one word added to, or taken from, a list
    // of words separated by spaces and in order, as the store holds it under
    // the lock.
    // Unseen: the day-list row (section, key "Text<n>") or the private list
    // as held under the lock is one the writer never saw: where the batch
    // changes it, what it held goes to the record of rows replaced, or, for
    // the private list, aside as a set of its rows.
    enum class Kind { Write, RemoveKey, RemoveSection, Snapshot, Expect, AddWord, RemoveWord, Unseen };

    Kind kind = Kind::Write;
    QString section;
    QString key;
    QString value;
    // With Snapshot: the write replaces a version no window showed (one
    // saved elsewhere), so it is kept whatever it takes: as a kept copy
    // where no snapshot can be kept, and the write refused where neither can.
    bool mustKeep = false;

    static StoreChange write(const QString &section, const QString &key, const QString &value)
    {
        return {Kind::Write, section, key, value};
    }
    static StoreChange removeKey(const QString &section, const QString &key)
    {
        return {Kind::RemoveKey, section, key, {}};
    }
    static StoreChange removeSection(const QString &section) { return {Kind::RemoveSection, section, {}, {}}; }
    static StoreChange addWord(const QString &section, const QString &key, const QString &word)
    {
        return {Kind::AddWord, section, key, word};
    }
    static StoreChange removeWord(const QString &section, const QString &key, const QString &word)
    {
        return {Kind::RemoveWord, section, key, word};
    }
    // The list of words `held` after this change (AddWord or RemoveWord).
    QString wordsAfter(const QString &held) const;
    // Whether the change touches a section or key outside the store's schema.
    bool outsideSchema() const;
    static StoreChange snapshot(const QString &step) { return {Kind::Snapshot, {}, {}, step}; }
    static StoreChange keepFirst(const QString &step) { return {Kind::Snapshot, {}, {}, step, true}; }
    static StoreChange expect(const QString &section, const QString &key, const QString &value)
    {
        return {Kind::Expect, section, key, value};
    }
    static StoreChange unseenRow(const QString &list, int row)
    {
        return {Kind::Unseen, list, QStringLiteral("Text") + QString::number(row), {}};
    }
    static StoreChange unseen(const QString &section, const QString &key) { return {Kind::Unseen, section, key, {}}; }
};

struct StoreResult
{
    enum class Status {
        Done,
        SectionMissing, // a section to remove was not there; everything else was done
        Unconfirmed,    // written, but the disk did not confirm it; reason says what it said
        Refused,        // nothing was written; reason says why in plain words
        Changed,        // nothing was written: a value the batch expected was not there
    };

    StoreResult() = default;
    StoreResult(Status status, QString reason = {})
        : status(status)
        , reason(std::move(reason))
    {
    }

    Status status = Status::Done;
    QString reason;
    // Where the store as it was before the write was kept: a snapshot's
    // name, or a kept copy's path; empty when nothing was.
    QString keptAs;
    bool keptAsCopy = false;
    // Rows of day lists whose version from elsewhere the write replaced,
    // now in the record of rows replaced: "the 10-task list, task 4".
    QStringList replacedRows;
    // The private list's version from elsewhere that the write replaced,
    // kept aside as a set of its rows under this name; empty when none was.
    QString keptAsideAs;

    // Whether the change is in the store: whatever depends on it goes on.
    bool written() const { return status != Status::Refused && status != Status::Changed; }
};

// The per-user settings store: sections of keys holding text.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // Looks at the store once at start-up and tells the user, through the
    // problem reporter, of anything that keeps their data from being read.
    virtual void checkOnOpen() {}

    // A missing section or key reads as the empty string.
    virtual QString read(const QString &section, const QString &key) const = 0;

    // The changes reach the disk before this returns. Removing a missing
    // section is reported, not refused.
    //  - The settings file (ConfFileStore, everywhere but Windows) applies a
    //    batch all or nothing: after a refusal nothing of it was written.
    //  - The registry (RegistryStore, Windows) has no way to change several
    //    values together: a refusal part-way may leave the earlier changes
    //    of the batch written. Callers that must not mix old and new values
    //    there keep them in one value.
    virtual StoreResult apply(const QList<StoreChange> &changes) = 0;

    StoreResult write(const QString &section, const QString &key, const QString &value)
    {
        return apply({StoreChange::write(section, key, value)});
    }
    StoreResult removeSection(const QString &section) { return apply({StoreChange::removeSection(section)}); }

    // A value holding a secret was read or written for the last time: a copy
    // the store keeps of it in memory is wiped now.
    virtual void forgetSecret(const QString &section, const QString &key)
    {
        Q_UNUSED(section);
        Q_UNUSED(key);
    }

    // How long a write waits for another copy of the program to finish its
    // own before it is refused with the reason. Windows wait no longer than
    // no one notices, so that a window never freezes; a command may wait.
    virtual void setLockPatience(int milliseconds) { Q_UNUSED(milliseconds); }

    // Calls back from the event loop, within a second, whenever what is
    // stored changes on disk by another hand: another copy of the program,
    // one of its commands, a file-sync engine. Its own writes do not count.
    virtual void watch(std::function<void()> changed) { Q_UNUSED(changed); }

    // Runs work while no other copy of the program can write the store, so
    // that every read in it sees one version. The work only reads.
    virtual StoreResult whileLocked(const std::function<void()> &work)
    {
        work();
        return {};
    }
    // The same for work that only reads: it also runs where nothing can be
    // written (a read-only disk), where no lock can be taken nor is needed.
    virtual StoreResult whileReading(const std::function<void()> &work) { return whileLocked(work); }
    // The whole store as its file holds it, read in one piece under the
    // lock, for a backup.
    virtual StoreResult readWhole(QByteArray *bytes);
    // Puts such a copy in place of the store in one write, once it is known
    // to be a store of this program; the store it replaces is kept beside
    // it, under the name given back in keptAs, and as a snapshot where one
    // can be kept (the result's keptAs names it).
    virtual StoreResult restoreFrom(const QByteArray &bytes, const QString &from, QString *keptAs);
    // The files the store keeps for itself, which no command may write over.
    virtual QStringList ownFiles() const { return {}; }

    // The snapshots kept before steps that took text away, newest first:
    // when, which step, and which parts of the store differ from it now.
    struct Snapshot
    {
        QDateTime when;
        QString step;
        QStringList differs;
    };
    virtual QList<Snapshot> snapshots() const { return {}; }
    // Whether a snapshot change keeps one (the registry keeps none).
    virtual bool keepsSnapshots() const { return false; }
    // Snapshots and kept copies whose private list opens with a password
    // other than the one stored now (one changed since).
    virtual int olderPrivateCopies() const { return 0; }
    // Takes the private list out of each of them; their day lists stay.
    virtual StoreResult forgetOlderPrivateCopies(int *forgotten)
    {
        *forgotten = 0;
        return {};
    }
    // The bytes of snapshot number (from 1, newest first), for a restore.
    virtual StoreResult snapshotBytes(int number, QByteArray *bytes, QString *name) const;
    // When each snapshot was kept, numbered as above; nothing else is read.
    virtual QList<QDateTime> snapshotTimes() const { return {}; }

    // The tasks done on every machine from a time on (all, when invalid),
    // newest first (see logbook.h), and what could not be read of them;
    // refused where the store keeps none.
    struct Done
    {
        QList<logbook::Entry> entries;
        QStringList problems;
    };
    // The logbook as a backup holds it, and taken back in from one: what the
    // files lack is added to this machine's (a restore takes nothing away).
    virtual StoreResult logbookForBackup(QByteArray *lines)
    {
        Q_UNUSED(lines);
        return {};
    }
    virtual StoreResult restoreLogbook(const QByteArray &lines)
    {
        Q_UNUSED(lines);
        return {};
    }
    // Takes the tasks done before a time out of the logbook on every
    // machine, this machine's file kept as it was first (keptAs).
    virtual StoreResult forgetDoneBefore(const QDateTime &before)
    {
        Q_UNUSED(before);
        return {StoreResult::Status::Refused, QObject::tr("This system keeps no logbook of tasks done.")};
    }
    virtual StoreResult doneTasks(Done *done, const QDateTime &from)
    {
        Q_UNUSED(done);
        Q_UNUSED(from);
        return {StoreResult::Status::Refused, QObject::tr("This system keeps no logbook of tasks done.")};
    }

    // Whether conflict copies a sync program left beside the store are merged
    // as the store is opened (they are). A step whose user sees no window to
    // be told what a merge replaced (`add`) leaves them to the next that does.
    virtual void setMergesCopies(bool merges) { Q_UNUSED(merges); }
    virtual void setMergesInBackground(bool inBackground) { Q_UNUSED(inBackground); }

    // Whether the version of the section's part in the store now is one this
    // run of the program wrote itself (Clear All Tasks beside an open list),
    // not one from another hand.
    virtual bool lastChangedHere(const QString &section) const
    {
        Q_UNUSED(section);
        return false;
    }

    // Problems the user has to hear about although no command failed, such as
    // a damaged store file that was kept aside.
    void setProblemReporter(std::function<void(const QString &)> reporter) { m_reporter = std::move(reporter); }

protected:
    // A change to a section or key the store's schema does not name: a fault
    // of the program's, refused before anything is written.
    static StoreResult refusedAsUnknown(const StoreChange &change);
    void reportProblem(const QString &message) const
    {
        if (m_holding > 0)
            m_held << message;
        else if (m_reporter)
            m_reporter(message);
    }
    // Problems found while the store's lock is held are told once it is
    // released (declare it before the folder that holds the lock): a box
    // shown meanwhile would keep every other copy of the program waiting,
    // and its event loop could call into the store in the middle of a write.
    class ToldAfter
    {
    public:
        explicit ToldAfter(const SettingsStore &store)
            : m_store(store)
        {
            ++m_store.m_holding;
        }
        ~ToldAfter()
        {
            if (--m_store.m_holding == 0) {
                for (const QString &message : std::exchange(m_store.m_held, {}))
                    m_store.reportProblem(message);
            }
        }
        ToldAfter(const ToldAfter &) = delete;
        ToldAfter &operator=(const ToldAfter &) = delete;

    private:
        const SettingsStore &m_store;
    };

private:
    std::function<void(const QString &)> m_reporter;
    mutable int m_holding = 0;
    mutable QStringList m_held;
};
