// Two machines' versions of the store made one, part by part: on files, as
// the store finds a sync engine's conflict copy beside it.
#include "store/conffilestore.h"
#include "store/replacedrecord.h"
#include "store/storekeys.h"
#include "store/storemerge.h"
#include "support/filebytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace storekeys;

namespace {

// A store file as a machine left it: the 5-task list's first text, and when
// its part was saved ("" for never, as an earlier version left it).
QByteArray version(const QString &text, const QString &savedAt, const QString &privateList = {})
{
    IniDocument document;
    if (!text.isEmpty())
        document.set(taskSection(5), textKey(1), text);
    if (!privateList.isEmpty()) {
        document.set(privateSection, sealedListKey, privateList);
        document.set(passwordSection, wrappedKeyKey, QStringLiteral("key of ") + privateList);
    }
    document.set(taskSection(9), textKey(1), QStringLiteral("the same on both"));
    // A value kept aside on one machine is kept on every machine.
    document.set(keptAsideSection, QStringLiteral("Rows-") + text, QStringLiteral("kept aside by ") + text);
    document.set(keptAsideSection, keptRowsKey, text); // every set listed, from either machine
    if (!savedAt.isEmpty()) {
        document.set(storemerge::savedSection, taskSection(5), savedAt);
        document.set(storemerge::savedSection, privateSection, savedAt);
    }
    return document.serialize();
}

} // namespace

class StoreMergeTest : public QObject
{
    Q_OBJECT

private slots:
    void theLaterSavedVersionOfEachPartWinsAndNothingIsLost_data();
    void theLaterSavedVersionOfEachPartWinsAndNothingIsLost();
    void anEditWinsOverWhatItReplacedWhateverTheClocks();
    void onlyTheCopyWhoseVersionStandsIsToldAsTaken();
    void privateRowsKeptAsideArriveUpToABound();
    void onlyConflictCopiesOfTheStoreAreTakenIn_data();
    void onlyConflictCopiesOfTheStoreAreTakenIn();
    void aVersionPutInDuringAWriteIsWrittenIntoNeverOver_data();
    void aVersionPutInDuringAWriteIsWrittenIntoNeverOver();
};

