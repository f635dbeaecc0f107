// The private list at rest: what the settings folder holds while a password
// is stored, password changes finished or not, an earlier version's plain
// list, and a sealed value that was altered.
#include "private/keptrows.h"
#include "private/passwordhash.h"
#include "private/privatevault.h"
#include "private/vaultformat.h"
#include "store/conffilestore.h"
#include "store/storefolder.h"
#include "store/storekeys.h"
#include "forms/form.h"
#include "lists/tasklistwindow.h"
#include "platform/secretmemory.h"
#include "support/fastderivation.h"
#include "support/filebytes.h"
#include "support/programfixture.h"
#include "support/seed.h"

#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

using namespace storekeys;
using Entry = PasswordGate::Entry;

namespace {

// Counts the writes, so "in one write" can be checked.
class CountingStore final : public SettingsStore
{
public:
    explicit CountingStore(const QString &path)
        : m_store(path)
    {
    }
    QString read(const QString &section, const QString &key) const override { return m_store.read(section, key); }
    StoreResult apply(const QList<StoreChange> &changes) override
    {
        ++writes;
        return m_store.apply(changes);
    }
    void forgetSecret(const QString &section, const QString &key) override { m_store.forgetSecret(section, key); }
    int writes = 0;

private:
    ConfFileStore m_store;
};

// A vault on the test's file that keeps what it tells the user.
struct Session
{
    explicit Session(const QString &path)
        : store(path)
        , vault(store)
    {
        vault.setProblemReporter([this](const QString &message) { told << message; });
    }
    bool opens(const QString &password) { return vault.enter(password).entry == Entry::Opened; }
    CountingStore store;
    PrivateVault vault;
    QStringList told;
};

// Fails the first `failing` derivations as a lack of memory does.
int failing = 0;
int failingDerivation(unsigned char *out, unsigned long long outLength, const char *password,
                      unsigned long long passwordLength, const unsigned char *salt, unsigned long long passes,
                      size_t memoryBytes, int algorithm)
{
    if (failing > 0 && failing-- > 0)
        return -1;
    return fastDerivation(out, outLength, password, passwordLength, salt, passes, memoryBytes, algorithm);
}

// How often a masked text is in this process's writable memory. No
// heap memory is taken meanwhile: a new allocation could reuse, and so
// overwrite, the very copy looked for. Read through /proc/self/mem, which
// never faults, a piece at a time.
int inMemory(const QByteArray &masked)
{
    static char needle[4096], piece[1 << 20], maps[1 << 20];
    const qsizetype size = std::min<qsizetype>(masked.size(), sizeof needle);
    for (qsizetype i = 0; i < size; ++i)
        needle[i] = char(masked[i] ^ 0x5A);
    const int mapsFile = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    const int mem = ::open("/proc/self/mem", O_RDONLY | O_CLOEXEC);
    size_t mapsSize = 0;
    for (ssize_t n; mapsFile >= 0 && (n = ::read(mapsFile, maps + mapsSize, sizeof maps - 1 - mapsSize)) > 0;)
        mapsSize += size_t(n);
    maps[mapsSize] = '\0';
    if (mapsFile < 0 || mem < 0)
        qFatal("cannot read this process's memory");
    ::close(mapsFile);
    const QByteArrayView wanted(needle, size);
    int found = 0;
    for (char *line = maps; *line; line = std::strchr(line, '\n') ? std::strchr(line, '\n') + 1 : line + std::strlen(line)) {
        char *rest = nullptr;
        const quintptr first = std::strtoull(line, &rest, 16);
        const quintptr end = std::strtoull(rest + 1, &rest, 16);
        if (rest[1] != 'r' || rest[2] != 'w')
            continue;
        for (quintptr start = first; start < end; start += sizeof piece - quintptr(size)) {
            const ssize_t got = ::pread(mem, piece, std::min<size_t>(sizeof piece, end - start), off_t(start));
            const QByteArrayView read(piece, got > 0 ? got : 0);
            for (qsizetype at = read.indexOf(wanted); at >= 0; at = read.indexOf(wanted, at + 1)) {
                const quintptr where = start + quintptr(at);
                found += where != quintptr(needle) && (where < quintptr(piece) || where >= quintptr(piece) + sizeof piece);
            }
        }
    }
    ::close(mem);
    return found;
}

const QString referencePassword = QStringLiteral("Reference pässwörd 1");
const QList<TaskRow> referenceRows{{QStringLiteral("Renew the passport"), true},
                                   {QStringLiteral("Café at 10 with Zoë 🎂"), false},
                                   {QStringLiteral("a=b;c#d [Priv]\nText1=x \"q\" \\ 50%"), true},
                                   {QString(), false},
                                   {QStringLiteral("  blanks kept  "), false}};

QList<TaskRow> rowsOf(std::initializer_list<QString> texts)
{
    QList<TaskRow> rows;
    bool ticked = false;
    for (const QString &text : texts)
        rows << TaskRow{text, ticked = !ticked};
    return rows;
}

// Every way Qt could have put the text in a file: as UTF-8, percent- or
// backslash-escaped, or as UTF-16 either way round.
QList<QByteArray> encodingsOf(const QString &text)
{
    QByteArray escaped;
    for (QChar c : text)
        escaped += c.unicode() < 0x80 ? QByteArray(1, char(c.unicode())) : "\\x" + QByteArray::number(c.unicode(), 16);
    QByteArray utf16le, utf16be;
    for (QChar c : text) {
        utf16le += char(c.unicode() & 0xFF);
        utf16le += char(c.unicode() >> 8);
        utf16be += char(c.unicode() >> 8);
        utf16be += char(c.unicode() & 0xFF);
    }
    return {text.toUtf8(), QUrl::toPercentEncoding(text), escaped, utf16le, utf16be};
}

} // namespace

class PrivateVaultTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void anOpenListFollowsWhatAnotherCopySaves();

    void anyTextRoundTripsAndNeverLiesInTheClear_data();
    void anyTextRoundTripsAndNeverLiesInTheClear();
    void aChangedPasswordOpensTheListAndTheOldOneNoLonger();
    void rowsOfAKeyReplacedElsewhereAreKeptAsideNeverSealedBesideIt_data();
    void rowsOfAKeyReplacedElsewhereAreKeptAsideNeverSealedBesideIt();
    void anUnfinishedChangeKeepsTheListForTheNextPassword();
    void anEarlierPlainListIsEncryptedAtTheFirstRightEntryInOneWrite_data();
    void anEarlierPlainListIsEncryptedAtTheFirstRightEntryInOneWrite();
    void anAlteredValueIsKeptAsideAndTheListOpensEmpty_data();
    void anAlteredValueIsKeptAsideAndTheListOpensEmpty();
    void referenceStoresOpenToTheirRowsForever_data();
    void referenceStoresOpenToTheirRowsForever();
    void sealsDifferAndOpenInNoOtherRole();
    void aKeyWrappedCheaperIsWrappedAgainAtTheProgramsCost();
    void aCopyTakenDuringAChangeOpensNothingSavedAfterIt();
    void plainRowsBesideASealedListAreKeptAsideNotTakenIn_data();
    void plainRowsBesideASealedListAreKeptAsideNotTakenIn();
    void aFailedDerivationIsNoWrongPasswordAndChangesNothing_data();
    void aFailedDerivationIsNoWrongPasswordAndChangesNothing();
    void theOpenListGuardsMemoryAndLeavesNoRowBehindWhenClosed();
    void aPasswordSetWithoutTheDisksWordIsSetOnce();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Velmorwick.conf")); }
    // Every file in the settings folder, kept copies and leftovers included.
    void verifyNowhereInTheFolder(const QStringList &texts);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void PrivateVaultTest::init()
{
    useFastDerivations(true);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void PrivateVaultTest::verifyNowhereInTheFolder(const QStringList &texts)
{
    QDirIterator files(m_dir->path(), QDir::Files | QDir::Hidden);
    int looked = 0;
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ++looked;
        for (const QString &text : texts) {
            for (const QByteArray &form : encodingsOf(text))
                QVERIFY2(!bytes.contains(form), qPrintable(file.fileName() + QStringLiteral(": ") + text.left(40)));
        }
    }
    QVERIFY(looked > 0);
}

void PrivateVaultTest::anyTextRoundTripsAndNeverLiesInTheClear_data()
{
    QTest::addColumn<QList<TaskRow>>("rows");
    QString everyPlane;
    for (char32_t plane = 0; plane <= 16; ++plane)
        everyPlane += QString::fromUcs4(std::array<char32_t, 1>{(plane << 16) | 0x4E2Du}.data(), 1);
    QTest::newRow("empty rows") << QList<TaskRow>(5);
    QTest::newRow("100,000 characters") << rowsOf({QString(100000, u'q') + QStringLiteral("end"),
                                                   QStringLiteral("short one")});
    QTest::newRow("every plane of Unicode") << rowsOf({everyPlane, QStringLiteral("café ünïcödé"),
                                                       QStringLiteral("日本語のタスク"), QStringLiteral("🎂 party")});
    QTest::newRow("what the file format escapes")
        << rowsOf({QStringLiteral("a=b;c#d"), QStringLiteral("[Priv]\nText1=x"), QStringLiteral("\"q\" \\ 50%"),
                   QStringLiteral("  leading and trailing  "), QStringLiteral("tab\there")});
}

void PrivateVaultTest::anyTextRoundTripsAndNeverLiesInTheClear()
{
    QFETCH(QList<TaskRow>, rows);
    rows.resize(5);
    {
        ConfFileStore store(path());
        PrivateVault vault(store);
        QVERIFY(vault.setPassword(QStringLiteral("pässwörd")).written());
        QCOMPARE(vault.enter(QStringLiteral("pässwörd")).entry, Entry::Opened);
        QVERIFY(vault.save(rows).written());
    }
    {
        // A hand edit, so that the next write keeps a damaged copy aside.
        QFile file(path());
        QVERIFY(file.open(QIODevice::Append));
        file.write("\n; a note added by hand\n");
    }
    {
        ConfFileStore store(path());
        PrivateVault vault(store);
        QCOMPARE(vault.enter(QStringLiteral("pässwörd")).entry, Entry::Opened);
        QVERIFY(vault.save(rows).written());
        vault.close();
        QVERIFY(!vault.isOpen());
    }
    QCOMPARE(QDir(m_dir->path()).entryList({QStringLiteral("*.damaged-*")}, QDir::Files).size(), 1);
    QStringList texts;
    for (const TaskRow &row : rows) {
        if (row.text.size() >= 4)
            texts << row.text;
    }
    verifyNowhereInTheFolder(texts);

    ConfFileStore store(path());
    PrivateVault vault(store);
    QCOMPARE(vault.enter(QStringLiteral("pässwörd")).entry, Entry::Opened);
    const LoadedList loaded = vault.load(5);
    QCOMPARE(loaded.problem, QString());
    QCOMPARE(loaded.rows, rows);
}

