// The settings file: exact round trips, privacy, damaged and read-only files.
#include "store/conffilestore.h"
#include "store/rowstamps.h"
#include "store/keptcopies.h"
#include "store/inertvariants.h"
#include "support/readonly.h"
#include "support/seed.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int mode(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

QStringList damagedCopies(const QString &path)
{
    const QFileInfo file(path);
    return file.dir().entryList({file.fileName() + QStringLiteral(".damaged-*")}, QDir::Files | QDir::Hidden);
}

} // namespace

class ConfFileStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void valuesRoundTripExactly_data();
    void valuesRoundTripExactly();
    void randomTextsRoundTripExactly();
    void missingValuesReadEmpty();
    void removingAMissingSectionIsReportedAndWritesNothing();
    void removingASectionLeavesTheOthers();
    void oneApplyCarriesWritesAndRemovalsTogether();
    void quickSuccessiveWritesAreAllSeenByAReader();
    void aChangeElsewhereIsToldWhateverThisCopyDoesMeanwhile_data();
    void aChangeElsewhereIsToldWhateverThisCopyDoesMeanwhile();
    void fileAndFolderArePrivate();
    void looseModesOfAnExistingStoreAreTightened_data();
    void looseModesOfAnExistingStoreAreTightened();
    void damagedFileIsKeptAsideAndTheUserToldOnce();
    void damageFoundDuringAWriteIsAlsoKeptAside();
    void whateverTheFileHoldsAWriteKeepsItOrItsCopy();
    void unreadableStoreIsToldAndNeverWritten();
    void aWriteThatWouldOutgrowWhatIsReadIsRefused();
    void readOnlyFolderRefusesTheWholeWrite();
    void readOnlyFileRefusesTheWholeWrite();
    void storeHeldByAnotherWriterRefusesAfterAShortWait();
    void oddFilesAtTheStorePathAreNeverFollowedNorOpened_data();
    void oddFilesAtTheStorePathAreNeverFollowedNorOpened();
    void aLinkAtTheCopysNameIsNeverFollowed();
    void whatCannotBeWrittenBackTheSameIsKeptFirst_data();
    void whatCannotBeWrittenBackTheSameIsKeptFirst();
    void scratchFilesOfKilledSavesAreRemovedByTheNextLockHolder();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    QStringList m_reports;
    std::unique_ptr<ConfFileStore> open();
};

void ConfFileStoreTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("Velmorwick/Velmorwick.conf"));
    m_reports.clear();
}

void ConfFileStoreTest::cleanup()
{
    makeWritable(QFileInfo(m_path).absolutePath());
    if (QFileInfo::exists(m_path))
        makeWritable(m_path);
}

std::unique_ptr<ConfFileStore> ConfFileStoreTest::open()
{
    auto store = std::make_unique<ConfFileStore>(m_path);
    store->setProblemReporter([this](const QString &message) { m_reports << message; });
    return store;
}

void ConfFileStoreTest::valuesRoundTripExactly_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks at both ends") << QStringLiteral("  buy milk  ");
    QTest::newRow("only blanks") << QStringLiteral("   ");
    QTest::newRow("equals and semicolon") << QStringLiteral("a=b; c=d");
    QTest::newRow("hash") << QStringLiteral("#1 priority");
    QTest::newRow("section-like") << QStringLiteral("[Task5]");
    QTest::newRow("quotes") << QStringLiteral("\"call\" 'Ann'");
    QTest::newRow("backslashes") << QStringLiteral("C:\\temp\\new\\x41");
    QTest::newRow("comma") << QStringLiteral("eggs, flour, sugar");
    QTest::newRow("percent escapes") << QStringLiteral("%41 %%");
    QTest::newRow("variant-like") << QStringLiteral("@Variant(\\0\\0\\0\\x7f)");
    QTest::newRow("control characters") << QStringLiteral("a\nb\rc\td");
    QTest::newRow("unicode") << QStringLiteral(u"Grüße, 日本語, emoji 🎉, RTL עברית");
    QTest::newRow("100000 characters") << QString(100000, u'w');
    QTest::newRow("starts with a byte-order mark") << (QChar(0xFEFF) + QStringLiteral("x"));
}

