#pragma once

#include "logbookfile.h"
#include "settingsstore.h"

#include <QString>

#include <optional>

class QSettings;
class IniDocument;

// The store as QSettings' native format where that is not a file: the per-user
// registry on Windows. Each write is flushed before apply() returns; the
// registry offers no way to make several values change together. With a
// logbook file, day-list rows carry stamps as in a settings file and the
// tasks ticked are logged.
class RegistryStore final : public SettingsStore
{
public:
    RegistryStore(QString organisation, QString application, const QString &logbookPath = {});

    QString read(const QString &section, const QString &key) const override;
    StoreResult apply(const QList<StoreChange> &changes) override;

    StoreResult doneTasks(Done *done, const QDateTime &from) override;
    StoreResult forgetDoneBefore(const QDateTime &before) override;
    StoreResult logbookForBackup(QByteArray *lines) override;
    StoreResult restoreLogbook(const QByteArray &lines) override;

private:
    static IniDocument dayLists(const QSettings &settings);
    QString m_organisation;
    QString m_application;
    std::optional<LogbookFile> m_logbook;
};