void PrivateVaultTest::rowsOfAKeyReplacedElsewhereAreKeptAsideNeverSealedBesideIt_data()
{
    QTest::addColumn<bool>("byRestore");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<bool>("sameKey");
    QTest::newRow("password changed in another copy") << false << false << false;
    QTest::newRow("an older store restored") << true << false << false;
    QTest::newRow("and the disk refuses the rows kept aside") << false << true << false;
    // Not yet told to the window: that version is kept before it is replaced.
    QTest::newRow("the list saved in another copy under the same password") << false << false << true;
}

// One copy has the list open; the key under it changes (another copy, or a
// restore). Its Save seals nothing beside a key that cannot open it.
void PrivateVaultTest::rowsOfAKeyReplacedElsewhereAreKeptAsideNeverSealedBesideIt()
{
    QFETCH(bool, byRestore);
    QFETCH(bool, diskFull);
    QFETCH(bool, sameKey);
    ConfFileStore store(path());
    PrivateVault open(store), other(store), second(store); // second: another window, another set kept aside
    QVERIFY(other.setPassword(QStringLiteral("pw1")).written());
    QCOMPARE(other.enter(QStringLiteral("pw1")).entry, Entry::Opened);
    const QList<TaskRow> first = rowsOf({QStringLiteral("first")}) << TaskRow{} << TaskRow{} << TaskRow{} << TaskRow{};
    QVERIFY(other.save(first).written());
    if (sameKey) {
        QCOMPARE(open.enter(QStringLiteral("pw1")).entry, Entry::Opened);
        QCOMPARE(open.load(5).rows, first);
        ConfFileStore elsewhere(path());
        PrivateVault another(elsewhere);
        QCOMPARE(another.enter(QStringLiteral("pw1")).entry, Entry::Opened);
        QCOMPARE(another.load(5).rows, first);
        QVERIFY(another.save(rowsOf({QStringLiteral("from elsewhere")}) << TaskRow{} << TaskRow{} << TaskRow{} << TaskRow{})
                    .written());
        const StoreResult saved = open.save(rowsOf({QStringLiteral("typed")}) << TaskRow{} << TaskRow{} << TaskRow{} << TaskRow{});
        // The version from elsewhere is kept aside as a set, and put back.
        QVERIFY(saved.written() && open.savedOverAnotherVersion() && !saved.keptAsideAs.isEmpty());
        QCOMPARE(keptrows::count(store), 1);
        QCOMPARE(keptrows::putBack(store, open, QStringLiteral("pw1"), 5).rows, 1);
        QCOMPARE(open.load(5).rows.value(1).text, QStringLiteral("from elsewhere"));
        return;
    }
    QByteArray backup;
    QVERIFY(store.readWhole(&backup).written());
    if (!byRestore) {
        QCOMPARE(open.enter(QStringLiteral("pw1")).entry, Entry::Opened);
        QCOMPARE(second.enter(QStringLiteral("pw1")).entry, Entry::Opened);
    }
    QVERIFY(other.startChange().written() && other.setPassword(QStringLiteral("pw2")).written());
    if (byRestore) {
        QCOMPARE(open.enter(QStringLiteral("pw2")).entry, Entry::Opened);
        QCOMPARE(second.enter(QStringLiteral("pw2")).entry, Entry::Opened);
        QVERIFY(store.restoreFrom(backup, QStringLiteral("old.conf"), nullptr).written());
    }
    const QList<TaskRow> typed = rowsOf({QStringLiteral("typed")}) << TaskRow{} << TaskRow{} << TaskRow{} << TaskRow{};
    if (diskFull)
        filefaults::failNext(filefaults::Call::Write, ENOSPC);
    const StoreResult saved = open.save(typed);
    QCOMPARE(saved.status, StoreResult::Status::Refused);
    QVERIFY2(saved.reason.contains(QStringLiteral("changed elsewhere")), qPrintable(saved.reason));
    QVERIFY(!open.canSave());
    QCOMPARE(saved.reason.contains(QStringLiteral("could not be kept aside either")), diskFull);
    if (diskFull)
        return;
    const QList<TaskRow> typedToo = rowsOf({QStringLiteral("typed too")}) << TaskRow{} << TaskRow{} << TaskRow{} << TaskRow{};
    QCOMPARE(second.save(typedToo).status, StoreResult::Status::Refused);
    // The store's own password opens its own list.
    const QString current = byRestore ? QStringLiteral("pw1") : QStringLiteral("pw2");
    QCOMPARE(other.enter(current).entry, Entry::Opened);
    QCOMPARE(other.load(5).rows, first);
    // The typed rows are aside, under the key the password that opened them
    // unwraps, and go back into the list's empty rows with it, once.
    const QString typedUnder = byRestore ? QStringLiteral("pw2") : QStringLiteral("pw1");
    QCOMPARE(keptrows::count(store), 2);
    const keptrows::Outcome wrong = keptrows::putBack(store, other, current, 5);
    QCOMPARE(wrong.rows, 0);
    QCOMPARE(wrong.setsLeft, 2);
    const keptrows::Outcome back = keptrows::putBack(store, other, typedUnder, 5);
    QCOMPARE(back.rows, 2);
    QCOMPARE(back.setsLeft, 0);
    QCOMPARE(keptrows::count(store), 0);
    QList<TaskRow> expected{first[0], typed[0], typedToo[0], {}, {}};
    if (other.load(5).rows[1] == typedToo[0])
        std::swap(expected[1], expected[2]); // the sets go back in the order of their times, which may tie
    QCOMPARE(other.load(5).rows, expected);
    QCOMPARE(QSettings(path(), QSettings::IniFormat).childGroups().contains(keptAsideSection), true);
}

