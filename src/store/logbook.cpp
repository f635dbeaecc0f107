#include "logbook.h"

#include "replacedrecord.h"
#include "rowstamps.h"
#include "storemerge.h"

#include <algorithm>
#include <cstring>

namespace logbook {

namespace {

const QLatin1String doneWord("done"), undoneWord("undone"), sameWord("same");

// One line a task: its text can hold anything but a line end.
QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

std::optional<QString> unescaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i].unicode()) {
        case u'\\': out += u'\\'; break;
        case u't': out += u'\t'; break;
        case u'n': out += u'\n'; break;
        case u'r': out += u'\r'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

QString timeText(const QDateTime &at)
{
    return at.toUTC().toString(Qt::ISODateWithMs);
}

} // namespace

QString filePrefix(const QString &storeBase)
{
    return storeBase + QStringLiteral(".done-");
}

QString fileName(const QString &storeBase, const QString &machine)
{
    return filePrefix(storeBase) + machine + QStringLiteral(".log");
}

QString machineOf(const QString &storeBase, const QString &fileName)
{
    return fileName.mid(filePrefix(storeBase).size()).section(u'.', 0, 0);
}

QByteArray header()
{
    return "# Velmorwick: tasks done on one computer, a line each (done, or undone when unticked again), "
           "tab-separated\n";
}

QByteArray forgotten(const QByteArray &file, const QDateTime &before)
{
    // A task's time is written in a form that sorts as text.
    const QByteArray cutoff = timeText(before).toUtf8();
    QByteArray kept = header();
    for (const QByteArray &line : file.split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#') && (!line.startsWith("done\t") || line.split('\t').value(2) >= cutoff))
            kept += line + '\n';
    }
    return kept + "forget\t" + cutoff + '\n';
}

namespace {

// A day-list row as two versions hold it: its place ("Task10.4."), its text
// and tick, and the stamp each gives it.
struct RowPair
{
    QString list;
    QString place;
    rowstamps::Row was, is;
    QString stampWas, stampIs;
};

// Every row of the day lists either version names; `changedOnly` passes
// over the lists alike in both.
template<typename Visit>
void eachRow(const IniDocument &was, const IniDocument &is, bool changedOnly, Visit visit)
{
    for (const storemerge::Part &part : storemerge::parts()) {
        if (!part.byRow || (changedOnly && storemerge::samePart(was, is, part)))
            continue;
        const QString &list = part.sections.first();
        const QDateTime savedWas = storemerge::savedAt(was, part), savedIs = storemerge::savedAt(is, part);
        for (const int n : rowstamps::rowNumbers(was, is, list)) {
            visit(RowPair{list, QStringLiteral("%1.%2.").arg(list).arg(n), rowstamps::row(was, list, n),
                          rowstamps::row(is, list, n), rowstamps::stampOf(was, list, n, savedWas).value(0),
                          rowstamps::stampOf(is, list, n, savedIs).value(0)});
        }
    }
}

} // namespace

QByteArray linesFor(const IniDocument &before, const IniDocument &after)
{
    // A task put back from the record of rows replaced was logged when it
    // was ticked, on the machine that ticked it.
    QHash<std::pair<QString, QString>, replacedrecord::Entry> putBack;
    const auto record = [](const IniDocument &document) {
        for (const IniDocument::Section &section : document.sections()) {
            if (section.name == replacedrecord::section)
                return section.entries;
        }
        return QList<IniDocument::Entry>();
    };
    for (const replacedrecord::Entry &entry : record(before) == record(after) ? QList<replacedrecord::Entry>()
                                                                              : replacedrecord::entries(before)) {
        if (!after.find(replacedrecord::section, entry.key))
            putBack.insert({entry.list, entry.lost.text}, entry);
    }
    QString lines;
    eachRow(before, after, true, [&](const RowPair &row) {
        const rowstamps::Row &was = row.was, &is = row.is;
        const auto back = putBack.constFind({row.list, is.text});
        if (back != putBack.cend() && is.ticked && back->lost.ticked) {
            // Unticked later, it is the task as it was first done that is undone.
            // (The record names a row as the logbook does.)
            lines += QStringList{sameWord, row.place + row.stampIs, back->key}.join(u'\t') + u'\n';
        } else if (is.ticked && !is.text.isEmpty() && !(was.ticked && was.text == is.text) && back == putBack.cend()) {
            lines += QStringList{doneWord, row.place + row.stampIs, timeText(rowstamps::timeOf(row.stampIs)), row.list,
                                 escaped(is.text)}
                         .join(u'\t')
                     + u'\n';
        } else if (was.ticked && !was.text.isEmpty() && !is.ticked && is.text == was.text) {
            lines += QStringList{undoneWord, row.place + row.stampWas, timeText(rowstamps::timeOf(row.stampIs))}.join(u'\t')
                     + u'\n';
        }
    });
    return lines.toUtf8();
}

