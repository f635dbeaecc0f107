#pragma once

#include "storefolder.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Whole copies of the store kept before the steps that take text away or
// replace it wholesale, in the folder "snapshots" beside it: this machine's
// own (0700, each file 0600). A file is named "<yyyyMMdd-HHmmss-zzz>Z #<n>
// <step>.conf": the time in UTC, and a number one past the newest's, which
// orders them whatever the clock did (one put back a week keeps the slips
// made since). Earlier versions named them without the number (in local
// time, without the Z, before that): older than any numbered, and ordered
// by their time. The store file is
// never changed in place, only replaced, so a snapshot is the old file
// itself, kept under a second name (a hard link): it costs no copy and
// holds exactly what was there. Bounded: the newest 20, and the newest of
// each of the last 30 days; never more than twenty times the largest store
// of the last 30 days or 20 MB, whichever is larger.
class Snapshots
{
public:
    static inline const QString folderName = QStringLiteral("snapshots");
    static constexpr int newestKept = 20;
    static constexpr int daysKept = 30;
    static constexpr qint64 leastRoom = 20 * 1024 * 1024;

    struct Entry
    {
        QString name;
        QDateTime when;
        QString step;
        qint64 number = 0; // 0: named by an earlier version
    };

    explicit Snapshots(const QString &storeFolder);

    // Keeps the store file as it is now as a snapshot of the step, unless the
    // newest snapshot already holds the same; then keeps the bounds. The
    // name of the snapshot that holds it (empty when there is no store yet);
    // nothing, with the system's error number, when it could not be kept.
    std::optional<QString> keep(StoreFolder &storeFolder, const QString &storeName, const QString &step,
                                const QDateTime &now);
    int error() const { return m_error; }
    // Whether none was kept today: its first save keeps one.
    bool noneOn(const QDateTime &now) const;
    // Named more than a day after now: kept under a clock that was ahead.
    static bool isFuture(const Entry &entry, const QDateTime &now);

    // Newest first.
    QList<Entry> entries() const;
    StoreFolder::ReadResult read(const Entry &entry) const;

private:
    // The entries newest first, the one just kept among them.
    void prune(StoreFolder &folder, const QList<Entry> &all, const QDateTime &now, qint64 storeSize) const;

    bool open(StoreFolder &folder, bool create) const;

    QString m_storeFolder;
    mutable int m_error = 0;
};
