#include "teststore.h"

#include "store/conffilestore.h"
#include "support/readonly.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

TestStore::TestStore()
    : m_location(m_dir.filePath(QStringLiteral("Velmorwick/Velmorwick.conf")))
    , m_store(std::make_unique<ConfFileStore>(m_location))
{
}

TestStore::~TestStore()
{
    makeWritable();
}

QString TestStore::readAfresh(const QString &section, const QString &key) const
{
    return ConfFileStore(m_location).read(section, key);
}

QStringList TestStore::keys() const
{
    if (!QFileInfo::exists(m_location))
        return {};
    return QSettings(m_location, QSettings::IniFormat).allKeys();
}

QByteArray TestStore::snapshot() const
{
    return fileBytes(m_location);
}

bool TestStore::makeReadOnly(bool wholeFolder)
{
    m_readOnly = wholeFolder ? QFileInfo(m_location).absolutePath() : m_location;
    return ::makeReadOnly(m_readOnly);
}

void TestStore::makeWritable()
{
    if (!m_readOnly.isEmpty())
        ::makeWritable(m_readOnly);
    m_readOnly.clear();
}

void TestStore::writeAsAnotherCopy(const QList<StoreChange> &changes)
{
    if (!ConfFileStore(m_location).apply(changes).written())
        qFatal("another copy could not write the store");
}

std::unique_ptr<SettingsStore> TestStore::anotherCopy() const
{
    return std::make_unique<ConfFileStore>(m_location);
}

bool TestStore::followsChanges() const
{
    return true;
}

bool TestStore::leaveConflictCopy(const QList<StoreChange> &changes)
{
    const QString elsewhere = m_dir.filePath(QStringLiteral("elsewhere.conf"));
    QFile::remove(elsewhere);
    if (!QFile::copy(m_location, elsewhere))
        return false;
    ConfFileStore laptop(elsewhere);
    laptop.setMachine(QStringLiteral("laptop"));
    return laptop.apply(changes).written()
           && QFile::rename(elsewhere, QFileInfo(m_location).absolutePath()
                                           + QStringLiteral("/Velmorwick.sync-conflict-20261210-101500-ABCDEFG.conf"));
}
