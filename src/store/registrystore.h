#pragma once

#include "settingsstore.h"

#include <QString>

// The store as QSettings' native format where that is not a file: the per-user
// registry on Windows. Each write is flushed before apply() returns; the
// registry offers no way to make several values change together.
class RegistryStore final : public SettingsStore
{
public:
    RegistryStore(QString organisation, QString application);

    QString read(const QString &section, const QString &key) const override;
    StoreResult apply(const QList<StoreChange> &changes) override;

private:
    QString m_organisation;
    QString m_application;
};
