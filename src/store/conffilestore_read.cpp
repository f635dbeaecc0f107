// Reading the settings file: what it holds, whether the program's own form
// would write back every line of it, and the copy kept aside of one it would not.
#include "conffilestore.h"

#include "inertvariants.h"
#include "qsettingsreading.h"

#include <QCryptographicHash>
#include <QDir>

#include <algorithm>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString notRegularProblem(const QString &path, const QString &kind)
{
    return QObject::tr("The settings file %1 is %2, not an ordinary file. Velmorwick neither reads nor writes "
                       "it: your saved lists cannot be shown, and nothing can be saved until it is replaced "
                       "by an ordinary file.")
        .arg(native(path), kind);
}

QString tooLargeProblem(const QString &path)
{
    return QObject::tr("The settings file %1 is larger than %2 MB, far more than Velmorwick ever writes, so it "
                       "was not read: your saved lists cannot be shown, and nothing can be saved until it is "
                       "moved away.")
        .arg(native(path))
        .arg(StoreFolder::sizeLimit / (1024 * 1024));
}

// Whether every line of the file that says something (no comment, no key
// written twice, no text in another encoding) stands as it is in the form.
bool everyLineKept(const QByteArray &file, const QByteArray &form)
{
    if (QString::fromUtf8(file).toUtf8() != file)
        return false;
    const QList<QByteArray> written = form.split('\n');
    const QSet<QByteArray> lines(written.begin(), written.end());
    for (QByteArray line : file.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.trimmed().isEmpty() && !lines.contains(line))
            return false;
    }
    return true;
}

} // namespace

ConfFileStore::Loaded ConfFileStore::parse(StoreFolder::ReadResult &&read) const
{
    Loaded loaded;
    switch (read.status) {
    case StoreFolder::ReadResult::Status::Missing:
        loaded.readable = true;
        return loaded;
    case StoreFolder::ReadResult::Status::NotRegular:
        loaded.problem = notRegularProblem(m_path, read.kind);
        return loaded;
    case StoreFolder::ReadResult::Status::TooLarge:
        loaded.problem = tooLargeProblem(m_path);
        return loaded;
    case StoreFolder::ReadResult::Status::Failed:
        loaded.problem = QObject::tr("The settings file %1 cannot be read (%2). Your saved lists cannot be shown, "
                                     "and nothing will be saved until the file can be read again.")
                             .arg(native(m_path), StoreFolder::reasonFor(read.error));
        return loaded;
    case StoreFolder::ReadResult::Status::Read:
        break;
    }
    loaded = parsed(std::move(read.bytes));
    loaded.stamp = read.stamp;
    m_cached = loaded;
    return loaded;
}

ConfFileStore::Loaded ConfFileStore::parsed(QByteArray bytes) const
{
    Loaded loaded;
    loaded.readable = true;
    loaded.exists = true;
    if (std::optional<IniDocument> exact = IniDocument::parseExact(bytes)) {
        loaded.document = std::move(*exact);
    } else {
        // Read as QSettings reads it, in memory: the values the windows saw
        // before, whatever the file holds. Nothing is written to read it.
        const QSettingsReading reading = readAsQSettingsDoes(withInertVariants(bytes));
        loaded.document = reading.document;
        loaded.damaged = reading.damaged;
        // Blank lines, line ends and how sections are laid out mean nothing:
        // a file whose every line the program's own form writes again, and
        // that reads back the same key by key, is no file to keep a copy of.
        const QByteArray form = loaded.document.serialize();
        const QSettingsReading again = readAsQSettingsDoes(form);
        loaded.exact = !loaded.damaged && everyLineKept(bytes, form) && !again.damaged
                       && again.document == loaded.document;
        if (!loaded.exact)
            loaded.bytes = std::move(bytes);
    }
    return loaded;
}

ConfFileStore::Loaded ConfFileStore::load(const StoreFolder &folder) const
{
    // Parsing is skipped while the file is the version read or written last.
    if (m_cached && folder.stampOf(m_name) == m_cached->stamp)
        return *m_cached;
    return parse(folder.read(m_name));
}
QString ConfFileStore::read(const QString &section, const QString &key) const
{
    StoreFolder folder;
    if (!folder.open(m_folder, false))
        return {};
    const Loaded loaded = load(folder);
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
        reportProblem(QObject::tr("The settings file %1 is damaged: some of it could not be read. A copy of it "
                                  "was kept as %2. Velmorwick goes on with what it could read.")
                          .arg(native(m_path), copy));
    } else {
        reportProblem(QObject::tr("The settings file %1 holds entries Velmorwick cannot write back exactly as "
                                  "they are (edited by hand, or not in UTF-8). A copy of it was kept as %2 "
                                  "before anything in it is changed.")
                          .arg(native(m_path), copy));
    }
    return true;
}
