// The private list at rest: what the settings folder holds while a password
// is stored, password changes finished or not, an earlier version's plain
// list, and a sealed value that was altered.
#include "private/passwordhash.h"
#include "private/privatevault.h"
#include "store/conffilestore.h"
#include "store/storekeys.h"

#include <QDir>
#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

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
    int writes = 0;

private:
    ConfFileStore m_store;
};

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

    void anyTextRoundTripsAndNeverLiesInTheClear_data();
    void anyTextRoundTripsAndNeverLiesInTheClear();
    void aChangedPasswordOpensTheListAndTheOldOneNoLonger();
    void anUnfinishedChangeKeepsTheListForTheNextPassword();
    void anEarlierPlainListIsEncryptedAtTheFirstRightEntryInOneWrite_data();
    void anEarlierPlainListIsEncryptedAtTheFirstRightEntryInOneWrite();
    void anAlteredValueIsKeptAsideAndTheListOpensEmpty_data();
    void anAlteredValueIsKeptAsideAndTheListOpensEmpty();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Velmorwick.conf")); }
    // Every file in the settings folder, kept copies and leftovers included.
    void verifyNowhereInTheFolder(const QStringList &texts);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void PrivateVaultTest::init()
{
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

void PrivateVaultTest::aChangedPasswordOpensTheListAndTheOldOneNoLonger()
{
    ConfFileStore store(path());
    PrivateVault vault(store);
    QVERIFY(vault.setPassword(QStringLiteral("old")).written());
    QCOMPARE(vault.enter(QStringLiteral("old")).entry, Entry::Opened);
    const QList<TaskRow> rows = rowsOf({QStringLiteral("ring the bank"), QStringLiteral("gift for Sam")}) << TaskRow{}
                                                                                                      << TaskRow{}
                                                                                                      << TaskRow{};
    QVERIFY(vault.save(rows).written());
    QCOMPARE(vault.enter(QStringLiteral("wrong")).entry, Entry::Wrong);
    QVERIFY(!vault.isOpen());

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
                            StoreChange::write(taskSection(5), textKey(1), QStringLiteral("a day task"))})
                    .written());
    }
    CountingStore store(path());
    PrivateVault vault(store);
    QCOMPARE(vault.enter(QStringLiteral("open sesame")).entry, Entry::Wrong);
    QCOMPARE(store.writes, 0);
    QCOMPARE(vault.enter(password).entry, Entry::Opened);
    QCOMPARE(store.writes, 1);
    verifyNowhereInTheFolder({QStringLiteral("old secret"), QStringLiteral("another one"), password});
    QCOMPARE(store.read(taskSection(5), textKey(1)), QStringLiteral("a day task"));
    QCOMPARE(store.read(privateSection, tickKey(1)), QString());

    CountingStore reopened(path());
    PrivateVault again(reopened);
    QCOMPARE(again.enter(password).entry, Entry::Opened);
    QCOMPARE(reopened.writes, 0); // nothing left to encrypt
    const QList<TaskRow> expected{{QStringLiteral("old secret"), true}, {}, {}, {QStringLiteral("another one"), false}, {}};
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

    ConfFileStore store(path());
    PrivateVault vault(store);
    QCOMPARE(vault.enter(QStringLiteral("pw")).entry, Entry::Opened);
    const LoadedList loaded = vault.load(5);
    QVERIFY(loaded.problem.contains(keptAsideSection));
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

QTEST_MAIN(PrivateVaultTest)
#include "tst_privatevault.moc"
