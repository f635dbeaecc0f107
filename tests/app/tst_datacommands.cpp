// export, import, backup and restore, run as the user runs them: the real
// program without a display, on a store of its own.
#include "app/listexchange.h"
#include "dialogs/addtaskwindow.h"
#include "private/privatevault.h"
#include "store/conffilestore.h"
#include "store/storekeys.h"
#include "support/filebytes.h"
#include "support/readonly.h"
#include "support/seed.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

using namespace storekeys;

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Any character a text can hold: controls, every plane, the characters the
// settings file and JSON escape.
QString randomText(QRandomGenerator &random, int length)
{
    QString text;
    while (text.size() < length) {
        char32_t c = 0;
        switch (random.bounded(6)) {
        case 0: c = random.bounded(0x20); break;
        case 1: {
            static const QString escaped = QStringLiteral("=;#[]\\\"%,/ \t\r\n'");
            c = escaped.at(random.bounded(int(escaped.size()))).unicode();
            break;
        }
        case 2: c = 0x20 + random.bounded(0x5F); break;
        case 3: c = 0x80 + random.bounded(0xD800 - 0x80); break;
        case 4: c = 0xE000 + random.bounded(0x10000 - 0xE000); break;
        default: c = 0x10000 + random.bounded(0x110000 - 0x10000); break;
        }
        text += QChar::fromUcs4(c); // QString::fromUcs4 would drop U+FEFF as a byte-order mark
    }
    return text;
}

} // namespace

class DataCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void exportThenImportKeepsEveryTextAndTick();
    void addFillsTheFirstEmptyRowsOrChangesNothing_data();
    void addFillsTheFirstEmptyRowsOrChangesNothing();
    void addsFromSeveralProcessesAtOnceAllLand();
    void theAddATaskWindowStartsOnTheStartListAndAddsToTheOneChosen_data();
    void theAddATaskWindowStartsOnTheStartListAndAddsToTheOneChosen();
    void textExportIsAChecklistPerSavedList();
    void aBadImportFileIsRefusedAndChangesNothing_data();
    void aBadImportFileIsRefusedAndChangesNothing();
    void restoreBringsBackEveryByteOfABackup();
    void anImportWhileAnotherCopySavesLosesNothing();
    void thePrivateListIsExportedOnlyWithItsPassword();
    void whatIsNoOrdinaryFileOrNoStoreIsRefusedAtOnce_data();
    void whatIsNoOrdinaryFileOrNoStoreIsRefusedAtOnce();
    void anExportTheOutputCannotTakeFailsAndSaysSo();
    void whatOnlyReadsWorksOnAStoreNothingCanWrite_data();
    void whatOnlyReadsWorksOnAStoreNothingCanWrite();
    void aRelativeConfigHomeIsIgnored();
    void aValueOfAnotherTypeIsReadAsTextWithoutAScreen();
    void exportsReadToKnownContentsForever_data();
    void exportsReadToKnownContentsForever();
    void importingOverADamagedPrivateListKeepsItAndSaysSo();
    void doneListsTheTasksDoneByDayOnEveryComputer_data();
    void doneListsTheTasksDoneByDayOnEveryComputer();

private:
    QString storePath() const { return m_home->filePath(QStringLiteral("Velmorwick/Velmorwick.conf")); }
    QString file(const QString &name) const { return m_home->filePath(name); }
    Run velmorwick(const QStringList &arguments, const QByteArray &input = {}, const QString &output = {}) const;
    QProcess *started(const QStringList &arguments, const QString &output = {}) const;

    std::unique_ptr<QTemporaryDir> m_home;
};

void DataCommandsTest::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
}

QProcess *DataCommandsTest::started(const QStringList &arguments, const QString &output) const
{
    auto *process = new QProcess;
    if (!output.isEmpty())
        process->setStandardOutputFile(output);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home->path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home->filePath(QStringLiteral("data"))); // this computer's name
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(VELMORWICK_BINARY), arguments);
    return process;
}

Run DataCommandsTest::velmorwick(const QStringList &arguments, const QByteArray &input, const QString &output) const
{
    std::unique_ptr<QProcess> process(started(arguments, output));
    process->write(input);
    process->closeWriteChannel();
    if (!process->waitForFinished(60000))
        return {};
    return {process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1, process->readAllStandardOutput(),
            process->readAllStandardError()};
}

void DataCommandsTest::addFillsTheFirstEmptyRowsOrChangesNothing_data()
{
    QTest::addColumn<QStringList>("before"); // the 5-task list
    QTest::addColumn<QString>("startList");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("after");
    const QStringList gaps{QStringLiteral("a"), {}, QStringLiteral("c"), {}, {}};
    QTest::newRow("into the gaps, in order") << gaps << QString() << QStringList{"--list", "5", "x", "y"} << 0
                                             << QStringList{"a", "x", "c", "y", {}};
    QTest::newRow("the list opened at start") << gaps << "5" << QStringList{"x"} << 0 << QStringList{"a", "x", "c", {}, {}};
    QTest::newRow("no list opens at start") << gaps << "none" << QStringList{"x"} << 1 << gaps;
    QTest::newRow("no room for all") << gaps << QString() << QStringList{"--list", "5", "x", "y", "z", "w"} << 1 << gaps;
    QTest::newRow("a line break") << gaps << QString() << QStringList{"--list", "5", "x", "y\nz"} << 1 << gaps;
    QTest::newRow("a control character") << gaps << QString() << QStringList{"--list", "5", "x\ty"} << 1 << gaps;
    QTest::newRow("empty") << gaps << QString() << QStringList{"--list", "5", " "} << 1 << gaps;
    QTest::newRow("no such list") << gaps << QString() << QStringList{"--list", "4", "x"} << 1 << gaps;
    QTest::newRow("no text") << gaps << QString() << QStringList{"--list", "5"} << 2 << gaps;
    QTest::newRow("a dash first") << gaps << QString() << QStringList{"--list", "5", "--", "-x"} << 0
                                  << QStringList{"a", "-x", "c", {}, {}};
}

