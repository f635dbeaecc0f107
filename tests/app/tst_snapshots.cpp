// Every step that takes text away can be taken back: a snapshot of the store
// before it, bounded; restore --snapshot.
#include "app/datacommands.h"
#include "app/listexchange.h"
#include "lists/tasklistwindow.h"
#include "private/privatevault.h"
#include "store/conffilestore.h"
#include "store/snapshots.h"
#include "store/storefolder.h"
#include "store/storekeys.h"
#include "support/filebytes.h"
#include "support/programfixture.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

#include <ctime>

using namespace storekeys;

namespace {

QString snapshotFolder(ProgramFixture &fx)
{
    return QFileInfo(fx.testStore().location()).absolutePath() + QStringLiteral("/snapshots");
}

int run(ProgramFixture &fx, const QStringList &command, const datacommands::Options &options = {})
{
    return datacommands::run(command.first(), command.mid(1), options, fx.store(),
                             [](const QString &) { return std::optional<QString>(QStringLiteral("pw")); });
}

} // namespace

class SnapshotsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ProgramFixture::settle(); }
    void eachStepThatTakesTextAwayKeepsOneSnapshotOfTheStoreBeforeIt_data();
    void eachStepThatTakesTextAwayKeepsOneSnapshotOfTheStoreBeforeIt();
    void theBoundsAreKept_data();
    void theBoundsAreKept();
    void snapshotsExactlyAtTheSizeBoundAreAllKept();
    void aSnapshotThatCannotBeKeptStopsNothingAndIsToldOnce_data();
    void aSnapshotThatCannotBeKeptStopsNothingAndIsToldOnce();
    void snapshotsAreListedByTimeWhateverTheClockShows();
};

void SnapshotsTest::eachStepThatTakesTextAwayKeepsOneSnapshotOfTheStoreBeforeIt_data()
{
    QTest::addColumn<QString>("step");
    for (const char *step : {"Clear List", "Clear All Tasks", "tasks emptied", "import", "restore", "password change"})
        QTest::newRow(step) << QString::fromLatin1(step);
    // The store itself knows a write that takes text away, whoever writes.
    QTest::newRow("tasks emptied by a write naming no step") << QStringLiteral("tasks emptied");
}

