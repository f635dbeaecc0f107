#pragma once

#include "settingsstore.h"

#include <QByteArray>
#include <QSet>

class QSettings;

// The store as one settings file in QSettings' INI format, written so that
//  - every write is on disk (file and folder synced) before apply() returns;
//  - a write is atomic: the file is replaced whole, never edited in place, so a
//    process killed at any moment leaves either the old or the new contents;
//  - the file is private to the user (0600, its folder 0700);
//  - a file that cannot be parsed is kept aside, byte for byte, before anything
//    replaces it, and the user is told once;
//  - several copies of the program writing at once merge their changes.
class ConfFileStore final : public SettingsStore
{
public:
    explicit ConfFileStore(QString filePath);

    QString filePath() const { return m_path; }
    // How long a write waits for another copy of the program to finish its own.
    void setLockWait(int milliseconds) { m_lockWaitMs = milliseconds; }

    void checkOnOpen() override;

    QString read(const QString &section, const QString &key) const override;
    StoreResult apply(const QList<StoreChange> &changes) override;

private:
    StoreResult applyLocked(const QList<StoreChange> &changes);
    bool keepDamagedCopy(const QByteArray &contents);

    QString m_path;
    int m_lockWaitMs = 2000;
    QSet<QByteArray> m_keptDigests;
};