void DataCommandsTest::addFillsTheFirstEmptyRowsOrChangesNothing()
{
    QFETCH(QStringList, before);
    QFETCH(QString, startList);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, after);
    const auto rowsOf = [](const QStringList &texts) {
        QList<TaskRow> rows;
        for (const QString &text : texts)
            rows << TaskRow{text, false};
        return rows;
    };
    QList<StoreChange> stored = SectionListStorage::writes(taskSection(5), rowsOf(before));
    if (!startList.isEmpty())
        stored << StoreChange::write(autoLoadSection, autoLoadKey, startList);
    QVERIFY(ConfFileStore(storePath()).apply(stored).written());
    const Run run = velmorwick(QStringList{QStringLiteral("add")} + arguments);
    QVERIFY2(run.status == status, run.err.constData());
    QCOMPARE(SectionListStorage::read(ConfFileStore(storePath()), taskSection(5), 5), rowsOf(after));
}

void DataCommandsTest::theAddATaskWindowStartsOnTheStartListAndAddsToTheOneChosen_data()
{
    QTest::addColumn<int>("startTasks"); // 0: none opens at start
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("chosen"); // 0: left as shown
    QTest::addColumn<QString>("refusal");
    QTest::newRow("the start list") << 12 << 12 << 0 << QString();
    QTest::newRow("none at start: the 5-task list") << 0 << 5 << 0 << QString();
    QTest::newRow("another chosen") << 12 << 12 << 15 << QString();
    QTest::newRow("refused: said, and the window stays") << 3 << 3 << 0 << QStringLiteral("the list is full");
}

void DataCommandsTest::theAddATaskWindowStartsOnTheStartListAndAddsToTheOneChosen()
{
    QFETCH(int, startTasks);
    QFETCH(int, shown);
    QFETCH(int, chosen);
    QFETCH(QString, refusal);
    QList<std::pair<QString, int>> added;
    AddTaskWindow window([&](const QString &text, int tasks) { added << std::pair{text, tasks}; return refusal; },
                         startTasks);
    window.showOnPointerScreen();
    auto *list = window.findChild<QComboBox *>(QStringLiteral("cboList"));
    QCOMPARE(list->currentData().toInt(), shown);
    if (chosen)
        list->setCurrentIndex(list->findData(chosen));
    QTest::keyClicks(window.findChild<QLineEdit *>(QStringLiteral("txtTask")), QStringLiteral("buy stamps"));
    QTest::keyClick(window.findChild<QLineEdit *>(QStringLiteral("txtTask")), Qt::Key_Return);
    QCOMPARE(added, (QList<std::pair<QString, int>>{{QStringLiteral("buy stamps"), chosen ? chosen : shown}}));
    QCOMPARE(window.isVisible(), !refusal.isEmpty());
    if (!refusal.isEmpty())
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblProblem"))->text(), QStringLiteral("The list is full"));
}

// All land, each process's tasks in its own order, wherever the lock put them.
void DataCommandsTest::addsFromSeveralProcessesAtOnceAllLand()
{
    std::vector<std::unique_ptr<QProcess>> adding;
    for (int p = 0; p < 4; ++p) {
        adding.emplace_back(started({QStringLiteral("add"), QStringLiteral("--list"), QStringLiteral("15"),
                                     QStringLiteral("%1 a").arg(p), QStringLiteral("%1 b").arg(p),
                                     QStringLiteral("%1 c").arg(p)}));
    }
    for (const auto &process : adding)
        QVERIFY(process->waitForFinished(60000) && process->exitCode() == 0);
    QStringList texts;
    for (const TaskRow &row : SectionListStorage::read(ConfFileStore(storePath()), taskSection(15), 15))
        texts << row.text;
    texts.removeAll(QString());
    QCOMPARE(texts.size(), 12);
    for (int p = 0; p < 4; ++p) {
        QVERIFY(texts.indexOf(QStringLiteral("%1 a").arg(p)) < texts.indexOf(QStringLiteral("%1 b").arg(p)));
        QVERIFY(texts.indexOf(QStringLiteral("%1 b").arg(p)) < texts.indexOf(QStringLiteral("%1 c").arg(p)));
    }
}