void SnapshotsTest::eachStepThatTakesTextAwayKeepsOneSnapshotOfTheStoreBeforeIt()
{
    QFETCH(QString, step);
    ProgramFixture fx;
    fx.seed(taskSection(5), textKey(1), QStringLiteral("kept in the snapshot"));
    fx.seed(taskSection(9), textKey(2), QStringLiteral("another list"));
    {
        PrivateVault vault(fx.store());
        QVERIFY(vault.setPassword(QStringLiteral("pw")).written());
    }
    const int before = int(fx.store().snapshots().size()); // the day's first save kept one
    const QByteArray store = fileBytes(fx.testStore().location());
    const QString backup = QFileInfo(fx.testStore().location()).absolutePath() + QStringLiteral("/../backup.conf");
    QCOMPARE(run(fx, {QStringLiteral("backup"), backup}), 0);

    if (QTest::currentDataTag() == QByteArray("tasks emptied by a write naming no step")) {
        QVERIFY(fx.store().write(taskSection(5), textKey(1), QString()).written());
    } else if (step == QLatin1String("Clear List") || step == QLatin1String("tasks emptied")) {
        fx.program().showTaskList(5);
        auto *list = fx.window<TaskListWindow>(QStringLiteral("frm5"));
        if (step == QLatin1String("tasks emptied"))
            list->textBox(1)->clear();
        ui::click(ui::child<QPushButton>(list, step == QLatin1String("Clear List") ? QStringLiteral("cmdclear")
                                                                                   : QStringLiteral("cmdsave")));
    } else if (step == QLatin1String("Clear All Tasks")) {
        fx.start();
        fx.boxes().answerNext(true);
        ui::trigger(fx.window(QStringLiteral("frmMain")), QStringLiteral("mnuclear"));
    } else if (step == QLatin1String("import")) {
        putFileBytes(backup + QStringLiteral(".json"), listexchange::asJson({{dayListLayout(5), QList<TaskRow>(5)}}));
        QCOMPARE(run(fx, {QStringLiteral("import"), backup + QStringLiteral(".json")}), 0);
    } else if (step == QLatin1String("restore")) {
        fx.seed(taskSection(5), textKey(1), QStringLiteral("after the backup"));
        QCOMPARE(run(fx, {QStringLiteral("restore"), backup}), 0);
    } else {
        PrivateVault vault(fx.store());
        QCOMPARE(vault.enter(QStringLiteral("pw")).entry, PasswordGate::Entry::Opened);
        QVERIFY(vault.startChange().written());
    }

    const QList<SettingsStore::Snapshot> snapshots = fx.store().snapshots();
    QCOMPARE(snapshots.size(), before + 1);
    QCOMPARE(snapshots.first().step, step);
    QByteArray newest;
    QString name;
    QVERIFY(fx.store().snapshotBytes(1, &newest, &name).written());
    QVERIFY2(name.endsWith(u' ' + step + QStringLiteral(".conf")), qPrintable(name));
    // It puts back the store as it was before the step, and that restore
    // can itself be taken back.
    const QByteArray after = fileBytes(fx.testStore().location());
    QCOMPARE(run(fx, {QStringLiteral("restore")}, {QStringLiteral("text"), false, 1}), 0);
    if (step != QLatin1String("restore"))
        QCOMPARE(listsOf(fileBytes(fx.testStore().location())), listsOf(store));
    // (The middle of a password change holds a key in the clear, and is
    // never kept: that restore stays.)
    if (step == QLatin1String("password change"))
        return;
    QCOMPARE(run(fx, {QStringLiteral("restore")}, {QStringLiteral("text"), false, 1}), 0);
    QCOMPARE(listsOf(fileBytes(fx.testStore().location())), listsOf(after));
}

void SnapshotsTest::theBoundsAreKept_data()
{
    QTest::addColumn<int>("storeSize");
    QTest::addColumn<int>("clockWentBack"); // days, after the steps below
    QTest::newRow("1 KB store") << 1024 << 0;
    QTest::newRow("1 MB store") << 1024 * 1024 << 0;
    // Emptied at the end: the larger snapshots of the last days stay.
    QTest::newRow("2 MB store, then emptied") << 2 * 1024 * 1024 << 0;
    // Every snapshot named a week ahead: two slips after the clock is put
    // right are both kept, the newer listed first.
    QTest::newRow("the clock went back a week") << 1024 << 7;
}

