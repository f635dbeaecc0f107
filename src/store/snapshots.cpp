#include "snapshots.h"

#include <QSet>

#include <algorithm>
#include <cerrno>

namespace {

const QString stampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
const QString suffix = QStringLiteral(".conf");
constexpr qint64 comparedUpTo = 1024 * 1024;

// The bytes without the times of saving: two versions that differ in those
// alone hold the same lists.
QByteArrayView withoutTimes(QByteArrayView bytes, QByteArray &rest)
{
    const qsizetype start = bytes.startsWith("[Saved]\n") ? 0 : bytes.indexOf("\n[Saved]\n");
    if (start < 0)
        return bytes;
    const qsizetype end = bytes.indexOf("\n[", start + 1);
    rest = bytes.first(start).toByteArray() + (end < 0 ? QByteArray() : bytes.sliced(end).toByteArray());
    return rest;
}

// The time a name starts with, "yyyyMMdd-HHmmss-zzz" and "Z" in UTC (local
// time without it, as earlier versions named them); read by hand, as every
// save that keeps a snapshot reads every name. How long the time is, too.
QDateTime timeOf(const QString &name, qsizetype *length)
{
    int digits[17] = {};
    int n = 0;
    for (qsizetype i = 0; i < stampFormat.size() && i < name.size(); ++i) {
        if (stampFormat[i] == u'-') {
            if (name[i] != u'-')
                return {};
        } else if (name[i] >= u'0' && name[i] <= u'9' && n < 17) {
            digits[n++] = name[i].unicode() - u'0';
        } else {
            return {};
        }
    }
    const auto number = [&](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i)
            value = value * 10 + digits[i];
        return value;
    };
    if (n != 17)
        return {};
    const bool utc = name.size() > stampFormat.size() && name[stampFormat.size()] == u'Z';
    *length = stampFormat.size() + (utc ? 1 : 0);
    return QDateTime(QDate(number(0, 4), number(4, 2), number(6, 2)),
                     QTime(number(8, 2), number(10, 2), number(12, 2), number(14, 3)), utc ? Qt::UTC : Qt::LocalTime)
        .toUTC();
}

} // namespace

Snapshots::Snapshots(const QString &storeFolder)
    : m_storeFolder(storeFolder)
{
}

// Below the store's folder, never through a link (a sync program carries
// links too), and only the user's own private folder.
bool Snapshots::open(StoreFolder &folder, bool create) const
{
    StoreFolder store;
    if (!store.open(m_storeFolder, create) || !folder.openPrivateInside(store, folderName, create)) {
        m_error = store.error() ? store.error() : folder.error();
        return false;
    }
    return true;
}

QList<Snapshots::Entry> Snapshots::entries() const
{
    QList<Entry> found;
    StoreFolder folder;
    if (!open(folder, false))
        return found;
    for (const QString &name : folder.names({})) {
        qsizetype length = 0;
        const QDateTime when = name.endsWith(suffix) ? timeOf(name, &length) : QDateTime();
        if (!when.isValid() || name.size() < length + 1 + suffix.size() || name[length] != u' ')
            continue;
        QString step = name.sliced(length + 1).chopped(suffix.size());
        qint64 number = 0;
        if (step.startsWith(u'#')) {
            const qsizetype space = step.indexOf(u' ');
            bool ok = false;
            number = step.sliced(1, (space < 0 ? step.size() : space) - 1).toLongLong(&ok);
            if (ok && number > 0 && space > 0)
                step = step.sliced(space + 1);
            else
                number = 0;
        }
        found << Entry{name, when, step, number};
    }
    // By number, then by time, not by name: local names of the autumn's
    // repeated hour, and names in local time beside names in UTC, do not
    // sort as text does.
    std::stable_sort(found.begin(), found.end(), [](const Entry &a, const Entry &b) {
        return a.number != b.number ? a.number > b.number : a.when > b.when;
    });
    return found;
}

StoreFolder::ReadResult Snapshots::read(const Entry &entry) const
{
    StoreFolder folder;
    if (!open(folder, false)) {
        StoreFolder::ReadResult failed;
        failed.error = m_error;
        return failed;
    }
    return folder.read(entry.name);
}

