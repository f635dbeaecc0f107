// The store against other processes: a writer killed at any moment, and two
// writers at once.
#include "store/conffilestore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "support/seed.h"

#include <csignal>

#include <sys/resource.h>

class StoreProcesses : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesOldOrNewContentsNeverAMix();
    void aWriteCutAtAnyByteIsRefusedAndChangesNothing_data();
    void aWriteCutAtAnyByteIsRefusedAndChangesNothing();
    void twoWritersKeepEachOthersWrites_data();
    void twoWritersKeepEachOthersWrites();
};

namespace {

// What the writer's cycle leaves after round r (see store_writer): every
// section whole and from the round that last wrote it.
void checkCycleState(const QString &path, int acknowledged)
{
    const QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.status(), QSettings::NoError);
    const int r = file.value(QStringLiteral("Saved/Round")).toInt();
    QVERIFY2(r >= acknowledged, qPrintable(QStringLiteral("round %1 was acknowledged, the file holds %2")
                                               .arg(acknowledged)
                                               .arg(r)));
    if (r == 0)
        return; // killed before its first write
    const int lastListRound = r % 3 == 2 ? r - 1 : r;
    if (lastListRound % 3 == 1) {
        QVERIFY(!file.childGroups().contains(QStringLiteral("Task15")));
    } else {
        for (int row = 1; row <= 15; ++row) {
            const QString expected = QStringLiteral("round %1 row %2 ").arg(lastListRound).arg(row)
                                     + QString(lastListRound % 7, u'x');
            QCOMPARE(file.value(QStringLiteral("Task15/Text%1").arg(row)).toString(), expected);
            QCOMPARE(file.value(QStringLiteral("Task15/Tick%1").arg(row)).toString(),
                     QString::number((lastListRound + row) % 2));
        }
    }
    const QString hash = file.value(QStringLiteral("Password/Ok")).toString();
    if (r >= 2) {
        const int passwordRound = r - ((r + 1) % 3);
        QCOMPARE(hash, QStringLiteral("hash %1").arg(passwordRound));
    }
    if (!hash.isEmpty()) {
        const QString k = hash.section(u' ', 1);
        for (int row = 1; row <= 5; ++row)
            QCOMPARE(file.value(QStringLiteral("Priv/Text%1").arg(row)).toString(),
                     QStringLiteral("private %1 row %2").arg(k).arg(row));
    }
}

} // namespace

void StoreProcesses::killedWriterLeavesOldOrNewContentsNeverAMix()
{
    // Saves, Clear All Tasks and password changes, killed at random moments.
    // The extended suite kills 500 times.
    const int kills = qEnvironmentVariableIntValue("VELMORWICK_KILLS") > 0
                          ? qEnvironmentVariableIntValue("VELMORWICK_KILLS")
                          : 40;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmorwick/Velmorwick.conf"));
    QRandomGenerator random(testSeed(500));
    int roundsSeen = 0;
    for (int attempt = 0; attempt < kills; ++attempt) {
        QProcess writer;
        writer.start(QStringLiteral(STORE_WRITER), {QStringLiteral("cycle"), path});
        QVERIFY(writer.waitForStarted());
        if (attempt == 0) // the first kill comes only after a whole round is on disk
            QVERIFY(writer.waitForReadyRead(10000));
        QTest::qSleep(random.bounded(1, 40));
        writer.kill();
        QVERIFY(writer.waitForFinished());
        const QList<QByteArray> printed = writer.readAllStandardOutput().trimmed().split('\n');
        const int acknowledged = printed.last().toInt();
        checkCycleState(path, acknowledged);
        if (QTest::currentTestFailed())
            return;
        roundsSeen = qMax(roundsSeen, acknowledged);
    }
    const QStringList left = QFileInfo(path).dir().entryList({QStringLiteral(".Velmorwick-*")},
                                                              QDir::Files | QDir::Hidden);
    QVERIFY(left.size() <= 1); // at most the last killed save's, until the next start
    qInfo("%d kills; the writer got as far as round %d", kills, roundsSeen);
}

void StoreProcesses::aWriteCutAtAnyByteIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<int>("lists");
    QTest::addColumn<int>("textLength");
    QTest::newRow("9 KB store") << 12 << 40;
    QTest::newRow("64 KB store") << 12 << 340;
}