void SnapshotsTest::theBoundsAreKept()
{
    QFETCH(int, storeSize);
    QFETCH(int, clockWentBack);
    ProgramFixture fx;
    auto *file = dynamic_cast<ConfFileStore *>(&fx.store());
    if (clockWentBack && file)
        file->setClock([clockWentBack] { return QDateTime::currentDateTimeUtc().addDays(clockWentBack); });
    fx.seed(taskSection(15), textKey(1), QString(storeSize, u's'));
    // Snapshots of earlier days, as if made then: one a day is kept for 30 days.
    QDir().mkpath(snapshotFolder(fx));
    QFile::setPermissions(snapshotFolder(fx), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); // as the program makes it
    const QDateTime now = QDateTime::currentDateTime();
    for (int daysAgo : {1, 1, 2, 29, 31, 40}) {
        putFileBytes(snapshotFolder(fx) + u'/'
                  + now.addDays(-daysAgo).toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + QStringLiteral(" %1.conf").arg(daysAgo), "[Task3]\nText1=old\n");
    }
    // The first save of the day keeps one, whatever earlier days kept; the next keeps none.
    const QDir folder(snapshotFolder(fx));
    for (const char *save : {"first", "second"})
        QVERIFY(fx.store().write(taskSection(9), textKey(1), QString::fromLatin1(save)).written());
    QCOMPARE(folder.entryList(QDir::Files).filter(QStringLiteral("first save of the day")).size(), 1);
    for (int step = 0; step < 22; ++step) {
        fx.seed(taskSection(7), textKey(1), QStringLiteral("step %1").arg(step));
        QVERIFY(fx.store().apply({StoreChange::snapshot(QStringLiteral("step")), StoreChange::removeSection(taskSection(7))})
                    .written());
    }
    if (clockWentBack) {
        file->setClock([] { return QDateTime::currentDateTimeUtc(); });
        for (const char *slip : {"the first slip", "the second slip"}) {
            fx.seed(taskSection(7), textKey(1), QString::fromLatin1(slip));
            QVERIFY(fx.store().apply({StoreChange::snapshot(QStringLiteral("Clear List")),
                                      StoreChange::removeSection(taskSection(7))}).written());
        }
        QStringList slips;
        for (const QString &name : folder.entryList(QDir::Files)) {
            if (fileBytes(folder.filePath(name)).contains("slip"))
                slips << name;
        }
        QCOMPARE(slips.size(), 2);
        QCOMPARE(fx.store().snapshots().first().when.toLocalTime().date(), QDate::currentDate());
        return;
    }
    const QStringList kept = folder.entryList(QDir::Files);
    qint64 total = 0, largest = 0;
    for (const QString &name : kept) {
        total += QFileInfo(folder.filePath(name)).size();
        largest = std::max(largest, QFileInfo(folder.filePath(name)).size());
    }
    QVERIFY2(kept.size() <= Snapshots::newestKept + 3, qPrintable(kept.join(u',')));
    QVERIFY(total <= std::max<qint64>(20 * largest, Snapshots::leastRoom));
    // The newest of days 1 and 29 stay, unless the size bound took them; 31
    // and 40 days back are gone, and so is day 1's older one.
    QCOMPARE(kept.filter(QStringLiteral(" 31.conf")).size() + kept.filter(QStringLiteral(" 40.conf")).size(), 0);
    QVERIFY(kept.filter(QStringLiteral(" 1.conf")).size() <= 1);
    if (storeSize < 1024 * 1024)
        QCOMPARE(kept.filter(QStringLiteral(" 29.conf")).size(), 1);
    // The same lists as the newest snapshot holds (saved anew since, at
    // another time) are not kept twice (compared up to 1 MB).
    fx.seed(taskSection(7), textKey(1), QStringLiteral("step 21"));
    QStringList told;
    fx.store().setProblemReporter([&](const QString &problem) { told << problem; });
    QVERIFY(fx.store().apply({StoreChange::snapshot(QStringLiteral("step")), StoreChange::removeSection(taskSection(7))})
                .written());
    if (storeSize < 1024 * 1024)
        QCOMPARE(folder.entryList(QDir::Files), kept);
    QCOMPARE(told, QStringList()); // a twin not kept is no snapshot that failed
    if (storeSize > 1024 * 1024) {
        fx.seed(taskSection(15), textKey(1), QStringLiteral("s"));
        fx.seed(taskSection(7), textKey(1), QStringLiteral("after"));
        QVERIFY(fx.store().apply({StoreChange::snapshot(QStringLiteral("step")), StoreChange::removeSection(taskSection(7))})
                    .written());
        QVERIFY(folder.entryList(QDir::Files).size() >= kept.size());
    }
}