void DataCommandsTest::exportThenImportKeepsEveryTextAndTick()
{
    QRandomGenerator random(testSeed(16));
    ConfFileStore source(storePath());
    QList<StoreChange> seeded;
    for (const ListLayout &layout : dayListLayouts()) {
        if (random.bounded(3) == 0)
            continue; // never saved: not exported
        QList<TaskRow> rows;
        for (int row = 0; row < layout.tasks; ++row)
            rows << TaskRow{randomText(random, random.bounded(4) == 0 ? 100000 : random.bounded(40)),
                            random.bounded(2) == 1};
        seeded << SectionListStorage::writes(layout.section, rows);
    }
    QVERIFY(source.apply(seeded).written());
    const QList<listexchange::NamedList> before = listexchange::savedDayLists(source);

    const Run exported = velmorwick({QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("json"),
                                     file(QStringLiteral("lists.json"))});
    QCOMPARE(exported.status, 0);
    QVERIFY(QFile::remove(storePath()));
    const Run imported = velmorwick({QStringLiteral("import"), file(QStringLiteral("lists.json"))});
    QVERIFY2(imported.status == 0, imported.err.constData());

    const QList<listexchange::NamedList> after = listexchange::savedDayLists(ConfFileStore(storePath()));
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        QCOMPARE(after[i].layout, before[i].layout);
        QVERIFY2(after[i].rows == before[i].rows, before[i].layout->caption);
    }
}

void DataCommandsTest::textExportIsAChecklistPerSavedList()
{
    ConfFileStore store(storePath());
    QVERIFY(store.apply(SectionListStorage::writes(taskSection(10), QList<TaskRow>{{QStringLiteral("Call the plumber"), true},
                                                                                     {QStringLiteral("Buy milk"), false}}
                                                                       + QList<TaskRow>(8)))
                .written());
    // A list that holds one text, in its last row, and nothing else.
    QVERIFY(store.write(taskSection(5), textKey(5), QStringLiteral("only a text")).written());
    const Run run = velmorwick({QStringLiteral("export")});
    QCOMPARE(run.status, 0);
    const QString expected = QStringLiteral("Normal Day (5 tasks)\n[ ]\n[ ]\n[ ]\n[ ]\n[ ] only a text\n\n"
                                            "Busy Day (10 tasks)\n[x] Call the plumber\n[ ] Buy milk\n")
                             + QStringLiteral("[ ]\n").repeated(8);
    QCOMPARE(QString::fromUtf8(run.out), expected);
}

void DataCommandsTest::aBadImportFileIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("place"); // what the message names
    const QByteArray head = R"({"format": "velmorwick-lists", "version": 1, "lists": )";
    const QByteArray threeRows = R"([{"text": "a", "done": false}, {"text": "b", "done": true}, {"text": "", "done": false}])";
    auto list = [&](const QByteArray &fields) { return head + "[" + fields + "]}"; };
    QTest::newRow("not JSON") << QByteArray("{\n  \"format\": oops\n}") << QStringLiteral("line 2, column");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("line 1, column 1");
    QTest::newRow("not a list file") << QByteArray(R"({"lists": []})") << QStringLiteral("format");
    QTest::newRow("a later version") << QByteArray(R"({"format": "velmorwick-lists", "version": 2, "lists": []})")
                                     << QStringLiteral("version");
    QTest::newRow("lists not an array") << head + "{}}" << QStringLiteral("lists:");
    QTest::newRow("no list of 4") << list(R"({"tasks": 4, "rows": []})") << QStringLiteral("lists[0].tasks");
    QTest::newRow("no list of 16") << list(R"({"tasks": 16, "rows": []})") << QStringLiteral("lists[0].tasks");
    // Every size that is no whole number, however close to one it comes.
    for (const char *size : {"\"3\"", "3.5", "3.000001", "true", "null", "-3", "4294967299", "[3]", "{}"})
        QTest::addRow("size %s", size) << list(R"({"tasks": )" + QByteArray(size) + R"(, "rows": )" + threeRows + "}")
                                       << QStringLiteral("lists[0].tasks");
    QTest::newRow("a row too few") << list(R"({"tasks": 5, "rows": )" + threeRows + "}")
                                   << QStringLiteral("lists[0].rows");
    QTest::newRow("a text that is a number")
        << list(R"({"tasks": 3, "rows": )" + threeRows + R"(}, {"tasks": 3, "rows": [{"text": 7, "done": false}]})")
        << QStringLiteral("lists[1]");
    QTest::newRow("the second list's text not a string")
        << list(R"({"tasks": 3, "rows": )" + threeRows
                + R"(}, {"tasks": 6, "rows": [{"text": "x", "done": false}, {"text": "x", "done": false}, {"text": "x", "done": false}, {"text": "x", "done": false}, {"text": null, "done": false}, {"text": "x", "done": false}]})")
        << QStringLiteral("lists[1].rows[4].text");
    QTest::newRow("a tick that is a string")
        << list(R"({"tasks": 3, "rows": [{"text": "a", "done": "yes"}, {"text": "b", "done": true}, {"text": "", "done": false}]})")
        << QStringLiteral("lists[0].rows[0].done");
    QTest::newRow("the same list twice") << list(R"({"tasks": 3, "rows": )" + threeRows + R"(}, {"tasks": 3, "rows": )"
                                                 + threeRows + "}")
                                         << QStringLiteral("lists[1]: the same list");
    QTest::newRow("a private list of 6") << list(R"({"private": true, "tasks": 6, "rows": []})")
                                         << QStringLiteral("lists[0].tasks");
    QTest::newRow("half a UTF-16 pair") << list(R"({"tasks": 3, "rows": [{"text": "a\ud83db", "done": false}]})")
                                        << QStringLiteral("line 1, column 89: half a UTF-16 pair (\\ud83d)");
    QTest::newRow("the other half alone") << list(R"({"tasks": 3, "rows": [{"text": "\ude00", "done": false}]})")
                                          << QStringLiteral("(\\ude00)");
    QTest::newRow("half a pair after an escaped quote")
        << list(R"({"tasks": 3, "rows": [{"text": "say \"\ud83d", "done": false}]})") << QStringLiteral("(\\ud83d)");
    QTest::newRow("a task of over a million characters")
        << list(R"({"tasks": 3, "rows": [{"text": ")" + QByteArray(1000001, 'x') + R"(", "done": false}, )"
                + R"({"text": "b", "done": true}, {"text": "", "done": false}]})")
        << QStringLiteral("lists[0].rows[0].text: longer than 1000000 characters");
}

