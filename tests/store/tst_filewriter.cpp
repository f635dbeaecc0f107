// Every file the program writes goes through one writer: the store itself,
// an export and a backup, over every kind of target, with each step of a
// write failing once as the system fails it.
#include "app/datacommands.h"
#include "lists/tasklistwindow.h"
#include "store/conffilestore.h"
#include "store/storefolder.h"
#include "store/storekeys.h"
#include "support/filebytes.h"
#include "support/programfixture.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using Call = filefaults::Call;

namespace {

enum class Target { Missing, Regular, LinkToFile, DanglingLink, Pipe, Folder, StoreLock, LinkInSharedFolder };
enum class Caller { Store, Export, Backup };
enum class Outcome { Written, Unconfirmed, Refused };
constexpr int noFailure = -1;

// What a write did, from the outside: written or not, and whether a warning was given.
struct Done
{
    bool succeeded = false;
    bool warned = false;
};

// What is at the path, as a user would see it: a link and where it points,
// a pipe, a folder, or a file's bytes.
QByteArray lookAt(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return "link to " + QFile::encodeName(info.symLinkTarget());
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return "nothing";
    if (S_ISFIFO(st.st_mode))
        return "pipe";
    if (S_ISDIR(st.st_mode))
        return "folder";
    return fileBytes(path);
}

} // namespace

Q_DECLARE_METATYPE(Target)
Q_DECLARE_METATYPE(Outcome)

class FileWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyWriterRefusesOddTargetsAndSurvivesEachFailure_data();
    void everyWriterRefusesOddTargetsAndSurvivesEachFailure();
    void aWindowsSaveTheDiskDidNotConfirmIsSavedAndSaysSo();

private:
    Done run(Caller caller, const QString &target);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_storePath; // the store the commands copy from
    QString m_out;       // where each write goes
};

void FileWriterTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_storePath = m_dir->filePath(QStringLiteral("config/Velmorwick/Velmorwick.conf"));
    m_out = m_dir->filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(m_out));
    QVERIFY(ConfFileStore(m_storePath).write(storekeys::taskSection(3), storekeys::textKey(1), QStringLiteral("a task")).written());
}

Done FileWriterTest::run(Caller caller, const QString &target)
{
    if (caller == Caller::Store) {
        const StoreResult result =
            ConfFileStore(target).write(storekeys::taskSection(5), storekeys::textKey(1), QStringLiteral("new"));
        return {result.written(), result.status == StoreResult::Status::Unconfirmed};
    }
    ConfFileStore store(m_storePath);
    const QString command = caller == Caller::Export ? QStringLiteral("export") : QStringLiteral("backup");
    const int status = datacommands::run(command, {target}, {}, store, [](const QString &) { return std::nullopt; });
    return {status == 0, false};
}

void FileWriterTest::everyWriterRefusesOddTargetsAndSurvivesEachFailure_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<int>("failure");
    QTest::addColumn<Outcome>("outcome");
    const std::pair<const char *, Target> writable[] = {{"new file", Target::Missing}, {"old file", Target::Regular}};
    const std::tuple<const char *, int, Outcome> steps[] = {
        {"", noFailure, Outcome::Written},
        {", its open fails", int(Call::Open), Outcome::Refused},
        {", a write fails", int(Call::Write), Outcome::Refused},
        {", its sync fails", int(Call::Sync), Outcome::Refused},
        {", its read-back fails", int(Call::ReadBack), Outcome::Refused},
        {", its rename fails", int(Call::Rename), Outcome::Refused},
        {", the folder's sync fails after the rename", int(Call::FolderSync), Outcome::Unconfirmed},
        {", its lock fails other than by waiting", int(Call::Lock), Outcome::Refused},
    };
    for (const auto &[name, target] : writable) {
        for (const auto &[step, failure, outcome] : steps)
            QTest::addRow("%s%s", name, step) << target << failure << outcome;
    }
    QTest::newRow("link to a file") << Target::LinkToFile << noFailure << Outcome::Refused;
    QTest::newRow("dangling link") << Target::DanglingLink << noFailure << Outcome::Refused;
    QTest::newRow("pipe") << Target::Pipe << noFailure << Outcome::Refused;
    QTest::newRow("folder") << Target::Folder << noFailure << Outcome::Refused;
    QTest::newRow("the store's lock file") << Target::StoreLock << noFailure << Outcome::Refused;
    // A folder another user linked, in a folder all may write to (as /tmp):
    // never followed, whether the kernel guards such links or not.
    QTest::newRow("another user's link in a shared folder") << Target::LinkInSharedFolder << noFailure << Outcome::Refused;
}

