#include "conffilestore.h"

#include "machineid.h"
#include "storemerge.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>

#include <string.h>

namespace {

StoreResult refused(const QString &reason)
{
    return {StoreResult::Status::Refused, reason};
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString unwritableReason(const QString &path, const QString &detail)
{
    return ConfFileStore::tr("The settings file %1 could not be written (%2).").arg(native(path), detail);
}

} // namespace

// What a write of the settings file comes to, for the one who asked for it.
StoreResult ConfFileStore::outcome(const StoreFolder::Written &written, const QString &path, StoreResult done)
{
    switch (written.status) {
    case StoreFolder::Written::Status::Done:
        return done;
    case StoreFolder::Written::Status::Unconfirmed:
        return {StoreResult::Status::Unconfirmed,
                tr("The disk did not confirm that %1 was written (%2); it may be lost if the computer "
                            "stops now.")
                    .arg(native(path), StoreFolder::reasonFor(written.error))};
    case StoreFolder::Written::Status::NotRegular:
        return refused(tr("%1 is %2, which Velmorwick does not replace, so nothing was written.")
                           .arg(native(path), written.kind));
    case StoreFolder::Written::Status::Replaced:
        return refused(tr("Another program replaced %1 while Velmorwick wrote it (a sync program may be "
                                   "busy with it), so nothing was written. Please try again in a moment.")
                           .arg(native(path)));
    case StoreFolder::Written::Status::Failed:
        break;
    }
    return refused(unwritableReason(path, StoreFolder::reasonFor(written.error)));
}

ConfFileStore::ConfFileStore(QString filePath)
    : m_path(QFileInfo(filePath).absoluteFilePath())
    , m_folder(QFileInfo(m_path).absolutePath())
    , m_name(QFileInfo(m_path).fileName())
    , m_lockName(m_name + QStringLiteral(".lock"))
    , m_file(m_folder, m_name)
    , m_watch(m_folder, m_name)
    , m_copies(m_name)
{
}

ConfFileStore::~ConfFileStore() = default;

void ConfFileStore::forgetSecret(const QString &section, const QString &key)
{
    m_file.forgetSecret(section, key);
}

void ConfFileStore::tidyFolder(StoreFolder &folder)
{
    if (std::exchange(m_folderTidied, true))
        return;
    folder.removeLeftoverScratches();
    if (!folder.makeFolderPrivate(m_folder)) {
        reportProblem(tr("The folder %1 can be opened by other users, and Velmorwick leaves it as it is "
                                  "because it is shared or reached through a link: they may be able to remove or "
                                  "replace your settings there.")
                          .arg(native(m_folder)));
    }
}

void ConfFileStore::checkOnOpen()
{
    StoreFolder folder;
    if (!folder.open(m_folder, false))
        return; // nothing saved yet
    tidyFolder(folder);
    const Loaded loaded = m_file.reload(folder);
    if (!loaded.readable) {
        reportProblem(loaded.problem);
        return;
    }
    if (!loaded.exists)
        return;
    folder.makePrivate(m_name);
    if (!loaded.exact && !keepCopy(folder, loaded)) {
        reportProblem(tr("The settings file %1 is damaged and could not be copied aside. "
                                  "Nothing will be written to it until it is mended or removed.")
                          .arg(native(m_path)));
    }
    // Copies a sync program left while the program was not running are
    // merged now, before any window shows a list.
    mergeCopiesBeside(folder);
}

StoreResult ConfFileStore::openLocked(StoreFolder &folder, bool toReadOnly)
{
    if (!folder.open(m_folder, true)) {
        return refused(tr("The folder %1 could not be created (%2).")
                           .arg(native(m_folder), StoreFolder::reasonFor(folder.error())));
    }
    // Held for the whole operation, so that two copies of the program take
    // turns and each merges its changes into what the other has written.
    // A merge on this program's own thread for it ends soon: waited for,
    // not refused as another copy's write.
    if (!folder.lock(m_lockName, mergingInBackground() ? std::max(m_lockWaitMs, mergeWaitMs) : m_lockWaitMs)) {
        switch (folder.error()) {
        case EWOULDBLOCK:
            return refused(tr("Another copy of Velmorwick is still writing the settings file %1. "
                                       "Please try again in a moment.")
                               .arg(native(m_path)));
        case EACCES:
        case EPERM:
        case EROFS:
            if (toReadOnly)
                return {};
            return refused(tr("The folder %1 is read-only, so the settings file in it cannot be written.")
                               .arg(native(m_folder)));
        default:
            return refused(unwritableReason(m_path, tr("its lock file cannot be used: %1")
                                                        .arg(StoreFolder::reasonFor(folder.error()))));
        }
    }
    m_copies.beginStep();
    m_takenThisStep.clear();
    m_stepBegan.reset();
    tidyFolder(folder);
    if (m_mergesCopies && !m_background)
        mergeConflictCopies(folder);
    return {};
}

StoreResult ConfFileStore::apply(const QList<StoreChange> &changes)
{
    const ToldAfter told(*this);
    StoreFolder folder;
    const auto stepEnds = qScopeGuard([this] { m_stepBegan.reset(); });
    if (const StoreResult opened = openLocked(folder); !opened.written())
        return opened;
    return applyLocked(folder, changes);
}

StoreResult ConfFileStore::applyLocked(StoreFolder &folder, const QList<StoreChange> &changes)
{
    StoreResult result;
    for (int attempt = 0; attempt < writeAttempts; ++attempt) {
        bool replaced = false;
        result = applyOnce(folder, changes, replaced);
        if (!replaced)
            return result;
    }
    return result;
}

StoreResult ConfFileStore::applyOnce(StoreFolder &folder, const QList<StoreChange> &changes, bool &replaced)
{
    Loaded loaded;
    if (const StoreResult ready = loadToChange(folder, &loaded); !ready.written())
        return ready;
    if (const StoreResult expected = checkExpected(loaded.document, changes); !expected.written())
        return expected;
    Batch batch = applied(loaded.document, changes);
    // Every part of the store the batch changed records when: two machines'
    // versions are merged part by part, the later saved winning.
    const QDateTime now = m_clock();
    storemerge::stamp(batch.document, loaded.document, now, machine());
    if (loaded.exists && loaded.exact && batch.document == loaded.document)
        return batch.result; // nothing to change, e.g. removing a section that was never there
    // Rows a merge or a sync program put in during this step, and rows the
    // writer says it never saw, that the batch changes: the record keeps them.
    if (!m_stepBegan)
        m_stepBegan = loaded.document;
    QList<std::pair<QString, int>> unseen = storemerge::rowsChangedBetween(*m_stepBegan, loaded.document);
    QStringList unseenParts = m_takenThisStep;
    for (const StoreChange &change : changes) {
        if (change.kind == StoreChange::Kind::Unseen && change.key.startsWith(QLatin1String("Text")))
            unseen << std::make_pair(change.section, change.key.mid(4).toInt());
        else if (const storemerge::Part *part = change.kind == StoreChange::Kind::Unseen ? storemerge::partOf(change.section) : nullptr)
            unseenParts << part->name;
    }
    batch.result.replacedRows = storemerge::recordReplaced(batch.document, loaded.document, unseen);
    // A version of the private list no window showed (a merge took it in
    // during this step, or the writer says so) is kept aside as a set of its
    // rows, or, with the sets at their bound, whole beside the file, for as
    // long as kept copies are kept; a choice made elsewhere is replaced by
    // the latest.
    QString keptBeside;
    for (const QString &name : storemerge::differingParts(loaded.document, batch.document)) {
        const storemerge::Part &part = *storemerge::byName(name);
        if (!unseenParts.contains(name) || !part.keptWhenLost)
            continue;
        batch.result.keptAsideAs = storemerge::keepAside(batch.document, loaded.document, part);
        const QString *sealed = loaded.document.find(storekeys::privateSection, storekeys::sealedListKey);
        if (batch.result.keptAsideAs.isEmpty() && sealed && !sealed->isEmpty() && keptBeside.isEmpty()) {
            keptBeside = m_copies.publish(folder, loaded.exact ? loaded.document.serialize() : loaded.bytes,
                                          QStringLiteral(".saved-over"), now);
            if (keptBeside.isEmpty())
                return refused(tr("The version of the private list saved elsewhere could not be kept beside the "
                                  "settings file (%1), so nothing was written.")
                                   .arg(StoreFolder::reasonFor(folder.error())));
        }
    }
    const StoreResult kept = keepBefore(folder, loaded, batch.document, batch.step, batch.mustKeep, now);
    if (!kept.written())
        return kept;
    batch.result.keptAs = keptBeside.isEmpty() ? kept.keptAs : native(QDir(m_folder).filePath(keptBeside));
    batch.result.keptAsCopy = !keptBeside.isEmpty() || kept.keptAsCopy;
    const StoreResult result = written(folder, loaded, batch, replaced);
    if (result.written())
        logDone(folder, logbook::linesFor(loaded.document, batch.document));
    return result;
}

StoreResult ConfFileStore::loadToChange(StoreFolder &folder, Loaded *loaded)
{
    *loaded = m_file.load(folder);
    if (!loaded->readable) {
        m_file.forget();
        return refused(loaded->problem);
    }
    if (loaded->exists && !folder.isWritable(m_name))
        return refused(tr("The settings file %1 is read-only, so nothing was written to it.").arg(native(m_path)));
    // What the program would not write back the same is kept before the
    // first write that changes it.
    if (!loaded->exact && !keepCopy(folder, *loaded)) {
        return refused(tr("The settings file %1 is damaged and could not be copied aside, so nothing was written "
                          "to it.")
                           .arg(native(m_path)));
    }
    return {};
}

StoreResult ConfFileStore::checkExpected(const IniDocument &document, const QList<StoreChange> &changes)
{
    for (const StoreChange &change : changes) {
        if (change.outsideSchema())
            return refusedAsUnknown(change);
        const QString *held = document.find(change.section, change.key);
        if (change.kind == StoreChange::Kind::Expect && (held ? *held : QString()) != change.value)
            return {StoreResult::Status::Changed, tr("The settings changed meanwhile, so nothing was written.")};
    }
    return {};
}

ConfFileStore::Batch ConfFileStore::applied(const IniDocument &document, const QList<StoreChange> &changes)
{
    Batch batch{document, {}, false, {}};
    bool missing = false;
    for (const StoreChange &change : changes) {
        switch (change.kind) {
        case StoreChange::Kind::Expect:
        case StoreChange::Kind::Unseen:
            break;
        case StoreChange::Kind::Write:
            batch.document.set(change.section, change.key, change.value);
            break;
        case StoreChange::Kind::RemoveKey:
            batch.document.removeKey(change.section, change.key);
            break;
        case StoreChange::Kind::AddWord:
        case StoreChange::Kind::RemoveWord: {
            const QString *held = batch.document.find(change.section, change.key);
            batch.document.set(change.section, change.key, change.wordsAfter(held ? *held : QString()));
            break;
        }
        case StoreChange::Kind::RemoveSection:
            missing = !batch.document.removeSection(change.section) || missing;
            break;
        case StoreChange::Kind::Snapshot:
            batch.step = change.value;
            batch.mustKeep = batch.mustKeep || change.mustKeep;
            break;
        }
    }
    batch.result.status = missing ? StoreResult::Status::SectionMissing : StoreResult::Status::Done;
    return batch;
}

StoreResult ConfFileStore::written(StoreFolder &folder, const Loaded &loaded, const Batch &batch, bool &replaced)
{
    const StoreFile::Written written = m_file.write(folder, batch.document, loaded, StoreFile::Whose::Ours);
    if (written.tooLarge) {
        tellSnapshotProblem(false);
        return refused(tr("The settings file would grow past %1 MB, more than Velmorwick reads back, so nothing "
                          "was written.")
                           .arg(StoreFolder::sizeLimit / (1024 * 1024)));
    }
    replaced = written.written.status == StoreFolder::Written::Status::Replaced;
    tellSnapshotProblem(written.written.landed());
    if (written.written.landed())
        m_watch.wrote(loaded.stamp, written.written.stamp);
    return outcome(written.written, m_path, batch.result);
}

StoreResult ConfFileStore::keepBefore(StoreFolder &folder, const Loaded &loaded, const IniDocument &after,
                                      const QString &step, bool mustKeep, const QDateTime &now)
{
    QString whyNot;
    StoreResult kept;
    kept.keptAs = keepSnapshot(folder, loaded.document, after, step, now, mustKeep, &whyNot);
    if (!mustKeep || !kept.keptAs.isEmpty() || !loaded.exists || !m_keepsSnapshots)
        return kept;
    // The other version is kept beside the store instead (without a
    // half-done password change's key, as every kept copy).
    const QString copy = m_copies.publish(folder, loaded.exact ? loaded.document.serialize() : loaded.bytes,
                                          QStringLiteral(".saved-over"), now);
    if (copy.isEmpty()) {
        return refused(tr("The version saved elsewhere could not be kept first, as a snapshot (%1) or beside the "
                          "settings file (%2), so nothing was written.")
                           .arg(whyNot, StoreFolder::reasonFor(folder.error())));
    }
    kept.keptAs = native(QDir(m_folder).filePath(copy));
    kept.keptAsCopy = true;
    return kept;
}

bool ConfFileStore::lastChangedHere(const QString &section) const
{
    const storemerge::Part *part = storemerge::partOf(section);
    if (!part)
        return false;
    StoreFolder folder;
    if (!folder.open(m_folder, false))
        return false;
    const Loaded loaded = m_file.load(folder);
    return loaded.readable && m_file.writtenHere(*part, loaded.document);
}

void ConfFileStore::watch(std::function<void()> changed)
{
    m_changed = std::move(changed);
    StoreFolder folder;
    m_watch.start(folder.open(m_folder, false) ? folder.stampOf(m_name) : StoreFolder::Stamp{},
                  [this] { checkForChanges(); });
}

void ConfFileStore::checkForChanges()
{
    m_watch.keepWatching();
    StoreFolder folder;
    if (!folder.open(m_folder, false))
        return;
    mergeCopiesBeside(folder);
    if (m_watch.takeNews(folder.stampOf(m_name)) && m_changed)
        m_changed();
}

void ConfFileStore::mergeCopiesBeside(const StoreFolder &folder)
{
    const QStringList names = folder.names(QFileInfo(m_name).completeBaseName());
    if (!m_mergesCopies
        || std::none_of(names.begin(), names.end(), [this](const QString &n) { return storemerge::isConflictCopy(m_name, n); }))
        return;
    if (m_background) {
        m_background->start();
        return;
    }
    const ToldAfter told(*this);
    StoreFolder locked;
    openLocked(locked); // merges them
    m_stepBegan.reset();
}

void ConfFileStore::mergeCopies()
{
    StoreFolder folder;
    if (folder.open(m_folder, false))
        mergeCopiesBeside(folder);
}

void ConfFileStore::setMergesInBackground(bool inBackground)
{
    m_background.reset();
    if (inBackground)
        m_background = std::make_unique<BackgroundMerge>(m_path, machine(), [this](const QString &message) {
            reportProblem(message);
        });
}

bool ConfFileStore::mergingInBackground() const
{
    return m_background && m_background->busy();
}

QString ConfFileStore::machine() const
{
    return m_machine.isEmpty() ? thisMachine() : m_machine;
}
