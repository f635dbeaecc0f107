#include "keptcopies.h"

#include "storeschema.h"

#include <QTimeZone>

#include <algorithm>
#include <cerrno>

KeptCopies::KeptCopies(QString storeName)
    : m_storeName(std::move(storeName))
{
}

QString KeptCopies::publish(StoreFolder &folder, const QByteArray &bytes, const QString &kind, const QDateTime &now)
{
    // The store a restore or a damaged read sets aside is often the one set
    // aside the time before: kept once. A merge's losers differ by nature.
    const bool once = kind == QLatin1String(".before-restore") || kind == QLatin1String(".damaged");
    if (const QString same = once ? sameKept(folder, kind, withoutBareKey(bytes)) : QString(); !same.isEmpty())
        return same;
    const QString scratch = folder.writeScratch(withoutBareKey(bytes), {});
    if (scratch.isEmpty())
        return {};
    const QString name = placed(folder, kind, now, [&](const QString &free) { return folder.publishNew(scratch, free); });
    if (name.isEmpty())
        folder.remove(scratch);
    return name;
}

QString KeptCopies::adopt(StoreFolder &folder, const QString &file, const QByteArray &bytes, const QString &kind,
                          const QDateTime &now)
{
    if (withoutBareKey(bytes).size() != bytes.size())
        return publish(folder, bytes, kind, now);
    bool linked = false;
    const QString name = placed(folder, kind, now, [&](const QString &free) {
        linked = folder.linkInto(file, folder, free);
        if (linked)
            folder.makePrivate(free); // private like every file of the store, whatever the sync program gave it
        return linked;
    });
    // A disk without hard links: the bytes are written anew.
    return name.isEmpty() && !linked && folder.error() != EEXIST ? publish(folder, bytes, kind, now) : name;
}

QByteArray KeptCopies::withoutBareKey(const QByteArray &bytes)
{
    return withoutSections(bytes, storeschema::leftOutOfCopies());
}

QByteArray KeptCopies::withoutSections(const QByteArray &bytes, const QStringList &sections)
{
    QList<QByteArray> headers;
    for (const QString &section : sections) {
        headers << '[' + section.toLatin1() + ']';
        if (!bytes.contains(headers.last()))
            headers.removeLast();
    }
    if (headers.isEmpty())
        return bytes; // shared, not copied: a merge hands over copies of megabytes
    QByteArray kept;
    kept.reserve(bytes.size());
    bool skipping = false;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArray line = bytes.mid(start, end - start).trimmed();
        if (line.startsWith('['))
            skipping = headers.contains(line);
        if (!skipping)
            kept += bytes.mid(start, end - start);
        start = end;
    }
    return kept;
}

QStringList KeptCopies::all(const StoreFolder &folder) const
{
    // One reading of the folder, which may hold thousands of them.
    QStringList found = folder.names(m_storeName + u'.');
    found.removeIf([&](const QString &name) {
        const QStringView rest = QStringView(name).sliced(m_storeName.size());
        for (const char *kind : {".damaged-", ".merged-", ".conflict-", ".before-restore-", ".saved-over-"}) {
            if (rest.startsWith(QLatin1String(kind)))
                return false;
        }
        return true;
    });
    return found;
}

QString KeptCopies::placed(StoreFolder &folder, const QString &kind, const QDateTime &now,
                           const std::function<bool(const QString &name)> &place)
{
    for (int n = 1; n < 1000; ++n) {
        const QString name = this->name(kind, now, n);
        if (place(name)) {
            if (!folder.sync())
                return {};
            m_thisStep.insert(name);
            prune(folder, now);
            return name;
        }
        if (folder.error() != EEXIST)
            return {};
    }
    return {};
}

QString KeptCopies::name(const QString &kind, const QDateTime &now, int n) const
{
    const QString stamp = now.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    return QStringLiteral("%1%2-%3Z-%4").arg(m_storeName, kind, stamp).arg(n, 3, 10, QLatin1Char('0'));
}

QString KeptCopies::sameKept(const StoreFolder &folder, const QString &kind, const QByteArray &bytes) const
{
    for (const QString &name : folder.names(m_storeName + kind + u'-')) {
        if (folder.stampOf(name).size == bytes.size() && folder.read(name).bytes == bytes)
            return name;
    }
    return {};
}

// "yyyyMMdd-HHmmss-zzz" in UTC, read by hand: QDateTime::fromString looks up
// the local zone at every call, and a merge reads every kept copy's name.
QDateTime KeptCopies::namedTime(QStringView stamp)
{
    if (stamp.size() != 19 || stamp[8] != u'-' || stamp[15] != u'-')
        return {};
    bool ok = true;
    const auto field = [&](qsizetype at, qsizetype length) {
        int value = 0;
        for (const QChar c : stamp.mid(at, length)) {
            ok = ok && c.isDigit() && c.unicode() < 128;
            value = value * 10 + (c.unicode() - u'0');
        }
        return value;
    };
    const QDate date(field(0, 4), field(4, 2), field(6, 2));
    const QTime time(field(9, 2), field(11, 2), field(13, 2), field(16, 3));
    return ok && date.isValid() && time.isValid() ? QDateTime(date, time, QTimeZone::utc()) : QDateTime();
}

void KeptCopies::prune(StoreFolder &folder, const QDateTime &now) const
{
    struct Copy
    {
        QString name;
        QDateTime when;
        qint64 size;
    };
    QList<Copy> copies;
    qint64 total = 0, largest = 0;
    for (const QString &name : all(folder)) {
        // "<kind>-yyyyMMdd-HHmmss-zzzZ-nnn"; a name not of that form is left alone.
        const qsizetype at = name.lastIndexOf(u'Z') - 19;
        const QDateTime when = at > 0 ? namedTime(QStringView(name).mid(at, 19)) : QDateTime();
        const qint64 size = std::max<qint64>(0, folder.stampOf(name).size);
        // This step's own count toward the bound, and are never pruned by it.
        total += size;
        largest = std::max(largest, size);
        if (when.isValid() && !m_thisStep.contains(name))
            copies << Copy{name, when, size};
    }
    std::sort(copies.begin(), copies.end(), [](const Copy &a, const Copy &b) { return a.when > b.when; });
    const qint64 room = std::max(20 * largest, leastRoom);
    // The oldest first.
    for (auto copy = copies.crbegin(); copy != copies.crend(); ++copy) {
        const qint64 age = copy->when.secsTo(now);
        if (age > qint64(keptDays) * 86400 || (total > room && age > 86400)) {
            folder.remove(copy->name);
            total -= copy->size;
        }
    }
}