void PrivateVaultTest::aChangedPasswordOpensTheListAndTheOldOneNoLonger()
{
    ConfFileStore store(path());
    PrivateVault vault(store);
    QVERIFY(store.write(taskSection(5), textKey(1), QStringLiteral("a day's task")).written());
    QVERIFY(vault.setPassword(QStringLiteral("old")).written());
    QCOMPARE(vault.enter(QStringLiteral("old")).entry, Entry::Opened);
    const QList<TaskRow> rows = rowsOf({QStringLiteral("ring the bank"), QStringLiteral("gift for Sam")}) << TaskRow{}
                                                                                                      << TaskRow{}
                                                                                                      << TaskRow{};
    QVERIFY(vault.save(rows).written());
    QCOMPARE(vault.enter(QStringLiteral("wrong")).entry, Entry::Wrong);
    QVERIFY(!vault.isOpen());
    QVERIFY(!vault.save(rows).written()); // a locked list saves nothing

    // What a restore sets aside opens with the old password too.
    QByteArray backup;
    QVERIFY(store.readWhole(&backup).written());
    QVERIFY(store.write(taskSection(5), textKey(2), QStringLiteral("after the backup")).written());
    QString setAside;
    QVERIFY(store.restoreFrom(backup, QStringLiteral("backup.conf"), &setAside).written() && !setAside.isEmpty());
    setAside = QFileInfo(path()).dir().filePath(QFileInfo(setAside).fileName());
    QVERIFY2(fileBytes(setAside).contains("[Priv]"), qPrintable(setAside));

    QCOMPARE(vault.enter(QStringLiteral("old")).entry, Entry::Opened);
    QVERIFY(vault.startChange().written());
    QVERIFY(!vault.isOpen());
    QCOMPARE(store.read(passwordSection, passwordKey), QString());
    QVERIFY(vault.setPassword(QStringLiteral("new")).written());
    QCOMPARE(store.read(unfinishedChangeSection, dataKeyKey), QString());
    verifyNowhereInTheFolder({QStringLiteral("ring the bank"), QStringLiteral("gift for Sam")});

    QCOMPARE(vault.enter(QStringLiteral("old")).entry, Entry::Wrong);
    QCOMPARE(vault.enter(QStringLiteral("new")).entry, Entry::Opened);
    QCOMPARE(vault.load(5).rows, rows);

    // The snapshot the change kept still opens with the old password until
    // the private list is taken out of it; its day lists stay.
    const int older = store.olderPrivateCopies();
    QVERIFY(older >= 1);
    int forgotten = 0;
    QVERIFY(store.forgetOlderPrivateCopies(&forgotten).written());
    QCOMPARE(forgotten, older);
    QCOMPARE(store.olderPrivateCopies(), 0);
    QByteArray snapshot;
    QString name;
    QVERIFY(store.snapshotBytes(store.snapshots().size(), &snapshot, &name).written());
    QVERIFY(!snapshot.contains("[Password]") && !snapshot.contains("[Priv]") && snapshot.contains("[Task5]"));
    QVERIFY(!fileBytes(setAside).contains("[Priv]") && fileBytes(setAside).contains("after the backup"));
    QCOMPARE(vault.load(5).rows, rows);
}

void PrivateVaultTest::anUnfinishedChangeKeepsTheListForTheNextPassword()
{
    const QList<TaskRow> rows = rowsOf({QStringLiteral("survives"), {}, QStringLiteral("the gap")}) << TaskRow{}
                                                                                                << TaskRow{};
    {
        ConfFileStore store(path());
        PrivateVault vault(store);
        QVERIFY(vault.setPassword(QStringLiteral("first")).written());
        QCOMPARE(vault.enter(QStringLiteral("first")).entry, Entry::Opened);
        QVERIFY(vault.save(rows).written());
        QCOMPARE(vault.enter(QStringLiteral("first")).entry, Entry::Opened);
        QVERIFY(vault.startChange().written());
    } // the program ends before a new password is set

    ConfFileStore store(path());
    PrivateVault vault(store);
    QCOMPARE(vault.enter(QStringLiteral("first")).entry, Entry::Wrong);
    QVERIFY(vault.setPassword(QStringLiteral("second")).written());
    QCOMPARE(vault.enter(QStringLiteral("second")).entry, Entry::Opened);
    QCOMPARE(vault.load(5).rows, rows);
    verifyNowhereInTheFolder({QStringLiteral("survives"), QStringLiteral("the gap")});
}

void PrivateVaultTest::anEarlierPlainListIsEncryptedAtTheFirstRightEntryInOneWrite_data()
{
    QTest::addColumn<bool>("passwordHashed");
    QTest::newRow("password as typed") << false;
    QTest::newRow("password hashed") << true;
}

