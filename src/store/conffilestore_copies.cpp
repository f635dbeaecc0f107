// The settings file copied whole: a consistent read, a backup and a restore.
#include "conffilestore.h"

#include "storekeys.h"
#include "storemerge.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

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
        return ConfFileStore::tr("%1 does not exist.").arg(native(file));
    case StoreFolder::ReadResult::Status::NotRegular:
        return ConfFileStore::tr("%1 is %2, not an ordinary file.").arg(native(file), read.kind);
    case StoreFolder::ReadResult::Status::TooLarge:
        return ConfFileStore::tr("%1 is larger than %2 MB, far more than any settings file.")
            .arg(native(file))
            .arg(StoreFolder::sizeLimit / (1024 * 1024));
    case StoreFolder::ReadResult::Status::Failed:
        break;
    }
    return ConfFileStore::tr("%1 cannot be read (%2).").arg(native(file), StoreFolder::reasonFor(read.error));
}

// Why the bytes are no settings file of this program, in words; nothing when
// they are: text QSettings reads without damage, holding at least one of the
// program's sections.
QString notAStore(const QByteArray &bytes)
{
    const QString nothing = ConfFileStore::tr("it holds no settings of Velmorwick");
    if (bytes.trimmed().isEmpty())
        return nothing;
    if (QString::fromUtf8(bytes).toUtf8() != bytes)
        return ConfFileStore::tr("it is not text in UTF-8");
    // Read as the store reads itself: in the program's own form, or as QSettings would.
    const StoreFile::Loaded loaded = StoreFile::parsed(bytes);
    if (loaded.damaged)
        return ConfFileStore::tr("it is damaged");
    for (const IniDocument::Section &section : loaded.document.sections()) {
        if (storemerge::isKnownSection(section.name))
            return {};
    }
    return nothing;
}

} // namespace

StoreResult ConfFileStore::whileLocked(const std::function<void()> &work)
{
    return whileOpen(work, false);
}

StoreResult ConfFileStore::whileReading(const std::function<void()> &work)
{
    return whileOpen(work, true);
}

StoreResult ConfFileStore::whileOpen(const std::function<void()> &work, bool toReadOnly)
{
    const ToldAfter told(*this);
    StoreFolder folder;
    const auto stepEnds = qScopeGuard([this] { m_stepBegan.reset(); }); // it may hold a key in the clear
    if (const StoreResult opened = openLocked(folder, toReadOnly); !opened.written())
        return opened;
    // Work on a store that cannot be read would see nothing, and say so.
    if (const Loaded loaded = m_file.load(folder); !loaded.readable)
        return refused(loaded.problem);
    work();
    return {};
}

StoreResult ConfFileStore::readWhole(QByteArray *bytes)
{
    const ToldAfter told(*this);
    StoreFolder folder;
    const auto stepEnds = qScopeGuard([this] { m_stepBegan.reset(); });
    if (const StoreResult opened = openLocked(folder, true); !opened.written())
        return opened;
    StoreFolder::ReadResult current = folder.read(m_name);
    if (current.status != StoreFolder::ReadResult::Status::Missing && !unreadable(m_path, current).isEmpty())
        return refused(unreadable(m_path, current));
    // A backup is a copy like the kept ones, and leaves the folder.
    *bytes = KeptCopies::withoutBareKey(current.bytes);
    return {};
}

QStringList ConfFileStore::ownFiles() const
{
    return {m_path, QDir(m_folder).filePath(m_lockName)};
}

