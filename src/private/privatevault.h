#pragma once

#include "lists/liststorage.h"
#include "private/passwordgate.h"
#include "private/sealing.h"

class SettingsStore;

// The private list, encrypted at rest. Its rows are sealed under a random
// data key; the data key is sealed under a key derived from the password
// (Argon2id, its own salt), so changing the password re-seals 32 bytes, not
// the list. Proving the password and opening the data key are one key
// derivation. The data key is held in locked memory from a correct entry
// until the list window closes.
class PrivateVault final : public ListStorage, public PasswordGate
{
public:
    explicit PrivateVault(SettingsStore &store);

    // A right password opens the data key; an earlier store's plain list and
    // password are encrypted and hashed in the same write.
    EntryResult enter(const QString &password) override;
    // The data key is kept as it is until a new password is set, so the list
    // survives an unfinished change; everything held is wiped.
    StoreResult startChange() override;
    // The password's hash and the data key sealed under it, in one write; a
    // list left plain by an earlier version is encrypted in it too.
    StoreResult setPassword(const QString &password) override;

    LoadedList load(int rows) override;
    StoreResult save(const QList<TaskRow> &rows) override;
    StoreResult clear() override;
    void close() override;

    bool isOpen() const { return !m_dataKey.isEmpty(); }
    // What save() would write, for a caller that writes more in the same
    // write; the reason it cannot be written otherwise. Once written, call
    // saved().
    StoreResult changesToSave(const QList<TaskRow> &rows, QList<StoreChange> *changes) const;
    void saved() { m_keepAside.clear(); }

private:
    bool tryWrappedKey(const QString &password);
    QList<StoreChange> withKeptAside(QList<StoreChange> changes) const;

    SettingsStore &m_store;
    sealing::Key m_dataKey;
    // A sealed list or key that failed authentication, copied aside in the
    // first write that would replace it.
    QList<StoreChange> m_keepAside;
};
