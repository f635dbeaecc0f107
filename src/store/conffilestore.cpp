#include "conffilestore.h"

#include "storemerge.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>

#include <string.h>

namespace {

StoreResult refused(const QString &reason)
{
    return {StoreResult::Status::Refused, reason};
}

void wipe(QByteArray &bytes)
{
    if (bytes.isDetached())
        ::explicit_bzero(bytes.data(), size_t(bytes.size()));
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString unwritableReason(const QString &path, const QString &detail)
{
    return QObject::tr("The settings file %1 could not be written (%2).").arg(native(path), detail);
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

// What QSettings reads from a file that is not in the form the document
// writes: the values the windows saw before, whatever the file holds.
IniDocument readAsQSettingsDoes(const QString &path, bool *damaged)
{
    const QSettings settings(path, QSettings::IniFormat);
    IniDocument document;
    const QStringList keys = settings.allKeys(); // also finds damage in every section
    *damaged = settings.status() == QSettings::FormatError;
    for (const QString &key : keys) {
        const qsizetype slash = key.indexOf(u'/');
        const QString section = slash < 0 ? QString() : key.first(slash);
        if (key.split(u'/').contains(QString()))
            continue; // an empty part: nothing QSettings could look up or write back
        document.set(section, slash < 0 ? key : key.sliced(slash + 1), settings.value(key).toString());
    }
    return document;
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

// Whether QSettings reads every key of both files as the same value.
bool readBackTheSame(const QString &one, const QString &other)
{
    const QSettings a(one, QSettings::IniFormat);
    const QSettings b(other, QSettings::IniFormat);
    const QStringList keys = a.allKeys();
    if (keys != b.allKeys() || a.status() != QSettings::NoError || b.status() != QSettings::NoError)
        return false;
    return std::all_of(keys.begin(), keys.end(), [&](const QString &key) { return a.value(key) == b.value(key); });
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
                QObject::tr("The disk did not confirm that %1 was written (%2); it may be lost if the computer "
                            "stops now.")
                    .arg(native(path), StoreFolder::reasonFor(written.error))};
    case StoreFolder::Written::Status::NotRegular:
        return refused(QObject::tr("%1 is %2, which Velmorwick does not replace, so nothing was written.")
                           .arg(native(path), written.kind));
    case StoreFolder::Written::Status::Replaced:
        return refused(QObject::tr("Another program replaced %1 while Velmorwick wrote it (a sync program may be "
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
    , m_watch(m_folder, m_name)
    , m_copies(m_name)
{
}

ConfFileStore::~ConfFileStore() = default;

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
        loaded.exact = false;
        // Parsed from a copy of exactly these bytes under a name of its own:
        // QSettings caches a file by its path, size and time stamp to the
        // millisecond, and would hand back an older version of the store.
        StoreFolder folder;
        const QString copy = folder.open(m_folder, false) ? folder.writeScratch(bytes) : QString();
        loaded.document = readAsQSettingsDoes(copy.isEmpty() ? m_path : QDir(m_folder).filePath(copy), &loaded.damaged);
        // Blank lines, line ends and how sections are laid out mean nothing:
        // a file whose every line the program's own form writes again, and
        // that reads back the same key by key, is no file to keep a copy of.
        const QByteArray form = loaded.document.serialize();
        const QString rewritten = copy.isEmpty() ? QString() : folder.writeScratch(form);
        loaded.exact = !loaded.damaged && !rewritten.isEmpty() && everyLineKept(bytes, form)
                       && readBackTheSame(QDir(m_folder).filePath(copy), QDir(m_folder).filePath(rewritten));
        for (const QString &scratch : {copy, rewritten}) {
            if (!scratch.isEmpty())
                folder.remove(scratch);
        }
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

void ConfFileStore::forgetSecret(const QString &section, const QString &key)
{
    if (!m_cached)
        return;
    // Zeroed where it lies: the copies that share it go with it, and the
    // cache, which would read zeros now, is dropped.
    if (const QString *value = m_cached->document.find(section, key)) {
        volatile ushort *characters = const_cast<ushort *>(value->utf16());
        for (qsizetype i = 0; i < value->size(); ++i)
            characters[i] = 0;
    }
    forgetCache();
}

void ConfFileStore::tidyFolder(StoreFolder &folder)
{
    if (std::exchange(m_folderTidied, true))
        return;
    folder.removeLeftoverScratches();
    if (!folder.makeFolderPrivate(m_folder)) {
        reportProblem(QObject::tr("The folder %1 can be opened by other users, and Velmorwick leaves it as it is "
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
    forgetCache();
    const Loaded loaded = parse(folder.read(m_name));
    if (!loaded.readable) {
        reportProblem(loaded.problem);
        return;
    }
    if (!loaded.exists)
        return;
    folder.makePrivate(m_name);
    if (!loaded.exact && !keepCopy(folder, loaded)) {
        reportProblem(QObject::tr("The settings file %1 is damaged and could not be copied aside. "
                                  "Nothing will be written to it until it is mended or removed.")
                          .arg(native(m_path)));
    }
}

StoreResult ConfFileStore::openLocked(StoreFolder &folder, bool toReadOnly)
{
    if (!folder.open(m_folder, true)) {
        return refused(QObject::tr("The folder %1 could not be created (%2).")
                           .arg(native(m_folder), StoreFolder::reasonFor(folder.error())));
    }
    // Held for the whole operation, so that two copies of the program take
    // turns and each merges its changes into what the other has written.
    if (!folder.lock(m_lockName, m_lockWaitMs)) {
        switch (folder.error()) {
        case EWOULDBLOCK:
            return refused(QObject::tr("Another copy of Velmorwick is still writing the settings file %1. "
                                       "Please try again in a moment.")
                               .arg(native(m_path)));
        case EACCES:
        case EPERM:
        case EROFS:
            if (toReadOnly)
                return {};
            return refused(QObject::tr("The folder %1 is read-only, so the settings file in it cannot be written.")
                               .arg(native(m_folder)));
        default:
            return refused(unwritableReason(m_path, QObject::tr("its lock file cannot be used: %1")
                                                        .arg(StoreFolder::reasonFor(folder.error()))));
        }
    }
    m_copies.beginStep();
    m_takenThisStep.clear();
    tidyFolder(folder);
    mergeConflictCopies(folder);
    return {};
}

StoreResult ConfFileStore::apply(const QList<StoreChange> &changes)
{
    const ToldAfter told(*this);
    StoreFolder folder;
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
    Loaded loaded = load(folder);
    if (!loaded.readable) {
        forgetCache();
        return refused(loaded.problem);
    }
    if (loaded.exists && !folder.isWritable(m_name)) {
        return refused(QObject::tr("The settings file %1 is read-only, so nothing was written to it.")
                           .arg(native(m_path)));
    }
    // What the program would not write back the same is kept before the
    // first write that changes it.
    if (!loaded.exact && !keepCopy(folder, loaded)) {
        return refused(QObject::tr("The settings file %1 is damaged and could not be copied aside, "
                                   "so nothing was written to it.")
                           .arg(native(m_path)));
    }

    IniDocument document = loaded.document;
    bool missing = false;
    QString step;
    for (const StoreChange &change : changes) {
        switch (change.kind) {
        case StoreChange::Kind::Write:
            document.set(change.section, change.key, change.value);
            break;
        case StoreChange::Kind::RemoveKey:
            document.removeKey(change.section, change.key);
            break;
        case StoreChange::Kind::RemoveSection:
            missing = !document.removeSection(change.section) || missing;
            break;
        case StoreChange::Kind::Snapshot:
            step = change.value;
            break;
        }
    }
    const StoreResult done{missing ? StoreResult::Status::SectionMissing : StoreResult::Status::Done, {}};
    // Every part of the store the batch changed records when: two machines'
    // versions are merged part by part, the later saved winning.
    const QDateTime now = m_clock();
    storemerge::stamp(document, loaded.document, now);
    if (loaded.exists && loaded.exact && document == loaded.document)
        return done; // nothing to change, e.g. removing a section that was never there
    for (const QString &part : storemerge::differingParts(loaded.document, document)) {
        if (step.isEmpty() && m_takenThisStep.contains(part))
            step = QObject::tr("saved over a version from elsewhere");
    }
    keepSnapshot(folder, loaded.document, document, step, now);

    QByteArray bytes = document.serialize();
    if (bytes.size() > StoreFolder::sizeLimit) {
        return refused(QObject::tr("The settings file would grow past %1 MB, more than Velmorwick reads back, so "
                                   "nothing was written.")
                           .arg(StoreFolder::sizeLimit / (1024 * 1024)));
    }
    forgetCache();
    const StoreFolder::Written written = folder.writeWhole(m_name, bytes, {}, loaded.stamp);
    wipe(bytes); // a private key in the clear may be among them
    replaced = written.status == StoreFolder::Written::Status::Replaced;
    if (written.landed()) {
        Loaded now;
        now.readable = now.exists = true;
        now.document = std::move(document);
        now.stamp = written.stamp;
        m_cached = std::move(now);
        m_watch.wrote(loaded.stamp, written.stamp);
    }
    return outcome(written, m_path, done);
}

bool ConfFileStore::keepCopy(StoreFolder &folder, const Loaded &loaded)
{
    const QByteArray digest = QCryptographicHash::hash(loaded.bytes, QCryptographicHash::Sha256);
    if (m_keptDigests.contains(digest))
        return true;
    const QString aside = publishCopy(folder, loaded.bytes, QStringLiteral(".damaged"));
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