bool Snapshots::noneOn(const QDateTime &now) const
{
    // One named in the future (a clock that was ahead) does not stand for
    // today: else no first save of the day would keep one until then.
    const QDate today = now.toLocalTime().date();
    for (const Entry &entry : entries()) {
        if (!isFuture(entry, now))
            return entry.when.toLocalTime().date() < today;
    }
    return true;
}

bool Snapshots::isFuture(const Entry &entry, const QDateTime &now)
{
    return entry.when > now.addDays(1);
}

std::optional<QString> Snapshots::keep(StoreFolder &storeFolder, const QString &storeName, const QString &step,
                                       const QDateTime &now)
{
    StoreFolder folder;
    if (!open(folder, true))
        return std::nullopt;
    const StoreFolder::Stamp store = storeFolder.stampOf(storeName);
    if (store.size < 0)
        return QString(); // nothing saved yet: nothing to take back
    const QList<Entry> all = entries();
    if (!all.isEmpty()) {
        // The newest one already holds these lists: kept once. Compared
        // byte for byte only up to a size where reading both costs nothing
        // a user would notice; a larger twin is a copy too many, no loss.
        // Not by size first: the times of saving, left out, vary in length
        // (a clock's own time is added where a stamp ran ahead of it).
        const StoreFolder::Stamp newest = folder.stampOf(all.first().name);
        if (newest.sameFile(store))
            return all.first().name;
        if (newest.size <= comparedUpTo && store.size <= comparedUpTo) {
            QByteArray mine, theirs;
            if (withoutTimes(read(all.first()).bytes, theirs) == withoutTimes(storeFolder.read(storeName).bytes, mine))
                return all.first().name;
        }
    }
    QString step_ = step;
    const qint64 number = (all.isEmpty() ? 0 : all.first().number) + 1;
    const QString name = now.toUTC().toString(stampFormat) + QStringLiteral("Z #%1 ").arg(number)
                         + step_.replace(u'/', u'-') + suffix;
    bool kept = storeFolder.linkInto(storeName, folder, name);
    if (!kept && (storeFolder.error() == EXDEV || storeFolder.error() == EPERM || storeFolder.error() == EMLINK)) {
        // A file system without hard links: the bytes, written the store's way.
        folder.removeLeftoverScratches();
        const StoreFolder::ReadResult bytes = storeFolder.read(storeName);
        const QString scratch = bytes.status == StoreFolder::ReadResult::Status::Read ? folder.writeScratch(bytes.bytes)
                                                                                       : QString();
        kept = !scratch.isEmpty() && folder.publishNew(scratch, name) && folder.sync();
        if (!kept && !scratch.isEmpty())
            folder.remove(scratch);
        m_error = folder.error();
    } else {
        m_error = storeFolder.error();
    }
    if (!kept)
        return std::nullopt;
    prune(folder, QList<Entry>{{name, now.toUTC(), step, number}} + all, now, store.size);
    return name;
}

void Snapshots::prune(StoreFolder &folder, const QList<Entry> &all, const QDateTime &now, qint64 storeSize) const
{
    QSet<QString> kept;
    QSet<QDate> days;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QDate day = all[i].when.toLocalTime().date();
        const bool newest = i < newestKept;
        const bool dayKept = day.daysTo(now.toLocalTime().date()) < daysKept && !days.contains(day);
        days.insert(day);
        if (newest || dayKept)
            kept.insert(all[i].name);
    }
    qint64 total = 0;
    // Bounded by the largest store of the last days, not the store as it is
    // now: a store emptied by a slip would otherwise prune the very
    // snapshot that holds what was lost.
    qint64 largest = storeSize;
    QList<Entry> remaining;
    for (const Entry &entry : std::as_const(all)) {
        if (kept.contains(entry.name)) {
            remaining << entry;
            const qint64 size = std::max<qint64>(0, folder.stampOf(entry.name).size);
            total += size;
            if (entry.when.daysTo(now) < daysKept)
                largest = std::max(largest, size);
        } else {
            folder.remove(entry.name);
        }
    }
    // The oldest go first.
    const qint64 room = std::max(20 * largest, leastRoom);
    while (total > room && remaining.size() > 1) {
        total -= std::max<qint64>(0, folder.stampOf(remaining.last().name).size);
        folder.remove(remaining.takeLast().name);
    }
}