void DataCommandsTest::aBadImportFileIsRefusedAndChangesNothing()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, place);
    ConfFileStore store(storePath());
    QVERIFY(store.apply(SectionListStorage::writes(taskSection(3), {{QStringLiteral("kept"), true}, {}, {}})).written());
    const QByteArray before = fileBytes(storePath());
    putFileBytes(file(QStringLiteral("bad.json")), json);
    const Run run = velmorwick({QStringLiteral("import"), file(QStringLiteral("bad.json"))});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(place.toUtf8()), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    QCOMPARE(fileBytes(storePath()), before);
}

void DataCommandsTest::restoreBringsBackEveryByteOfABackup()
{
    QRandomGenerator random(testSeed(17));
    ConfFileStore store(storePath());
    QVERIFY(store.apply(SectionListStorage::writes(taskSection(7), {{randomText(random, 300), true}, {}, {}, {}, {},
                                                                    {randomText(random, 20), false}, {}}))
                .written());
    const QByteArray original = fileBytes(storePath());
    QCOMPARE(velmorwick({QStringLiteral("backup"), file(QStringLiteral("backup.conf"))}).status, 0);
    // The settings file to the byte, then the logbook of the task ticked.
    QCOMPARE(fileBytes(file(QStringLiteral("backup.conf"))).first(original.size()), original);
    QVERIFY(fileBytes(file(QStringLiteral("backup.conf"))).mid(original.size()).startsWith("\n[Logbook]\nLines="));
    QCOMPARE(QFile::permissions(file(QStringLiteral("backup.conf"))) & 0x0777, QFile::ReadUser | QFile::WriteUser);

    QVERIFY(store.apply({StoreChange::removeSection(taskSection(7)),
                         StoreChange::write(taskSection(9), textKey(1), QStringLiteral("after the backup"))})
                .written());
    const QByteArray changed = fileBytes(storePath());
    for (const QString &log : QDir(QFileInfo(storePath()).path()).entryList({QStringLiteral("*.done-*.log")}))
        QVERIFY(QFile::remove(QFileInfo(storePath()).dir().filePath(log))); // the logbook lost meanwhile
    const Run restored = velmorwick({QStringLiteral("restore"), file(QStringLiteral("backup.conf"))});
    QVERIFY2(restored.status == 0, restored.err.constData());
    SettingsStore::Done done;
    QVERIFY(store.doneTasks(&done, {}).written());
    QCOMPARE(done.entries.size(), 1); // back, and once however often it is restored below
    QCOMPARE(listsOf(fileBytes(storePath())), listsOf(original));
    // What it changed counts as saved now, so that no copy of the store as
    // it was before, saved later, takes it back at the next merge.
    const QString lastChange = *IniDocument::parseExact(changed)->find(storemerge::savedSection, taskSection(9));
    QVERIFY(store.read(storemerge::savedSection, taskSection(7)) > lastChange);
    const QStringList kept =
        QDir(QFileInfo(storePath()).path()).entryList({QStringLiteral("*.before-restore-*")}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(fileBytes(QFileInfo(storePath()).dir().filePath(kept.first())), changed);
    QVERIFY(restored.out.contains(kept.first().toUtf8()));
    for (int again = 0; again < 6; ++again)
        QCOMPARE(velmorwick({QStringLiteral("restore"), file(QStringLiteral("backup.conf"))}).status, 0);
    QVERIFY(store.doneTasks(&done, {}).written());
    QCOMPARE(done.entries.size(), 1);
    QByteArray logged; // and its line written once, not once a restore
    for (const QString &log : QDir(QFileInfo(storePath()).path()).entryList({QStringLiteral("*.done-*.log")}))
        logged += fileBytes(QFileInfo(storePath()).dir().filePath(log));
    QCOMPARE(logged.count("\ndone\t"), 1);
    // Each kept for its days, the first too; the same store set aside again is kept once.
    const QStringList keptAfter =
        QDir(QFileInfo(storePath()).path()).entryList({QStringLiteral("*.before-restore-*")}, QDir::Files);
    QVERIFY2(keptAfter.contains(kept.first()) && keptAfter.size() < 7, qPrintable(keptAfter.join(u' ')));

    // Not a store: refused, nothing replaced, nothing kept.
    const QByteArray restoredBytes = fileBytes(storePath());
    QCOMPARE(listsOf(restoredBytes), listsOf(original)); // (its times are the restores', never older than what they replaced)
    putFileBytes(file(QStringLiteral("photo.jpg")), QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11) + QByteArray(200, '\x7F'));
    QCOMPARE(velmorwick({QStringLiteral("restore"), file(QStringLiteral("photo.jpg"))}).status, 1);
    QCOMPARE(fileBytes(storePath()), restoredBytes);
}