void StoreProcesses::aWriteCutAtAnyByteIsRefusedAndChangesNothing()
{
    // A file-size limit makes every write past it fail, as a full disk does:
    // at every 256 bytes, the save either lands whole or is refused in words
    // with the old file left byte for byte.
    QFETCH(int, lists);
    QFETCH(int, textLength);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmorwick/Velmorwick.conf"));
    {
        ConfFileStore store(path);
        for (int n = 1; n <= lists; ++n) {
            QList<StoreChange> changes;
            for (int row = 1; row <= 15; ++row) {
                changes << StoreChange::write(QStringLiteral("Task%1").arg(n == 1 ? 3 : n + 3), QStringLiteral("Text%1").arg(row),
                                              QString(textLength, QChar(u'a' + row)));
                changes << StoreChange::write(QStringLiteral("Task%1").arg(n == 1 ? 3 : n + 3), QStringLiteral("Tick%1").arg(row),
                                              QStringLiteral("1"));
            }
            QVERIFY(store.apply(changes).written());
        }
    }
    const QByteArray original = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    int attempts = 0, refusals = 0;
    for (qint64 limit = 0; limit <= original.size() + 1024; limit += 256) {
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(f.write(original), original.size());
        }
        const QString value = QStringLiteral("changed at %1 ").arg(limit) + QString(textLength, u'z');
        QProcess writer;
        writer.setChildProcessModifier([limit] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{rlim_t(limit), rlim_t(limit)};
            ::setrlimit(RLIMIT_FSIZE, &size);
        });
        writer.start(QStringLiteral(STORE_WRITER), {QStringLiteral("set"), path, QStringLiteral("Task7"),
                                                    QStringLiteral("Text3"), value});
        QVERIFY(writer.waitForFinished(30000));
        ++attempts;
        const ConfFileStore after(path); // QSettings' cache goes by size and millisecond
        if (writer.exitCode() == 3) {
            ++refusals;
            const QString reason = QString::fromUtf8(writer.readAllStandardOutput());
            QVERIFY2(reason.contains(QStringLiteral("larger than this system allows")), qPrintable(reason));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY2(f.readAll() == original, qPrintable(QStringLiteral("limit %1").arg(limit)));
        } else {
            QCOMPARE(writer.exitCode(), 0);
            QCOMPARE(after.read(QStringLiteral("Task7"), QStringLiteral("Text3")), value);
            QCOMPARE(after.read(QStringLiteral("Task7"), QStringLiteral("Text4")), QString(textLength, QChar(u'a' + 4)));
            QCOMPARE(after.read(QStringLiteral("Task%1").arg(lists), QStringLiteral("Tick15")), QStringLiteral("1"));
        }
    }
    QVERIFY(refusals > 0 && refusals < attempts);
    qInfo("%d attempts at every 256 bytes, %d refused, 0 lost", attempts, refusals);
}

void StoreProcesses::twoWritersKeepEachOthersWrites_data()
{
    QTest::addColumn<QString>("sectionA");
    QTest::addColumn<QString>("sectionB");
    // Sections that take keys of any number.
    QTest::newRow("different sections") << QStringLiteral("Saved") << QStringLiteral("PrivDamaged");
    QTest::newRow("same section, different keys") << QStringLiteral("PrivDamaged") << QStringLiteral("PrivDamaged");
}

void StoreProcesses::twoWritersKeepEachOthersWrites()
{
    QFETCH(QString, sectionA);
    QFETCH(QString, sectionB);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmorwick/Velmorwick.conf"));
    const int count = 150;
    QProcess a, b;
    a.start(QStringLiteral(STORE_WRITER), {QStringLiteral("keys"), path, sectionA, QStringLiteral("Rows-a"), QString::number(count)});
    b.start(QStringLiteral(STORE_WRITER), {QStringLiteral("keys"), path, sectionB, QStringLiteral("Key-b"), QString::number(count)});
    QVERIFY(a.waitForFinished(120000));
    QVERIFY(b.waitForFinished(120000));
    QCOMPARE(a.exitCode(), 0);
    QCOMPARE(b.exitCode(), 0);

    ConfFileStore store(path);
    for (int k = 1; k <= count; ++k) {
        QCOMPARE(store.read(sectionA, QStringLiteral("Rows-a%1").arg(k)), QString::number(k));
        QCOMPARE(store.read(sectionB, QStringLiteral("Key-b%1").arg(k)), QString::number(k));
    }
}

QTEST_GUILESS_MAIN(StoreProcesses)
#include "tst_storeprocesses.moc"
