#include "conffilestore.h"

#include "platform/files.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>

#include <atomic>

namespace {

constexpr auto privateFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr auto privateFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

StoreResult refused(const QString &reason)
{
    return {StoreResult::Status::Refused, reason};
}

bool ensurePrivateFolder(const QString &folder)
{
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        return false;
    QFile::setPermissions(folder, privateFolder);
    return true;
}

// A scratch file in the store's folder: every write is first staged in one of
// these, so the real file is only ever replaced whole. Names never repeat
// within a run, which keeps QSettings' per-path cache from mixing them up.
class Scratch
{
public:
    explicit Scratch(const QString &folder)
        : m_file(QStringLiteral("%1/.Velmorwick-%2-%3-XXXXXX.conf")
                     .arg(folder)
                     .arg(QCoreApplication::applicationPid())
                     .arg(++counter))
    {
    }

    bool create(const QByteArray &contents)
    {
        if (!m_file.open() || m_file.write(contents) != contents.size() || !m_file.flush())
            return false;
        m_file.close();
        return true;
    }
    QString path() const { return m_file.fileName(); }
    QString errorString() const { return m_file.errorString(); }

private:
    static inline std::atomic<int> counter = 0;
    QTemporaryFile m_file;
};

// Applies the changes to a staged copy; tells whether a removed section was missing.
bool stage(QSettings &staged, const QList<StoreChange> &changes)
{
    bool missing = false;
    for (const StoreChange &change : changes) {
        if (change.kind == StoreChange::Kind::RemoveSection) {
            if (staged.childGroups().contains(change.section))
                staged.remove(change.section);
            else
                missing = true;
        } else {
            staged.setValue(change.section + QLatin1Char('/') + change.key, change.value);
        }
    }
    return missing;
}

// QSettings parses the keys of a section only when first asked for them, and
// only then reports what it could not understand: ask for them all.
bool isDamaged(const QSettings &settings)
{
    settings.allKeys();
    return settings.status() == QSettings::FormatError;
}

QString unwritableReason(const QString &path, const QString &detail)
{
    return QObject::tr("The settings file %1 could not be written (%2).").arg(QDir::toNativeSeparators(path), detail);
}

} // namespace

ConfFileStore::ConfFileStore(QString filePath)
    : m_path(std::move(filePath))
{
}

QString ConfFileStore::read(const QString &section, const QString &key) const
{
    // A new QSettings object picks up what other copies of the program wrote.
    const QSettings settings(m_path, QSettings::IniFormat);
    return settings.value(section + QLatin1Char('/') + key).toString();
}

void ConfFileStore::checkOnOpen()
{
    // Scratch files of a copy of the program that was killed half-way through
    // a write; the store file itself was never touched by them.
    const QFileInfo info(m_path);
    const QDateTime stale = QDateTime::currentDateTime().addSecs(-600);
    const QFileInfoList scratches = info.dir().entryInfoList({QStringLiteral(".Velmorwick-*.conf*")},
                                                             QDir::Files | QDir::Hidden);
    for (const QFileInfo &scratch : scratches) {
        if (scratch.lastModified() < stale)
            QFile::remove(scratch.filePath());
    }

    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        reportProblem(QObject::tr("The settings file %1 cannot be read (%2). Your saved lists cannot be shown, "
                                  "and nothing will be saved until the file can be read again.")
                          .arg(QDir::toNativeSeparators(m_path), file.errorString()));
        return;
    }
    const QSettings settings(m_path, QSettings::IniFormat);
    if (isDamaged(settings) && !keepDamagedCopy(file.readAll())) {
        reportProblem(QObject::tr("The settings file %1 is damaged and could not be copied aside. "
                                  "Nothing will be written to it until it is mended or removed.")
                          .arg(QDir::toNativeSeparators(m_path)));
    }
}

StoreResult ConfFileStore::apply(const QList<StoreChange> &changes)
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!ensurePrivateFolder(folder))
        return refused(QObject::tr("The folder %1 could not be created.").arg(QDir::toNativeSeparators(folder)));

    if (!QFileInfo(folder).isWritable()) {
        return refused(QObject::tr("The folder %1 is read-only, so the settings file in it cannot be written.")
                           .arg(QDir::toNativeSeparators(folder)));
    }

    // Held for the whole write, so that two copies of the program take turns
    // and each merges its changes into what the other has written.
    QLockFile lock(m_path + QStringLiteral(".writing"));
    if (!lock.tryLock(m_lockWaitMs)) {
        if (lock.error() != QLockFile::LockFailedError)
            return refused(unwritableReason(m_path, QObject::tr("its lock file cannot be created")));
        return refused(QObject::tr("Another copy of Velmorwick is still writing the settings file %1. "
                                   "Please try again in a moment.")
                           .arg(QDir::toNativeSeparators(m_path)));
    }
    return applyLocked(changes);
}