void ConfFileStoreTest::valuesRoundTripExactly()
{
    QFETCH(QString, value);
    QVERIFY(open()->write(QStringLiteral("Task5"), QStringLiteral("Text1"), value).written());
    // Another store on the same file, as at the next start.
    QCOMPARE(ConfFileStore(m_path).read(QStringLiteral("Task5"), QStringLiteral("Text1")), value);
    // And QSettings itself reads the file the same way.
    QSettings native(m_path, QSettings::IniFormat);
    QCOMPARE(native.value(QStringLiteral("Task5/Text1")).toString(), value);
}

void ConfFileStoreTest::randomTextsRoundTripExactly()
{
    // Any character a text box takes: controls, the INI syntax, hex digits
    // after an escape, accents, characters outside the basic plane, blanks at
    // either end. Each text must read back the same through this store and
    // through QSettings, and a file QSettings wrote must read exactly.
    QRandomGenerator random(testSeed(7122026));
    const QString special = QStringLiteral(" =;#[]\"'\\%@,\t\n\r/0aF") + QChar(u'\0') + QChar(u'\x01')
                            + QChar(u'\x1f') + QChar(u'\x7f');
    for (int round = 0; round < 20; ++round) {
        cleanup();
        init();
        QList<StoreChange> changes;
        QStringList values;
        for (int row = 1; row <= 15; ++row) {
            QString value;
            const int length = random.bounded(0, 40);
            for (int i = 0; i < length; ++i) {
                switch (random.bounded(4)) {
                case 0:
                    value += special[random.bounded(special.size())];
                    break;
                case 1:
                    value += QChar(char16_t(random.bounded(0x20, 0x7f)));
                    break;
                case 2:
                    value += QChar(char16_t(random.bounded(0xa0, 0xd7ff)));
                    break;
                default:
                    value += QString::fromUcs4(std::u32string(1, char32_t(random.bounded(0x10000, 0x10ffff))).c_str(), 1);
                }
            }
            values << value;
            changes << StoreChange::write(QStringLiteral("Task15"), QStringLiteral("Text%1").arg(row), value);
        }
        QVERIFY(open()->apply(changes).written());
        ConfFileStore again(m_path);
        const QSettings native(m_path, QSettings::IniFormat);
        const QString byQSettings = m_dir->filePath(QStringLiteral("qsettings.conf"));
        {
            QSettings written(byQSettings, QSettings::IniFormat);
            for (int row = 1; row <= 15; ++row)
                written.setValue(QStringLiteral("Task15/Text%1").arg(row), values[row - 1]);
        }
        ConfFileStore fromQSettings(byQSettings);
        fromQSettings.setProblemReporter([this](const QString &message) { m_reports << message; });
        fromQSettings.checkOnOpen();
        for (int row = 1; row <= 15; ++row) {
            const QString key = QStringLiteral("Text%1").arg(row);
            QCOMPARE(again.read(QStringLiteral("Task15"), key), values[row - 1]);
            QCOMPARE(native.value(QStringLiteral("Task15/") + key).toString(), values[row - 1]);
            QCOMPARE(fromQSettings.read(QStringLiteral("Task15"), key), values[row - 1]);
        }
        QVERIFY2(m_reports.isEmpty(), qPrintable(m_reports.join(u'\n'))); // QSettings' own file is no damage
    }
}

void ConfFileStoreTest::missingValuesReadEmpty()
{
    auto store = open();
    QCOMPARE(store->read(QStringLiteral("Task5"), QStringLiteral("Text1")), QString());
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("x")).written());
    QCOMPARE(store->read(QStringLiteral("Task5"), QStringLiteral("Text2")), QString());
    QCOMPARE(store->read(QStringLiteral("TASK5"), QStringLiteral("Text1")), QString()); // names are case-sensitive
}

void ConfFileStoreTest::removingAMissingSectionIsReportedAndWritesNothing()
{
    auto store = open();
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("x")).written());
    const QByteArray before = fileBytes(m_path);
    // An hour back: a write now could not keep this time stamp.
    const QDateTime stamp = QFileInfo(m_path).lastModified().addSecs(-3600);
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    const StoreResult result = store->removeSection(QStringLiteral("Task9"));
    QCOMPARE(result.status, StoreResult::Status::SectionMissing);
    QCOMPARE(fileBytes(m_path), before);
    QCOMPARE(QFileInfo(m_path).lastModified(), stamp);
    QVERIFY(m_reports.isEmpty());
}

