#include "listexchange.h"

#include "store/storekeys.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace listexchange {

namespace {

const QString formatName = QStringLiteral("velmorwick-lists");
constexpr int formatVersion = 1;

QString tr(const char *text)
{
    return QCoreApplication::translate("listexchange", text);
}

// "Busy Day (10 tasks)" from "Tarnbook! Busy Day"; "6 tasks" from "Tarnbook! 6 Tasks".
QString heading(const NamedList &list)
{
    if (list.isPrivate())
        return tr("Private list (%1 tasks)").arg(list.layout->tasks);
    QString name = QString::fromUtf8(list.layout->caption);
    name.remove(QStringLiteral("Tarnbook! "));
    while (name.endsWith(u'.'))
        name.chop(1);
    if (name.endsWith(QStringLiteral(" Tasks")))
        return tr("%1 tasks").arg(list.layout->tasks);
    return tr("%1 (%2 tasks)").arg(name).arg(list.layout->tasks);
}

// Where in the file a parse error is, as line and column.
QString position(const QByteArray &json, int offset)
{
    const QByteArray before = json.left(offset);
    const int line = int(before.count('\n')) + 1;
    const int column = int(offset - (before.lastIndexOf('\n') + 1)) + 1;
    return tr("line %1, column %2").arg(line).arg(column);
}

// Where the first \\u escape that is half of a UTF-16 pair without its other
// half is: Qt's parser would drop it without a word. -1 when there is none.
qsizetype loneSurrogate(const QByteArray &json)
{
    const auto unitAt = [&](qsizetype at) -> int {
        if (at + 6 > json.size() || json[at] != '\\' || json[at + 1] != 'u')
            return -1;
        bool ok = false;
        const int unit = json.mid(at + 2, 4).toInt(&ok, 16);
        return ok ? unit : -1;
    };
    bool inString = false;
    for (qsizetype at = 0; at < json.size(); ++at) {
        if (json[at] == '"') {
            inString = !inString;
        } else if (inString && json[at] == '\\') {
            const int unit = unitAt(at);
            if (QChar::isLowSurrogate(char32_t(unit)))
                return at;
            if (QChar::isHighSurrogate(char32_t(unit))) {
                if (!QChar::isLowSurrogate(char32_t(unitAt(at + 6))))
                    return at;
                at += 6; // the pair's second half
            }
            ++at; // the escaped character
        }
    }
    return -1;
}

} // namespace

QList<NamedList> savedDayLists(const SettingsStore &store)
{
    QList<NamedList> lists;
    for (const ListLayout &layout : dayListLayouts()) {
        // A save writes every tick as "0" or "1": a list never saved has none.
        NamedList list{&layout, SectionListStorage::read(store, layout.section, layout.tasks)};
        bool saved = false;
        for (int row = 1; row <= layout.tasks && !saved; ++row) {
            saved = !store.read(layout.section, storekeys::tickKey(row)).isEmpty()
                    || !store.read(layout.section, storekeys::textKey(row)).isEmpty();
        }
        if (saved)
            lists << list;
    }
    return lists;
}

QString asText(const QList<NamedList> &lists)
{
    QStringList blocks;
    for (const NamedList &list : lists) {
        QString block = heading(list) + u'\n';
        for (const TaskRow &row : list.rows)
            block += (row.ticked ? QStringLiteral("[x]") : QStringLiteral("[ ]"))
                     + (row.text.isEmpty() ? QString() : u' ' + row.text) + u'\n';
        blocks << block;
    }
    return blocks.join(u'\n');
}