void DataCommandsTest::anImportWhileAnotherCopySavesLosesNothing()
{
    const QList<TaskRow> imported = {{QStringLiteral("imported"), true}, {}, {}, {}, {}, {}, {}, {}, {}, {}};
    const QString json = file(QStringLiteral("ten.json"));
    putFileBytes(json, listexchange::asJson({{dayListLayout(10), imported}}));

    // The imports run one after another in a shell of their own while this
    // copy saves the 5-task list again and again.
    std::unique_ptr<QProcess> imports(new QProcess);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home->path());
    environment.remove(QStringLiteral("DISPLAY"));
    imports->setProcessEnvironment(environment);
    imports->start(QStringLiteral("sh"), {QStringLiteral("-c"),
                                          QStringLiteral("for i in 1 2 3 4 5 6 7 8 9 10 11 12; do \"%1\" import \"%2\" "
                                                         ">/dev/null || exit 1; done")
                                              .arg(QStringLiteral(VELMORWICK_BINARY), json)});
    QVERIFY(imports->waitForStarted());
    ConfFileStore store(storePath());
    store.setLockPatience(10000);
    int saves = 0;
    QList<TaskRow> lastSaved;
    while (imports->state() == QProcess::Running || saves < 20) {
        lastSaved = {{QStringLiteral("save %1").arg(++saves), saves % 2 == 0}, {}, {}, {}, {}};
        QVERIFY(store.apply(SectionListStorage::writes(taskSection(5), lastSaved)).written());
        if (imports->state() == QProcess::Running)
            imports->waitForFinished(5);
    }
    QVERIFY(imports->state() == QProcess::NotRunning || imports->waitForFinished(60000));
    QCOMPARE(imports->exitCode(), 0);
    qInfo("%d saves beside 12 imports", saves);
    const ConfFileStore reread(storePath());
    QCOMPARE(SectionListStorage::read(reread, taskSection(5), 5), lastSaved);
    QCOMPARE(SectionListStorage::read(reread, taskSection(10), 10), imported);
}

void DataCommandsTest::thePrivateListIsExportedOnlyWithItsPassword()
{
    const QString secret = QStringLiteral("surprise party for Ann");
    {
        ConfFileStore store(storePath());
        PrivateVault vault(store);
        QVERIFY(vault.setPassword(QStringLiteral("tulip")).written());
        QCOMPARE(vault.enter(QStringLiteral("tulip")).entry, PasswordGate::Entry::Opened);
        QVERIFY(vault.save({{secret, true}, {}, {}, {}, {}}).written());
        QVERIFY(store.write(taskSection(3), textKey(1), QStringLiteral("a day task")).written());
    }
    struct Case
    {
        QStringList arguments;
        QByteArray typed;
        int status;
        bool shown;
    };
    const QString json = QStringLiteral("--format=json");
    for (const Case &c : {Case{{QStringLiteral("export")}, "tulip\n", 0, false},
                          Case{{QStringLiteral("export"), json}, "tulip\n", 0, false},
                          Case{{QStringLiteral("export"), QStringLiteral("--private")}, "Tulip\n", 1, false},
                          Case{{QStringLiteral("export"), QStringLiteral("--private")}, "", 1, false},
                          Case{{QStringLiteral("export"), QStringLiteral("--private"), json}, "tulip\n", 0, true},
                          Case{{QStringLiteral("export"), QStringLiteral("--private")}, "tulip\n", 0, true}}) {
        const Run run = velmorwick(c.arguments, c.typed);
        const QString what = c.arguments.join(u' ') + QStringLiteral(" typed ") + QString::fromUtf8(c.typed);
        QVERIFY2(run.status == c.status, qPrintable(what + QString::fromUtf8(run.err)));
        QVERIFY2(run.out.contains(secret.toUtf8()) == c.shown, qPrintable(what));
        QVERIFY2(run.out.contains("a day task") == (c.status == 0), qPrintable(what));
    }
}

void DataCommandsTest::whatIsNoOrdinaryFileOrNoStoreIsRefusedAtOnce_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("what");     // "pipe", "folder", "huge" or the bytes of a file
    QTest::addColumn<bool>("atTheStore"); // else at the file named to the command
    QTest::addColumn<QString>("said");
    QTest::newRow("import of a pipe nothing writes to") << "import" << "pipe" << false << "is a pipe";
    QTest::newRow("restore of a desktop entry")
        << "restore" << "[Desktop Entry]\nName=Tarnbook\nExec=velmorwick\n" << false << "no settings of Velmorwick";
    QTest::newRow("restore of os-release") << "restore" << "NAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n" << false
                                           << "no settings of Velmorwick";
    QTest::newRow("restore of an empty file") << "restore" << "" << false << "no settings of Velmorwick";
    QTest::newRow("export of a store that is a pipe") << "export" << "pipe" << true << "a pipe";
    QTest::newRow("export of a store that is a folder") << "export" << "folder" << true << "a folder";
    QTest::newRow("export of a store over 64 MB") << "export" << "huge" << true << "larger than 64 MB";
    QTest::newRow("backup of a store over 64 MB") << "backup" << "huge" << true << "larger than 64 MB";
    QTest::newRow("export while the lock is a pipe") << "export" << "lock pipe" << true << "lock file cannot be used";
    QTest::newRow("import of a file holding more than its size says")
        << "import" << "/proc/self/status" << false << "grew while it was read";
}

void DataCommandsTest::anExportTheOutputCannotTakeFailsAndSaysSo()
{
    QVERIFY(ConfFileStore(storePath()).write(taskSection(3), textKey(1), QStringLiteral("kept")).written());
    const Run run = velmorwick({QStringLiteral("export")}, {}, QStringLiteral("/dev/full"));
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("standard output"), run.err.constData());
}

