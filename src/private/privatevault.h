#pragma once

#include "lists/liststorage.h"
#include "private/passwordgate.h"
#include "private/sealing.h"

#include <functional>

class SettingsStore;

// The private list, encrypted at rest. Its rows are sealed under a random
// data key; the data key is sealed under a key derived from the password
// (Argon2id, its own salt and cost), so opening the list takes one key
// derivation. Every password set gets a new data key, and the list is
// sealed again under it in the same write. The data key is held in locked
// memory from a correct entry until the list window closes, and while it is
// held the process keeps others from reading its memory.
class PrivateVault final : public ListStorage, public PasswordGate
{
public:
    explicit PrivateVault(SettingsStore &store);
    ~PrivateVault() override;

    // Things the user has to hear of although the list opened: values kept
    // aside because they did not belong to the list.
    void setProblemReporter(std::function<void(const QString &)> reporter) { m_reporter = std::move(reporter); }

    // A right password opens the data key. What an earlier version, an
    // unfinished change or a hand edit left is settled in the same write.
    EntryResult enter(const QString &password) override;
    // The list is sealed under a key of its own, kept as it is until a new
    // password is set; the password goes, and everything held is wiped.
    StoreResult startChange() override;
    StoreResult setPassword(const QString &password) override;

    LoadedList load(int rows) override;
    StoreResult save(const QList<TaskRow> &rows, const QString &snapshotStep = {}, bool overAnother = false) override;
    bool savedOverAnotherVersion() const override { return m_savedOverAnother; }
    StoreResult clear() override;
    void close() override;
    bool holdsSecrets() const override { return true; }
    std::optional<QList<TaskRow>> follow(int rows) override;
    bool canSave() const override { return isOpen(); }

    bool isOpen() const { return !m_dataKey.isEmpty(); }
    // What save() would write, for a caller that writes more in the same
    // write; the reason it cannot be written otherwise. A saved list that
    // does not open is kept aside in it. Once written, call saved(), which
    // tells of what was kept aside.
    StoreResult changesToSave(const QList<TaskRow> &rows, QList<StoreChange> *changes);
    void saved();

private:
    struct Settled
    {
        QList<StoreChange> changes;
        QStringList notices;
        QString failure; // nothing can be written: why
    };
    Settled newDataKey(const QString &password, sealing::Key oldKey, sealing::Key *dataKey);
    Settled settled(sealing::Key *dataKey, bool keyOfThisVersion);
    void plainRowsSettled(Settled &settled, const sealing::Key &dataKey, bool notAnEarlierList) const;
    void hold(sealing::Key key);
    QList<StoreChange> withKeptAside(QList<StoreChange> changes) const;
    StoreResult keepAsideUnderItsKey(const QList<TaskRow> &rows);
    void report(const QStringList &notices) const;

    SettingsStore &m_store;
    sealing::Key m_dataKey;
    // The stored wrapped key the data key came from: a save checks, under
    // the lock, that it is still the one there.
    QString m_wrappedKey;
    // The sealed list as this window last read or wrote it: what a save may
    // replace without keeping it first.
    QString m_knownSealed;
    bool m_savedOverAnother = false;
    // A sealed list that failed authentication, copied aside in the first
    // write that would replace it, and what to tell once it is.
    QList<StoreChange> m_keepAside;
    QString m_keptAsideNotice;
    std::function<void(const QString &)> m_reporter;
};
