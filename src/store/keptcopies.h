#pragma once

#include "storefolder.h"

#include <QDateTime>
#include <QSet>
#include <QString>

#include <functional>

// Whole copies of the store kept beside it ("damaged", "merged", "conflict",
// "before-restore", "saved-over"): named "<store><kind>-<UTC time to the
// millisecond>Z-<n>", so that names are unique and sort by age. Each is kept
// for keptDays from the time in its name (one named after a time to come, by
// a clock that was ahead, counts as new), however many come after it: the
// user was told of each. Past a day old they also go, oldest first, while all
// of them together pass a bound of bytes. A copy the same as one of its kind
// already kept is not kept twice. No copy holds the bare data key of a
// password change half done.
class KeptCopies
{
public:
    static constexpr int keptDays = 30;
    // Beyond a day, all copies together stay within twenty of the largest,
    // and never less than this.
    static constexpr qint64 leastRoom = 64 * 1024 * 1024;

    explicit KeptCopies(QString storeName);

    // A new step (one locked operation) begins.
    void beginStep() { m_thisStep.clear(); }
    // Written like the store itself: whole, and on the disk before anything
    // is replaced; never over an existing file. The name, or nothing.
    QString publish(StoreFolder &folder, const QByteArray &bytes, const QString &kind, const QDateTime &now);
    // A file already in the folder (a sync program's conflict copy) kept under
    // a second name, its bytes not written again; written anew where the disk
    // has no hard links. The file itself stays until the caller removes it.
    QString adopt(StoreFolder &folder, const QString &file, const QByteArray &bytes, const QString &kind,
                  const QDateTime &now);

    // The bytes of a store without the bare data key a password change
    // keeps while it is half done (its section, to the next one), in any
    // form the file has, damaged or not. That key opens the private list
    // sealed beside it: a copy holding both would be the list in the clear.
    static QByteArray withoutBareKey(const QByteArray &bytes);
    // The same without each of these sections.
    static QByteArray withoutSections(const QByteArray &bytes, const QStringList &sections);
    // Every kept copy in the folder, of every kind.
    QStringList all(const StoreFolder &folder) const;

private:
    // Tries this kind's names for that time in turn until place() puts the
    // copy under one; then it is synced, counted to this step, the kind pruned.
    QString placed(StoreFolder &folder, const QString &kind, const QDateTime &now,
                   const std::function<bool(const QString &name)> &place);
    QString name(const QString &kind, const QDateTime &now, int n) const;
    // The copy of this kind already kept with these bytes, or nothing.
    QString sameKept(const StoreFolder &folder, const QString &kind, const QByteArray &bytes) const;
    void prune(StoreFolder &folder, const QDateTime &now) const;
    static QDateTime namedTime(QStringView stamp);

    QString m_storeName;
    QSet<QString> m_thisStep;
};
