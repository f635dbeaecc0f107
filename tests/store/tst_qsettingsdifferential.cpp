// The settings file's own writer and reader against QSettings, on random
// files: what either writes, the other reads with every value the same, and
// a file QSettings writes (and reads back itself) counts as exact, so it is
// never copied aside as hand-edited. And on random text in the form's
// alphabet (as a hand or another program may leave it), the store's own
// reading of a file it did not write finds what QSettings finds.
#include "store/inertvariants.h"
#include "store/copyreader.h"
#include "store/inidocument.h"
#include "store/qsettingsreading.h"
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

// Text made of what the INI form gives meaning to, and a little else.
QByteArray randomFile(QRandomGenerator &random)
{
    static const QList<QByteArray> pieces{"[", "]", "=", ";", "\"", "\\", ",", " ", "\t", "\n", "\r", "\r\n", "%",
                                          "%U", "%4", "1", "8", "F", "x", "a", "Task5", "Text1", "@", "@@", "/", "#", "?",
                                          "'", "\xc3\xa9", "\xef\xbb\xbf", "\xff", "general", "%General", "\x00"};
    const auto some = [&](int most) {
        QByteArray text;
        for (int n = random.bounded(most); n > 0; --n)
            text += pieces[random.bounded(int(pieces.size()))];
        return text;
    };
    QByteArray bytes = random.bounded(8) ? QByteArray() : QByteArray("\xef\xbb\xbf");
    for (int line = random.bounded(1, 8); line > 0; --line) {
        const int kind = random.bounded(10);
        bytes += kind == 0 ? '[' + some(4) + ']' : kind < 8 ? "Text" + some(3) + '=' + some(8) : some(6);
        bytes += random.bounded(6) ? "\n" : "\r\n";
    }
    if (!random.bounded(4)) // the last line unended, as an editor may leave it
        bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
    return bytes;
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
    void readsWhatQSettingsReadsFromAnyFile();
};

void QSettingsDifferentialTest::eachReadsWhatTheOtherWrites()
{
    QRandomGenerator random(testSeed(24));
    QTemporaryDir dir;
    int exactFiles = 0;
    IniDocument previous;
    QByteArray previousBytes;
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

        // A copy read against a store it is mostly the same as reads as it
        // does whole: the store's bytes with a line changed, added, taken
        // out, doubled or emptied, and any file at all.
        QByteArray edited = previousBytes;
        QList<QByteArray> lines = edited.split('\n');
        const qsizetype at = random.bounded(int(lines.size()));
        switch (random.bounded(6)) {
        case 0: lines[at] = randomFile(random).split('\n').first(); break;
        case 1: lines.removeAt(at); break;
        case 2: lines.insert(at, lines[at]); break;
        case 3: lines[at].clear(); break;
        case 4: lines.insert(at, "Added=" + QByteArray::number(round)); break;
        default: lines[at] += '1'; break;
        }
        edited = lines.join('\n');
        const CopyReader reader(previous, previousBytes);
        for (const QByteArray &copy : {edited, bytes, document.serialize(), previousBytes}) {
            QVERIFY2(reader.read(copy).document == IniDocument::parseExact(copy), copy.toHex().constData());
            QVERIFY2((reader.read(copy).identity == reader.read(previousBytes).identity) == (copy == previousBytes),
                     copy.toHex().constData());
        }
        previous = document;
        previousBytes = document.serialize();
    }
    qInfo("400 random files each way; %d of the files QSettings wrote read as exact", exactFiles);
}

void QSettingsDifferentialTest::readsWhatQSettingsReadsFromAnyFile()
{
    QRandomGenerator random(testSeed(25));
    QTemporaryDir dir;
    int damaged = 0;
    for (int round = 0; round < 3000; ++round) {
        const QByteArray bytes = withInertVariants(randomFile(random));
        const QString file = dir.filePath(QStringLiteral("any-%1.ini").arg(round));
        putFileBytes(file, bytes);
        const QSettings settings(file, QSettings::IniFormat);
        IniDocument expected;
        for (const QString &key : settings.allKeys()) {
            if (key.split(u'/').contains(QString()))
                continue;
            const qsizetype slash = key.indexOf(u'/');
            expected.set(slash < 0 ? QString() : key.first(slash), slash < 0 ? key : key.sliced(slash + 1),
                         settings.value(key).toString());
        }
        const QSettingsReading mine = readAsQSettingsDoes(bytes);
        QVERIFY2(mine.document == expected, bytes.toHex(' ').constData());
        QVERIFY2(mine.damaged == (settings.status() == QSettings::FormatError), bytes.toHex(' ').constData());
        damaged += mine.damaged ? 1 : 0;
    }
    qInfo("3000 random files read alike; %d of them damaged", damaged);
}

QTEST_GUILESS_MAIN(QSettingsDifferentialTest)
#include "tst_qsettingsdifferential.moc"