void StoreMergeTest::theLaterSavedVersionOfEachPartWinsAndNothingIsLost_data()
{
    QTest::addColumn<QByteArray>("here");
    QTest::addColumn<QByteArray>("copy");
    QTest::addColumn<QString>("merged"); // the 5-task list's first text after the merge
    QTest::addColumn<QString>("kept");   // what was kept beside the store: "", "merged", "conflict"; or "record": the text that lost is in the record of rows replaced; "aside": the private list that lost is a set of kept rows
    const QString early = QStringLiteral("2026-12-01T10:00:00.000Z");
    const QString late = QStringLiteral("2026-12-01T10:00:01.000Z");
    QTest::newRow("saved here later") << version("here", late) << version("there", early) << "here" << "record";
    QTest::newRow("saved there later") << version("here", early) << version("there", late) << "there" << "record";
    QTest::newRow("cleared here after it was saved there")
        << version({}, late) << version("there", early) << QString() << "record";
    QTest::newRow("saved there after it was cleared here")
        << version({}, early) << version("there", late) << "there" << "";
    QTest::newRow("edited by hand here, nothing of it lost") // kept as it was, before the merge rewrites it
        << "; by hand\n" + version({}, early) << version("there", late) << "there" << "damaged";
    QTest::newRow("an earlier version's store here") << version("here", {}) << version("there", early) << "there"
                                                    << "record";
    QTest::newRow("an earlier version's store there") << version("here", early) << version("there", {}) << "here"
                                                     << "record";
    // By the text, as on the other machine.
    QTest::newRow("neither records a time") << version("here", {}) << version("there", {}) << "there" << "record";
    QTest::newRow("both saved in the same millisecond") << version("here", early) << version("there", early) << "there"
                                                       << "record";
    QTest::newRow("the same on both") << version("same", early) << version("same", late) << "same" << "";
    // Two lists taken from there in one merge; only the first had text here.
    const auto withSeven = [](const QByteArray &base, const QString &text, const QString &savedAt) {
        IniDocument document = *IniDocument::parseExact(base);
        if (!text.isEmpty())
            document.set(taskSection(7), textKey(1), text);
        document.set(storemerge::savedSection, taskSection(7), savedAt);
        return document.serialize();
    };
    QTest::newRow("two lists from there, one empty here")
        << withSeven(version("here", early), {}, early) << withSeven(version("there", late), "seven", late) << "there"
        << "record";
    // A clock days ahead is told, and decides as recorded, as on every machine.
    const auto fromNow = [](qint64 secs) {
        return QDateTime::currentDateTimeUtc().addSecs(secs).toString(Qt::ISODateWithMs);
    };
    QTest::newRow("a copy from a clock days ahead") << version("here", fromNow(3600)) << version("there", fromNow(5 * 86400))
                                                   << "there" << "record";
    QTest::newRow("the private list and its key, from there")
        << version({}, early, QStringLiteral("sealed here")) << version({}, late, QStringLiteral("sealed there"))
        << QString() << "aside";
    // Nothing of a copy the program could not have written is merged: it is kept whole.
    QTest::newRow("a copy where the notes' notice was turned off")
        << version("here", early) << [&] {
               IniDocument there = *IniDocument::parseExact(version("there", late));
               there.set(noticesSection, notOnTopKey, noticeOff);
               there.set(storemerge::savedSection, noticesSection, late);
               return there.serialize();
           }() << "there" << "record";
    QTest::newRow("a copy of random bytes") << version("here", early) << QByteArray("\x93\x01[Task5]\nText1=junk\xff", 19)
                                            << "here" << "conflict";
    QTest::newRow("a copy not in UTF-8") << version("here", early) << version("there", late).replace("there", "th\xe9re")
                                         << "here" << "conflict";
    QTest::newRow("a copy another program wrote")
        << version("here", early) << version(QStringLiteral("there\x1f"), late).replace("\\x1f", "\\x1F") << "here"
        << "conflict";
    QTest::newRow("a copy with more after its lists")
        << version("here", early) << version("there", late) + "\n[Task6]\n" << "here" << "conflict";
    QTest::newRow("a copy with a section the program does not know")
        << version("here", early) << "[Unknown]\nA=1\n\n" + version("there", late) << "here" << "conflict";
}

