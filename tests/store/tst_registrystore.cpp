// The registry store: on Windows against the real registry, elsewhere
// against what QSettings puts in its place, under a key of the test's own.
#include "store/logbook.h"
#include "store/registrystore.h"
#include "store/storekeys.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

class RegistryStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void anyTextComesBackAsWritten_data();
    void anyTextComesBackAsWritten();
    void aBatchWritesRemovesKeysAndSections();
    void removingAMissingSectionIsReportedNotRefused();
    void aTaskSavedTickedIsLoggedOnceAndUntickingTakesItBack();

private:
    RegistryStore store() const { return RegistryStore(m_organisation, m_application); }

    QTemporaryDir m_elsewhere; // where QSettings keeps it off Windows
    const QString m_organisation = QStringLiteral("VelmorwickTests");
    QString m_application;
};

void RegistryStoreTest::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_elsewhere.path());
}

void RegistryStoreTest::init()
{
    m_application = QUuid::createUuid().toString(QUuid::WithoutBraces);
}

void RegistryStoreTest::cleanup()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, m_organisation, m_application).clear();
}

void RegistryStoreTest::anyTextComesBackAsWritten_data()
{
    QTest::addColumn<QString>("text");
    QString everyPlane;
    for (char32_t plane = 0; plane <= 16; ++plane) {
        const char32_t c = (plane << 16) | 0x4E2Du;
        everyPlane += QString::fromUcs4(&c, 1);
    }
    QTest::newRow("empty") << QString();
    QTest::newRow("plain") << QStringLiteral("Call the plumber");
    QTest::newRow("100,000 characters") << QString(100000, u'w') + QStringLiteral("end");
    QTest::newRow("every plane of Unicode") << everyPlane;
    QTest::newRow("what files and keys escape") << QStringLiteral("a=b;c#d [x] \\ \"q\" 50% /slash\tand\nlines");
    QTest::newRow("blanks around") << QStringLiteral("  both sides  ");
}

void RegistryStoreTest::anyTextComesBackAsWritten()
{
    QFETCH(QString, text);
    QVERIFY(store().write(storekeys::taskSection(10), storekeys::textKey(1), text).written());
    QCOMPARE(store().read(storekeys::taskSection(10), storekeys::textKey(1)), text);
}

void RegistryStoreTest::aBatchWritesRemovesKeysAndSections()
{
    RegistryStore registry = store();
    QVERIFY(registry
                .apply({StoreChange::write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("one")),
                        StoreChange::write(QStringLiteral("Task5"), QStringLiteral("Tick1"), QStringLiteral("1")),
                        StoreChange::write(QStringLiteral("Task7"), QStringLiteral("Text1"), QStringLiteral("seven")),
                        StoreChange::write(QStringLiteral("Priv"), QStringLiteral("Text1"), QStringLiteral("plain")),
                        StoreChange::write(QStringLiteral("Priv"), QStringLiteral("Sealed"), QStringLiteral("1$abc"))})
                .written());
    const StoreResult result =
        registry.apply({StoreChange::removeKey(QStringLiteral("Priv"), QStringLiteral("Text1")),
                        StoreChange::removeSection(QStringLiteral("Task7")),
                        StoreChange::write(QStringLiteral("Task5"), QStringLiteral("Text1"), QStringLiteral("changed"))});
    QCOMPARE(result.status, StoreResult::Status::Done);
    const RegistryStore reread = store();
    QCOMPARE(reread.read(QStringLiteral("Task5"), QStringLiteral("Text1")), QStringLiteral("changed"));
    QCOMPARE(reread.read(QStringLiteral("Task5"), QStringLiteral("Tick1")), QStringLiteral("1"));
    QCOMPARE(reread.read(QStringLiteral("Task7"), QStringLiteral("Text1")), QString());
    QCOMPARE(reread.read(QStringLiteral("Priv"), QStringLiteral("Text1")), QString());
    QCOMPARE(reread.read(QStringLiteral("Priv"), QStringLiteral("Sealed")), QStringLiteral("1$abc"));
    QStringList keys = QSettings(QSettings::NativeFormat, QSettings::UserScope, m_organisation, m_application).allKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{QStringLiteral("Priv/Sealed"), QStringLiteral("Task5/Text1"),
                                QStringLiteral("Task5/Tick1")}));
}

void RegistryStoreTest::removingAMissingSectionIsReportedNotRefused()
{
    const StoreResult result = store().removeSection(QStringLiteral("Task9"));
    QCOMPARE(result.status, StoreResult::Status::SectionMissing);
    QVERIFY(result.written());
}

void RegistryStoreTest::aTaskSavedTickedIsLoggedOnceAndUntickingTakesItBack()
{
    const QString path = m_elsewhere.filePath(m_application + QStringLiteral(".done.log"));
    RegistryStore registry(m_organisation, m_application, path);
    const auto row = [](const QString &text, const QString &tick) {
        return QList<StoreChange>{StoreChange::write(QStringLiteral("Task5"), QStringLiteral("Text2"), text),
                                  StoreChange::write(QStringLiteral("Task5"), QStringLiteral("Tick2"), tick)};
    };
    const auto done = [&] {
        SettingsStore::Done logged;
        return registry.doneTasks(&logged, {}).written() ? logged.entries : QList<logbook::Entry>{logbook::Entry{QStringLiteral("?"), {}, {}, {}, {}, true}};
    };
    QVERIFY(registry.apply(row(QStringLiteral("Call the plumber"), QStringLiteral("1"))).written());
    QVERIFY(registry.apply(row(QStringLiteral("Call the plumber"), QStringLiteral("1"))).written()); // saved again
    QCOMPARE(done().size(), 1);
    QCOMPARE(done().first().text, QStringLiteral("Call the plumber"));
    QVERIFY(qAbs(done().first().when.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    QVERIFY(registry.removeSection(QStringLiteral("Task5")).written()); // Clear List leaves it
    QCOMPARE(done().size(), 1);
    QVERIFY(registry.apply(row(QStringLiteral("Water the plants"), QStringLiteral("1"))).written());
    QVERIFY(registry.apply(row(QStringLiteral("Water the plants"), QStringLiteral("0"))).written());
    QCOMPARE(done().size(), 2);
    QVERIFY(!done().first().done);
    // A backup's logbook comes back into a new one whole, and only once.
    QByteArray lines;
    QVERIFY(registry.logbookForBackup(&lines).written());
    RegistryStore elsewhere(m_organisation, m_application, path + QStringLiteral(".restored"));
    QVERIFY(elsewhere.restoreLogbook(lines).written() && elsewhere.restoreLogbook(lines).written());
    SettingsStore::Done restored;
    QVERIFY(elsewhere.doneTasks(&restored, {}).written());
    QCOMPARE(restored.entries.size(), 2);
    QCOMPARE(restored.entries.last().text, QStringLiteral("Call the plumber"));
}

QTEST_MAIN(RegistryStoreTest)
#include "tst_registrystore.moc"
