#include "settingsstore.h"

#include <QObject>

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
