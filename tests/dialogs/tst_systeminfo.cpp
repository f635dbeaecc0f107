// Finding the system information tool, against a scripted registry.
#include "dialogs/systeminfo.h"

#include <QTest>

#include <map>

namespace {

class ScriptedHost final : public SystemInfoHost
{
public:
    std::map<std::string, std::string> values; // "key|value name" -> text
    std::map<std::string, bool> files;
    bool startWorks = true;
    std::vector<std::string> started;
    int lookups = 0;

    bool getKeyValue(std::uint32_t root, const std::string &keyName, const std::string &valueName,
                     std::string &value) override
    {
        ++lookups;
        value.clear();
        const auto it = values.find(keyName + "|" + valueName);
        if (root != systeminfo::localMachine || it == values.end())
            return false;
        value = it->second;
        return true;
    }
    bool fileExists(const std::string &path) override { return files[path]; }
    bool start(const std::string &commandLine) override
    {
        started.push_back(commandLine);
        return startWorks;
    }
};

const std::string toolEntry = std::string(systeminfo::toolKey) + "|" + systeminfo::toolValue;
const std::string folderEntry = std::string(systeminfo::folderKey) + "|" + systeminfo::folderValue;

} // namespace

class SystemInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void theToolsOwnEntryIsTakenWithoutLookingForTheFile()
    {
        ScriptedHost host;
        host.values[toolEntry] = "C:\\Tools\\msinfo32.exe";
        QVERIFY(systeminfo::start(host));
        QCOMPARE(host.started, std::vector<std::string>{"C:\\Tools\\msinfo32.exe"});
        QCOMPARE(host.lookups, 1);
    }

    void theFolderEntryIsUsedWhenTheFileIsThere()
    {
        ScriptedHost host;
        host.values[folderEntry] = "C:\\Shared\\MSInfo";
        host.files["C:\\Shared\\MSInfo\\MSINFO32.EXE"] = true;
        QVERIFY(systeminfo::start(host));
        QCOMPARE(host.started, std::vector<std::string>{"C:\\Shared\\MSInfo\\MSINFO32.EXE"});
    }

    void theFolderEntryWithoutTheFileIsUnavailable()
    {
        ScriptedHost host;
        host.values[folderEntry] = "C:\\Shared\\MSInfo";
        QVERIFY(!systeminfo::start(host));
        QVERIFY(host.started.empty());
    }

    void neitherEntryIsUnavailable()
    {
        ScriptedHost host;
        QVERIFY(!systeminfo::start(host));
        QCOMPARE(host.lookups, 2);
    }

    void aToolThatWillNotStartIsUnavailable()
    {
        ScriptedHost host;
        host.values[toolEntry] = "C:\\Tools\\msinfo32.exe";
        host.startWorks = false;
        QVERIFY(!systeminfo::start(host));
    }

    void anEmptyEntryIsUnavailable()
    {
        ScriptedHost host;
        host.values[toolEntry] = "";
        QVERIFY(!systeminfo::start(host));
        QVERIFY(host.started.empty());
    }
};

QTEST_GUILESS_MAIN(SystemInfoTest)
#include "tst_systeminfo.moc"
