#include "registrystore.h"

#include "inidocument.h"
#include "logbook.h"
#include "storekeys.h"
#include "storemerge.h"

#include <QCryptographicHash>
#include <QSettings>
#include <QSysInfo>

RegistryStore::RegistryStore(QString organisation, QString application, const QString &logbookPath)
    : m_organisation(std::move(organisation))
    , m_application(std::move(application))
{
    if (!logbookPath.isEmpty()) {
        // Row stamps name their machine in a form without dashes.
        const QByteArray machine = QCryptographicHash::hash(QSysInfo::machineUniqueId() + QSysInfo::machineHostName().toUtf8(),
                                                            QCryptographicHash::Sha1)
                                       .toHex()
                                       .left(8);
        m_logbook.emplace(logbookPath, QString::fromLatin1(machine));
    }
}

// The day lists and the times they were saved, as a settings file holds them.
IniDocument RegistryStore::dayLists(const QSettings &settings)
{
    IniDocument document;
    QStringList sections{storekeys::savedSection};
    for (const storemerge::Part &part : storemerge::parts()) {
        if (part.byRow)
            sections << part.sections.first();
    }
    for (const QString &key : settings.allKeys()) {
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        if (slash > 0 && sections.contains(key.first(slash)))
            document.set(key.first(slash), key.mid(slash + 1), settings.value(key).toString());
    }
    return document;
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
    const IniDocument before = m_logbook ? dayLists(settings) : IniDocument();
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
    IniDocument after;
    if (m_logbook) {
        // Rows ticked are stamped, so that unticking one later names the
        // tick it takes back.
        after = dayLists(settings);
        storemerge::stamp(after, before, QDateTime::currentDateTimeUtc(), m_logbook->machine());
        for (const QString &key : settings.allKeys()) {
            if (key.startsWith(storekeys::savedSection + QLatin1Char('/'))
                && !after.find(storekeys::savedSection, key.mid(storekeys::savedSection.size() + 1)))
                settings.remove(key);
        }
        for (const IniDocument::Section &section : after.sections()) {
            for (const IniDocument::Entry &entry : section.entries) {
                const QString *was = before.find(section.name, entry.key);
                if (section.name == storekeys::savedSection && (!was || *was != entry.value))
                    settings.setValue(section.name + QLatin1Char('/') + entry.key, entry.value);
            }
        }
    }
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return {StoreResult::Status::Refused, QObject::tr("The settings could not be written to the registry.")};
    StoreResult result{missing ? StoreResult::Status::SectionMissing : StoreResult::Status::Done, {}};
    if (QString problem; m_logbook && !m_logbook->append(logbook::linesFor(before, after), &problem))
        reportProblem(QObject::tr("The tasks just ticked could not be written to the logbook (%1); they are saved in "
                                  "their list.")
                          .arg(problem));
    return result;
}

StoreResult RegistryStore::doneTasks(Done *done, const QDateTime &from)
{
    return m_logbook ? m_logbook->read(done, from) : SettingsStore::doneTasks(done, from);
}

StoreResult RegistryStore::forgetDoneBefore(const QDateTime &before)
{
    return m_logbook ? m_logbook->forgetBefore(before) : SettingsStore::forgetDoneBefore(before);
}

StoreResult RegistryStore::logbookForBackup(QByteArray *lines)
{
    return m_logbook ? m_logbook->forBackup(lines) : SettingsStore::logbookForBackup(lines);
}

StoreResult RegistryStore::restoreLogbook(const QByteArray &lines)
{
    return m_logbook ? m_logbook->restore(lines) : SettingsStore::restoreLogbook(lines);
}
