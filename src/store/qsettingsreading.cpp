#include "qsettingsreading.h"

#include <QLibraryInfo>
#include <QHash>
#include <QMap>
#include <QStringDecoder>
#include <QStringList>
#include <QVersionNumber>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// One logical line from `at`: it ends at a line break outside quotes, or
// before a ';' outside quotes; a backslash carries it over a line break. A
// ';' that begins a line makes the line a comment, skipped. Blank space
// before a line is skipped.
struct Line
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1; // the first '=' outside quotes, from the data's start
};

bool nextLine(QByteArrayView data, qsizetype &at, Line &line)
{
    const qsizetype size = data.size();
    bool quoted = false;
    line.equals = -1;
    line.start = at;
    while (line.start < size && isSpace(data[line.start]))
        ++line.start;
    qsizetype i = line.start;
    while (i < size) {
        const char c = data[i++];
        switch (c) {
        case '=':
            if (!quoted && line.equals < 0)
                line.equals = i - 1;
            break;
        case '\n':
        case '\r':
            if (i == line.start + 1) {
                ++line.start;
            } else if (!quoted) {
                --i;
                goto ended;
            }
            break;
        case '\\':
            if (i < size) {
                const char escaped = data[i++];
                if (i < size && ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n')))
                    ++i;
            }
            break;
        case '"':
            quoted = !quoted;
            break;
        case ';':
            if (i == line.start + 1) {
                while (i < size && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < size && isSpace(data[i]))
                    ++i;
                line.start = i;
            } else if (!quoted) {
                --i;
                goto ended;
            }
            break;
        default:
            break;
        }
    }
ended:
    at = i;
    line.length = i - line.start;
    return line.length > 0;
}

// A section's or key's name: '\' stands for '/', %XX and %UXXXX for a
// character; a '%' that starts no such code stands for itself.
QString unescapedName(QByteArrayView raw)
{
    const QString decoded = QString::fromUtf8(raw);
    QString name;
    name.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size();) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            name += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == decoded.size() - 1) {
            name += c;
            ++i;
            continue;
        }
        const qsizetype first = i + 1 + (decoded[i + 1] == u'U' ? 1 : 0);
        const qsizetype digits = decoded[i + 1] == u'U' ? 4 : 2;
        bool ok = false;
        const ushort code = first + digits <= decoded.size()
                                ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16)
                                : 0;
        if (!ok) {
            name += u'%';
            ++i;
            continue;
        }
        name += QChar(code);
        i = first + digits;
    }
    return name;
}

int digitOf(char c, int base)
{
    const int value = c >= '0' && c <= '9' ? c - '0' : (c | 0x20) >= 'a' && (c | 0x20) <= 'f' ? (c | 0x20) - 'a' + 10 : 99;
    return value < base ? value : -1;
}

// A value: C-style escapes, quotes that keep blanks and commas, blanks
// around it dropped; a comma outside quotes makes it a list, which the
// program reads as no text.
QString unescapedValue(QByteArrayView raw)
{
    QString text;
    text.reserve(raw.size());
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    bool list = false;
    bool quoted = false;
    bool elementQuoted = false;
    bool endsInABackslash = false; // keeps the blanks before it
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
            ++i;
    };
    const auto chopBlanks = [&](qsizetype limit) {
        while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t'))
            text.chop(1);
    };
    skipBlanks();
    qsizetype chopLimit = 0;
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= raw.size()) {
                endsInABackslash = true;
                break;
            }
            const char code = raw[i++];
            static const char simple[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                             {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                             {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool done = false;
            for (const auto &pair : simple) {
                if (code == pair[0]) {
                    text += QLatin1Char(pair[1]);
                    done = true;
                    break;
                }
            }
            if (done) {
                chopLimit = text.size();
                continue;
            }
            const int base = code == 'x' ? 16 : digitOf(code, 8) >= 0 ? 8 : 0;
            if (base == 16 && (i >= raw.size() || digitOf(raw[i], 16) < 0)) {
                // "\x" without a digit: nothing
            } else if (base) {
                char16_t value = base == 8 ? char16_t(digitOf(code, 8)) : 0;
                while (i < raw.size() && digitOf(raw[i], base) >= 0)
                    value = char16_t(value * base + digitOf(raw[i++], base));
                text += QChar(value);
            } else if ((code == '\n' || code == '\r') && i < raw.size()
                       && (raw[i] == '\n' || raw[i] == '\r') && raw[i] != code) {
                ++i; // a line carried over
            }
            chopLimit = text.size();
        } else if (c == '"') {
            ++i;
            elementQuoted = true;
            quoted = !quoted;
            if (!quoted) {
                skipBlanks();
                chopLimit = text.size();
            }
        } else if (c == ',' && !quoted) {
            list = true; // what follows only decides where this ends
            if (!elementQuoted)
                chopBlanks(chopLimit);
            text.clear();
            elementQuoted = false;
            ++i;
            skipBlanks();
            chopLimit = 0;
        } else {
            qsizetype end = i + 1;
            while (end < raw.size() && raw[end] != '\\' && raw[end] != '"' && raw[end] != ',')
                ++end;
            text += fromUtf8(raw.sliced(i, end - i));
            i = end;
        }
    }
    if (list)
        return {};
    if (!elementQuoted && !endsInABackslash)
        chopBlanks(chopLimit);
    // One '@' of two begins the text; a single one stays as it is.
    if (text.startsWith(QLatin1String("@@")))
        text.remove(0, 1);
    return text;
}

} // namespace