StoreResult ConfFileStore::restoreFrom(const QByteArray &bytes, const QString &from, QString *keptAs)
{
    const ToldAfter told(*this);
    StoreFolder folder;
    const auto stepEnds = qScopeGuard([this] { m_stepBegan.reset(); });
    if (const StoreResult opened = openLocked(folder); !opened.written())
        return opened;
    if (const QString why = notAStore(bytes); !why.isEmpty()) {
        return refused(tr("%1 is not a settings file of Velmorwick (%2); the store was left as it was.")
                           .arg(native(from), why));
    }
    const StoreFolder::ReadResult current = folder.read(m_name);
    QString snapshot;
    if (current.status != StoreFolder::ReadResult::Status::Missing) {
        if (const QString why = unreadable(m_path, current); !why.isEmpty())
            return refused(why);
        const QString kept = m_copies.publish(folder, current.bytes, QStringLiteral(".before-restore"), m_clock());
        if (kept.isEmpty()) {
            return refused(tr("The settings file %1 could not be copied aside (%2), so it was not replaced.")
                               .arg(native(m_path), StoreFolder::reasonFor(folder.error())));
        }
        if (keptAs)
            *keptAs = QDir(m_folder).filePath(kept);
        // And as a snapshot, so that the restore itself can be taken back.
        QString whyNot;
        snapshot = keepSnapshot(folder, StoreFile::parsed(current.bytes).document, {}, tr("restore"), m_clock(), false,
                                &whyNot);
    }
    m_file.forget();
    // The parts the restore changes count as saved now: a copy of the store
    // as it was before, stamped later, would otherwise undo the restore at
    // the next merge. Where the restored file cannot be rewritten the same,
    // it goes in as it is.
    QByteArray restored = bytes, sameTasks;
    if (std::optional<IniDocument> document = IniDocument::parseExact(bytes)) {
        const IniDocument source = *document;
        const IniDocument before = current.status == StoreFolder::ReadResult::Status::Read
                                       ? StoreFile::parsed(current.bytes).document
                                       : IniDocument();
        storemerge::keepTimesOfUnchanged(*document, before);
        storemerge::stamp(*document, before, m_clock(), machine());
        // What is kept aside stays (the record of rows replaced gains the
        // rows a merge put in during this step that the restore replaces).
        storemerge::keepKeptAside(*document, before);
        if (m_stepBegan)
            storemerge::recordReplaced(*document, before, storemerge::rowsChangedBetween(*m_stepBegan, before));
        restored = document->serialize();
        sameTasks = logbook::sameLines(source, *document);
    }
    // The version just kept aside is the one replaced, or nothing is.
    const StoreFolder::Written written = folder.writeWhole(m_name, restored, {}, current.stamp);
    tellSnapshotProblem(written.landed());
    if (written.landed())
        logDone(folder, sameTasks);
    StoreResult done;
    done.keptAs = snapshot;
    return outcome(written, m_path, done);
}

void ConfFileStore::logDone(StoreFolder &folder, const QByteArray &lines)
{
    if (lines.isEmpty())
        return;
    const QString name = logbook::fileName(QFileInfo(m_name).completeBaseName(), machine());
    const bool isNew = folder.stampOf(name).size < 0;
    if (!folder.append(name, isNew ? logbook::header() + lines : lines))
        reportProblem(tr("The tasks just ticked could not be written to the logbook %1 (%2); they are saved in "
                         "their list.")
                          .arg(native(QDir(m_folder).filePath(name)), StoreFolder::reasonFor(folder.error())));
}