void StoreMergeTest::theLaterSavedVersionOfEachPartWinsAndNothingIsLost()
{
    QFETCH(QByteArray, here);
    QFETCH(QByteArray, copy);
    QFETCH(QString, merged);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmorwick.conf"));
    const QString conflict = dir.filePath(QStringLiteral("Velmorwick.sync-conflict-20261201-100001-ABCDEFG.conf"));
    putFileBytes(path, here);
    putFileBytes(conflict, copy);
    // as a sync program leaves them: readable by others, and often one version twice
    QFile::setPermissions(conflict, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    const QString twice = dir.filePath(QStringLiteral("Velmorwick.sync-conflict-20261201-100002-ABCDEFG.conf"));
    QFile::copy(conflict, twice);
    ConfFileStore store(path);
    QStringList told;
    store.setProblemReporter([&](const QString &message) { told << message; });
    QVERIFY(store.write(taskSection(12), textKey(1), QStringLiteral("a save meanwhile")).written());

    QCOMPARE(store.read(taskSection(5), textKey(1)), merged);
    QCOMPARE(store.read(taskSection(12), textKey(1)), QStringLiteral("a save meanwhile"));
    QCOMPARE(store.read(taskSection(9), textKey(1)), QStringLiteral("the same on both"));
    // The private list goes with its own key, never with the other side's.
    const QString sealed = store.read(privateSection, sealedListKey);
    QCOMPARE(store.read(passwordSection, wrappedKeyKey), sealed.isEmpty() ? QString() : QStringLiteral("key of ") + sealed);
    QVERIFY(!QFile::exists(conflict) && !QFile::exists(twice));
    const bool setAside = told.join(u' ').contains(QStringLiteral("nothing of it was merged"));
    if (!setAside && copy.contains("Rows-there")) {
        QCOMPARE(store.read(keptAsideSection, QStringLiteral("Rows-there")), QStringLiteral("kept aside by there"));
        QVERIFY(store.read(keptAsideSection, keptRowsKey).split(u' ').contains(QStringLiteral("there")));
    }
    QCOMPARE(told.join(u' ').contains(QStringLiteral("versions that lost are kept beside")),
             !setAside && (kept == QLatin1String("conflict") || kept == QLatin1String("merged")));
    const QStringList copies = QDir(dir.path()).entryList({QStringLiteral("Velmorwick.conf.*-*")}, QDir::Files);
    QCOMPARE(copies.size(), kept.isEmpty() || kept == QLatin1String("record") || kept == QLatin1String("aside") ? 0 : 1);
    const QList<replacedrecord::Entry> record = replacedrecord::entries(*IniDocument::parseExact(fileBytes(path)));
    QCOMPARE(record.size(), int(kept == QLatin1String("record")));
    QCOMPARE(told.join(u' ').contains(QStringLiteral("velmorwick replaced")), kept == QLatin1String("record"));
    const QStringList sets = store.read(keptAsideSection, keptRowsKey).split(u' ');
    QCOMPARE(std::count_if(sets.begin(), sets.end(), [&](const QString &set) {
                 return store.read(keptAsideSection, QStringLiteral("Rows-") + set) == QStringLiteral("sealed here")
                        && store.read(keptAsideSection, QStringLiteral("Key-") + set) == QStringLiteral("key of sealed here");
             }),
             kept == QLatin1String("aside") ? 1 : 0);
    if (kept == QLatin1String("record")) {
        QCOMPARE(record.first().lost.text, merged == QLatin1String("there") ? QStringLiteral("here") : QStringLiteral("there"));
        QCOMPARE(record.first().wonText, merged);
    } else if (!kept.isEmpty() && kept != QLatin1String("aside")) {
        QVERIFY2(copies.first().startsWith(QStringLiteral("Velmorwick.conf.") + kept), qPrintable(copies.first()));
        QVERIFY(told.join(u' ').contains(copies.first())); // by the name it is kept under
        QCOMPARE(fileBytes(dir.filePath(copies.first())), kept == QLatin1String("conflict") ? copy : here);
        QCOMPARE(QFile::permissions(dir.filePath(copies.first())) & ~QFile::ReadUser & ~QFile::WriteUser,
                 QFile::ReadOwner | QFile::WriteOwner);
    }
    // Private rows kept aside there, which here has not, are told of too.
    const QByteArray rowsThere = copy.mid(copy.indexOf("Rows-")).split('=').first();
    const bool rowsArrived = !setAside && copy.contains("Rows-") && !here.contains(rowsThere + '=');
    QCOMPARE(told.filter(QStringLiteral("kept aside on another computer")).size(), int(rowsArrived));
    const int messages = (kept == QLatin1String("damaged") ? 2 : kept.isEmpty() && merged == QStringLiteral("same") ? 0 : 1)
                         + int(QByteArray(QTest::currentDataTag()).contains("ahead")) // which clock, told
                         + int(rowsArrived);
    QCOMPARE(told.size(), messages); // once each
}

void StoreMergeTest::anEditWinsOverWhatItReplacedWhateverTheClocks()
{
    // A version from a machine whose clock runs a year ahead, edited here.
    const QDateTime now = QDateTime::fromString(QStringLiteral("2026-12-08T10:00:00.000Z"), Qt::ISODateWithMs);
    const IniDocument ahead = *IniDocument::parseExact(version("from the future", QStringLiteral("2027-12-08T10:00:00.000Z")));
    IniDocument edited = ahead;
    edited.set(taskSection(5), textKey(1), QStringLiteral("edited here"));
    storemerge::stamp(edited, ahead, now);
    // The stale version arriving again loses, here and on a third machine.
    QCOMPARE(*storemerge::merge(edited, ahead, now).document.find(taskSection(5), textKey(1)), QStringLiteral("edited here"));
    QCOMPARE(*storemerge::merge(ahead, edited, now).document.find(taskSection(5), textKey(1)), QStringLiteral("edited here"));
    QVERIFY(storemerge::merge(edited, ahead, now).clockAhead);
    // Two machines with right clocks, each editing it after that: the later
    // edit wins on both, and no clock is blamed, the ahead one long put right.
    IniDocument later = ahead;
    later.set(taskSection(5), textKey(1), QStringLiteral("edited at 11:00"));
    storemerge::stamp(later, ahead, now.addSecs(3300));
    for (const auto &[here, there] : {std::pair{edited, later}, std::pair{later, edited}}) {
        const storemerge::Merged merged = storemerge::merge(here, there, now.addSecs(3600));
        QCOMPARE(*merged.document.find(taskSection(5), textKey(1)), QStringLiteral("edited at 11:00"));
        QVERIFY(!merged.clockAhead);
    }
    // Two machines changing a task in the same millisecond end alike.
    IniDocument one = ahead, other = ahead;
    one.set(taskSection(5), textKey(1), QStringLiteral("one"));
    other.set(taskSection(5), textKey(1), QStringLiteral("other"));
    storemerge::stamp(one, ahead, now.addSecs(3300), QStringLiteral("0000000b"));
    storemerge::stamp(other, ahead, now.addSecs(3300), QStringLiteral("0000000a"));
    QCOMPARE(*storemerge::merge(one, other, now).document.find(taskSection(5), textKey(1)), QStringLiteral("one"));
    QCOMPARE(*storemerge::merge(other, one, now).document.find(taskSection(5), textKey(1)), QStringLiteral("one"));
    // At the last time a stamp can hold, an edit still records one.
    IniDocument last = *IniDocument::parseExact(version("the last", QStringLiteral("9999-12-31T23:59:59.999Z")));
    edited = last;
    edited.set(taskSection(5), textKey(1), QStringLiteral("after it"));
    storemerge::stamp(edited, last, now);
    QVERIFY(storemerge::savedAt(edited, *storemerge::partOf(taskSection(5))).isValid());
}

void StoreMergeTest::privateRowsKeptAsideArriveUpToABound()
{
    // Each set asks for a key derivation at put-back: a copy planting many
    // leaves the newest of all, the same whichever side merges, and is kept
    // whole with the rest.
    IniDocument planted = *IniDocument::parseExact(version("here", {}));
    for (int set = 10; set < 40; ++set) {
        planted.set(keptAsideSection, QStringLiteral("Rows-%1").arg(set), QStringLiteral("rows"));
        planted.set(keptAsideSection, QStringLiteral("Key-%1").arg(set), QStringLiteral("key"));
        planted.set(keptAsideSection, keptRowsKey, *planted.find(keptAsideSection, keptRowsKey) + QStringLiteral(" %1").arg(set));
    }
    const storemerge::Plan plan = storemerge::plan(*IniDocument::parseExact(version("here", {})),
                                                   {{QStringLiteral("planted"), planted.serialize()}}, QDateTime::currentDateTimeUtc());
    QCOMPARE(plan.document.find(keptAsideSection, keptRowsKey)->split(u' ').size(), storemerge::keptRowSetsAtMost);
    QVERIFY(!plan.document.find(keptAsideSection, QStringLiteral("Rows-29")) && plan.document.find(keptAsideSection, QStringLiteral("Rows-39")));
    QCOMPARE(plan.keptSetsLeft, QStringList{QStringLiteral("planted")});
    QCOMPARE(plan.keep.last().file, QStringLiteral("planted"));
    // The private list that lost, past the bound as a set, is kept whole and never told as kept aside.
    IniDocument later = planted;
    later.set(privateSection, sealedListKey, QStringLiteral("sealed later"));
    later.set(savedSection, privateSection, QStringLiteral("2026-12-01T10:00:01.000Z"));
    const storemerge::Plan lost = storemerge::plan(*IniDocument::parseExact(version({}, QStringLiteral("2026-12-01T10:00:00.000Z"),
                                                                                    QStringLiteral("sealed here"))),
                                                   {{QStringLiteral("later"), later.serialize()}}, QDateTime::currentDateTimeUtc());
    QCOMPARE(lost.privateKeptAside, 0);
    QVERIFY(std::any_of(lost.keep.begin(), lost.keep.end(), [](const auto &keep) { return keep.kind == QLatin1String(".merged"); }));
    const storemerge::Merged back = storemerge::merge(planted, plan.document, QDateTime::currentDateTimeUtc());
    QCOMPARE(*back.document.find(keptAsideSection, keptRowsKey), *plan.document.find(keptAsideSection, keptRowsKey));
    // The record of rows replaced, likewise: the newest entries, once each.
    for (int entry = 0; entry < replacedrecord::entriesKept + 20; ++entry) {
        replacedrecord::add(planted, {taskSection(5), 2, {QStringLiteral("lost %1").arg(entry), false},
                                      QStringLiteral("20261201T1000%1-a").arg(entry, 5, 10, QLatin1Char('0')), {},
                                      QStringLiteral("20261202T1000%1-b").arg(entry, 5, 10, QLatin1Char('0'))});
    }
    const QList<replacedrecord::Entry> record =
        replacedrecord::entries(storemerge::merge(planted, plan.document, QDateTime::currentDateTimeUtc()).document);
    QCOMPARE(record.size(), replacedrecord::entriesKept);
    QCOMPARE(record.last().lost.text, QStringLiteral("lost 20"));
}

void StoreMergeTest::onlyTheCopyWhoseVersionStandsIsToldAsTaken()
{
    // Each copy saved later than the one before: all but the last lost.
    QList<storemerge::CopyFile> copies;
    for (int second = 1; second <= 3; ++second)
        copies << storemerge::CopyFile{QStringLiteral("copy %1").arg(second),
                                       version(QStringLiteral("there %1").arg(second),
                                               QStringLiteral("2026-12-01T10:00:0%1.000Z").arg(second))};
    const storemerge::Plan plan = storemerge::plan(*IniDocument::parseExact(version("here", {})), copies,
                                                   QDateTime::currentDateTimeUtc());
    QCOMPARE(*plan.document.find(taskSection(5), textKey(1)), QStringLiteral("there 3"));
    QCOMPARE(plan.taken, QStringList{QStringLiteral("the 5-task list from copy 3")});
    // here's, then copy 1's and copy 2's as merged in turn: in the record, not kept whole.
    QCOMPARE(replacedrecord::entries(plan.document).size(), 3);
    QCOMPARE(plan.replacedRows.size(), 3);
    QVERIFY(plan.keep.isEmpty());
}

void StoreMergeTest::onlyConflictCopiesOfTheStoreAreTakenIn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("taken");
    QTest::newRow("Syncthing") << "Velmorwick.sync-conflict-20261208-101500-7QXK2XN.conf" << true;
    QTest::newRow("Nextcloud") << "Velmorwick (conflicted copy 2026-12-08 101500).conf" << true;
    QTest::newRow("Dropbox") << "Velmorwick (Ann's conflicted copy 2026-12-08).conf" << true;
    QTest::newRow("ownCloud, earlier") << "Velmorwick_conflict-20261208-101500.conf" << true;
    QTest::newRow("a copy kept as damaged") << "Velmorwick.conf.damaged-20261208-101500" << false;
    QTest::newRow("another program's") << "Other.sync-conflict-20261208-101500-7QXK2XN.conf" << false;
    QTest::newRow("a backup named by hand") << "Velmorwick-backup.conf" << false;
    QTest::newRow("a copy a file manager made") << "Velmorwick (copy).conf" << false;
    QTest::newRow("Dropbox in German") << "Velmorwick (Konfliktkopie von Ann 2026-12-08).conf" << true;
}

