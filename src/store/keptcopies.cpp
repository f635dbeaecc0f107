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
    const QString stamp = now.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    for (int n = 1; n < 1000; ++n) {
        const QString name = QStringLiteral("%1%2-%3Z-%4").arg(m_storeName, kind, stamp).arg(n, 3, 10, QLatin1Char('0'));
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
