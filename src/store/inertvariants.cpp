#include "inertvariants.h"

#include <QList>

namespace {

// Reads one character of a value as QSettings unescapes it, from `at`:
// quotes and line continuations give none and are stepped over.
struct Reader
{
    const QByteArray &bytes;
    qsizetype at;
    bool quoted = false;

    bool atEnd() const { return at >= bytes.size() || bytes[at] == '\n'; }

    void skipSilent(bool spacesToo)
    {
        while (at < bytes.size()) {
            const char c = bytes[at];
            if (c == '"') {
                quoted = !quoted;
                ++at;
            } else if (c == '\\' && at + 1 < bytes.size() && (bytes[at + 1] == '\n' || bytes[at + 1] == '\r')) {
                at += bytes[at + 1] == '\r' && at + 2 < bytes.size() && bytes[at + 2] == '\n' ? 3 : 2;
            } else if (spacesToo && !quoted && (c == ' ' || c == '\t')) {
                ++at;
            } else {
                return;
            }
        }
    }

    // Whether the next character is an '@', written or escaped; steps past it.
    bool takeAt()
    {
        if (atEnd())
            return false;
        if (bytes[at] == '@') {
            ++at;
            return true;
        }
        if (bytes[at] != '\\' || at + 1 >= bytes.size())
            return false;
        const bool hex = bytes[at + 1] == 'x' || bytes[at + 1] == 'X';
        const bool octal = bytes[at + 1] >= '0' && bytes[at + 1] <= '7';
        if (!hex && !octal)
            return false;
        // QSettings takes every digit that follows and keeps the low 16 bits.
        const auto digitOf = [hex](char c) {
            const int lower = c | 0x20;
            if (c >= '0' && c <= (hex ? '9' : '7'))
                return c - '0';
            return hex && lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
        };
        quint32 value = 0;
        qsizetype digit = at + (hex ? 2 : 1);
        for (; digit < bytes.size() && digitOf(bytes[digit]) >= 0; ++digit)
            value = value * (hex ? 16 : 8) + quint32(digitOf(bytes[digit]));
        if ((value & 0xffff) != '@')
            return false;
        at = digit;
        return true;
    }
};

} // namespace

QByteArray withInertVariants(QByteArray bytes)
{
    // Where an '@' goes in, found first and put in at once: a file of many
    // such values is changed in one pass, not once a value.
    QList<qsizetype> doubled;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            end = bytes.size();
        const char first = bytes[at];
        // Only within the line: a file of lines without one is read once.
        const qsizetype equals = QByteArrayView(bytes).sliced(at, end - at).indexOf('=');
        if (first == '[' || first == ';' || first == '#' || equals < 0) {
            at = end + 1;
            continue;
        }
        // Each element of the value (a comma outside quotes starts the next).
        Reader reader{bytes, at + equals + 1};
        while (true) {
            reader.skipSilent(true);
            const qsizetype start = reader.at;
            if (reader.takeAt()) {
                reader.skipSilent(false);
                if (!reader.takeAt())
                    doubled << start;
            }
            while (!reader.atEnd() && (reader.quoted || bytes[reader.at] != ',')) {
                if (bytes[reader.at] == '\\' && reader.at + 1 < bytes.size())
                    reader.at += bytes[reader.at + 1] == '\r' && reader.at + 2 < bytes.size() ? 3 : 2;
                else
                    reader.quoted ^= bytes[reader.at++] == '"';
            }
            if (reader.atEnd())
                break;
            ++reader.at; // the comma
        }
        at = reader.at + 1;
    }
    if (doubled.isEmpty())
        return bytes;
    QByteArray inert;
    inert.reserve(bytes.size() + doubled.size());
    qsizetype from = 0;
    for (const qsizetype position : std::as_const(doubled)) {
        inert.append(QByteArrayView(bytes).sliced(from, position - from));
        inert.append('@');
        from = position;
    }
    inert.append(QByteArrayView(bytes).sliced(from));
    return inert;
}
