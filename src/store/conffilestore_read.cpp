// Reading the settings file, and the copy kept aside of one the program's own
// form would not write back the same.
#include "conffilestore.h"

#include <QCryptographicHash>
#include <QDir>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString ConfFileStore::read(const QString &section, const QString &key) const
{
    StoreFolder folder;
    if (!folder.open(m_folder, false))
        return {};
    const Loaded loaded = m_file.load(folder);
    const QString *value = loaded.document.find(section, key);
    return value ? *value : QString();
}

bool ConfFileStore::keepCopy(StoreFolder &folder, const Loaded &loaded)
{
    const QByteArray digest = QCryptographicHash::hash(loaded.bytes, QCryptographicHash::Sha256);
    if (m_keptDigests.contains(digest))
        return true;
    const QString aside = m_copies.publish(folder, loaded.bytes, QStringLiteral(".damaged"), m_clock());
    if (aside.isEmpty())
        return false;
    m_keptDigests.insert(digest);
    const QString copy = native(QDir(m_folder).filePath(aside));
    if (loaded.damaged) {
        reportProblem(tr("The settings file %1 is damaged: some of it could not be read. A copy of it "
                                  "was kept as %2. Velmorwick goes on with what it could read.")
                          .arg(native(m_path), copy));
    } else {
        reportProblem(tr("The settings file %1 holds entries Velmorwick cannot write back exactly as "
                                  "they are (edited by hand, or not in UTF-8). A copy of it was kept as %2 "
                                  "before anything in it is changed.")
                          .arg(native(m_path), copy));
    }
    return true;
}
