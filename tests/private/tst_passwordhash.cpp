// The stored form of the private list's password.
#include "private/passwordhash.h"
#include "private/sealing.h"

#include <QTest>

using passwordhash::Verdict;

class PasswordHashTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheExactPasswordMatchesItsHash_data();
    void onlyTheExactPasswordMatchesItsHash();
    void aHashLibsodiumWroteIsReadTheSame();
    void aFailedDerivationIsNeitherRightNorWrong();
    void theHashHidesThePasswordAndIsSaltedAnew();
    void aPlainValueFromAnEarlierVersionStillWorksWhenTypedExactly_data();
    void aPlainValueFromAnEarlierVersionStillWorksWhenTypedExactly();
    void nothingMatchesAnEmptyStore();
    void aHashAskingForFarMoreWorkIsRefusedAtOnce_data();
    void aHashAskingForFarMoreWorkIsRefusedAtOnce();
};

void PasswordHashTest::onlyTheExactPasswordMatchesItsHash_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matches");
    QTest::newRow("same") << QStringLiteral("Tulip42") << QStringLiteral("Tulip42") << true;
    QTest::newRow("other case") << QStringLiteral("Tulip42") << QStringLiteral("tulip42") << false;
    QTest::newRow("extra trailing blank") << QStringLiteral("Tulip42") << QStringLiteral("Tulip42 ") << false;
    QTest::newRow("extra leading blank") << QStringLiteral("Tulip42") << QStringLiteral(" Tulip42") << false;
    QTest::newRow("three spaces") << QStringLiteral("   ") << QStringLiteral("   ") << true;
    QTest::newRow("two of three spaces") << QStringLiteral("   ") << QStringLiteral("  ") << false;
    QTest::newRow("unicode") << QStringLiteral(u"pässwörd 密码") << QStringLiteral(u"pässwörd 密码") << true;
    QTest::newRow("prefix only") << QStringLiteral("abcdef") << QStringLiteral("abc") << false;
}

void PasswordHashTest::onlyTheExactPasswordMatchesItsHash()
{
    QFETCH(QString, password);
    QFETCH(QString, typed);
    QFETCH(bool, matches);
    QCOMPARE(passwordhash::check(passwordhash::hash(password), typed), matches ? Verdict::Matches : Verdict::Wrong);
}

// Written by libsodium's crypto_pwhash_str for 3.0.1, as every store of
// that release holds it.
void PasswordHashTest::aHashLibsodiumWroteIsReadTheSame()
{
    const QString stored = QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$sX4of5x/hs++dN/ZueP6YQ$"
                                          "EpFP/DH7i0Qcj1K9CwZn9cOxyKAp8pgWMH+fdCAhJ2U");
    QCOMPARE(passwordhash::check(stored, QStringLiteral("Reference pässwörd 1")), Verdict::Matches);
    QCOMPARE(passwordhash::check(stored, QStringLiteral("Reference passwörd 1")), Verdict::Wrong);
    QCOMPARE(passwordhash::hash(QStringLiteral("x")).section(u'$', 0, 3), stored.section(u'$', 0, 3));
}

void PasswordHashTest::aFailedDerivationIsNeitherRightNorWrong()
{
    const QString stored = passwordhash::hash(QStringLiteral("Tulip42"));
    sealing::setDerivationFunction([](unsigned char *, unsigned long long, const char *, unsigned long long,
                                      const unsigned char *, unsigned long long, size_t, int) { return -1; });
    const Verdict verdict = passwordhash::check(stored, QStringLiteral("Tulip42"));
    const QString hashed = passwordhash::hash(QStringLiteral("Tulip42"));
    sealing::setDerivationFunction(nullptr);
    QCOMPARE(verdict, Verdict::Failed);
    QCOMPARE(hashed, QString());
}

void PasswordHashTest::theHashHidesThePasswordAndIsSaltedAnew()
{
    const QString first = passwordhash::hash(QStringLiteral("Tulip42"));
    const QString second = passwordhash::hash(QStringLiteral("Tulip42"));
    QVERIFY(first.startsWith(QStringLiteral("$argon2id$")));
    QVERIFY(!first.contains(QStringLiteral("Tulip42")));
    QVERIFY(first != second);
}

void PasswordHashTest::aPlainValueFromAnEarlierVersionStillWorksWhenTypedExactly_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("verdict");
    QTest::newRow("typed exactly") << QStringLiteral("Open Sesame") << QStringLiteral("Open Sesame")
                                   << int(Verdict::MatchesPlainText);
    QTest::newRow("other case") << QStringLiteral("Open Sesame") << QStringLiteral("open sesame") << int(Verdict::Wrong);
    QTest::newRow("looks like a hash but is not one")
        << QStringLiteral("$argon2id$not really") << QStringLiteral("$argon2id$not really")
        << int(Verdict::MatchesPlainText);
    QTest::newRow("spaces") << QStringLiteral("  ") << QStringLiteral("  ") << int(Verdict::MatchesPlainText);
}

void PasswordHashTest::aPlainValueFromAnEarlierVersionStillWorksWhenTypedExactly()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(int, verdict);
    QCOMPARE(int(passwordhash::check(stored, typed)), verdict);
}

void PasswordHashTest::nothingMatchesAnEmptyStore()
{
    QCOMPARE(passwordhash::check(QString(), QString()), Verdict::Wrong);
    QCOMPARE(passwordhash::check(QString(), QStringLiteral("x")), Verdict::Wrong);
    // A hash of an algorithm the program does not use is never taken for its own.
    const QString otherAlgorithm = passwordhash::hash(QStringLiteral("x")).replace(QStringLiteral("$argon2id$"), QStringLiteral("$argon2d$"));
    QVERIFY(passwordhash::check(otherAlgorithm, QStringLiteral("x")) != Verdict::Matches);
}

void PasswordHashTest::aHashAskingForFarMoreWorkIsRefusedAtOnce_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<bool>("checked");
    QTest::newRow("as written") << QByteArray("t=2,") << QByteArray("t=2,") << true;
    QTest::newRow("200 passes") << QByteArray("t=2,") << QByteArray("t=200,") << false;
    QTest::newRow("16 GiB") << QByteArray("m=65536,") << QByteArray("m=16777216,") << false;
    QTest::newRow("64 lanes") << QByteArray(",p=1$") << QByteArray(",p=64$") << false;
}

void PasswordHashTest::aHashAskingForFarMoreWorkIsRefusedAtOnce()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(bool, checked);
    QByteArray stored = passwordhash::hash(QStringLiteral("Tulip42")).toLatin1();
    QVERIFY(stored.contains(from));
    stored.replace(from, to);
    // Refused is told apart from checked: a computed hash says Matches or Wrong.
    QCOMPARE(passwordhash::check(QString::fromLatin1(stored), QStringLiteral("Tulip42")),
             checked ? Verdict::Matches : Verdict::TooCostly);
}

QTEST_GUILESS_MAIN(PasswordHashTest)
#include "tst_passwordhash.moc"