QSettingsReading readAsQSettingsDoes(QByteArrayView data)
{
    QSettingsReading reading;
    // A leading byte-order mark is skipped. Before Qt 6.5 the keys outside
    // any section are read from the file's first byte all the same, mark
    // included: where no key follows it on its line, QSettings reports damage.
    static const bool markInFirstSection = QLibraryInfo::version() < QVersionNumber(6, 5);
    const bool marked = data.size() != IniDocument::withoutByteOrderMark(data).size();
    if (!markInFirstSection)
        data = IniDocument::withoutByteOrderMark(data);
    // The lines of each section, by its name ("" for the keys outside any,
    // else the name and '/'); a section named twice is read as one.
    QMap<QString, QList<QByteArrayView>> sections;
    QString current;
    qsizetype sectionStart = 0;
    qsizetype at = marked && markInFirstSection ? 3 : 0;
    Line line;
    const auto close = [&](qsizetype end) { sections[current] << data.sliced(sectionStart, end - sectionStart); };
    while (nextLine(data, at, line)) {
        const QByteArrayView text = data.sliced(line.start, line.length);
        if (!text.startsWith('['))
            continue;
        close(line.start);
        qsizetype bracket = text.indexOf(']');
        if (bracket < 0) {
            reading.damaged = true;
            bracket = text.size();
        }
        const QByteArrayView name = text.first(bracket).sliced(1).trimmed();
        if (name.compare("general", Qt::CaseInsensitive) == 0)
            current.clear();
        else if (name.compare("%general", Qt::CaseInsensitive) == 0)
            current = QString::fromLatin1(name.sliced(1)) + u'/';
        else
            current = unescapedName(name) + u'/';
        sectionStart = at;
    }
    close(data.size());

    QMap<QString, QString> values; // sorted, as QSettings lists its keys
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        QByteArray joined;
        QByteArrayView lines = section.value().first();
        if (section.value().size() > 1) {
            for (const QByteArrayView piece : section.value())
                joined += (joined.isEmpty() ? QByteArray() : QByteArray("\n")) + piece.toByteArray();
            lines = joined;
        }
        qsizetype pos = 0;
        while (nextLine(lines, pos, line)) {
            const QByteArrayView text = lines.sliced(line.start, line.length);
            if (line.equals < 0) {
                reading.damaged = reading.damaged || !text.startsWith(';');
                continue;
            }
            const qsizetype equals = line.equals - line.start;
            values.insert(section.key() + unescapedName(text.first(equals).trimmed()),
                          unescapedValue(text.sliced(equals + 1)));
        }
    }
    // The keys of a section come one after another (the keys outside any
    // section aside, which sort among the sections' names): each run of a
    // section is looked up once, not each key.
    QList<IniDocument::Section> document;
    QHash<QString, qsizetype> where;
    qsizetype run = -1;
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        const QString &key = value.key();
        if (key.isEmpty() || key.startsWith(u'/') || key.endsWith(u'/') || key.contains(QLatin1String("//")))
            continue; // an empty part: nothing QSettings could look up
        const qsizetype slash = key.indexOf(u'/');
        const QStringView section = slash < 0 ? QStringView() : QStringView(key).first(slash);
        if (run < 0 || document[run].name != section) {
            const QString name = section.toString();
            run = where.value(name, document.size());
            if (run == document.size()) {
                where.insert(name, run);
                document.append({name, {}});
            }
        }
        document[run].entries.append({slash < 0 ? key : key.sliced(slash + 1), value.value()});
    }
    reading.document = IniDocument::ofSections(std::move(document));
    return reading;
}