void StoreMergeTest::onlyConflictCopiesOfTheStoreAreTakenIn()
{
    QFETCH(QString, name);
    QFETCH(bool, taken);
    QCOMPARE(storemerge::isConflictCopy(QStringLiteral("Velmorwick.conf"), name), taken);
}

void StoreMergeTest::aVersionPutInDuringAWriteIsWrittenIntoNeverOver_data()
{
    QTest::addColumn<bool>("merging"); // a conflict copy merged, or a save
    QTest::addColumn<int>("versionsPutIn"); // one at each of that many writes, as a sync program does it
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("before"); // "", "no store yet", "the loser cannot be kept"
    QTest::newRow("once") << false << 1 << true << "";
    QTest::newRow("at all but the last of the five tries") << false << 4 << true << "";
    QTest::newRow("at each of the five tries") << false << 5 << false << "";
    QTest::newRow("at every try") << false << 1000 << false << "";
    QTest::newRow("a first save, no store here yet") << false << 1 << true << "no store yet";
    QTest::newRow("merging, once") << true << 1 << true << "";
    QTest::newRow("merging, at all but the last of the five tries") << true << 4 << true << "";
    QTest::newRow("merging, at each of the five tries") << true << 5 << false << "";
    QTest::newRow("merging, the version that loses cannot be kept") << true << 0 << false << "the loser cannot be kept";
}