// Twenty snapshots of earlier days and the new one, together exactly the
// room they have: none goes.
void SnapshotsTest::snapshotsExactlyAtTheSizeBoundAreAllKept()
{
    ProgramFixture fx;
    fx.seed(taskSection(7), textKey(1), QStringLiteral("to be cleared"));
    QDir().mkpath(snapshotFolder(fx));
    QFile::setPermissions(snapshotFolder(fx), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const qint64 storeSize = QFileInfo(fx.testStore().location()).size();
    const qint64 each = Snapshots::leastRoom / 20; // 20 times the largest is the room, too
    const QDateTime now = QDateTime::currentDateTime();
    for (int daysAgo = 1; daysAgo <= 20; ++daysAgo) {
        putFileBytes(snapshotFolder(fx) + u'/' + now.addDays(-daysAgo).toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + QStringLiteral(" old.conf"),
                     QByteArray(daysAgo == 20 ? each - storeSize : each, 'x'));
    }
    QVERIFY(fx.store().apply({StoreChange::snapshot(QStringLiteral("Clear List")), StoreChange::removeSection(taskSection(7))}).written());
    QCOMPARE(QDir(snapshotFolder(fx)).entryList(QDir::Files).size(), 21);
}

void SnapshotsTest::aSnapshotThatCannotBeKeptStopsNothingAndIsToldOnce_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("told");
    QTest::newRow("the disk is full") << "full" << "the disk is full";
    // A file system without hard links: the bytes are written instead.
    QTest::newRow("no hard links, and the disk is full") << "no links" << "the disk is full";
    QTest::newRow("no link across disks, and the disk is full") << "across disks" << "the disk is full";
    // A sync program carries links: snapshots never go where one points.
    QTest::newRow("the folder is a link") << "link" << "a symbolic link";
    QTest::newRow("the folder is open to others") << "open" << "not a folder of yours that only you can open";
    QTest::newRow("a pipe in the folder's place") << "pipe" << "it is a pipe, not a folder";
    QTest::newRow("a file in the folder's place") << "file" << "it is an ordinary file, not a folder";
    // No snapshot of a store holding a password change half done: told by nothing.
    QTest::newRow("a password change half done") << "half done" << "";
    // The step does not go on either: only that is told.
    QTest::newRow("the disk is full for the step too") << "full, step too" << "";
}

void SnapshotsTest::aSnapshotThatCannotBeKeptStopsNothingAndIsToldOnce()
{
    QFETCH(QString, cause);
    QFETCH(QString, told);
    ProgramFixture fx;
    fx.seed(taskSection(5), textKey(1), QStringLiteral("a task"));
    fx.seed(taskSection(6), textKey(1), QStringLiteral("another"));
    if (cause == QLatin1String("half done"))
        fx.seed(unfinishedChangeSection, dataKeyKey, QStringLiteral("a key"));
    const QString elsewhere = QFileInfo(fx.testStore().location()).absolutePath() + QStringLiteral("/../elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    if (cause == QLatin1String("link")) {
        QVERIFY(QDir(snapshotFolder(fx)).removeRecursively());
        QVERIFY(QFile::link(elsewhere, snapshotFolder(fx)));
    } else if (cause == QLatin1String("pipe") || cause == QLatin1String("file")) {
        QVERIFY(QDir(snapshotFolder(fx)).removeRecursively());
        if (cause == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(snapshotFolder(fx)).constData(), 0600), 0);
        else
            putFileBytes(snapshotFolder(fx), "not a folder");
    } else if (cause == QLatin1String("open")) {
        QVERIFY(QFile::setPermissions(snapshotFolder(fx), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                              | QFile::ReadOther | QFile::ExeOther));
    }
    fx.start();
    if (cause == QLatin1String("full, step too")) {
        fx.program().showTaskList(5);
        filefaults::failNext(filefaults::Call::Link, ENOSPC);
        filefaults::failNext(filefaults::Call::Write, ENOSPC);
        ui::click(ui::child<QPushButton>(fx.window(QStringLiteral("frm5")), QStringLiteral("cmdclear")));
        QCOMPARE(fx.stored(taskSection(5), textKey(1)), QStringLiteral("a task"));
        QVERIFY2(fx.boxes().texts().filter(QStringLiteral("could not keep a snapshot")).isEmpty(),
                 qPrintable(fx.boxes().texts().join(u'|')));
        QVERIFY2(fx.boxes().texts().join(u' ').contains(QStringLiteral("the disk is full")), qPrintable(fx.boxes().texts().join(u'|')));
        return;
    }
    for (int list : {5, 6}) {
        fx.program().showTaskList(list);
        if (cause == QLatin1String("full"))
            filefaults::failNext(filefaults::Call::Link, ENOSPC);
        if (cause == QLatin1String("no links") || cause == QLatin1String("across disks")) {
            filefaults::failNext(filefaults::Call::Link, cause == QLatin1String("no links") ? EPERM : EXDEV);
            filefaults::failNext(filefaults::Call::Rename, ENOSPC);
        }
        ui::click(ui::child<QPushButton>(fx.window(QStringLiteral("frm%1").arg(list)), QStringLiteral("cmdclear")));
        QCOMPARE(fx.stored(taskSection(list), textKey(1)), QString());
    }
    QCOMPARE(fx.boxes().texts().filter(QStringLiteral("could not keep a snapshot")).size(), told.isEmpty() ? 0 : 1);
    QVERIFY2(told.isEmpty() || fx.boxes().texts().first().contains(told), qPrintable(fx.boxes().texts().join(u'|')));
    // A save over a task changed elsewhere keeps that task in the record of
    // rows replaced, whatever the snapshots' folder: never "kept as a snapshot".
    fx.program().showTaskList(7);
    auto *list = qobject_cast<TaskListWindow *>(fx.window(QStringLiteral("frm7")));
    list->textBox(1)->setText(QStringLiteral("mine"));
    fx.testStore().writeAsAnotherCopy({StoreChange::write(taskSection(7), textKey(1), QStringLiteral("from elsewhere"))});
    QTRY_VERIFY(list->windowTitle().contains(QStringLiteral("changed elsewhere")));
    ui::click(ui::child<QPushButton>(list, QStringLiteral("cmdsave")));
    QCOMPARE(fx.stored(taskSection(7), textKey(1)), QStringLiteral("mine"));
    const QString told7 = fx.boxes().texts().last();
    QVERIFY2(told7.contains(QStringLiteral("the 7-task list, task 1")) && !told7.contains(QStringLiteral("snapshot")),
             qPrintable(told7));
    QVERIFY(fileBytes(fx.testStore().location()).contains("=from elsewhere\n"));
    QCOMPARE(QDir(elsewhere).entryList(QDir::Files), QStringList());
    if (QStringList{QStringLiteral("link"), QStringLiteral("pipe"), QStringLiteral("file")}.contains(cause))
        return;
    // Nothing half-made is left among the snapshots.
    QCOMPARE(QDir(snapshotFolder(fx)).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden), QStringList());
}

