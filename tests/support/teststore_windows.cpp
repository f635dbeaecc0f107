#include "teststore.h"

#include "store/registrystore.h"

#include <QSettings>
#include <QUuid>

namespace {

const QString organisation = QStringLiteral("VelmorwickTests");

} // namespace

TestStore::TestStore()
    : m_location(QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_store(std::make_unique<RegistryStore>(organisation, m_location))
{
}

TestStore::~TestStore()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, organisation, m_location).clear();
}

QString TestStore::readAfresh(const QString &section, const QString &key) const
{
    return RegistryStore(organisation, m_location).read(section, key);
}

QStringList TestStore::keys() const
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, organisation, m_location).allKeys();
}

QByteArray TestStore::snapshot() const
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, organisation, m_location);
    QByteArray all;
    for (const QString &key : settings.allKeys())
        all += key.toUtf8() + '=' + settings.value(key).toString().toUtf8() + '\n';
    return all;
}

// A registry key cannot be made to refuse the user who owns it from here.
bool TestStore::makeReadOnly(bool)
{
    return false;
}

void TestStore::makeWritable()
{
}

void TestStore::writeAsAnotherCopy(const QList<StoreChange> &changes)
{
    RegistryStore(organisation, m_location).apply(changes);
}

std::unique_ptr<SettingsStore> TestStore::anotherCopy() const
{
    return std::make_unique<RegistryStore>(organisation, m_location);
}

// The registry is no file a sync engine carries; the program does not watch it.
bool TestStore::followsChanges() const
{
    return false;
}

bool TestStore::leaveConflictCopy(const QList<StoreChange> &)
{
    return false;
}