QByteArray asJson(const QList<NamedList> &lists, const QJsonArray &logbook)
{
    QJsonArray all;
    for (const NamedList &list : lists) {
        QJsonArray rows;
        for (const TaskRow &row : list.rows)
            rows.append(QJsonObject{{QStringLiteral("text"), row.text}, {QStringLiteral("done"), row.ticked}});
        QJsonObject entry{{QStringLiteral("tasks"), list.layout->tasks}, {QStringLiteral("rows"), rows}};
        if (list.isPrivate())
            entry.insert(QStringLiteral("private"), true);
        all.append(entry);
    }
    QJsonObject document{{QStringLiteral("format"), formatName},
                         {QStringLiteral("version"), formatVersion},
                         {QStringLiteral("lists"), all}};
    if (!logbook.isEmpty())
        document.insert(QStringLiteral("logbook"), logbook);
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

Parsed fromJson(const QByteArray &json)
{
    if (const qsizetype at = loneSurrogate(json); at >= 0) {
        return {{}, tr("%1: half a UTF-16 pair (%2) with no other half, which no text can hold")
                        .arg(position(json, int(at)), QString::fromLatin1(json.mid(at, 6)))};
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {{}, tr("%1: not valid JSON (%2)").arg(position(json, parseError.offset), parseError.errorString())};
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QStringLiteral("format")).toString() != formatName)
        return {{}, tr("the top: not a list file of Velmorwick (\"format\" must be \"%1\")").arg(formatName)};
    if (top.value(QStringLiteral("version")).toInt(-1) != formatVersion)
        return {{}, tr("version: only version %1 is known").arg(formatVersion)};
    if (!top.value(QStringLiteral("lists")).isArray())
        return {{}, tr("lists: must be an array")};

    Parsed parsed;
    const QJsonArray lists = top.value(QStringLiteral("lists")).toArray();
    for (qsizetype i = 0; i < lists.size(); ++i) {
        const QString place = QStringLiteral("lists[%1]").arg(i);
        const QJsonObject entry = lists[i].toObject();
        if (!lists[i].isObject())
            return {{}, tr("%1: must be an object").arg(place)};
        const QJsonValue tasks = entry.value(QStringLiteral("tasks"));
        const QJsonValue isPrivate = entry.value(QStringLiteral("private"));
        if (!isPrivate.isUndefined() && !isPrivate.isBool())
            return {{}, tr("%1.private: must be true or false").arg(place)};
        const int size = tasks.isDouble() && tasks.toDouble() == tasks.toInt() ? tasks.toInt() : -1;
        const ListLayout *layout = isPrivate.toBool() ? &privateListLayout() : dayListLayout(size);
        if (!layout || size != layout->tasks) {
            return {{}, isPrivate.toBool() ? tr("%1.tasks: the private list has %2 tasks").arg(place).arg(5)
                                           : tr("%1.tasks: there is no list of %2 tasks (3, or 5 to 15)")
                                                 .arg(place, tasks.isDouble() ? QString::number(tasks.toDouble())
                                                                              : QStringLiteral("such"))};
        }
        for (const NamedList &earlier : std::as_const(parsed.lists)) {
            if (earlier.layout == layout)
                return {{}, tr("%1: the same list a second time").arg(place)};
        }
        const QJsonArray rows = entry.value(QStringLiteral("rows")).toArray();
        if (!entry.value(QStringLiteral("rows")).isArray() || rows.size() != layout->tasks) {
            return {{}, tr("%1.rows: must be an array of exactly %2 rows").arg(place).arg(layout->tasks)};
        }
        NamedList list{layout, {}};
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QString rowPlace = QStringLiteral("%1.rows[%2]").arg(place).arg(r);
            const QJsonObject row = rows[r].toObject();
            if (!rows[r].isObject())
                return {{}, tr("%1: must be an object").arg(rowPlace)};
            const QJsonValue text = row.value(QStringLiteral("text"));
            const QJsonValue done = row.value(QStringLiteral("done"));
            if (!text.isString())
                return {{}, tr("%1.text: must be a string").arg(rowPlace)};
            if (text.toString().size() > longestTask)
                return {{}, tr("%1.text: longer than %2 characters").arg(rowPlace).arg(longestTask)};
            if (!done.isBool())
                return {{}, tr("%1.done: must be true or false").arg(rowPlace)};
            list.rows << TaskRow{text.toString(), done.toBool()};
        }
        parsed.lists << list;
    }
    return parsed;
}

QList<StoreChange> replacing(const QList<NamedList> &dayLists)
{
    QList<StoreChange> changes;
    for (const NamedList &list : dayLists) {
        changes << StoreChange::removeSection(list.layout->section)
                << SectionListStorage::writes(list.layout->section, list.rows);
    }
    return changes;
}

} // namespace listexchange