void PrivateVaultTest::anEarlierPlainListIsEncryptedAtTheFirstRightEntryInOneWrite()
{
    QFETCH(bool, passwordHashed);
    const QString password = QStringLiteral("Open Sesame");
    {
        ConfFileStore seed(path());
        QVERIFY(seed.apply({StoreChange::write(passwordSection, passwordKey,
                                               passwordHashed ? passwordhash::hash(password) : password),
                            StoreChange::write(privateSection, textKey(1), QStringLiteral("old secret")),
                            StoreChange::write(privateSection, tickKey(1), QStringLiteral("1")),
                            StoreChange::write(privateSection, textKey(4), QStringLiteral("another one")),
                            StoreChange::write(privateSection, tickKey(4), QStringLiteral("0")),
                            StoreChange::write(privateSection, textKey(5), QStringLiteral("the last one")),
                            StoreChange::write(taskSection(5), textKey(1), QStringLiteral("a day task"))})
                    .written());
    }
    CountingStore store(path());
    PrivateVault vault(store);
    QCOMPARE(vault.enter(QStringLiteral("open sesame")).entry, Entry::Wrong);
    QCOMPARE(store.writes, 0);
    QCOMPARE(vault.enter(password).entry, Entry::Opened);
    QCOMPARE(store.writes, 1);
    verifyNowhereInTheFolder({QStringLiteral("old secret"), QStringLiteral("another one"), QStringLiteral("the last one"), password});
    QCOMPARE(store.read(taskSection(5), textKey(1)), QStringLiteral("a day task"));
    QCOMPARE(store.read(privateSection, tickKey(1)), QString());

    CountingStore reopened(path());
    PrivateVault again(reopened);
    QCOMPARE(again.enter(password).entry, Entry::Opened);
    QCOMPARE(reopened.writes, 0); // nothing left to encrypt
    const QList<TaskRow> expected{{QStringLiteral("old secret"), true}, {}, {}, {QStringLiteral("another one"), false},
                                  {QStringLiteral("the last one"), false}};
    QCOMPARE(again.load(5).rows, expected);
}

void PrivateVaultTest::anAlteredValueIsKeptAsideAndTheListOpensEmpty_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("at"); // which character to change; -1 cuts the value short
    QTest::newRow("a byte of the list's ciphertext") << privateSection << sealedListKey << 40;
    QTest::newRow("the list's last byte (its tag)") << privateSection << sealedListKey << -2;
    QTest::newRow("the list cut short") << privateSection << sealedListKey << -1;
    QTest::newRow("a byte of the sealed data key") << passwordSection << wrappedKeyKey << 40;
}

void PrivateVaultTest::anAlteredValueIsKeptAsideAndTheListOpensEmpty()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(int, at);
    const QList<TaskRow> rows = rowsOf({QStringLiteral("before")}) << TaskRow{} << TaskRow{} << TaskRow{} << TaskRow{};
    {
        ConfFileStore store(path());
        PrivateVault vault(store);
        QVERIFY(vault.setPassword(QStringLiteral("pw")).written());
        QCOMPARE(vault.enter(QStringLiteral("pw")).entry, Entry::Opened);
        QVERIFY(vault.save(rows).written());
        QVERIFY(store.write(taskSection(3), textKey(2), QStringLiteral("untouched")).written());
    }
    const QString sealedList = ConfFileStore(path()).read(privateSection, sealedListKey);
    QString value = ConfFileStore(path()).read(section, key);
    if (at == -1) {
        value.chop(8);
    } else {
        // The character's highest bit: always one the decoded bytes hold.
        static const QString alphabet =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_");
        const qsizetype i = at >= 0 ? at : value.size() + at;
        value[i] = alphabet[alphabet.indexOf(value[i]) ^ 32];
    }
    QVERIFY(ConfFileStore(path()).write(section, key, value).written());

    Session session(path());
    auto &[store, vault, told] = session;
    QVERIFY(session.opens(QStringLiteral("pw")));
    const LoadedList loaded = vault.load(5);
    told << loaded.problem;
    QCOMPARE(told.filter(keptAsideSection).size(), 1); // once: at entry for the key, at loading for the list
    QCOMPARE(loaded.rows, QList<TaskRow>(5));
    QCOMPARE(store.read(taskSection(3), textKey(2)), QStringLiteral("untouched"));

    const QList<TaskRow> after = rowsOf({QStringLiteral("after")}) << TaskRow{} << TaskRow{} << TaskRow{} << TaskRow{};
    QVERIFY(vault.save(after).written());
    const QSettings kept(path(), QSettings::IniFormat);
    QStringList keptValues;
    for (const QString &name : kept.allKeys()) {
        if (name.startsWith(keptAsideSection + u'/'))
            keptValues << kept.value(name).toString();
    }
    QVERIFY2(keptValues.contains(section == privateSection ? value : sealedList), qPrintable(keptValues.join(u',')));
    QCOMPARE(vault.enter(QStringLiteral("pw")).entry, Entry::Opened);
    QCOMPARE(vault.load(5), (LoadedList{after, {}}));
}

void PrivateVaultTest::referenceStoresOpenToTheirRowsForever_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("writesAtEntry");
    QTest::newRow("key without its cost (3.0.1)") << QStringLiteral("store-v1.conf") << 1;
    QTest::newRow("key with its cost") << QStringLiteral("store-v2.conf") << 0;
}