void DataCommandsTest::whatOnlyReadsWorksOnAStoreNothingCanWrite_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("said");
    QTest::newRow("export") << QStringList{QStringLiteral("export")} << "kept";
    QTest::newRow("snapshots") << QStringList{QStringLiteral("snapshots")} << "No snapshots yet";
}

// A store on a read-only disk: no lock file can be made, and none is needed.
void DataCommandsTest::whatOnlyReadsWorksOnAStoreNothingCanWrite()
{
    QFETCH(QStringList, command);
    QFETCH(QString, said);
    QVERIFY(ConfFileStore(storePath()).write(taskSection(3), textKey(1), QStringLiteral("kept")).written());
    const QString folder = QFileInfo(storePath()).absolutePath();
    QFile::remove(storePath() + QStringLiteral(".lock"));
    if (!makeReadOnly(folder))
        QSKIP("a folder cannot be made read-only here");
    const Run run = velmorwick(command);
    makeWritable(folder);
    QVERIFY2(run.status == 0, run.err.constData());
    QVERIFY2(run.out.contains(said.toUtf8()), run.out.constData());
}

// A pixmap stored by another program would abort a command, which has no screen.
void DataCommandsTest::aValueOfAnotherTypeIsReadAsTextWithoutAScreen()
{
    QVERIFY(QDir().mkpath(QFileInfo(storePath()).absolutePath()));
    QFile store(storePath());
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write("[Task3]\nText1=kept\nText2=@Variant(\\0\\0\\0I\\0)\n");
    store.close();
    const Run run = velmorwick({QStringLiteral("export")});
    QVERIFY2(run.status == 0, run.err.constData());
    QVERIFY2(run.out.contains("kept") && run.out.contains("@Variant("), run.out.constData());
}

void DataCommandsTest::whatIsNoOrdinaryFileOrNoStoreIsRefusedAtOnce()
{
    QFETCH(QString, command);
    QFETCH(QString, what);
    QFETCH(bool, atTheStore);
    QFETCH(QString, said);
    ConfFileStore store(storePath());
    QVERIFY(store.write(taskSection(3), textKey(1), QStringLiteral("kept")).written());
    const bool kernels = what.startsWith(u'/'); // a file of the kernel's, whose size says 0
    const QString path = kernels                               ? what
                         : what == QLatin1String("lock pipe") ? storePath() + QStringLiteral(".lock")
                         : atTheStore                         ? storePath()
                                                              : file(QStringLiteral("named"));
    if (!kernels)
        QFile::remove(path);
    if (kernels) {
    } else if (what.endsWith(QLatin1String("pipe"))) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (what == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else {
        QFile named(path);
        QVERIFY(named.open(QIODevice::WriteOnly));
        if (what == QLatin1String("huge"))
            QVERIFY(named.resize(65 * 1024 * 1024)); // sparse: no disk taken
        else
            named.write(what.toUtf8());
    }
    const QByteArray before = atTheStore ? QByteArray() : fileBytes(storePath());
    const QStringList arguments{command, file(QStringLiteral("out"))};
    const Run run = velmorwick(atTheStore ? arguments : QStringList{command, path});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(said.toUtf8()), run.err.constData());
    if (!atTheStore)
        QCOMPARE(fileBytes(storePath()), before);
    QVERIFY(!QFile::exists(file(QStringLiteral("out"))));
}

namespace {

const QList<TaskRow> referenceTen = QList<TaskRow>{{QStringLiteral("Call the plumber"), true},
                                                   {QStringLiteral("a=b;c#d \"q\" \\ 50% [Task3]"), false},
                                                   {QStringLiteral("Grüße 日本 🎂 tab\there"), true}}
                                    + QList<TaskRow>(7);
const QList<TaskRow> referenceThree{{QStringLiteral("  blanks at both ends  "), false}, {}, {QStringLiteral("x"), true}};
const QList<TaskRow> referencePrivate{{QStringLiteral("Birthday present for Sam"), true}, {},
                                      {QStringLiteral("Ring the bank"), false}, {}, {}};

} // namespace

void DataCommandsTest::exportsReadToKnownContentsForever_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("reference");
    QTest::newRow("checklist") << QStringList{} << QStringLiteral("export.txt");
    QTest::newRow("JSON") << QStringList{QStringLiteral("--format=json")} << QStringLiteral("export.json");
    QTest::newRow("JSON with the private list")
        << QStringList{QStringLiteral("--format=json"), QStringLiteral("--private")}
        << QStringLiteral("export-private.json");
}