void ConfFileStoreTest::removingASectionLeavesTheOthers()
{
    auto store = open();
    for (const char *section : {"Task5", "Task6", "Priv"})
        QVERIFY(store->write(QString::fromLatin1(section), QStringLiteral("Text1"), QStringLiteral("kept")).written());
    QCOMPARE(store->removeSection(QStringLiteral("Task6")).status, StoreResult::Status::Done);
    QCOMPARE(store->read(QStringLiteral("Task6"), QStringLiteral("Text1")), QString());
    for (const char *section : {"Task5", "Priv"})
        QCOMPARE(store->read(QString::fromLatin1(section), QStringLiteral("Text1")), QStringLiteral("kept"));
}

void ConfFileStoreTest::oneApplyCarriesWritesAndRemovalsTogether()
{
    auto store = open();
    QVERIFY(store->write(QStringLiteral("Task3"), QStringLiteral("Text1"), QStringLiteral("old")).written());
    const StoreResult result = store->apply({StoreChange::removeSection(QStringLiteral("Task3")),
                                             StoreChange::removeSection(QStringLiteral("Task9")),
                                             StoreChange::write(QStringLiteral("Task7"), QStringLiteral("Tick7"),
                                                                QStringLiteral("1"))});
    QCOMPARE(result.status, StoreResult::Status::SectionMissing); // Task9 was never there
    ConfFileStore again(m_path);
    QCOMPARE(again.read(QStringLiteral("Task3"), QStringLiteral("Text1")), QString());
    QCOMPARE(again.read(QStringLiteral("Task7"), QStringLiteral("Tick7")), QStringLiteral("1"));
}

void ConfFileStoreTest::quickSuccessiveWritesAreAllSeenByAReader()
{
    // Values of the same length written within the same millisecond: a reader
    // that goes by size and time stamp must still see every one.
    auto store = open();
    for (int i = 0; i < 200; ++i) {
        const QString value = QString::number(i % 10);
        QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Tick1"), value).written());
        QCOMPARE(store->read(QStringLiteral("Task5"), QStringLiteral("Tick1")), value);
    }
}

void ConfFileStoreTest::aChangeElsewhereIsToldWhateverThisCopyDoesMeanwhile_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<bool>("folderLater"); // a new machine, before the sync program makes the folder
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("a read") << "read" << false;
    QTest::newRow("a save of another list") << "save" << false;
    QTest::newRow("the folder made later") << "" << true;
    QTest::newRow("the folder made later, then a save here") << "save" << true;
}

void ConfFileStoreTest::aChangeElsewhereIsToldWhateverThisCopyDoesMeanwhile()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, folderLater);
    auto store = open();
    if (!folderLater)
        QVERIFY(store->write(QStringLiteral("Task7"), QStringLiteral("Text1"), QStringLiteral("here")).written());
    int told = 0;
    store->watch([&] { ++told; });
    QVERIFY(open()->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("elsewhere")).written());
    // Within the time the notice settles, this copy reads or writes the new version.
    if (meanwhile == QLatin1String("read"))
        QCOMPARE(store->read(QStringLiteral("Task5"), QStringLiteral("Text1")), QStringLiteral("elsewhere"));
    if (meanwhile == QLatin1String("save"))
        QVERIFY(store->write(QStringLiteral("Task7"), QStringLiteral("Text1"), QStringLiteral("mine")).written());
    QTRY_VERIFY_WITH_TIMEOUT(told > 0, 2000);
    // And heard again after that, the folder watched now and not its parent.
    const int first = told;
    QVERIFY(open()->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("again")).written());
    QTRY_VERIFY_WITH_TIMEOUT(told > first, 2000);
}

void ConfFileStoreTest::fileAndFolderArePrivate()
{
    const mode_t old = ::umask(022);
    const bool written = open()->write(QStringLiteral("Password"), QStringLiteral("Ok"), QStringLiteral("x")).written();
    ::umask(old);
    QVERIFY(written);
    QCOMPARE(mode(m_path), 0600);
    QCOMPARE(mode(QFileInfo(m_path).absolutePath()), 0700);
}

