#pragma once

#include "store/settingsstore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The store a test's program runs on, of its own: a settings file in a
// private folder here, a registry key of its own on Windows (removed again
// at the end). One file per platform implements it.
class TestStore
{
public:
    TestStore();
    ~TestStore();
    TestStore(const TestStore &) = delete;
    TestStore &operator=(const TestStore &) = delete;

    SettingsStore &store() { return *m_store; }
    // The file, or the registry key's application name.
    QString location() const { return m_location; }
    // What another copy of the program reads there now.
    QString readAfresh(const QString &section, const QString &key) const;
    // "Section/Key" of everything stored.
    QStringList keys() const;
    // Everything stored, to show that nothing changed.
    QByteArray snapshot() const;
    bool isEmpty() const { return keys().isEmpty(); }
    // Changes written by another copy of the program (or a sync engine), and
    // whether the store's windows hear of them here (not in the registry).
    void writeAsAnotherCopy(const QList<StoreChange> &changes);
    // The same store as another copy of the program opens it.
    std::unique_ptr<SettingsStore> anotherCopy() const;
    bool followsChanges() const;
    // The store as another machine saved it with these changes, left beside
    // it as a sync program leaves a conflict copy; false where the store is
    // no file.
    bool leaveConflictCopy(const QList<StoreChange> &changes);

    // Makes the store (or its whole folder) refuse writes, also for root;
    // false where that cannot be done here, and the test skips.
    bool makeReadOnly(bool wholeFolder);
    void makeWritable();

private:
    QTemporaryDir m_dir;
    QString m_location; // the file, or the registry key's application name
    QString m_readOnly;
    std::unique_ptr<SettingsStore> m_store;
};