StoreResult ConfFileStore::doneTasks(Done *done, const QDateTime &from)
{
    return whileLocked([&] {
        StoreFolder folder;
        if (!folder.open(m_folder, false))
            return;
        const QString base = QFileInfo(m_name).completeBaseName();
        logbook::Reader reader(from);
        for (const QString &name : folder.names(logbook::filePrefix(base))) {
            const StoreFolder::ReadResult read = folder.read(name);
            if (read.status != StoreFolder::ReadResult::Status::Read) {
                done->problems << tr("The logbook %1 could not be read (%2).")
                                      .arg(native(QDir(m_folder).filePath(name)), StoreFolder::reasonFor(read.error));
                continue;
            }
            if (reader.add(read.bytes, logbook::machineOf(base, name)))
                continue;
            // This machine's own file goes on as a new one holding what
            // could be read; the damaged one is kept beside it.
            if (name == logbook::fileName(base, machine())) {
                const QString kept = m_copies.publish(folder, read.bytes, QStringLiteral(".done-damaged"), m_clock());
                logbook::Reader good;
                QByteArray lines = logbook::header();
                for (const QByteArray &line : read.bytes.split('\n')) {
                    if (!line.isEmpty() && good.add(line, {}) && !line.startsWith('#'))
                        lines += line + '\n';
                }
                if (!kept.isEmpty() && folder.writeWhole(name, lines).landed()) {
                    done->problems << tr("Part of the logbook %1 was damaged and could not be read; it is kept as %2, "
                                         "and a new one goes on with the rest.")
                                          .arg(native(QDir(m_folder).filePath(name)), kept);
                    continue;
                }
            }
            done->problems << tr("Part of the logbook %1 was damaged and could not be read; the rest was.")
                                  .arg(native(QDir(m_folder).filePath(name)));
        }
        done->entries = reader.entries();
    });
}

// This machine's file is written anew without the tasks before the time,
// and says so for the others' files, which only their machines write: every
// machine reads it and leaves their older tasks out.
StoreResult ConfFileStore::forgetDoneBefore(const QDateTime &before)
{
    StoreResult result;
    const StoreResult locked = whileLocked([&] {
        StoreFolder folder;
        if (!folder.open(m_folder, false)) {
            result = refused(StoreFolder::reasonFor(folder.error()));
            return;
        }
        const QString name = logbook::fileName(QFileInfo(m_name).completeBaseName(), machine());
        const StoreFolder::ReadResult read = folder.read(name);
        const QByteArray kept
            = logbook::forgotten(read.status == StoreFolder::ReadResult::Status::Read ? read.bytes : QByteArray(), before);
        if (read.status == StoreFolder::ReadResult::Status::Read) {
            const QString copy = m_copies.publish(folder, read.bytes, QStringLiteral(".done-before-forget"), m_clock());
            if (copy.isEmpty()) {
                result = refused(tr("This computer's logbook could not be copied aside first (%1), so nothing was taken "
                                    "out of it.").arg(StoreFolder::reasonFor(folder.error())));
                return;
            }
            result.keptAs = native(QDir(m_folder).filePath(copy));
        }
        const StoreFolder::Written written = folder.writeWhole(name, kept);
        if (!written.landed())
            result = refused(tr("The logbook %1 could not be written (%2).")
                                 .arg(native(QDir(m_folder).filePath(name)), StoreFolder::reasonFor(written.error)));
    });
    return locked.written() ? result : locked;
}

StoreResult ConfFileStore::logbookForBackup(QByteArray *lines)
{
    return whileReading([&] {
        StoreFolder folder;
        if (!folder.open(m_folder, false))
            return;
        const QString base = QFileInfo(m_name).completeBaseName();
        QList<QPair<QString, QByteArray>> files;
        for (const QString &name : folder.names(logbook::filePrefix(base))) {
            if (const StoreFolder::ReadResult read = folder.read(name); read.status == StoreFolder::ReadResult::Status::Read)
                files << qMakePair(logbook::machineOf(base, name), read.bytes);
        }
        *lines = logbook::forBackup(files);
    });
}

StoreResult ConfFileStore::restoreLogbook(const QByteArray &lines)
{
    return whileLocked([&] {
        StoreFolder folder;
        if (!folder.open(m_folder, false))
            return;
        QList<QByteArray> files;
        for (const QString &name : folder.names(logbook::filePrefix(QFileInfo(m_name).completeBaseName()))) {
            if (const StoreFolder::ReadResult read = folder.read(name); read.status == StoreFolder::ReadResult::Status::Read)
                files << read.bytes;
        }
        logDone(folder, logbook::notYetIn(lines, files));
    });
}