void ConfFileStoreTest::looseModesOfAnExistingStoreAreTightened_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("throughALink");
    QTest::addColumn<bool>("tightened");
    QTest::newRow("a plain folder of one's own") << 0755 << false << true;
    QTest::newRow("a group's folder (set-group-ID)") << 02775 << false << false;
    QTest::newRow("a folder reached through a link") << 0755 << true << false;
}

void ConfFileStoreTest::looseModesOfAnExistingStoreAreTightened()
{
    QFETCH(int, folderMode);
    QFETCH(bool, throughALink);
    QFETCH(bool, tightened);
    const QByteArray contents = "[Task5]\nText1=a\n";
    const QString folder = QFileInfo(m_path).absolutePath();
    const QString real = throughALink ? m_dir->filePath(QStringLiteral("shared")) : folder;
    QVERIFY(QDir().mkpath(real));
    if (throughALink)
        QVERIFY(QFile::link(real, folder));
    putFileBytes(m_path, contents);
    ::chmod(QFile::encodeName(m_path).constData(), 0644);
    ::chmod(QFile::encodeName(real).constData(), mode_t(folderMode));
    // At start, before anything is saved; and at a write, for a folder
    // loosened while the program runs.
    open()->checkOnOpen();
    ::chmod(QFile::encodeName(real).constData(), mode_t(folderMode));
    QVERIFY(open()->write(QStringLiteral("Task5"), QStringLiteral("Text2"), QStringLiteral("b")).written());
    QCOMPARE(mode(m_path), 0600);
    QCOMPARE(mode(real), tightened ? 0700 : folderMode);
    QCOMPARE(m_reports.size(), tightened ? 0 : 2); // once a run, each run
    QVERIFY(fileBytes(m_path).startsWith(contents));
}

void ConfFileStoreTest::damagedFileIsKeptAsideAndTheUserToldOnce()
{
    const QByteArray damaged = "[Task5]\nText1=kept\n[Task6\ngarbage line\n\xff\xfe binary\n";
    putFileBytes(m_path, damaged);
    // Copies kept earlier: one past the days copies are kept goes, one within them stays.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto keptOn = [&](int daysAgo) {
        return m_path + now.addDays(-daysAgo).toString(QStringLiteral("'.merged-'yyyyMMdd-HHmmss-zzz'Z-001'"));
    };
    putFileBytes(keptOn(KeptCopies::keptDays + 1), "old");
    putFileBytes(keptOn(KeptCopies::keptDays - 1), "not so old");

    auto store = open();
    store->checkOnOpen();
    QCOMPARE(m_reports.size(), 1);
    QVERIFY(!QFile::exists(keptOn(KeptCopies::keptDays + 1)) && QFile::exists(keptOn(KeptCopies::keptDays - 1)));
    const QStringList copies = damagedCopies(m_path);
    QCOMPARE(copies.size(), 1);
    const QString copy = QFileInfo(m_path).dir().filePath(copies.first());
    QVERIFY2(m_reports.first().contains(QDir::toNativeSeparators(copy)), qPrintable(m_reports.first()));
    QVERIFY2(m_reports.first().contains(QStringLiteral("is damaged")), qPrintable(m_reports.first()));
    QCOMPARE(fileBytes(copy), damaged);
    QCOMPARE(mode(copy), 0600);

    // What could be read is still there, and writing goes on.
    QCOMPARE(store->read(QStringLiteral("Task5"), QStringLiteral("Text1")), QStringLiteral("kept"));
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text2"), QStringLiteral("new")).written());
    QCOMPARE(m_reports.size(), 1);
    const QSettings mended(m_path, QSettings::IniFormat);
    QCOMPARE(mended.status(), QSettings::NoError);
    QCOMPARE(mended.value(QStringLiteral("Task5/Text1")).toString(), QStringLiteral("kept"));
    QCOMPARE(mended.value(QStringLiteral("Task5/Text2")).toString(), QStringLiteral("new"));
    QCOMPARE(fileBytes(copy), damaged);
    QCOMPARE(damagedCopies(m_path).size(), 1);
}

void ConfFileStoreTest::damageFoundDuringAWriteIsAlsoKeptAside()
{
    auto store = open();
    store->checkOnOpen();
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("a")).written());
    const QByteArray damaged = fileBytes(m_path) + "[unclosed\n";
    putFileBytes(m_path, damaged); // another program spoils the file meanwhile
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text2"), QStringLiteral("b")).written());
    QCOMPARE(m_reports.size(), 1);
    const QStringList copies = damagedCopies(m_path);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(fileBytes(QFileInfo(m_path).dir().filePath(copies.first())), damaged);
}