void SnapshotsTest::snapshotsAreListedByTimeWhateverTheClockShows()
{
    // The autumn's repeated hour in Berlin: 02:30 summer time comes before
    // 02:10 winter time. And a pipe among the snapshots is named as one.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    ::tzset();
    ProgramFixture fx;
    const QString folder = QFileInfo(fx.testStore().location()).absolutePath();
    const QString name = QFileInfo(fx.testStore().location()).fileName();
    StoreFolder store;
    QVERIFY(store.open(folder, true));
    Snapshots snapshots(folder);
    for (const char *utc : {"2026-10-25T00:30:00Z", "2026-10-25T01:10:00Z"}) {
        fx.seed(taskSection(5), textKey(1), QString::fromLatin1(utc));
        QVERIFY(snapshots.keep(store, name, QString::fromLatin1(utc).left(16).replace(u':', u'.'),
                               QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODate)));
    }
    QCOMPARE(::mkfifo(QFile::encodeName(snapshotFolder(fx) + QStringLiteral("/20261024-120000-000Z pipe.conf")).constData(), 0600), 0);
    const QList<SettingsStore::Snapshot> listed = fx.store().snapshots();
    qputenv("TZ", zone);
    ::tzset();
    QCOMPARE(listed.value(0).step, QStringLiteral("2026-10-25T01.10"));
    QCOMPARE(listed.value(1).step, QStringLiteral("2026-10-25T00.30"));
    QVERIFY2(listed.last().differs.join(u' ').contains(QStringLiteral("it is a pipe")), qPrintable(listed.last().differs.join(u' ')));
}

QTEST_MAIN(SnapshotsTest)
#include "tst_snapshots.moc"