// Written once by the release named; every later one must open them.
void PrivateVaultTest::referenceStoresOpenToTheirRowsForever()
{
    QFETCH(QString, file);
    QFETCH(int, writesAtEntry);
    useFastDerivations(false); // their keys were derived at the real cost
    QVERIFY(QFile::copy(QStringLiteral(REFERENCE_DIR "/") + file, path()));
    QFile(path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    for (int entry = 1; entry <= 2; ++entry) {
        Session session(path());
        QVERIFY(session.opens(referencePassword));
        QCOMPARE(session.vault.load(5), (LoadedList{referenceRows, {}}));
        QCOMPARE(session.store.writes, entry == 1 ? writesAtEntry : 0); // into the current form at once
        QVERIFY(session.store.read(passwordSection, wrappedKeyKey).startsWith(QStringLiteral("2$2$65536$")));
        QCOMPARE(session.store.read(taskSection(5), textKey(1)), QStringLiteral("a day task"));
    }
}

void PrivateVaultTest::aKeyWrappedCheaperIsWrappedAgainAtTheProgramsCost()
{
    ConfFileStore store(path());
    PrivateVault vault(store);
    QVERIFY(vault.setPassword(QStringLiteral("pw")).written() && vault.enter(QStringLiteral("pw")).entry == Entry::Opened);
    QVERIFY(vault.save(referenceRows).written());
    const auto own = vaultformat::wrappedKey(store.read(passwordSection, wrappedKeyKey));
    const sealing::Key dataKey = vaultformat::unwrapped(sealing::Key::derived(QStringLiteral("pw"), own->salt, own->cost), *own);
    const sealing::Cost weak{1, 8};
    const QByteArray salt = sealing::randomBytes(sealing::saltSize);
    QVERIFY(store.write(passwordSection, wrappedKeyKey,
                        vaultformat::wrapped(sealing::Key::derived(QStringLiteral("pw"), salt, weak), salt, weak, dataKey))
                .written());
    QCOMPARE(vault.enter(QStringLiteral("pw")).entry, Entry::Opened);
    QCOMPARE(vaultformat::wrappedKey(store.read(passwordSection, wrappedKeyKey))->cost, sealing::programCost());
    QCOMPARE(vault.enter(QStringLiteral("pw")).entry, Entry::Opened);
    QCOMPARE(vault.load(5).rows, referenceRows);
}

void PrivateVaultTest::sealsDifferAndOpenInNoOtherRole()
{
    Session session(path());
    QVERIFY(session.vault.setPassword(QStringLiteral("pw")).written() && session.opens(QStringLiteral("pw")));
    QVERIFY(session.vault.save(referenceRows).written());
    const QString first = session.store.read(privateSection, sealedListKey);
    QVERIFY(session.vault.save(referenceRows).written());
    const QString list = session.store.read(privateSection, sealedListKey);
    QVERIFY(first != list); // a fresh nonce every time
    QVERIFY(vaultformat::sealedRows(sealing::Key::random(), QList<TaskRow>(65)).isEmpty()); // more than it reads
    const QString key = session.store.read(passwordSection, wrappedKeyKey);
    const qsizetype keyAt = key.lastIndexOf(u'$') + 1;
    QVERIFY(session.store.apply({StoreChange::write(passwordSection, wrappedKeyKey, key.left(keyAt) + list.mid(2)),
                                 StoreChange::write(privateSection, sealedListKey, QStringLiteral("1$") + key.mid(keyAt))})
                .written());
    QVERIFY(session.opens(QStringLiteral("pw"))); // the password still proves itself
    QCOMPARE(session.vault.load(5).rows, QList<TaskRow>(5));
    QCOMPARE(session.told.size(), 1);
}

void PrivateVaultTest::aCopyTakenDuringAChangeOpensNothingSavedAfterIt()
{
    const QList<TaskRow> before = rowsOf({QStringLiteral("saved before the change")}) << TaskRow{} << TaskRow{}
                                                                                   << TaskRow{} << TaskRow{};
    const QList<TaskRow> after = rowsOf({QStringLiteral("saved after it")}) << TaskRow{} << TaskRow{} << TaskRow{}
                                                                          << TaskRow{};
    Session session(path());
    QVERIFY(session.vault.setPassword(QStringLiteral("old")).written() && session.opens(QStringLiteral("old")));
    QVERIFY(session.vault.save(before).written());
    QVERIFY(session.opens(QStringLiteral("old")) && session.vault.startChange().written());
    const QByteArray gapCopy = fileBytes(path());
    const QString gapKey = ConfFileStore(path()).read(unfinishedChangeSection, dataKeyKey);
    QVERIFY(!gapKey.isEmpty());
    {
        // Every copy made in the gap (a backup, a sync program's conflict
        // copy merged and kept, the file replaced by a restore) leaves the
        // bare key behind; only the store itself holds it, until the end.
        ConfFileStore store(path());
        QByteArray backup;
        QVERIFY(store.readWhole(&backup).written());
        QVERIFY(!backup.isEmpty() && !backup.contains(gapKey.toLatin1()));
        putFileBytes(m_dir->filePath(QStringLiteral("Velmorwick.sync-conflict-20261208-101500-7QXK2XN.conf")),
                     gapCopy + "[Task5]\nText1=there\n");
        ConfFileStore(path()).read(taskSection(5), textKey(1)); // takes the copy in
        QString keptAs;
        QVERIFY(store.restoreFrom(backup, QStringLiteral("backup"), &keptAs).written() && !keptAs.isEmpty());
        QCOMPARE(QDir(m_dir->path()).entryList({QStringLiteral("*conflict-2*")}, QDir::Files | QDir::Hidden).size(), 1);
        verifyNowhereInTheFolder({gapKey});
        putFileBytes(path(), gapCopy);
    }
    QVERIFY(session.vault.setPassword(QStringLiteral("new")).written() && session.opens(QStringLiteral("new")));
    QVERIFY(session.vault.save(after).written());

    // The gap's bare key put back beside the later file, the password removed
    // and one of the finder's own set: the later list does not open.
    QVERIFY(session.store.apply({StoreChange::write(unfinishedChangeSection, dataKeyKey, gapKey),
                                 StoreChange::removeSection(passwordSection)})
                .written());
    QVERIFY(session.vault.setPassword(QStringLiteral("finder's")).written() && session.opens(QStringLiteral("finder's")));
    QCOMPARE(session.vault.load(5).rows, QList<TaskRow>(5));
    QVERIFY(!session.told.isEmpty());

    // The gap's own copy, a change abandoned there: the next password opens
    // what was saved before it.
    putFileBytes(path(), gapCopy);
    Session later(path());
    QVERIFY(later.vault.setPassword(QStringLiteral("next")).written() && later.opens(QStringLiteral("next")));
    QCOMPARE(later.vault.load(5), (LoadedList{before, {}}));
    QCOMPARE(later.told, QStringList());
}

void PrivateVaultTest::plainRowsBesideASealedListAreKeptAsideNotTakenIn_data()
{
    QTest::addColumn<bool>("cleared");
    QTest::newRow("beside a sealed list") << false;
    QTest::newRow("in a cleared list") << true; // a key of this version's form: no earlier list
}

void PrivateVaultTest::plainRowsBesideASealedListAreKeptAsideNotTakenIn()
{
    QFETCH(bool, cleared);
    {
        Session session(path());
        QVERIFY(session.vault.setPassword(QStringLiteral("pw")).written() && session.opens(QStringLiteral("pw")));
        QVERIFY(session.vault.save(referenceRows).written());
        if (cleared)
            QVERIFY(session.vault.clear().written());
    }
    QVERIFY(ConfFileStore(path()).apply({StoreChange::write(privateSection, textKey(1), QStringLiteral("planted")),
                                         StoreChange::write(privateSection, tickKey(1), QStringLiteral("0"))})
                .written());
    for (int entry = 1; entry <= 2; ++entry) {
        Session session(path());
        QVERIFY(session.opens(QStringLiteral("pw")));
        QCOMPARE(session.vault.load(5), (LoadedList{cleared ? QList<TaskRow>(5) : referenceRows, {}}));
        QCOMPARE(session.told.filter(keptAsideSection).size(), entry == 1 ? 1 : 0); // told once
    }
    verifyNowhereInTheFolder({QStringLiteral("planted")});
    QCOMPARE(QSettings(path(), QSettings::IniFormat).allKeys().filter(keptAsideSection + QStringLiteral("/Rows-")).size(), 1);
}

void PrivateVaultTest::aFailedDerivationIsNoWrongPasswordAndChangesNothing_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("passwordSet");
    QTest::newRow("the key's derivation, then the hash's would pass") << 1 << true;
    QTest::newRow("every derivation") << 1000 << true;
    QTest::newRow("setting a password") << 1000 << false;
    QTest::newRow("setting a password, its hash's derivation alone failing") << 1 << false;
}

