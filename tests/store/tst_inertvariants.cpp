// A value QSettings would read as another type, however the file writes it,
// gets a second '@' and is read as the text it is; nothing else changes.
#include "store/inertvariants.h"

#include <QTest>

class InertVariantsTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyAValueStartingWithOneAtIsChanged_data();
    void onlyAValueStartingWithOneAtIsChanged();
};

void InertVariantsTest::onlyAValueStartingWithOneAtIsChanged_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("inert");
    QTest::newRow("plain") << QByteArray("k=@Variant(\\0)\n") << QByteArray("k=@@Variant(\\0)\n");
    QTest::newRow("after spaces") << QByteArray("k = @Rect(1 2 3 4)\n") << QByteArray("k = @@Rect(1 2 3 4)\n");
    QTest::newRow("quoted") << QByteArray("k=\"@Variant(\\0)\"\n") << QByteArray("k=\"@@Variant(\\0)\"\n");
    QTest::newRow("in a list") << QByteArray("k=a,@Variant(\\0)\n") << QByteArray("k=a,@@Variant(\\0)\n");
    QTest::newRow("hex escape") << QByteArray("k=\\x40Variant(\\0)\n") << QByteArray("k=@\\x40Variant(\\0)\n");
    QTest::newRow("hex, zeros first") << QByteArray("k=\\x0040x\n") << QByteArray("k=@\\x0040x\n");
    QTest::newRow("hex past 16 bits") << QByteArray("k=\\x10040x\n") << QByteArray("k=@\\x10040x\n");
    QTest::newRow("octal escape") << QByteArray("k=\\100x\n") << QByteArray("k=@\\100x\n");
    QTest::newRow("after a line continued") << QByteArray("k=\\\n@x\n") << QByteArray("k=\\\n@@x\n");
    QTest::newRow("two lines") << QByteArray("a=1\nk=@x\n") << QByteArray("a=1\nk=@@x\n");
    // Unchanged: an '@' already doubled, or escaped as two, or not first.
    QTest::newRow("doubled") << QByteArray("k=@@x\n") << QByteArray("k=@@x\n");
    QTest::newRow("hex escapes, the second not @") << QByteArray("k=\\x40\\x56ariant(\\0)\n")
                                                  << QByteArray("k=@\\x40\\x56ariant(\\0)\n");
    QTest::newRow("escaped, then one") << QByteArray("k=\\x40@\n") << QByteArray("k=\\x40@\n");
    QTest::newRow("not first") << QByteArray("k=a@x, b@y\n") << QByteArray("k=a@x, b@y\n");
    QTest::newRow("a space quoted first") << QByteArray("k=\" @x\"\n") << QByteArray("k=\" @x\"\n");
    QTest::newRow("a comma quoted") << QByteArray("k=\"a,@x\"\n") << QByteArray("k=\"a,@x\"\n");
    QTest::newRow("a section") << QByteArray("[@x]\n") << QByteArray("[@x]\n");
    QTest::newRow("a comment") << QByteArray(";k=@x\n") << QByteArray(";k=@x\n");
    QTest::newRow("ends in a backslash") << QByteArray("k=a\\") << QByteArray("k=a\\");
}

void InertVariantsTest::onlyAValueStartingWithOneAtIsChanged()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, inert);
    QCOMPARE(withInertVariants(file), inert);
}

QTEST_GUILESS_MAIN(InertVariantsTest)
#include "tst_inertvariants.moc"