void ConfFileStoreTest::whateverTheFileHoldsAWriteKeepsItOrItsCopy()
{
    // Files of fragments a settings file is made of, and of plain noise, in
    // any order: a write never fails on them, leaves a file that parses, and
    // keeps every damaged original byte for byte beside it.
    const QList<QByteArray> pieces{"[Task5]\n", "Text1=a\n", "[Task5", "=\n", "\"", "\\", "%", "%zz",
                                   "[]\n", "\n", "\r\n", "@Variant(", "\xff\xfe", "\0", "a=b=c\n", "[a/b]\n",
                                   "Tick1=1\n", ";c\n", "#\n", " k = v \n"};
    QRandomGenerator random(testSeed(20261207));
    for (int round = 0; round < 150; ++round) {
        cleanup();
        init();
        QByteArray contents;
        const int length = random.bounded(1, 30);
        for (int i = 0; i < length; ++i) {
            if (random.bounded(4) == 0)
                contents += char(random.bounded(256));
            else
                contents += pieces[random.bounded(pieces.size())];
        }
        putFileBytes(m_path, contents);
        QMap<QString, QVariant> said;
        bool damaged = false;
        {
            const QSettings parsed(m_path, QSettings::IniFormat);
            for (const QString &key : parsed.allKeys()) {
                if (!key.startsWith(QLatin1String("Task9/")))
                    said.insert(key, parsed.value(key));
            }
            damaged = parsed.status() == QSettings::FormatError;
        }

        auto store = open();
        store->checkOnOpen();
        QVERIFY2(store->write(QStringLiteral("Task9"), QStringLiteral("Text1"), QStringLiteral("new")).written(),
                 contents.toHex().constData());
        // Read from a copy: QSettings would hand back the file as it read it
        // before, where the write kept its size within the same millisecond.
        const QString copy = m_path + QStringLiteral(".after-%1").arg(round);
        QVERIFY(QFile::copy(m_path, copy));
        const QSettings after(copy, QSettings::IniFormat);
        QCOMPARE(after.status(), QSettings::NoError);
        QVERIFY2(after.value(QStringLiteral("Task9/Text1")).toString() == QStringLiteral("new"), contents.toHex().constData());
        // Without a copy, nothing the file said may have changed but the new
        // value and its time of saving; its layout may.
        const QStringList copies = damagedCopies(m_path);
        QVERIFY(copies.size() <= 1);
        if (damaged)
            QCOMPARE(copies.size(), 1);
        if (copies.isEmpty()) {
            QMap<QString, QVariant> now;
            for (const QString &key : after.allKeys()) {
                if (!key.startsWith(QLatin1String("Task9/")) && !key.startsWith(QLatin1String("Saved/")))
                    now.insert(key, after.value(key));
            }
            QVERIFY2(now == said, contents.toHex().constData());
        } else {
            QCOMPARE(fileBytes(QFileInfo(m_path).dir().filePath(copies.first())), contents);
        }
    }
}

void ConfFileStoreTest::unreadableStoreIsToldAndNeverWritten()
{
    // A folder where the file should be: nobody, not even root, can read it as a file.
    QVERIFY(QDir().mkpath(m_path));
    auto store = open();
    store->checkOnOpen();
    QCOMPARE(m_reports.size(), 1);
    const StoreResult result = store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("x"));
    QCOMPARE(result.status, StoreResult::Status::Refused);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(QFileInfo(m_path).isDir());
}

