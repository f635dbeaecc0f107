#include "replacedrecord.h"

#include "storekeys.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace replacedrecord {

namespace {

// "Task10.4.20261209T100000123-ab12cd34": the list, the row, the lost stamp.
std::optional<Entry> parsed(const IniDocument &document, const QString &key, const QString &text)
{
    const QStringList parts = key.split(u'.');
    const QString *won = document.find(section, wonKey(key));
    bool ok = false;
    const int row = parts.value(1).toInt(&ok);
    if (parts.size() != 3 || !ok || row < 1 || !won)
        return std::nullopt;
    Entry entry{key, parts[0], row, {text, won->section(u' ', 1, 1) == QLatin1String("1")}, parts[2],
                won->section(u' ', 0, 0), won->section(u' ', 2)};
    return entry;
}

} // namespace

QString wonKey(const QString &key)
{
    return key + QStringLiteral(".won");
}

void add(IniDocument &document, const rowstamps::Lost &lost)
{
    const QString key = QStringLiteral("%1.%2.%3").arg(lost.list).arg(lost.row).arg(lost.stamp);
    document.set(section, key, lost.value.text);
    document.set(section, wonKey(key),
                 QStringLiteral("%1 %2 %3").arg(lost.wonStamp, lost.value.ticked ? QStringLiteral("1") : QStringLiteral("0"),
                                                lost.won.text));
}

QList<Entry> entries(const IniDocument &document)
{
    QList<Entry> found;
    for (const IniDocument::Section &s : document.sections()) {
        if (s.name != section)
            continue;
        for (const IniDocument::Entry &e : s.entries) {
            if (!e.key.endsWith(QLatin1String(".won"))) {
                if (const std::optional<Entry> entry = parsed(document, e.key, e.value))
                    found << *entry;
            }
        }
    }
    std::sort(found.begin(), found.end(), [](const Entry &a, const Entry &b) {
        return std::tie(a.wonStamp, a.key) > std::tie(b.wonStamp, b.key);
    });
    return found;
}

void tidy(IniDocument &document)
{
    QSet<QString> keys;
    for (const IniDocument::Section &s : document.sections()) {
        if (s.name != section)
            continue;
        for (const IniDocument::Entry &e : s.entries)
            keys << (e.key.endsWith(QLatin1String(".won")) ? e.key.chopped(4) : e.key);
    }
    if (keys.isEmpty())
        return;
    // The texts of each list the record names, read once: compared, never
    // hashed (a list of long tasks would be hashed whole at every merge).
    QHash<QString, QStringList> texts;
    int kept = 0;
    for (const Entry &entry : entries(document)) {
        auto list = texts.find(entry.list);
        if (list == texts.end()) {
            QStringList rows;
            for (const IniDocument::Section &s : document.sections()) {
                for (const IniDocument::Entry &e : s.entries) {
                    if (s.name == entry.list && e.key.startsWith(QLatin1String("Text")))
                        rows << e.value;
                }
            }
            list = texts.insert(entry.list, rows);
        }
        if (!list->contains(entry.lost.text) && kept < entriesKept) {
            ++kept;
            keys.remove(entry.key);
        }
    }
    // What is left: entries back in their lists, past the bound, or half
    // there (one key without the other).
    for (const QString &key : std::as_const(keys)) {
        document.removeKey(section, key);
        document.removeKey(section, wonKey(key));
    }
}

PutBack putBack(const IniDocument &document, const Entry &entry)
{
    using namespace storekeys;
    PutBack back;
    const int tasks = entry.list.mid(4).toInt();
    const auto textAt = [&](int row) {
        const QString *text = document.find(entry.list, textKey(row));
        return text ? *text : QString();
    };
    if (entry.row <= tasks && (textAt(entry.row).isEmpty() || textAt(entry.row) == entry.wonText))
        back.row = entry.row;
    for (int row = 1; row <= tasks && back.row == 0; ++row) {
        if (textAt(row).isEmpty())
            back.row = row;
    }
    if (back.row == 0) {
        back.refused = QCoreApplication::translate("replacedrecord", "The %1-task list has no empty row for it; "
                                                                     "nothing was changed.")
                           .arg(tasks);
        return back;
    }
    const QString *tick = document.find(entry.list, tickKey(back.row));
    back.changes << StoreChange::snapshot(QCoreApplication::translate("replacedrecord", "put back a replaced task"))
                 << StoreChange::expect(entry.list, textKey(back.row), textAt(back.row))
                 << StoreChange::expect(entry.list, tickKey(back.row), tick ? *tick : QString())
                 << StoreChange::write(entry.list, textKey(back.row), entry.lost.text)
                 << StoreChange::write(entry.list, tickKey(back.row), tickValue(entry.lost.ticked))
                 << StoreChange::removeKey(section, entry.key) << StoreChange::removeKey(section, wonKey(entry.key));
    return back;
}

} // namespace replacedrecord