void PrivateVaultTest::aFailedDerivationIsNoWrongPasswordAndChangesNothing()
{
    QFETCH(int, failures);
    QFETCH(bool, passwordSet);
    Session session(path());
    QVERIFY(session.vault.setPassword(QStringLiteral("pw")).written() && session.opens(QStringLiteral("pw")));
    QVERIFY(session.vault.save(referenceRows).written());
    if (!passwordSet)
        QVERIFY(session.opens(QStringLiteral("pw")) && session.vault.startChange().written());
    const QByteArray before = fileBytes(path());
    failing = failures;
    sealing::setDerivationFunction(&failingDerivation);
    const auto restore = qScopeGuard([] { useFastDerivations(true); });
    if (passwordSet) {
        const PasswordGate::EntryResult entry = session.vault.enter(QStringLiteral("pw"));
        QCOMPARE(entry.entry, Entry::CannotCheck);
        QVERIFY2(entry.reason.contains(QStringLiteral("memory")), qPrintable(entry.reason));
        QVERIFY(!session.vault.isOpen());
    } else {
        QVERIFY(!session.vault.setPassword(QStringLiteral("new")).written());
    }
    QCOMPARE(fileBytes(path()), before);
    failing = 0;
    if (!passwordSet)
        QVERIFY(session.vault.setPassword(QStringLiteral("pw")).written());
    QVERIFY(session.opens(QStringLiteral("pw")));
    QCOMPARE(session.vault.load(5), (LoadedList{referenceRows, {}}));
}

