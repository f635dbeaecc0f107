#include "keptcopies.h"

#include <cerrno>

KeptCopies::KeptCopies(QString storeName)
    : m_storeName(std::move(storeName))
{
}

QString KeptCopies::publish(StoreFolder &folder, const QByteArray &bytes, const QString &kind, const QDateTime &now)
{
    const QString scratch = folder.writeScratch(bytes, {});
    if (scratch.isEmpty())
        return {};
    for (int n = 1; n < 1000; ++n) {
        const QString name = this->name(kind, now, n);
        if (folder.publishNew(scratch, name)) {
            if (!folder.sync())
                break;
            m_thisStep.insert(name);
            prune(folder, kind);
            return name;
        }
        if (folder.error() != EEXIST)
            break;
    }
    folder.remove(scratch);
    return {};
}

QString KeptCopies::adopt(StoreFolder &folder, const QString &file, const QByteArray &bytes, const QString &kind,
                         const QDateTime &now)
{
    for (int n = 1; n < 1000; ++n) {
        const QString name = this->name(kind, now, n);
        if (folder.linkInto(file, folder, name)) {
            // Private like every file of the store, whatever the sync program gave it.
            folder.makePrivate(name);
            if (!folder.sync())
                break;
            m_thisStep.insert(name);
            prune(folder, kind);
            return name;
        }
        if (folder.error() != EEXIST)
            return publish(folder, bytes, kind, now);
    }
    return {};
}

QString KeptCopies::name(const QString &kind, const QDateTime &now, int n) const
{
    const QString stamp = now.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    return QStringLiteral("%1%2-%3Z-%4").arg(m_storeName, kind, stamp).arg(n, 3, 10, QLatin1Char('0'));
}

void KeptCopies::prune(StoreFolder &folder, const QString &kind) const
{
    // Oldest first, as the names sort.
    const QStringList all = folder.names(m_storeName + kind + u'-');
    qsizetype left = all.size();
    for (const QString &name : all) {
        if (left <= newestKept)
            break;
        if (m_thisStep.contains(name))
            continue;
        folder.remove(name);
        --left;
    }
}