// Written once by this release; a later one must write the same and read
// them to the same lists. The private list goes back as the private list,
// sealed, and the day lists are left as they are.
void DataCommandsTest::exportsReadToKnownContentsForever()
{
    QFETCH(QStringList, options);
    QFETCH(QString, reference);
    const QString referencePath = QStringLiteral(REFERENCE_DIR "/") + reference;
    {
        ConfFileStore store(storePath());
        PrivateVault vault(store);
        QVERIFY(vault.setPassword(QStringLiteral("tulip")).written());
        QCOMPARE(vault.enter(QStringLiteral("tulip")).entry, PasswordGate::Entry::Opened);
        QVERIFY(vault.save(referencePrivate).written());
        QVERIFY(store.apply(SectionListStorage::writes(taskSection(10), referenceTen)
                            + SectionListStorage::writes(taskSection(3), referenceThree))
                    .written());
    }
    // The logbook of the tasks ticked above holds the time: not in a reference.
    for (const QString &log : QDir(QFileInfo(storePath()).path()).entryList({QStringLiteral("*.done-*.log")}))
        QVERIFY(QFile::remove(QFileInfo(storePath()).dir().filePath(log)));
    const Run exported = velmorwick(QStringList{QStringLiteral("export")} + options, "tulip\n");
    QCOMPARE(exported.status, 0);
    QCOMPARE(exported.out, fileBytes(referencePath));
    if (!reference.endsWith(QLatin1String(".json")))
        return;

    // Into a store whose day lists changed since: the file's lists replace
    // theirs, and only theirs.
    ConfFileStore store(storePath());
    QVERIFY(store.apply({StoreChange::removeSection(taskSection(10)), StoreChange::removeSection(privateSection),
                         StoreChange::write(taskSection(5), textKey(1), QStringLiteral("not in the file"))})
                .written());
    const Run imported = velmorwick({QStringLiteral("import"), referencePath}, "tulip\n");
    QVERIFY2(imported.status == 0, imported.err.constData());
    ConfFileStore after(storePath());
    QCOMPARE(SectionListStorage::read(after, taskSection(10), 10), referenceTen);
    QCOMPARE(SectionListStorage::read(after, taskSection(3), 3), referenceThree);
    QCOMPARE(after.read(taskSection(5), textKey(1)), QStringLiteral("not in the file"));
    QVERIFY(!fileBytes(storePath()).contains("Ring the bank"));
    PrivateVault vault(after);
    QCOMPARE(vault.enter(QStringLiteral("tulip")).entry, PasswordGate::Entry::Opened);
    const QList<TaskRow> expected = options.contains(QStringLiteral("--private")) ? referencePrivate : QList<TaskRow>(5);
    QCOMPARE(vault.load(5).rows, expected);
}

// XDG's base directory rules: a relative value is not to be used.
void DataCommandsTest::aRelativeConfigHomeIsIgnored()
{
    const QString home = file(QStringLiteral("home"));
    QVERIFY(ConfFileStore(home + QStringLiteral("/.config/Velmorwick/Velmorwick.conf"))
                .write(taskSection(3), textKey(1), QStringLiteral("in the home's config"))
                .written());
    QVERIFY(ConfFileStore(file(QStringLiteral("rel/Velmorwick/Velmorwick.conf")))
                .write(taskSection(3), textKey(1), QStringLiteral("beside the working folder"))
                .written());
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("rel"));
    environment.insert(QStringLiteral("HOME"), home);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_home->path());
    process.start(QStringLiteral(VELMORWICK_BINARY), {QStringLiteral("export")});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray out = process.readAllStandardOutput();
    QVERIFY2(out.contains("in the home's config") && !out.contains("beside"), out.constData());
}

void DataCommandsTest::importingOverADamagedPrivateListKeepsItAndSaysSo()
{
    ConfFileStore store(storePath());
    {
        PrivateVault vault(store);
        QVERIFY(vault.setPassword(QStringLiteral("tulip")).written());
        QCOMPARE(vault.enter(QStringLiteral("tulip")).entry, PasswordGate::Entry::Opened);
        QVERIFY(vault.save({{QStringLiteral("before"), true}, {}, {}, {}, {}}).written());
    }
    QString damaged = store.read(privateSection, sealedListKey);
    damaged[20] = damaged[20] == u'A' ? u'B' : u'A';
    QVERIFY(store.write(privateSection, sealedListKey, damaged).written());
    putFileBytes(file(QStringLiteral("private.json")), listexchange::asJson({{&privateListLayout(), {{QStringLiteral("imported"), false}, {}, {}, {}, {}}}}));
    const Run run = velmorwick({QStringLiteral("import"), file(QStringLiteral("private.json"))}, "tulip\n");
    QVERIFY2(run.status == 0, run.err.constData());
    QVERIFY2(run.err.contains(keptAsideSection.toUtf8()), run.err.constData());
    const ConfFileStore after(storePath());
    QStringList kept;
    for (const QString &key : QSettings(storePath(), QSettings::IniFormat).allKeys()) {
        if (key.startsWith(keptAsideSection))
            kept << QSettings(storePath(), QSettings::IniFormat).value(key).toString();
    }
    QCOMPARE(kept, QStringList{damaged});
}