void ConfFileStoreTest::aWriteThatWouldOutgrowWhatIsReadIsRefused()
{
    auto store = open();
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("kept")).written());
    const QByteArray before = fileBytes(m_path);
    const QString half(int(StoreFolder::sizeLimit / 2), u'w');
    const StoreResult result = store->apply({StoreChange::write(QStringLiteral("Task6"), QStringLiteral("Text1"), half),
                                             StoreChange::write(QStringLiteral("Task6"), QStringLiteral("Text2"), half)});
    QVERIFY(!result.written());
    QVERIFY2(result.reason.contains(QStringLiteral("64 MB")), qPrintable(result.reason));
    QCOMPARE(fileBytes(m_path), before);
    // A store of exactly the size read is written, and read back. (The row's
    // stamp keeps the few it replaced: changed often enough, its size stays.)
    store->setClock([at = QDateTime::currentDateTimeUtc()]() mutable { return at = at.addSecs(1); });
    for (int i = 0; i <= rowstamps::seenKept + 1; ++i)
        QVERIFY(store->write(QStringLiteral("Task6"), QStringLiteral("Text1"), QString(1 + i % 2, u'w')).written());
    const qint64 room = StoreFolder::sizeLimit - QFileInfo(m_path).size();
    const QString exact(int(2 + room), u'w');
    QVERIFY(store->write(QStringLiteral("Task6"), QStringLiteral("Text1"), exact).written());
    QCOMPARE(QFileInfo(m_path).size(), StoreFolder::sizeLimit);
    QCOMPARE(open()->read(QStringLiteral("Task6"), QStringLiteral("Text1")).size(), exact.size());
}

void ConfFileStoreTest::readOnlyFolderRefusesTheWholeWrite()
{
    auto store = open();
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("old")).written());
    const QByteArray before = fileBytes(m_path);
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!makeReadOnly(folder))
        QSKIP("this file system cannot make a folder read-only");

    const StoreResult result = store->apply({StoreChange::write(QStringLiteral("Task5"), QStringLiteral("Text1"),
                                                                QStringLiteral("new")),
                                             StoreChange::write(QStringLiteral("Task5"), QStringLiteral("Tick1"),
                                                                QStringLiteral("1"))});
    QCOMPARE(result.status, StoreResult::Status::Refused);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(fileBytes(m_path), before);
    // Not even this process sees the refused values.
    QCOMPARE(store->read(QStringLiteral("Task5"), QStringLiteral("Text1")), QStringLiteral("old"));
    QCOMPARE(store->read(QStringLiteral("Task5"), QStringLiteral("Tick1")), QString());

    makeWritable(folder);
    QVERIFY(store->write(QStringLiteral("Task6"), QStringLiteral("Text1"), QStringLiteral("later")).written());
    QCOMPARE(ConfFileStore(m_path).read(QStringLiteral("Task5"), QStringLiteral("Text1")), QStringLiteral("old"));
}

void ConfFileStoreTest::readOnlyFileRefusesTheWholeWrite()
{
    auto store = open();
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("old")).written());
    const QByteArray before = fileBytes(m_path);
    if (!makeReadOnly(m_path))
        QSKIP("this file system cannot make a file read-only");
    const StoreResult result = store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("new"));
    QCOMPARE(result.status, StoreResult::Status::Refused);
    QVERIFY2(result.reason.contains(QStringLiteral("read-only")), qPrintable(result.reason));
    QCOMPARE(fileBytes(m_path), before);
    QCOMPARE(store->read(QStringLiteral("Task5"), QStringLiteral("Text1")), QStringLiteral("old"));
}

void ConfFileStoreTest::storeHeldByAnotherWriterRefusesAfterAShortWait()
{
    auto store = open();
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("old")).written());
    // Another copy of the program holds the lock for its write.
    const int other = ::open(QFile::encodeName(m_path + QStringLiteral(".lock")).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(other >= 0);
    QCOMPARE(::flock(other, LOCK_EX | LOCK_NB), 0);
    store->setLockPatience(100);
    const StoreResult result = store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("new"));
    QCOMPARE(result.status, StoreResult::Status::Refused);
    QCOMPARE(ConfFileStore(m_path).read(QStringLiteral("Task5"), QStringLiteral("Text1")), QStringLiteral("old"));
    ::close(other);
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("new")).written());
}

void ConfFileStoreTest::oddFilesAtTheStorePathAreNeverFollowedNorOpened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to a file") << QStringLiteral("link to file");
    QTest::newRow("link to /dev/zero") << QStringLiteral("link to zero");
    QTest::newRow("pipe") << QStringLiteral("fifo");
    QTest::newRow("link to a pipe") << QStringLiteral("link to fifo");
    QTest::newRow("dangling link") << QStringLiteral("dangling");
    QTest::newRow("folder") << QStringLiteral("folder");
    // The lock is no way in either: a write is refused, the store left as it was.
    QTest::newRow("lock file a folder") << QStringLiteral("lock folder");
    QTest::newRow("lock file a dangling link") << QStringLiteral("lock dangling");
}