void StoreMergeTest::aVersionPutInDuringAWriteIsWrittenIntoNeverOver()
{
    QFETCH(bool, merging);
    QFETCH(int, versionsPutIn);
    QFETCH(bool, written);
    QFETCH(QString, before);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmorwick.conf"));
    if (before != QLatin1String("no store yet"))
        putFileBytes(path, version(QStringLiteral("here"), QStringLiteral("2026-12-01T10:00:00.000Z")));
    ConfFileStore store(path);
    QCOMPARE(store.read(taskSection(5), textKey(1)), QFileInfo::exists(path) ? QStringLiteral("here") : QString());
    const QString copy = dir.filePath(QStringLiteral("Velmorwick.sync-conflict-20261201-100002-7QXK2XN.conf"));
    if (merging)
        putFileBytes(copy, version(QStringLiteral("from the copy"), QStringLiteral("2026-12-01T10:00:02.000Z")));
    int putIn = 0;
    std::function<void()> syncProgram = [&] {
        // Whole, under a name of its own, then renamed over the store.
        const QString scratch = dir.filePath(QStringLiteral(".syncthing.Velmorwick.conf.tmp"));
        putFileBytes(scratch, version(QStringLiteral("there %1").arg(++putIn), QStringLiteral("2026-12-01T10:00:01.000Z")));
        QCOMPARE(std::rename(qPrintable(scratch), qPrintable(path)), 0);
        if (putIn < versionsPutIn)
            filefaults::whenScratchWritten(syncProgram);
    };
    if (versionsPutIn > 0)
        filefaults::whenScratchWritten(syncProgram);
    if (before == QLatin1String("the loser cannot be kept")) {
        filefaults::failNext(filefaults::Call::Link, EIO);
        filefaults::failNext(filefaults::Call::Write, ENOSPC);
    }
    const StoreResult result = merging ? store.whileLocked([] {}) : store.write(taskSection(12), textKey(1), QStringLiteral("a save meanwhile"));
    filefaults::whenScratchWritten(nullptr);
    const QString standing = putIn > 0 ? QStringLiteral("there %1").arg(putIn) : QStringLiteral("here");

    if (merging) {
        // Given up: the copy stays to be merged at the next step.
        QCOMPARE(!QFileInfo::exists(copy), written);
        QCOMPARE(store.read(taskSection(5), textKey(1)), written ? QStringLiteral("from the copy") : standing);
        return;
    }
    QCOMPARE(result.written(), written);
    QVERIFY(written || result.reason.contains(QStringLiteral("nothing was written")));
    QCOMPARE(store.read(taskSection(5), textKey(1)), standing);
    QCOMPARE(store.read(taskSection(12), textKey(1)), written ? QStringLiteral("a save meanwhile") : QString());
}

QTEST_GUILESS_MAIN(StoreMergeTest)
#include "tst_storemerge.moc"
