#include "settingsstore.h"

#include "storeschema.h"

#include <QObject>

QString StoreChange::wordsAfter(const QString &held) const
{
    QStringList words = held.split(u' ', Qt::SkipEmptyParts);
    words.removeAll(value);
    if (kind == Kind::AddWord) {
        words << value;
        words.sort(); // as a merge orders them
    }
    return words.join(u' ');
}

bool StoreChange::outsideSchema() const
{
    if (kind == Kind::Snapshot)
        return false;
    const storeschema::Section *known = storeschema::find(section);
    return !known || (kind != Kind::RemoveSection && !storeschema::holdsKey(*known, key));
}

StoreResult SettingsStore::refusedAsUnknown(const StoreChange &change)
{
    return {StoreResult::Status::Refused,
            QObject::tr("Velmorwick does not keep \"%1\" in section \"%2\" of its settings, so nothing was written.")
                .arg(change.key, change.section)};
}

// A store without a file of its own (the registry) has its own tools for
// copies: Windows' "reg export" and "reg import".
StoreResult SettingsStore::readWhole(QByteArray *)
{
    return {StoreResult::Status::Refused, QObject::tr("This store cannot be copied to a file here.")};
}

StoreResult SettingsStore::restoreFrom(const QByteArray &, const QString &, QString *)
{
    return {StoreResult::Status::Refused, QObject::tr("This store cannot be restored from a file here.")};
}

StoreResult SettingsStore::snapshotBytes(int, QByteArray *, QString *) const
{
    return {StoreResult::Status::Refused, QObject::tr("This store keeps no snapshots here.")};
}