void ConfFileStoreTest::oddFilesAtTheStorePathAreNeverFollowedNorOpened()
{
    QFETCH(QString, kind);
    const QString folder = QFileInfo(m_path).absolutePath();
    QVERIFY(QDir().mkpath(folder));
    const QString outside = m_dir->filePath(QStringLiteral("outside"));
    const QByteArray outsideBytes = "[Task5]\nText1=not ours\n";
    putFileBytes(outside, outsideBytes);
    const QString fifo = m_dir->filePath(QStringLiteral("fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QMap<QString, QString> targets{{QStringLiteral("link to file"), outside},
                                         {QStringLiteral("link to zero"), QStringLiteral("/dev/zero")},
                                         {QStringLiteral("link to fifo"), fifo},
                                         {QStringLiteral("dangling"), m_dir->filePath(QStringLiteral("nowhere"))}};
    if (kind.startsWith(QLatin1String("lock"))) {
        QVERIFY(open()->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("kept")).written());
        const QString lock = m_path + QStringLiteral(".lock");
        QVERIFY(QFile::remove(lock));
        QVERIFY(kind.endsWith(QLatin1String("folder")) ? QDir().mkpath(lock) : QFile::link(targets[QStringLiteral("dangling")], lock));
        const QByteArray before = fileBytes(m_path);
        const StoreResult result = open()->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("x"));
        QCOMPARE(result.status, StoreResult::Status::Refused);
        QVERIFY2(result.reason.contains(QStringLiteral("lock file")), qPrintable(result.reason));
        QCOMPARE(fileBytes(m_path), before);
        QVERIFY(!QFileInfo::exists(targets.value(QStringLiteral("dangling"))));
        return;
    }
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(m_path).constData(), 0600), 0);
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(m_path));
    else
        QVERIFY(QFile::link(targets[kind], m_path));

    // Neither start, nor a read, nor a write hangs, reads without end or
    // touches anything outside the store's folder.
    auto store = open();
    store->checkOnOpen();
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(store->read(QStringLiteral("Task5"), QStringLiteral("Text1")), QString());
    const StoreResult result = store->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("x"));
    QCOMPARE(result.status, StoreResult::Status::Refused);
    QVERIFY2(result.reason.contains(QDir::toNativeSeparators(m_path)), qPrintable(result.reason));
    QCOMPARE(fileBytes(outside), outsideBytes);
    QVERIFY(mode(outside) != 0600); // its mode was not made the store's either
    QVERIFY(!QFileInfo::exists(targets.value(QStringLiteral("dangling"))));
    if (kind != QLatin1String("folder") && kind != QLatin1String("fifo"))
        QVERIFY(QFileInfo(m_path).isSymLink());
}

void ConfFileStoreTest::aLinkAtTheCopysNameIsNeverFollowed()
{
    const QByteArray damaged = "[Task5]\nText1=kept\n[Task6\n";
    putFileBytes(m_path, damaged);
    // Links at every name the copy could take in the next few seconds.
    const QString target = m_dir->filePath(QStringLiteral("created-through-link"));
    const QDateTime now = QDateTime::currentDateTime();
    for (int s = 0; s < 5; ++s) {
        const QString stamp = now.addSecs(s).toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QVERIFY(QFile::link(target, m_path + QStringLiteral(".damaged-") + stamp));
    }
    auto store = open();
    store->checkOnOpen();
    QVERIFY(!QFileInfo::exists(target));
    QStringList copies;
    for (const QString &name : damagedCopies(m_path)) {
        const QString path = QFileInfo(m_path).dir().filePath(name);
        if (!QFileInfo(path).isSymLink())
            copies << path;
    }
    QCOMPARE(copies.size(), 1);
    QCOMPARE(fileBytes(copies.first()), damaged);
    QVERIFY(store->write(QStringLiteral("Task5"), QStringLiteral("Text2"), QStringLiteral("b")).written());
    QVERIFY(!QFileInfo::exists(target));
}