// Tasks ticked here today, and on another computer days ago (its file as
// that computer wrote it), one of them unticked again since.
void DataCommandsTest::doneListsTheTasksDoneByDayOnEveryComputer_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("shown");   // in this order
    QTest::addColumn<QStringList>("notShown");
    const QString tenDaysAgo = QDate::currentDate().addDays(-10).toString(Qt::ISODate);
    QTest::newRow("the last 7 days") << QStringList{} << 0 << QStringList{QStringLiteral("ticked here"), QStringLiteral("3 days ago")}
                                     << QStringList{QStringLiteral("10 days ago"), QStringLiteral("unticked")};
    QTest::newRow("--days 2") << QStringList{QStringLiteral("--days"), QStringLiteral("2")} << 0
                              << QStringList{QStringLiteral("ticked here")} << QStringList{QStringLiteral("3 days ago")};
    QTest::newRow("--since") << QStringList{QStringLiteral("--since"), tenDaysAgo} << 0
                             << QStringList{QStringLiteral("ticked here"), QStringLiteral("3 days ago"), QStringLiteral("10 days ago")}
                             << QStringList{QStringLiteral("unticked")};
    QTest::newRow("--all") << QStringList{QStringLiteral("--all")} << 0
                           << QStringList{QStringLiteral("unticked (unticked again)")} << QStringList{};
    QTest::newRow("a day that is none") << QStringList{QStringLiteral("--since"), QStringLiteral("2026-02-30")} << 2
                                        << QStringList{QStringLiteral("--since takes a day")} << QStringList{};
    QTest::newRow("no number") << QStringList{QStringLiteral("--days"), QStringLiteral("a week")} << 2
                               << QStringList{QStringLiteral("--days takes a number")} << QStringList{};
    QTest::newRow("both bounds") << QStringList{QStringLiteral("--days"), QStringLiteral("3"), QStringLiteral("--since"), tenDaysAgo}
                                 << 2 << QStringList{QStringLiteral("cannot go together")} << QStringList{};
    QTest::newRow("csv") << QStringList{QStringLiteral("--format"), QStringLiteral("csv")} << 0
                         << QStringList{QStringLiteral("['date', 'time', 'list', 'task', 'computer', 'done']"),
                                        QStringLiteral("'5-task list', '\\'=1+1, said \"she\"', 'otherpc', 'yes'")}
                         << QStringList{};
    QTest::newRow("--forget-before, then done --since") << QStringList{QStringLiteral("--forget-before"),
                                                                        QDate::currentDate().addDays(-5).toString(Qt::ISODate)}
                                                       << 0 << QStringList{QStringLiteral("ticked here"), QStringLiteral("3 days ago")}
                                                       << QStringList{QStringLiteral("10 days ago")};
    QTest::newRow("a damaged line") << QStringList{QStringLiteral("damaged")} << 0
                                    << QStringList{QStringLiteral("ticked here"), QStringLiteral("was damaged")} << QStringList{};
}

void DataCommandsTest::doneListsTheTasksDoneByDayOnEveryComputer()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, notShown);
    ConfFileStore store(storePath());
    store.setMachine(QStringLiteral("0000beef"));
    QVERIFY(QDir().mkpath(file(QStringLiteral("data/velmorwick"))));
    putFileBytes(file(QStringLiteral("data/velmorwick/machine")), "0000beef");
    QVERIFY(store.apply(SectionListStorage::writes(taskSection(5), {{QStringLiteral("ticked here"), true}, {QStringLiteral("unticked"), true}})).written());
    QVERIFY(store.apply(SectionListStorage::writes(taskSection(5), {{QStringLiteral("ticked here"), true}, {QStringLiteral("unticked"), false}})).written());
    const auto day = [](int ago) { return QDateTime::currentDateTimeUtc().addDays(-ago).toString(Qt::ISODateWithMs); };
    putFileBytes(file(QStringLiteral("Velmorwick/Velmorwick.done-otherpc.log")),
                 ("# a logbook\ndone\tTask7.1.a-otherpc\t" + day(3) + "\tTask7\t3 days ago\n"
                  "done\tTask7.2.b-otherpc\t" + day(10) + "\tTask7\t10 days ago\n"
                  "done\tTask5.3.c-otherpc\t" + day(0) + "\tTask5\t=1+1, said \"she\"\n").toUtf8());
    const QString own = file(QStringLiteral("Velmorwick/Velmorwick.done-0000beef.log"));
    const bool damaged = arguments == QStringList{QStringLiteral("damaged")};
    if (damaged) {
        putFileBytes(own, fileBytes(own) + "done\tnot a line\n");
        arguments.clear();
    }
    Run run = velmorwick(QStringList{QStringLiteral("done")} + arguments);
    QCOMPARE(run.status, status);
    if (arguments.contains(QStringLiteral("--forget-before"))) { // taken away on every computer, this one's kept first
        QCOMPARE(QDir(file(QStringLiteral("Velmorwick"))).entryList({QStringLiteral("*done-before-forget*")}).size(), 1);
        run = velmorwick({QStringLiteral("done"), QStringLiteral("--since"), QDate::currentDate().addDays(-30).toString(Qt::ISODate)});
    }
    QString out = QString::fromUtf8(run.out + run.err);
    if (arguments.contains(QStringLiteral("csv"))) { // as a spreadsheet reads it
        putFileBytes(file(QStringLiteral("done.csv")), run.out);
        QProcess python;
        python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QStringLiteral("import csv,sys\nfor r in csv.reader(open(sys.argv[1], newline='')): print(r)"),
                                                  file(QStringLiteral("done.csv"))});
        QVERIFY(python.waitForFinished() && python.exitCode() == 0);
        out = QString::fromUtf8(python.readAllStandardOutput());
    }
    qsizetype at = 0;
    for (const QString &text : shown) {
        at = out.indexOf(text, at);
        QVERIFY2(at >= 0, qPrintable(text + QStringLiteral(" not in order in:\n") + out));
    }
    for (const QString &text : notShown)
        QVERIFY2(!out.contains(text), qPrintable(out));
    if (damaged) { // kept aside, and a new one goes on with what could be read
        QVERIFY(!fileBytes(own).contains("not a line") && fileBytes(own).contains("ticked here"));
        QCOMPARE(QDir(file(QStringLiteral("Velmorwick"))).entryList({QStringLiteral("*done-damaged*")}).size(), 1);
    }
}

QTEST_MAIN(DataCommandsTest)
#include "tst_datacommands.moc"
