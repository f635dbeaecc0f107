// Turning a registry value into text.
#include "platform/registryvalue.h"

#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(std::vector<unsigned char>)

namespace {

std::vector<unsigned char> bytes(const QByteArray &data)
{
    return {data.begin(), data.end()};
}

} // namespace

class RegistryValueTest : public QObject
{
    Q_OBJECT

private slots:
    void converts_data();
    void converts();
};

void RegistryValueTest::converts_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<std::vector<unsigned char>>("value");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("text");

    const QByteArray path = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
    QTest::newRow("text with its NUL") << 1u << bytes(path + '\0') << true << path;
    QTest::newRow("text without a NUL") << 1u << bytes(path) << true << path;
    QTest::newRow("text of exactly 1024 bytes with its NUL")
        << 1u << bytes(QByteArray(1023, 'a') + '\0') << true << QByteArray(1023, 'a');
    QTest::newRow("text one byte too long") << 1u << bytes(QByteArray(1024, 'a') + '\0') << false << QByteArray("kept");
    QTest::newRow("empty text") << 1u << bytes({}) << true << QByteArray();
    QTest::newRow("only a NUL") << 1u << bytes(QByteArray(1, '\0')) << true << QByteArray();
    QTest::newRow("code page bytes kept as they are") << 1u << bytes("Gr\xfc\xdf" "e\0") << true
                                                      << QByteArray("Gr\xfc\xdf" "e");
    QTest::newRow("number, most significant byte first")
        << 4u << bytes(QByteArray("\x78\x56\x34\x12", 4)) << true << QByteArray("&h12345678");
    QTest::newRow("number with upper-case hex digits")
        << 4u << bytes(QByteArray("\xef\xcd\xab\x9a", 4)) << true << QByteArray("&h9AABCDEF");
    QTest::newRow("number whose top byte is zero loses it like a NUL")
        << 4u << bytes(QByteArray("\x01\x02\x03\x00", 4)) << true << QByteArray("&h030201");
    QTest::newRow("empty number") << 4u << bytes({}) << true << QByteArray("&h");
    QTest::newRow("binary leaves the text as it was") << 3u << bytes("\x01\x02") << true << QByteArray("kept");
    QTest::newRow("multi-string leaves the text as it was") << 7u << bytes(QByteArray("a\0b\0\0", 5)) << true
                                                            << QByteArray("kept");
}

void RegistryValueTest::converts()
{
    QFETCH(uint, type);
    QFETCH(std::vector<unsigned char>, value);
    QFETCH(bool, ok);
    QFETCH(QByteArray, text);
    std::string out = "kept";
    QCOMPARE(registryvalue::convert(type, value.data(), value.size(), out), ok);
    QCOMPARE(QByteArray::fromStdString(out), text);
}

QTEST_GUILESS_MAIN(RegistryValueTest)
#include "tst_registryvalue.moc"