void ConfFileStoreTest::whatCannotBeWrittenBackTheSameIsKeptFirst_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("kept");
    QTest::newRow("as written") << QByteArray("[Task5]\nText1=a\nTick1=1\n\n[Task6]\nText1=\"b, c\"\n") << false;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Task5]\nText1=a\n") << false;
    QTest::newRow("invalid UTF-8") << QByteArray("[Task5]\nText1=caf\xE9\n") << true;
    QTest::newRow("unreadable variant") << QByteArray("[Task5]\nText1=@Variant(\\0\\0\\0\\x7f\\0)\n") << true;
    // A pixmap in a process without a screen aborts it, however it is escaped.
    QTest::newRow("pixmap variant") << QByteArray("[Task5]\nText1=\"\\x40Variant(\\0\\0\\0I)\"\n") << true;
    // Only what the file says counts: its layout carries no meaning.
    QTest::newRow("no blank lines between sections") << QByteArray("[Task5]\nText1=a\n[Task6]\nText1=b\n") << false;
    QTest::newRow("section twice") << QByteArray("[Task5]\nText1=a\n\n[Task5]\nText2=b\n") << false;
    QTest::newRow("key twice") << QByteArray("[Task5]\nText1=a\nText1=b\n") << true;
    QTest::newRow("Windows line ends") << QByteArray("[Task5]\r\nText1=a\r\n") << false;
    QTest::newRow("hand edited") << QByteArray("; my lists\n[Task5]\nText1 = a\n") << true;
}

void ConfFileStoreTest::whatCannotBeWrittenBackTheSameIsKeptFirst()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, kept);
    putFileBytes(m_path, contents);
    const QString inert = m_path + QStringLiteral(".inert");
    putFileBytes(inert, withInertVariants(contents));
    QSettings before(inert, QSettings::IniFormat);
    const QStringList keys = before.allKeys();

    auto store = open();
    // Reading it writes nothing, not even a file made and removed again.
    const int watch = ::inotify_init1(IN_NONBLOCK);
    QVERIFY(::inotify_add_watch(watch, QFile::encodeName(QFileInfo(m_path).path()).constData(), IN_CREATE) >= 0);
    (void)store->read(QStringLiteral("Task5"), QStringLiteral("Text1"));
    char event[4096];
    QCOMPARE(::read(watch, event, sizeof event), -1);
    ::close(watch);
    store->checkOnOpen();
    QVERIFY(store->write(QStringLiteral("Task9"), QStringLiteral("Text1"), QStringLiteral("new")).written());
    QVERIFY(store->write(QStringLiteral("Task9"), QStringLiteral("Text2"), QStringLiteral("newer")).written());
    const QStringList copies = damagedCopies(m_path);
    QCOMPARE(copies.size(), kept ? 1 : 0);
    QCOMPARE(m_reports.size(), kept ? 1 : 0); // told once
    if (kept)
        QCOMPARE(fileBytes(QFileInfo(m_path).dir().filePath(copies.first())), contents);
    // Whatever QSettings read before, the windows still read.
    for (const QString &key : keys)
        QCOMPARE(store->read(key.section(u'/', 0, 0), key.section(u'/', 1)), before.value(key).toString());
}

void ConfFileStoreTest::scratchFilesOfKilledSavesAreRemovedByTheNextLockHolder()
{
    QVERIFY(open()->write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("a")).written());
    const QDir folder = QFileInfo(m_path).dir();
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    QVERIFY(ended.waitForFinished());
    const QString gone = QStringLiteral(".Velmorwick-%1-0badf00d.tmp").arg(endedPid);
    const QString live = QStringLiteral(".Velmorwick-%1-0badf00d.tmp").arg(QCoreApplication::applicationPid());
    for (const QString &name : {gone, QStringLiteral(".Velmorwick-%1-1-AbCdEf.conf").arg(endedPid), live})
        putFileBytes(folder.filePath(name), "[Priv]\nText1=secret\n");
    open()->checkOnOpen(); // a minute old or a second: a scratch file whose writer is gone goes
    // One still being written (a reader's copy, a save under way) stays.
    QCOMPARE(folder.entryList({QStringLiteral(".Velmorwick-*")}, QDir::Files | QDir::Hidden), QStringList{live});
    QCOMPARE(open()->read(QStringLiteral("Task5"), QStringLiteral("Text1")), QStringLiteral("a"));
}

QTEST_GUILESS_MAIN(ConfFileStoreTest)
#include "tst_conffilestore.moc"