QByteArray sameLines(const IniDocument &source, const IniDocument &after)
{
    QString lines;
    eachRow(source, after, false, [&](const RowPair &row) {
        if (row.is.ticked && !row.is.text.isEmpty() && row.was == row.is && row.stampWas != row.stampIs)
            lines += QStringList{sameWord, row.place + row.stampIs, row.place + row.stampWas}.join(u'\t') + u'\n';
    });
    return lines.toUtf8();
}

Reader::Reader(const QDateTime &from)
    : m_from(from.isValid() ? timeText(from).toUtf8() : QByteArray())
    , m_fromTime(from)
{
}

QByteArray forBackup(const QList<QPair<QString, QByteArray>> &files)
{
    QByteArray lines;
    for (const auto &[machine, bytes] : files) {
        for (const QByteArray &line : bytes.split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            // Each task keeps the computer it was done on, in whatever file it lands.
            lines += line + (line.startsWith("done\t") && line.count('\t') == 4 ? '\t' + machine.toUtf8() : QByteArray())
                     + '\n';
        }
    }
    return lines;
}

QByteArray notYetIn(const QByteArray &lines, const QList<QByteArray> &files)
{
    QSet<QByteArray> held;
    for (const QByteArray &bytes : files) {
        for (const QByteArray &line : bytes.split('\n'))
            held.insert(line.split('\t').mid(0, 2).join('\t'));
    }
    QByteArray added;
    for (const QByteArray &line : lines.split('\n')) {
        const QByteArray key = line.split('\t').mid(0, 2).join('\t'); // "done <id>", "undone <id>", "forget <time>"
        if (!line.isEmpty() && !line.startsWith('#') && !held.contains(key)) {
            held.insert(key);
            added += line + '\n';
        }
    }
    return added;
}

bool Reader::add(QByteArrayView bytes, const QString &machine)
{
    bool whole = true;
    // Years of lines are read at every look at the last week: a line before
    // it is passed over by its time, written in a form that sorts as text.
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = bytes.sliced(start, end - start);
        start = end + 1;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        // The fields up to the time first: most lines end there.
        QByteArrayView fields[6];
        qsizetype count = 0;
        auto nextField = [&, from = qsizetype(0)]() mutable {
            const char *tab = from <= line.size()
                                  ? static_cast<const char *>(std::memchr(line.data() + from, '\t', size_t(line.size() - from)))
                                  : nullptr;
            const qsizetype to = tab ? tab - line.data() : line.size();
            fields[count++] = line.sliced(from, to - from);
            from = tab ? to + 1 : line.size() + 1;
            return tab != nullptr;
        };
        bool more = nextField() && nextField() && nextField();
        if (more && !m_from.isEmpty() && fields[2].size() == m_from.size() && fields[2] < QByteArrayView(m_from)
            && fields[0] == "done")
            continue;
        while (more && count < 6)
            more = nextField();
        if (count == 2 && fields[0] == "forget") {
            const QDateTime before = QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODateWithMs);
            if (!before.isValid())
                whole = false;
            else if (!m_forgotten.isValid() || before > m_forgotten)
                m_forgotten = before;
            continue;
        }
        if (count == 3 && fields[0] == "undone") {
            m_undone.insert(QString::fromUtf8(fields[1]));
            continue;
        }
        if (count == 3 && fields[0] == "same") {
            m_sameAs.insert(QString::fromUtf8(fields[1]), QString::fromUtf8(fields[2]));
            continue;
        }
        if ((count != 5 && count != 6) || fields[0] != "done") {
            whole = false;
            continue;
        }
        const QDateTime when = QDateTime::fromString(QString::fromLatin1(fields[2]), Qt::ISODateWithMs);
        const std::optional<QString> task = unescaped(QString::fromUtf8(fields[4]));
        if (!when.isValid() || !task) {
            whole = false;
            continue;
        }
        const QString id = QString::fromUtf8(fields[1]);
        if (!m_done.contains(id) && (!m_fromTime.isValid() || when >= m_fromTime))
            m_done.insert(id, Entry{id, when, QString::fromUtf8(fields[3]), *task,
                                    count == 6 ? QString::fromUtf8(fields[5]) : machine, true});
    }
    return whole;
}

QList<Entry> Reader::entries() const
{
    // A row put back from the record and unticked there undoes the task as
    // it was first done (a chain, where it was put back more than once).
    QSet<QString> undone;
    for (QString id : m_undone) {
        for (int hops = 0; hops <= m_sameAs.size(); ++hops) {
            undone.insert(id);
            if (!m_sameAs.contains(id))
                break;
            id = m_sameAs.value(id);
        }
    }
    QList<Entry> all = m_done.values();
    all.removeIf([&](const Entry &entry) { return m_forgotten.isValid() && entry.when < m_forgotten; });
    for (Entry &entry : all)
        entry.done = !undone.contains(entry.id);
    std::sort(all.begin(), all.end(), [](const Entry &a, const Entry &b) { return std::tie(a.when, a.id) > std::tie(b.when, b.id); });
    return all;
}

} // namespace logbook
