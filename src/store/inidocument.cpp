#include "inidocument.h"

#include <algorithm>

#include <QSet>
#include <QStringEncoder>

#include <cstring>

namespace {

constexpr char hexDigits[] = "0123456789ABCDEF";

bool isHexDigit(char16_t ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// Section and key names: letters, digits and _-. as they are, '/' as '\',
// anything else as %XX or %UXXXX.
void appendName(QByteArray &out, const QString &name)
{
    for (const QChar qch : name) {
        const char16_t ch = qch.unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                   || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += hexDigits[ch / 16];
            out += hexDigits[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hexDigits[(ch >> shift) & 0xF];
        }
    }
}

std::optional<QString> readName(QByteArrayView raw)
{
    QString name;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char ch = raw[i];
        if (ch == '\\') {
            name += u'/';
        } else if (ch == '%') {
            const int digits = (i + 1 < raw.size() && raw[i + 1] == 'U') ? 4 : 2;
            const qsizetype first = i + 1 + (digits == 4 ? 1 : 0);
            if (first + digits > raw.size())
                return std::nullopt;
            char16_t value = 0;
            for (int d = 0; d < digits; ++d) {
                const int v = hexValue(raw[first + d]);
                if (v < 0)
                    return std::nullopt;
                value = char16_t(value * 16 + v);
            }
            name += QChar(value);
            i = first + digits - 1;
        } else if (uchar(ch) < 0x80) {
            name += QLatin1Char(ch);
        } else {
            return std::nullopt;
        }
    }
    return name;
}

// Ends a run of plain text, written as it is: anything but printable ASCII,
// and the quote and the backslash. 1 or 0, bitwise, so that loops over it
// vectorize.
unsigned endsPlainRun(char16_t ch)
{
    return unsigned(char16_t(ch - 0x20) >= 0x60) | unsigned(ch == u'"') | unsigned(ch == u'\\');
}

// A value holding one of these is written in quotes. 1 or 0.
unsigned asksForQuotes(char16_t ch)
{
    return unsigned(ch == u';') | unsigned(ch == u',') | unsigned(ch == u'=');
}

// A text as QSettings writes a string value: C-style escapes for control
// characters, quotes around it when it holds ; , = or starts or ends with a
// blank, UTF-8 for the rest.
void appendValue(QByteArray &out, const QString &text)
{
    QString value;
    if (text.contains(QChar::Null))
        value = QStringLiteral("@String(") + text + u')';
    else if (text.startsWith(u'@'))
        value = u'@' + text;
    else
        value = text;

    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    bool nothingPlainYet = true;
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    const QChar *chars = value.unicode();
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t ch = chars[i].unicode();
        // A hex escape takes every hex digit after it, so one that follows
        // is escaped too.
        if (escapeNextIfHexDigit && isHexDigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfHexDigit = true;
            break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            // QSettings' reader decodes a value's plain text with one UTF-8
            // decoder, which drops a byte-order mark that comes before any
            // other plain character (escapes do not count) and keeps every
            // later one. A later one is written as it is, as QSettings writes
            // it; that first one is escaped, so it survives.
            if (ch <= 0x1F || (ch == 0xFEFF && nothingPlainYet)) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfHexDigit = true;
            } else if (ch < 0x80) {
                // A run of plain ASCII goes in at once, in one pass: most of
                // what a save writes. ; , and = are plain, so only a run
                // asks for quotes.
                const qsizetype at = out.size();
                out.resize(at + (value.size() - i)); // room for the longest run
                char *const first = out.data() + at;
                char *to = first;
                qsizetype end = i;
                // Sixteen at a time while all are plain, in loops without an
                // early exit the compiler turns into vector instructions.
                constexpr qsizetype block = 16;
                for (; end + block <= value.size(); end += block, to += block) {
                    unsigned stop = 0; // not bool: bool's |= spoils the vector code
                    unsigned quotes = 0;
                    char narrow[block]; // not written to `out` directly, which could alias `chars`
                    for (qsizetype k = 0; k < block; ++k) {
                        const char16_t plain = chars[end + k].unicode();
                        stop |= endsPlainRun(plain);
                        quotes |= asksForQuotes(plain);
                        narrow[k] = char(plain);
                    }
                    if (stop)
                        break;
                    needsQuotes |= quotes != 0;
                    std::memcpy(to, narrow, block);
                }
                for (; end < value.size(); ++end) {
                    const char16_t plain = chars[end].unicode();
                    if (endsPlainRun(plain))
                        break;
                    needsQuotes |= asksForQuotes(plain) != 0;
                    *to++ = char(plain);
                }
                out.truncate(at + (to - first));
                i = end - 1;
                nothingPlainYet = false;
            } else {
                qsizetype end = i + 1;
                while (end < value.size() && chars[end].unicode() >= 0x80)
                    ++end;
                out += toUtf8(QStringView(chars + i, end - i));
                i = end - 1;
                nothingPlainYet = false;
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// The inverse of appendValue for what it writes; anything it would not have
// written may come back different, which parseExact() then notices.
std::optional<QString> readValue(QByteArrayView raw)
{
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
        raw = raw.sliced(1, raw.size() - 2);
    // Decoded straight into its place: never more UTF-16 units than bytes.
    QString text(raw.size(), Qt::Uninitialized);
    QChar *to = text.data();
    // One decoder for the whole value, as QSettings reads it: a byte-order
    // mark before any other plain character is dropped.
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    qsizetype i = 0;
    while (i < raw.size()) {
        const char ch = raw[i];
        if (ch != '\\') {
            const qsizetype escape = raw.indexOf('\\', i + 1);
            const qsizetype end = escape < 0 ? raw.size() : escape;
            to = fromUtf8.appendToBuffer(to, raw.sliced(i, end - i));
            if (fromUtf8.hasError())
                return std::nullopt;
            i = end;
            continue;
        }
        if (++i >= raw.size())
            return std::nullopt;
        const char code = raw[i++];
        switch (code) {
        case 'a': *to++ = u'\a'; break;
        case 'b': *to++ = u'\b'; break;
        case 'f': *to++ = u'\f'; break;
        case 'n': *to++ = u'\n'; break;
        case 'r': *to++ = u'\r'; break;
        case 't': *to++ = u'\t'; break;
        case 'v': *to++ = u'\v'; break;
        case '"': *to++ = u'"'; break;
        case '\\': *to++ = u'\\'; break;
        case '0': *to++ = QChar(u'\0'); break;
        case 'x': {
            char16_t value = 0;
            const qsizetype first = i;
            while (i < raw.size() && hexValue(raw[i]) >= 0)
                value = char16_t(value * 16 + hexValue(raw[i++]));
            if (i == first)
                return std::nullopt;
            *to++ = QChar(value);
            break;
        }
        default:
            return std::nullopt;
        }
    }
    text.truncate(to - text.constData());
    if (text.startsWith(QLatin1String("@@")))
        return text.sliced(1);
    if (text.startsWith(QLatin1String("@String(")) && text.endsWith(u')'))
        return text.sliced(8, text.size() - 9);
    if (text.startsWith(u'@'))
        return std::nullopt; // another type, read as QSettings reads it
    return text;
}

void appendHeader(QByteArray &out, const QString &name)
{
    if (name.isEmpty()) {
        out += "[General]";
    } else if (name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
        out += "[%General]";
    } else {
        out += '[';
        appendName(out, name);
        out += ']';
    }
}

void appendEntry(QByteArray &out, const IniDocument::Entry &entry)
{
    appendName(out, entry.key);
    out += '=';
    appendValue(out, entry.value);
}

// The file as serialize() writes it, line by line into `out`; after each
// line `afterLine` may look at `out`, empty it, or stop the writing.
template<typename AfterLine>
bool writeLines(const QList<IniDocument::Section> &sections, QByteArray &out, AfterLine afterLine)
{
    bool first = true;
    for (const IniDocument::Section &s : sections) {
        if (s.entries.isEmpty())
            continue;
        if (!first) {
            out += '\n';
            if (!afterLine(out))
                return false;
        }
        first = false;
        appendHeader(out, s.name);
        out += '\n';
        if (!afterLine(out))
            return false;
        for (const IniDocument::Entry &entry : s.entries) {
            appendEntry(out, entry);
            out += '\n';
            if (!afterLine(out))
                return false;
        }
    }
    return true;
}

} // namespace

const IniDocument::Index &IniDocument::index() const
{
    if (!m_index) {
        Index built;
        built.sections.reserve(m_sections.size());
        for (qsizetype s = m_sections.size() - 1; s >= 0; --s) {
            built.sections.insert(m_sections[s].name, s); // the first of a name is the one found
            const QList<Entry> &entries = m_sections[s].entries;
            if (entries.size() <= searchedUpTo)
                continue;
            QHash<QString, qsizetype> &keys = built.keys[s];
            keys.reserve(entries.size());
            for (qsizetype e = entries.size() - 1; e >= 0; --e)
                keys.insert(entries[e].key, e);
        }
        m_index = std::move(built);
    }
    return *m_index;
}

qsizetype IniDocument::keyAt(qsizetype section, const QString &key) const
{
    const QList<Entry> &entries = m_sections[section].entries;
    if (entries.size() > searchedUpTo)
        return m_index->keys[section].value(key, -1);
    for (qsizetype e = 0; e < entries.size(); ++e) {
        if (entries[e].key == key)
            return e;
    }
    return -1;
}

const QString *IniDocument::find(const QString &section, const QString &key) const
{
    const qsizetype s = index().sections.value(section, -1);
    const qsizetype e = s < 0 ? -1 : keyAt(s, key);
    return e < 0 ? nullptr : &m_sections[s].entries[e].value;
}

void IniDocument::set(const QString &sectionName, const QString &key, const QString &value)
{
    index();
    qsizetype s = m_index->sections.value(sectionName, -1);
    if (s < 0) {
        s = m_sections.size();
        m_sections.append({sectionName, {}});
        m_index->sections.insert(sectionName, s);
    }
    QList<Entry> &entries = m_sections[s].entries;
    const qsizetype e = keyAt(s, key);
    if (e >= 0) {
        entries[e].value = value;
        return;
    }
    entries.append({key, value});
    if (entries.size() == searchedUpTo + 1) {
        QHash<QString, qsizetype> &keys = m_index->keys[s];
        for (qsizetype k = 0; k < entries.size(); ++k)
            keys.insert(entries[k].key, k);
    } else if (entries.size() > searchedUpTo + 1) {
        m_index->keys[s].insert(key, entries.size() - 1);
    }
}

void IniDocument::removeKey(const QString &section, const QString &key)
{
    if (!find(section, key))
        return; // the index stands: a merge asks to remove many keys that are not there
    for (Section &s : m_sections) {
        if (s.name == section)
            s.entries.removeIf([&](const Entry &e) { return e.key == key; });
    }
    m_index.reset();
}

bool IniDocument::removeSection(const QString &name)
{
    QList<qsizetype> removed;
    for (qsizetype s = 0; s < m_sections.size(); ++s) {
        if (m_sections[s].name == name && !m_sections[s].entries.isEmpty())
            removed << s;
    }
    if (removed.isEmpty())
        return false;
    m_sections.removeIf([&](const Section &s) { return s.name == name && !s.entries.isEmpty(); });
    if (!m_index)
        return true;
    // The sections after it move up, each with its table of keys: a merge
    // that takes list after list in whole never hashes every key again.
    Index moved;
    for (qsizetype s = m_sections.size() - 1; s >= 0; --s)
        moved.sections.insert(m_sections[s].name, s);
    for (auto keys = m_index->keys.begin(); keys != m_index->keys.end(); ++keys) {
        if (!removed.contains(keys.key()))
            moved.keys.insert(keys.key() - std::count_if(removed.begin(), removed.end(), [&](qsizetype r) { return r < keys.key(); }),
                              std::move(keys.value()));
    }
    m_index = std::move(moved);
    return true;
}

QByteArray IniDocument::serialize() const
{
    QByteArray out;
    writeLines(m_sections, out, [](QByteArray &) { return true; });
    return out;
}

QByteArrayView IniDocument::withoutByteOrderMark(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

std::optional<IniDocument> IniDocument::parseExact(QByteArrayView bytes)
{
    bytes = withoutByteOrderMark(bytes);
    IniDocument doc;
    Section *current = nullptr;
    // The index is built as the file is read: a section named twice is no
    // file the program writes.
    doc.m_index.emplace();

    qsizetype pos = 0;
    bool blank = false; // the line before was empty
    while (pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            return std::nullopt; // the last line always ends
        const QByteArrayView line = bytes.sliced(pos, end - pos);
        pos = end + 1;
        // One empty line before each section but the first, and nowhere
        // else: a file laid out otherwise is known at its first lines.
        if (line.isEmpty() ? blank || !current : blank != (line.front() == '[' && current))
            return std::nullopt;
        blank = line.isEmpty();
        if (line.isEmpty())
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return std::nullopt;
            const QByteArrayView raw = line.sliced(1, line.size() - 2);
            std::optional<QString> name;
            if (raw == "General")
                name = QString();
            else if (raw == "%General")
                name = QStringLiteral("General");
            else
                name = readName(raw);
            // A '/' in a section's name is written as a key's prefix instead.
            if (!name || name->contains(u'/') || doc.m_index->sections.contains(*name))
                return std::nullopt;
            doc.m_index->sections.insert(*name, doc.m_sections.size());
            doc.m_sections.append({*name, {}});
            current = &doc.m_sections.last();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!current || equals <= 0)
            return std::nullopt;
        std::optional<QString> key = readName(line.first(equals));
        std::optional<QString> value = readValue(line.sliced(equals + 1));
        if (!key || !value)
            return std::nullopt;
        // A few keys are compared; past that, the index tells.
        const qsizetype position = doc.m_sections.size() - 1;
        if (current->entries.size() < searchedUpTo) {
            for (const Entry &entry : std::as_const(current->entries)) {
                if (entry.key == *key)
                    return std::nullopt;
            }
        } else {
            QHash<QString, qsizetype> &keys = doc.m_index->keys[position];
            for (qsizetype e = keys.size(); e < current->entries.size(); ++e)
                keys.insert(current->entries[e].key, e);
            if (keys.contains(*key))
                return std::nullopt;
        }
        current->entries.append({*key, *value});
    }
    for (auto keys = doc.m_index->keys.begin(); keys != doc.m_index->keys.end(); ++keys) {
        const QList<Entry> &entries = doc.m_sections[keys.key()].entries;
        for (qsizetype e = keys->size(); e < entries.size(); ++e)
            keys->insert(entries[e].key, e); // the last key read
    }
    // Only what serialize() gives back byte for byte counts as read exactly:
    // compared a line at a time, with no second copy of a file of megabytes.
    QByteArray line;
    qsizetype at = 0;
    const bool same = writeLines(doc.m_sections, line, [&](QByteArray &written) {
        const bool matches = bytes.sliced(at).startsWith(written);
        at += written.size();
        written.truncate(0);
        return matches;
    });
    if (!same || at != bytes.size())
        return std::nullopt;
    return doc;
}

std::optional<QString> IniDocument::readHeader(QByteArrayView line)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    const QByteArrayView raw = line.sliced(1, line.size() - 2);
    std::optional<QString> name = raw == "General" ? QString() : raw == "%General" ? QStringLiteral("General") : readName(raw);
    if (!name || name->contains(u'/'))
        return std::nullopt;
    QByteArray again;
    appendHeader(again, *name);
    return again == line ? name : std::nullopt;
}

std::optional<IniDocument::Entry> IniDocument::readEntry(QByteArrayView line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0)
        return std::nullopt;
    std::optional<QString> key = readName(line.first(equals));
    std::optional<QString> value = readValue(line.sliced(equals + 1));
    if (!key || !value)
        return std::nullopt;
    Entry entry{std::move(*key), std::move(*value)};
    QByteArray again;
    again.reserve(line.size());
    appendEntry(again, entry);
    return again == line ? std::optional<Entry>(std::move(entry)) : std::nullopt;
}

IniDocument IniDocument::ofSections(QList<Section> sections)
{
    IniDocument document;
    document.m_sections = std::move(sections);
    return document;
}
