// The store against other processes: a writer killed at any moment, and two
// writers at once.
#include "store/conffilestore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class StoreProcesses : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesOldOrNewListNeverAMix();
    void twoWritersKeepEachOthersWrites_data();
    void twoWritersKeepEachOthersWrites();
};

void StoreProcesses::killedWriterLeavesOldOrNewListNeverAMix()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmorwick/Velmorwick.conf"));
    auto *random = QRandomGenerator::global();
    int roundsSeen = 0;
    for (int attempt = 0; attempt < 40; ++attempt) {
        QProcess writer;
        writer.start(QStringLiteral(STORE_WRITER), {QStringLiteral("lists"), path, QStringLiteral("Task15")});
        QVERIFY(writer.waitForStarted());
        if (attempt == 0) // the first kill comes only after a whole list is on disk
            QVERIFY(writer.waitForReadyRead(10000));
        QTest::qSleep(random->bounded(1, 40));
        writer.kill();
        QVERIFY(writer.waitForFinished());

        const QSettings file(path, QSettings::IniFormat);
        QCOMPARE(file.status(), QSettings::NoError);
        // Every row must come from the same round.
        const QString first = file.value(QStringLiteral("Task15/Text1")).toString();
        QVERIFY2(first.startsWith(QStringLiteral("round ")), qPrintable(first));
        const int i = first.section(u' ', 1, 1).toInt();
        for (int row = 1; row <= 15; ++row) {
            const QString expected = QStringLiteral("round %1 row %2 ").arg(i).arg(row) + QString(i % 7, u'x');
            QCOMPARE(file.value(QStringLiteral("Task15/Text%1").arg(row)).toString(), expected);
            QCOMPARE(file.value(QStringLiteral("Task15/Tick%1").arg(row)).toString(), QString::number((i + row) % 2));
        }
        roundsSeen = qMax(roundsSeen, i);
    }
    qInfo("the writer got as far as round %d", roundsSeen);
}

void StoreProcesses::twoWritersKeepEachOthersWrites_data()
{
    QTest::addColumn<QString>("sectionA");
    QTest::addColumn<QString>("sectionB");
    QTest::newRow("different sections") << QStringLiteral("Task5") << QStringLiteral("Task10");
    QTest::newRow("same section, different keys") << QStringLiteral("Task8") << QStringLiteral("Task8");
}

void StoreProcesses::twoWritersKeepEachOthersWrites()
{
    QFETCH(QString, sectionA);
    QFETCH(QString, sectionB);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmorwick/Velmorwick.conf"));
    const int count = 150;
    QProcess a, b;
    a.start(QStringLiteral(STORE_WRITER), {QStringLiteral("keys"), path, sectionA, QStringLiteral("a"), QString::number(count)});
    b.start(QStringLiteral(STORE_WRITER), {QStringLiteral("keys"), path, sectionB, QStringLiteral("b"), QString::number(count)});
    QVERIFY(a.waitForFinished(120000));
    QVERIFY(b.waitForFinished(120000));
    QCOMPARE(a.exitCode(), 0);
    QCOMPARE(b.exitCode(), 0);

    ConfFileStore store(path);
    for (int k = 1; k <= count; ++k) {
        QCOMPARE(store.read(sectionA, QStringLiteral("a%1").arg(k)), QString::number(k));
        QCOMPARE(store.read(sectionB, QStringLiteral("b%1").arg(k)), QString::number(k));
    }
}

QTEST_GUILESS_MAIN(StoreProcesses)
#include "tst_storeprocesses.moc"
