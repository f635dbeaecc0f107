// Saves on a nearly full disk: a small file system of its own, filled to
// every level around the size of the store. Needs root to mount it.
#include "app/datacommands.h"
#include "store/conffilestore.h"
#include "store/storefolder.h"
#include "support/readonly.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

class StoreFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void aSaveOnANearlyFullDiskLandsWholeOrIsRefused();

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
};

void StoreFullDisk::initTestCase()
{
    if (::geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_mountPoint.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                        "size=128k,mode=0700")
                == 0;
    if (!m_mounted)
        QSKIP("this machine cannot mount a tmpfs here");
}

void StoreFullDisk::cleanupTestCase()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_mountPoint.path()).constData(), MNT_DETACH);
}

void StoreFullDisk::aSaveOnANearlyFullDiskLandsWholeOrIsRefused()
{
    const QString path = m_mountPoint.filePath(QStringLiteral("Velmorwick/Velmorwick.conf"));
    const QString filler = m_mountPoint.filePath(QStringLiteral("filler"));
    QByteArray original;
    {
        ConfFileStore store(path);
        for (int n = 3; n <= 15; ++n) {
            if (n == 4)
                continue; // there is no 4-task list
            QList<StoreChange> changes;
            for (int row = 1; row <= 15; ++row) {
                changes << StoreChange::write(QStringLiteral("Task%1").arg(n), QStringLiteral("Text%1").arg(row),
                                              QStringLiteral("task %1 of list %2, long enough").arg(row).arg(n));
                changes << StoreChange::write(QStringLiteral("Task%1").arg(n), QStringLiteral("Tick%1").arg(row),
                                              QString::number(row % 2));
            }
            const StoreResult filled = store.apply(changes);
            QVERIFY2(filled.written(), qPrintable(filled.reason));
        }
        original = fileBytes(path);
    }
    // An earlier export and backup, which a refused one must leave as they were.
    const QString exported = m_mountPoint.filePath(QStringLiteral("lists.txt"));
    const QString backup = m_mountPoint.filePath(QStringLiteral("lists.backup"));
    const QByteArray earlier = QByteArray("an earlier copy, kept by a script\n").repeated(40);
    const auto fillLeaving = [&](qint64 freeTarget) {
        QFile::remove(filler);
        for (const QString &file : {exported, backup, path}) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QVERIFY(f.write(file == path ? original : earlier) > 0);
        }
        struct statvfs fs {};
        QCOMPARE(::statvfs(QFile::encodeName(m_mountPoint.path()).constData(), &fs), 0);
        const qint64 available = qint64(fs.f_bavail) * qint64(fs.f_frsize);
        QFile fill(filler);
        QVERIFY(fill.open(QIODevice::WriteOnly));
        fill.write(QByteArray(qMax<qint64>(0, available - freeTarget), 'f')); // may stop short when full
    };
    int attempts = 0, refusals = 0;
    // Free space from nothing to well past the new file's size, in 512-byte steps.
    for (qint64 freeTarget = 0; freeTarget <= 3 * original.size(); freeTarget += 512) {
        fillLeaving(freeTarget);
        ConfFileStore store(path);
        QStringList told;
        store.setProblemReporter([&told](const QString &problem) { told << problem; });
        const QString value = QStringLiteral("changed with %1 bytes free").arg(freeTarget);
        // Ticked, so the logbook takes a line too.
        const StoreResult result
            = store.apply({StoreChange::write(QStringLiteral("Task10"), QStringLiteral("Text4"), value),
                           StoreChange::write(QStringLiteral("Task10"), QStringLiteral("Tick4"), QStringLiteral("1"))});
        ++attempts;
        if (!result.written()) {
            ++refusals;
            QCOMPARE(told.filter(QStringLiteral("went on")), QStringList()); // it did not
            QVERIFY2(result.reason.contains(QStringLiteral("the disk is full")), qPrintable(result.reason));
            QVERIFY2(fileBytes(path) == original, qPrintable(QStringLiteral("%1 bytes free").arg(freeTarget)));
        } else {
            // Read as the next start reads it (QSettings' cache cannot tell
            // two files of one size apart within a millisecond).
            const ConfFileStore after(path);
            QCOMPARE(after.read(QStringLiteral("Task10"), QStringLiteral("Text4")), value);
            QCOMPARE(after.read(QStringLiteral("Task15"), QStringLiteral("Text15")),
                     QStringLiteral("task 15 of list 15, long enough"));
        }
        // A long run of logbook lines at the same level: all of it, or the
        // file as it was (a cut line would join the next one).
        {
            const QByteArray line = "done\tTask10.4.1\t2026-12-10T09:00:00Z\tTask10\ta line\n";
            const QString log = QStringLiteral("Velmorwick.done-0000beef.log");
            QFile::remove(filler);
            QFile earlierLines(QFileInfo(path).absoluteDir().filePath(log));
            QVERIFY(earlierLines.open(QIODevice::WriteOnly | QIODevice::Truncate) && earlierLines.write(line) > 0);
            QVERIFY(earlierLines.flush());
            earlierLines.close();
            fillLeaving(freeTarget);
            StoreFolder folder;
            QVERIFY(folder.open(QFileInfo(path).absolutePath(), false));
            if (!folder.append(log, line.repeated(90)))
                QCOMPARE(fileBytes(earlierLines.fileName()), line);
            folder.remove(log); // room for the next level
        }
        // An export and a backup at the same level: whole, or refused with
        // the earlier file as it was.
        for (const QString &command : {QStringLiteral("export"), QStringLiteral("backup")}) {
            fillLeaving(freeTarget);
            const QString target = command == QLatin1String("export") ? exported : backup;
            const int status = datacommands::run(command, {target}, {}, store, [](const QString &) { return std::nullopt; });
            ++attempts;
            if (status != 0) {
                ++refusals;
                QCOMPARE(fileBytes(target), earlier);
            } else if (command == QLatin1String("backup")) {
                const QByteArray head = fileBytes(path) + "\n[Logbook]\nLines=";
                QVERIFY(fileBytes(target).startsWith(head) && fileBytes(target).endsWith('\n'));
                QVERIFY(QByteArray::fromBase64(fileBytes(target).mid(head.size()))
                            .contains("\ttask 15 of list 15, long enough"));
            } else {
                QVERIFY(fileBytes(target).endsWith("] task 15 of list 15, long enough\n"));
            }
        }
        QCOMPARE(QDir(m_mountPoint.path()).entryList({QStringLiteral(".Velmorwick-*")}, QDir::Files | QDir::Hidden)
                     + QDir(QFileInfo(path).absolutePath())
                           .entryList({QStringLiteral(".Velmorwick-*")}, QDir::Files | QDir::Hidden),
                 QStringList()); // a refused write leaves no scratch file behind
    }
    // Lines cut short by the full disk were taken back: the logbook reads whole.
    ::unlink(QFile::encodeName(filler).constData());
    ConfFileStore store(path);
    SettingsStore::Done done;
    QVERIFY(store.doneTasks(&done, {}).written());
    QCOMPARE(done.problems, QStringList());
    QVERIFY(done.entries.size() > 1);
    QVERIFY(refusals > 0 && refusals < attempts);
    qInfo("%d attempts of saves, exports and backups at fill levels 512 bytes apart, %d refused, 0 lost", attempts,
          refusals);
}

QTEST_GUILESS_MAIN(StoreFullDisk)
#include "tst_storefulldisk.moc"