void FileWriterTest::everyWriterRefusesOddTargetsAndSurvivesEachFailure()
{
    QFETCH(Target, target);
    QFETCH(int, failure);
    QFETCH(Outcome, outcome);
    const QByteArray oldFile = "[Task3]\nText1=old\n";
    if (target == Target::LinkInSharedFolder && ::geteuid() != 0)
        QSKIP("a link of another user's is made by root");
    for (const Caller caller : {Caller::Store, Caller::Export, Caller::Backup}) {
        if (caller == Caller::Store && (target == Target::StoreLock || target == Target::LinkInSharedFolder))
            continue; // the store's own path is the user's, not named by them
        const QString shared = m_dir->filePath(QStringLiteral("shared"));
        const QString path = target == Target::StoreLock            ? m_storePath + QStringLiteral(".lock")
                             : target == Target::LinkInSharedFolder ? shared + QStringLiteral("/dir/target")
                                                                    : QDir(m_out).filePath(QStringLiteral("target"));
        const QString victim = m_dir->filePath(QStringLiteral("victim"));
        putFileBytes(victim, "someone else's file");
        if (target != Target::StoreLock)
            QFile::remove(path);
        switch (target) {
        case Target::Regular: putFileBytes(path, oldFile); break;
        case Target::LinkToFile: QVERIFY(QFile::link(victim, path)); break;
        case Target::DanglingLink: QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("gone")), path)); break;
        case Target::Pipe: QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0); break;
        case Target::Folder: QVERIFY(QDir().mkdir(path)); break;
        case Target::LinkInSharedFolder:
            QVERIFY(QDir().mkpath(shared) && ::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
            QFile::remove(shared + QStringLiteral("/dir"));
            QVERIFY(QFile::link(m_out, shared + QStringLiteral("/dir")));
            QVERIFY(::lchown(QFile::encodeName(shared + QStringLiteral("/dir")).constData(), 65534, 65534) == 0);
            putFileBytes(QDir(m_out).filePath(QStringLiteral("target")), "someone else's file");
            break;
        case Target::Missing:
        case Target::StoreLock: break;
        }
        // A copy of the program killed half-way through a write left this.
        QProcess ended;
        ended.start(QStringLiteral("true"));
        QVERIFY(ended.waitForStarted());
        const QString leftover = QStringLiteral(".Velmorwick-%1-0badf00d.tmp").arg(ended.processId());
        QVERIFY(ended.waitForFinished());
        putFileBytes(QFileInfo(path).dir().filePath(leftover), "a whole store");

        const QByteArray before = lookAt(path);
        if (failure != noFailure)
            filefaults::failNext(Call(failure), failure == int(Call::Write) ? ENOSPC : EIO);
        const Done done = run(caller, path);
        for (int call = 0; call <= int(Call::Lock); ++call)
            filefaults::failNext(Call(call), 0); // one not reached is not left for the next

        const char *who = caller == Caller::Store ? "store" : caller == Caller::Export ? "export" : "backup";
        QVERIFY2(done.succeeded == (outcome != Outcome::Refused), who);
        if (caller == Caller::Store)
            QVERIFY2(done.warned == (outcome == Outcome::Unconfirmed), who);
        if (outcome == Outcome::Refused) {
            QVERIFY2(lookAt(path) == before, who);
            QCOMPARE(fileBytes(victim), QByteArray("someone else's file"));
        } else if (caller == Caller::Store) {
            QCOMPARE(ConfFileStore(path).read(storekeys::taskSection(5), storekeys::textKey(1)), QStringLiteral("new"));
        } else {
            const QByteArray expected = caller == Caller::Backup ? fileBytes(m_storePath) : QByteArray("a task");
            QVERIFY2(fileBytes(path).contains(expected), who);
            QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        }
        const QStringList hidden =
            QFileInfo(path).dir().entryList({QStringLiteral(".Velmorwick-*")}, QDir::Files | QDir::Hidden);
        // Tidied under the lock, or left for a step that has it.
        QVERIFY2(hidden.isEmpty() || failure == int(Call::Lock) || target == Target::LinkInSharedFolder, // not reached
                 qPrintable(QString::fromLatin1(who) + u' ' + hidden.join(u',')));
        if (target == Target::Folder)
            QVERIFY(QDir(path).removeRecursively());
    }
}

// The file is in place, the folder's sync failed: the list is saved, and the
// window says so instead of "not saved".
void FileWriterTest::aWindowsSaveTheDiskDidNotConfirmIsSavedAndSaysSo()
{
    ProgramFixture fx;
    fx.program().showTaskList(5);
    auto *list = fx.window<TaskListWindow>(QStringLiteral("frm5"));
    list->textBox(1)->setText(QStringLiteral("typed"));
    filefaults::failNext(Call::FolderSync, EIO);
    ui::click(ui::child<QPushButton>(list, QStringLiteral("cmdsave")));
    QCOMPARE(fx.stored(storekeys::taskSection(5), storekeys::textKey(1)), QStringLiteral("typed"));
    QCOMPARE(fx.boxes().texts().size(), 1);
    QVERIFY2(fx.boxes().texts().first().startsWith(QStringLiteral("Saved.")), qPrintable(fx.boxes().texts().first()));
}

QTEST_MAIN(FileWriterTest)
#include "tst_filewriter.moc"