// Texts made at random here, in no file of the program or the test, looked
// for in memory as UTF-8 and UTF-16 as the list's window closes: once every
// box has let go of its text, and before anything else may reuse the memory.
void PrivateVaultTest::theOpenListGuardsMemoryAndLeavesNoRowBehindWhenClosed()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("under AddressSanitizer, whose quarantine keeps every freed copy and whose shadow spans terabytes");
#endif
    QRandomGenerator random(testSeed(21));
    QList<TaskRow> rows(5);
    for (int row = 0; row < 5; ++row) {
        for (int i = 0; i < 24; ++i)
            rows[row].text += QChar(u'a' + random.bounded(26));
        rows[row].text += row % 2 ? QStringLiteral("ü") : QStringLiteral("日");
        rows[row].ticked = row >= 2 && row < 4; // the last row unticked, never touched
    }
    ProgramFixture fx;
    {
        PrivateVault vault(fx.store());
        QVERIFY(vault.setPassword(QStringLiteral("pw")).written() && vault.enter(QStringLiteral("pw")).entry == Entry::Opened);
        QVERIFY(vault.save(rows).written());
    }
    QList<QByteArray> masked; // the forms to look for, each its only copy
    const auto keepMasked = [&](QByteArray form) {
        for (char &c : form)
            c ^= 0x5A;
        masked << form;
    };
    QString selected = rows.constLast().text.mid(1); // selected and copied below
    keepMasked(QByteArray(reinterpret_cast<const char *>(selected.utf16()), selected.size() * 2));
    sealing::wipeShared(selected);
    for (TaskRow &row : rows) {
        keepMasked(row.text.toUtf8());
        keepMasked(QByteArray(reinterpret_cast<const char *>(row.text.utf16()), row.text.size() * 2));
        sealing::wipeShared(row.text);
    }
    QVERIFY(!platform::memoryIsGuarded());
    fx.start();
    ui::trigger(fx.window(QStringLiteral("frmMain")), QStringLiteral("mnupriv"));
    Form *entry = fx.window(QStringLiteral("frmpriv"));
    ui::child<QLineEdit>(entry, QStringLiteral("Text1"))->setText(QStringLiteral("pw"));
    ui::click(ui::child<QPushButton>(entry, QStringLiteral("cmdok")));
    auto *list = fx.window<TaskListWindow>(QStringLiteral("frmpriva2"));
    QVERIFY(list && list->isVisible() && list->textBox(5)->text().size() == 25);
    list->grab(); // drawn, as on screen
    QVERIFY(platform::memoryIsGuarded());
    // A row ticked now keeps its text once, in its box: the copy it was
    // shown from before the stars went with its last character.
    QCOMPARE(inMemory(masked[2]), 2);
    ui::clickTick(list->tickBox(1));
    QCOMPARE(inMemory(masked[2]), 1);
    // Typed over and saved: what the save read from the boxes goes too.
    list->textBox(2)->selectAll();
    QTest::keyClicks(list->textBox(2), QStringLiteral("typed over"));
    ui::click(ui::child<QPushButton>(list, QStringLiteral("cmdsave")));
    // Part of a row never edited, selected (which X11 offers to other
    // programs at once) and copied: neither outlives the window. Only a
    // platform with a clipboard of its own says whose the copy is.
    if (QGuiApplication::clipboard()->supportsSelection()) {
        list->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(list));
        list->textBox(5)->setFocus();
        QTest::keyClick(list->textBox(5), Qt::Key_Home);
        QTest::keyClick(list->textBox(5), Qt::Key_Right);
        QTest::keyClick(list->textBox(5), Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(list->textBox(5), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->ownsSelection() && QGuiApplication::clipboard()->ownsClipboard());
    }

    static bool guarded, anyFound;
    guarded = anyFound = false;
    connect(list->textBox(5), &QLineEdit::textChanged, this, [&masked] {
        guarded = platform::memoryIsGuarded();
        for (const QByteArray &form : std::as_const(masked))
            anyFound = anyFound || inMemory(form) > 0;
    });
    ui::close(list);
    ProgramFixture::settle();
    QVERIFY(guarded);
    QVERIFY2(!anyFound, "a row of the closed private list is still in memory");
    for (qsizetype i = 0; i < masked.size(); ++i)
        QVERIFY2(inMemory(masked[i]) == 0, qPrintable(QStringLiteral("form %1 of a row is in memory after the window went").arg(i)));
    QVERIFY(!platform::memoryIsGuarded());
}

// The new key, hash and list are in the file even when the folder's sync
// fails after the rename: set, and never set again over them.
void PrivateVaultTest::aPasswordSetWithoutTheDisksWordIsSetOnce()
{
    Session session(path());
    QVERIFY(session.vault.setPassword(QStringLiteral("old")).written() && session.opens(QStringLiteral("old")));
    QVERIFY(session.vault.save(referenceRows).written());
    QVERIFY(session.opens(QStringLiteral("old")) && session.vault.startChange().written());
    filefaults::failNext(filefaults::Call::FolderSync, EIO);
    const StoreResult set = session.vault.setPassword(QStringLiteral("new"));
    QCOMPARE(set.status, StoreResult::Status::Unconfirmed);
    QVERIFY(!session.vault.setPassword(QStringLiteral("new")).written()); // OK pressed again
    QVERIFY(session.opens(QStringLiteral("new")));
    QCOMPARE(session.vault.load(5), (LoadedList{referenceRows, {}}));
}

void PrivateVaultTest::anOpenListFollowsWhatAnotherCopySaves()
{
    Session here(path());
    QVERIFY(here.vault.setPassword(QStringLiteral("pw")).written());
    QVERIFY(here.opens(QStringLiteral("pw")));
    Session other(path());
    QVERIFY(other.opens(QStringLiteral("pw")));
    const QList<TaskRow> saved = rowsOf({QStringLiteral("from the other copy")}) << TaskRow{} << TaskRow{} << TaskRow{} << TaskRow{};
    QVERIFY(other.vault.save(saved).written());
    QCOMPARE(here.vault.follow(5), std::optional<QList<TaskRow>>(saved));
}

QTEST_MAIN(PrivateVaultTest)
#include "tst_privatevault.moc"
