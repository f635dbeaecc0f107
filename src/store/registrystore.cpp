#include "registrystore.h"

#include <QSettings>

RegistryStore::RegistryStore(QString organisation, QString application)
    : m_organisation(std::move(organisation))
    , m_application(std::move(application))
{
}

QString RegistryStore::read(const QString &section, const QString &key) const
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_organisation, m_application);
    return settings.value(section + QLatin1Char('/') + key).toString();
}

StoreResult RegistryStore::apply(const QList<StoreChange> &changes)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_organisation, m_application);
    for (const StoreChange &change : changes) {
        if (change.outsideSchema())
            return refusedAsUnknown(change);
        if (change.kind == StoreChange::Kind::Expect
            && settings.value(change.section + QLatin1Char('/') + change.key).toString() != change.value)
            return {StoreResult::Status::Changed, QObject::tr("The settings changed meanwhile, so nothing was written.")};
    }
    bool missing = false;
    for (const StoreChange &change : changes) {
        switch (change.kind) {
        case StoreChange::Kind::Expect:
        case StoreChange::Kind::Unseen: // one machine's registry: nothing comes from elsewhere
            break;
        case StoreChange::Kind::Write:
            settings.setValue(change.section + QLatin1Char('/') + change.key, change.value);
            break;
        case StoreChange::Kind::RemoveKey:
            settings.remove(change.section + QLatin1Char('/') + change.key);
            break;
        case StoreChange::Kind::AddWord:
        case StoreChange::Kind::RemoveWord: {
            const QString name = change.section + QLatin1Char('/') + change.key;
            settings.setValue(name, change.wordsAfter(settings.value(name).toString()));
            break;
        }
        case StoreChange::Kind::RemoveSection:
            missing = missing || !settings.childGroups().contains(change.section);
            settings.remove(change.section);
            break;
        case StoreChange::Kind::Snapshot:
            break; // the registry keeps none; reg export is its copy
        }
    }
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return {StoreResult::Status::Refused, QObject::tr("The settings could not be written to the registry.")};
    return {missing ? StoreResult::Status::SectionMissing : StoreResult::Status::Done, {}};
}