StoreResult ConfFileStore::applyLocked(const QList<StoreChange> &changes)
{
    const QString folder = QFileInfo(m_path).absolutePath();
    QFile current(m_path);
    QByteArray before;
    QDateTime beforeStamp;
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly)) {
            return refused(QObject::tr("The settings file %1 cannot be read (%2), so nothing was written to it.")
                               .arg(QDir::toNativeSeparators(m_path), current.errorString()));
        }
        before = current.readAll();
        current.close();
        if (!QFileInfo(m_path).isWritable()) {
            return refused(QObject::tr("The settings file %1 is read-only, so nothing was written to it.")
                               .arg(QDir::toNativeSeparators(m_path)));
        }
        beforeStamp = QFileInfo(m_path).lastModified();
    }

    Scratch original(folder);
    if (!original.create(before))
        return refused(unwritableReason(m_path, original.errorString()));
    Scratch rebuilt(folder);
    QString stagedPath = original.path();
    {
        const QSettings parsed(original.path(), QSettings::IniFormat);
        if (isDamaged(parsed)) {
            if (!keepDamagedCopy(before))
                return refused(QObject::tr("The settings file %1 is damaged and could not be copied aside, "
                                           "so nothing was written to it.")
                                   .arg(QDir::toNativeSeparators(m_path)));
            // Start from a clean file holding what could be read; QSettings
            // would keep reporting the parse error and hide a failing write.
            if (!rebuilt.create({}))
                return refused(unwritableReason(m_path, rebuilt.errorString()));
            QSettings clean(rebuilt.path(), QSettings::IniFormat);
            const QStringList keys = parsed.allKeys();
            for (const QString &key : keys)
                clean.setValue(key, parsed.value(key));
            stagedPath = rebuilt.path();
        }
    }

    bool missing = false;
    {
        QSettings staged(stagedPath, QSettings::IniFormat);
        missing = stage(staged, changes);
        staged.sync();
        if (staged.status() != QSettings::NoError)
            return refused(unwritableReason(m_path, QObject::tr("the disk may be full")));
    }
    const StoreResult done{missing ? StoreResult::Status::SectionMissing : StoreResult::Status::Done, {}};

    QFile stagedFile(stagedPath);
    if (!stagedFile.open(QIODevice::ReadOnly))
        return refused(unwritableReason(m_path, stagedFile.errorString()));
    const QByteArray after = stagedFile.readAll();
    if (after == before && current.exists())
        return done; // nothing to change, e.g. removing a section that was never there

    QSaveFile out(m_path);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly) || out.write(after) != after.size() || !out.commit())
        return refused(unwritableReason(m_path, out.errorString()));
    QFile::setPermissions(m_path, privateFile);

    // Readers notice a new version by its size and time stamp (to the
    // millisecond); make sure two versions never share both.
    const QDateTime afterStamp = QFileInfo(m_path).lastModified();
    if (beforeStamp.isValid() && afterStamp <= beforeStamp) {
        QFile touched(m_path);
        if (touched.open(QIODevice::ReadWrite))
            touched.setFileTime(beforeStamp.addMSecs(1), QFileDevice::FileModificationTime);
    }
    platform::syncFolder(folder);
    return done;
}

bool ConfFileStore::keepDamagedCopy(const QByteArray &contents)
{
    const QByteArray digest = QCryptographicHash::hash(contents, QCryptographicHash::Sha256);
    if (m_keptDigests.contains(digest))
        return true;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = QStringLiteral("%1.damaged-%2").arg(m_path, stamp);
    for (int n = 2; QFile::exists(aside); ++n)
        aside = QStringLiteral("%1.damaged-%2-%3").arg(m_path, stamp).arg(n);
    // Written like the store itself: whole, and on the disk before the store
    // file is ever replaced.
    QSaveFile copy(aside);
    copy.setDirectWriteFallback(false);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(contents) != contents.size() || !copy.commit())
        return false;
    QFile::setPermissions(aside, privateFile);
    platform::syncFolder(QFileInfo(m_path).absolutePath());
    m_keptDigests.insert(digest);
    reportProblem(QObject::tr("The settings file %1 is damaged: some of it could not be read. A copy of it "
                              "was kept as %2. Velmorwick goes on with what it could read.")
                      .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(aside)));
    return true;
}
