// The settings file's own writer and reader against QSettings, on random
// files: what either writes, the other reads with every value the same, and
// a file QSettings writes (and reads back itself) counts as exact, so it is
// never copied aside as hand-edited.
#include "store/inidocument.h"
#include "support/filebytes.h"
#include "support/seed.h"

#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Value
{
    QString section; // empty: outside any section
    QString key;
    QString text;
};

QString randomText(QRandomGenerator &random, int length, bool name)
{
    static const QString marks = QStringLiteral("\\\"=;,#[]%@ /'\t\r\n");
    QString text;
    while (text.size() < length) {
        char32_t c = 0;
        switch (random.bounded(name ? 3 : 9)) {
        case 0: c = u'a' + random.bounded(26); break;
        case 1: c = name ? marks.at(random.bounded(8)).unicode() : marks.at(random.bounded(int(marks.size()))).unicode(); break;
        case 2: c = 0x80 + random.bounded(0x700); break;
        case 3: c = random.bounded(0x20); break;
        case 4: c = random.bounded(2) ? 0xFEFF : 0xFFFE; break;
        case 5: c = 0x10000 + random.bounded(0x110000 - 0x10000); break; // every plane
        case 6: c = 0xE000 + random.bounded(0x2000); break;
        case 7: c = u'0' + random.bounded(10); break; // after an escape, the digits matter
        default: // a long run of mostly plain text, written many characters at a time
            for (int n = random.bounded(16, 40); n > 0; --n)
                text += QChar(random.bounded(8) ? u" ;,=az"[random.bounded(6)] : u"\"\\\x1f\x7f\x80"[random.bounded(5)]);
            continue;
        }
        text += QChar::fromUcs4(c); // not QString::fromUcs4, which drops U+FEFF as a byte-order mark
    }
    // The '@' forms and empty values.
    if (!name && random.bounded(8) == 0)
        text.prepend(random.bounded(2) ? QStringLiteral("@") : QStringLiteral("@String("));
    if (name && (text.startsWith(u'/') || text.endsWith(u'/') || text.contains(QStringLiteral("//"))))
        text.replace(u'/', u'_');
    return text;
}

QList<Value> randomValues(QRandomGenerator &random)
{
    static const QStringList sections{QString(), QStringLiteral("Task5"), QStringLiteral("General"),
                                      QStringLiteral("Priv"), QStringLiteral("général"), QStringLiteral("a%b")};
    QList<Value> values;
    for (const QString &section : sections) {
        if (random.bounded(3) != 0)
            continue;
        QStringList keys;
        for (int k = random.bounded(1, 5); k > 0; --k) {
            const QString key = randomText(random, random.bounded(1, 6), true);
            if (!keys.contains(key)) {
                keys << key;
                values << Value{section, key, randomText(random, random.bounded(0, 12), false)};
            }
        }
    }
    return values;
}

QString path(const Value &value)
{
    return value.section.isEmpty() ? value.key : value.section + u'/' + value.key;
}

} // namespace

class QSettingsDifferentialTest : public QObject
{
    Q_OBJECT

private slots:
    void eachReadsWhatTheOtherWrites();
};

void QSettingsDifferentialTest::eachReadsWhatTheOtherWrites()
{
    QRandomGenerator random(testSeed(24));
    QTemporaryDir dir;
    int exactFiles = 0;
    for (int round = 0; round < 400; ++round) {
        const QList<Value> values = randomValues(random);
        // QSettings writes; a fresh QSettings on a copy (its cache knows
        // the original) says what the file holds.
        const QString written = dir.filePath(QStringLiteral("qsettings-%1.ini").arg(round));
        {
            QSettings settings(written, QSettings::IniFormat);
            for (const Value &value : values)
                settings.setValue(path(value), value.text);
        }
        const QByteArray bytes = QFile::exists(written) ? fileBytes(written) : QByteArray(); // none for no values
        putFileBytes(written + QStringLiteral(".copy"), bytes);
        const QSettings reread(written + QStringLiteral(".copy"), QSettings::IniFormat);
        const std::optional<IniDocument> parsed = IniDocument::parseExact(bytes);
        bool keptByQSettings = true;
        for (const Value &value : values) {
            const QString seen = reread.value(path(value)).toString();
            keptByQSettings = keptByQSettings && seen == value.text;
            if (parsed) {
                const QString *mine = parsed->find(value.section, value.key);
                QVERIFY2(mine && *mine == seen, bytes.toHex().constData());
            }
        }
        // Where QSettings' own reader loses nothing, nor may the store, and
        // the file is one it writes back byte for byte.
        QVERIFY2(!keptByQSettings || parsed, bytes.toHex().constData());
        exactFiles += parsed ? 1 : 0;

        // The store writes; QSettings reads every value as it was.
        IniDocument document;
        for (const Value &value : values)
            document.set(value.section, value.key, value.text);
        const QString own = dir.filePath(QStringLiteral("store-%1.ini").arg(round));
        putFileBytes(own, document.serialize());
        const QSettings fromStore(own, QSettings::IniFormat);
        for (const Value &value : values)
            QVERIFY2(fromStore.value(path(value)).toString() == value.text, document.serialize().toHex().constData());
        QVERIFY(IniDocument::parseExact(document.serialize()) == document);
    }
    qInfo("400 random files each way; %d of the files QSettings wrote read as exact", exactFiles);
}

QTEST_GUILESS_MAIN(QSettingsDifferentialTest)
#include "tst_qsettingsdifferential.moc"
