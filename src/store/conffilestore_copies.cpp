// The settings file copied whole: a consistent read, a backup and a restore.
#include "conffilestore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

StoreResult refused(const QString &reason)
{
    return {StoreResult::Status::Refused, reason};
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Why a file named by the user cannot be read, in words; nothing when it was.
QString unreadable(const QString &file, const StoreFolder::ReadResult &read)
{
    switch (read.status) {
    case StoreFolder::ReadResult::Status::Read:
        return {};
    case StoreFolder::ReadResult::Status::Missing:
        return QObject::tr("%1 does not exist.").arg(native(file));
    case StoreFolder::ReadResult::Status::NotRegular:
        return QObject::tr("%1 is %2, not an ordinary file.").arg(native(file), read.kind);
    case StoreFolder::ReadResult::Status::TooLarge:
        return QObject::tr("%1 is larger than %2 MB, far more than any settings file.")
            .arg(native(file))
            .arg(StoreFolder::sizeLimit / (1024 * 1024));
    case StoreFolder::ReadResult::Status::Failed:
        break;
    }
    return QObject::tr("%1 cannot be read (%2).").arg(native(file), StoreFolder::reasonFor(read.error));
}

// Whether the bytes are a settings file this program reads: one it wrote
// itself, or text QSettings reads without damage and finds settings in.
bool isReadableStore(const QByteArray &bytes, StoreFolder &scratchFolder, const QString &scratchPath)
{
    if (bytes.trimmed().isEmpty() || IniDocument::parseExact(bytes))
        return true;
    const QString scratch = scratchFolder.writeScratch(bytes, {});
    if (scratch.isEmpty())
        return false;
    bool readable = false;
    {
        const QSettings settings(QDir(scratchPath).filePath(scratch), QSettings::IniFormat);
        const QStringList keys = settings.allKeys();
        readable = settings.status() == QSettings::NoError && !keys.isEmpty();
    }
    scratchFolder.remove(scratch);
    return readable && QString::fromUtf8(bytes).toUtf8() == bytes;
}

} // namespace

StoreResult ConfFileStore::whileLocked(const std::function<void()> &work)
{
    StoreFolder folder;
    if (const StoreResult opened = openLocked(folder); !opened.written())
        return opened;
    work();
    return {};
}

StoreResult ConfFileStore::backupTo(const QString &file)
{
    StoreFolder folder;
    if (const StoreResult opened = openLocked(folder); !opened.written())
        return opened;
    const StoreFolder::ReadResult current = folder.read(m_name);
    if (current.status != StoreFolder::ReadResult::Status::Missing && !unreadable(m_path, current).isEmpty())
        return refused(unreadable(m_path, current));

    // Written like the store: to a private scratch file beside the target,
    // synced and read back, then renamed over it.
    const QFileInfo target(file);
    StoreFolder targetFolder;
    if (!targetFolder.open(target.absolutePath(), false)) {
        return refused(QObject::tr("The folder %1 cannot be used (%2).")
                           .arg(native(target.absolutePath()), StoreFolder::reasonFor(targetFolder.error())));
    }
    const QString scratch = targetFolder.writeScratch(current.bytes, {});
    const bool written = !scratch.isEmpty() && targetFolder.replace(scratch, target.fileName()) && targetFolder.sync();
    if (!written) {
        const QString reason = StoreFolder::reasonFor(targetFolder.error());
        if (!scratch.isEmpty())
            targetFolder.remove(scratch);
        return refused(QObject::tr("%1 could not be written (%2).").arg(native(file), reason));
    }
    return {};
}

StoreResult ConfFileStore::restoreFrom(const QString &file, QString *keptAs)
{
    const QFileInfo source(file);
    StoreFolder sourceFolder;
    if (!sourceFolder.open(source.absolutePath(), false)) {
        return refused(QObject::tr("%1 cannot be read (%2).")
                           .arg(native(file), StoreFolder::reasonFor(sourceFolder.error())));
    }
    const StoreFolder::ReadResult backup = sourceFolder.read(source.fileName());
    if (const QString why = unreadable(file, backup); !why.isEmpty())
        return refused(why);

    StoreFolder folder;
    if (const StoreResult opened = openLocked(folder); !opened.written())
        return opened;
    if (!isReadableStore(backup.bytes, folder, m_folder)) {
        return refused(QObject::tr("%1 is not a settings file Velmorwick can read; the store was left as it was.")
                           .arg(native(file)));
    }
    const StoreFolder::ReadResult current = folder.read(m_name);
    if (current.status != StoreFolder::ReadResult::Status::Missing) {
        if (const QString why = unreadable(m_path, current); !why.isEmpty())
            return refused(why);
        const QString kept = publishCopy(folder, current.bytes, QStringLiteral(".before-restore"));
        if (kept.isEmpty()) {
            return refused(QObject::tr("The settings file %1 could not be copied aside (%2), so it was not replaced.")
                               .arg(native(m_path), StoreFolder::reasonFor(folder.error())));
        }
        if (keptAs)
            *keptAs = QDir(m_folder).filePath(kept);
    }
    const QString scratch = folder.writeScratch(backup.bytes, current.stamp);
    forgetCache();
    if (scratch.isEmpty() || !folder.replace(scratch, m_name) || !folder.sync()) {
        const QString reason = StoreFolder::reasonFor(folder.error());
        if (!scratch.isEmpty())
            folder.remove(scratch);
        return refused(QObject::tr("The settings file %1 could not be written (%2).").arg(native(m_path), reason));
    }
    return {};
}
