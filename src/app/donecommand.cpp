#include "donecommand.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

namespace donecommand {

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("donecommand", text, disambiguation, n);
}

// A cell a spreadsheet reads as text: quoted where it must be, and a text
// that would start a formula (=, +, -, @) kept from being one.
QString csvCell(QString cell)
{
    if (!cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell.front()))
        cell.prepend(u'\'');
    if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r'))
        cell = u'"' + cell.replace(u'"', QLatin1String("\"\"")) + u'"';
    return cell;
}

QString listName(const QString &list)
{
    return tr("%1-task list").arg(list.mid(4));
}

} // namespace

QString shown(const QList<logbook::Entry> &entries, const Options &options, const QDateTime &now)
{
    const QDate first = options.since.isValid() ? options.since : now.date().addDays(1 - options.days);
    QMap<QDate, QList<const logbook::Entry *>> byDay; // sorted by day; the entries come newest first
    for (const logbook::Entry &entry : entries) {
        const QDateTime local = entry.when.toLocalTime();
        if (local.date() >= first && (entry.done || options.all))
            byDay[local.date()] << &entry;
    }
    QString out;
    if (options.format == QLatin1String("csv")) {
        out = QStringLiteral("date,time,list,task,computer,done\r\n");
        for (auto day = byDay.cend(); day != byDay.cbegin();) {
            --day;
            for (const logbook::Entry *entry : day.value()) {
                out += QStringList{day.key().toString(Qt::ISODate), entry->when.toLocalTime().toString(QStringLiteral("HH:mm")),
                                   csvCell(listName(entry->list)), csvCell(entry->text), csvCell(entry->machine),
                                   entry->done ? QStringLiteral("yes") : QStringLiteral("no")}
                           .join(u',')
                       + QStringLiteral("\r\n");
            }
        }
        return out;
    }
    if (options.format == QLatin1String("json")) {
        QJsonArray days;
        for (auto day = byDay.cend(); day != byDay.cbegin();) {
            --day;
            QJsonArray tasks;
            for (const logbook::Entry *entry : day.value()) {
                tasks.append(QJsonObject{{QStringLiteral("time"), entry->when.toLocalTime().toString(QStringLiteral("HH:mm"))},
                                         {QStringLiteral("list"), entry->list.mid(4).toInt()},
                                         {QStringLiteral("text"), entry->text},
                                         {QStringLiteral("computer"), entry->machine},
                                         {QStringLiteral("done"), entry->done}});
            }
            days.append(QJsonObject{{QStringLiteral("date"), day.key().toString(Qt::ISODate)}, {QStringLiteral("tasks"), tasks}});
        }
        return QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("days"), days}}).toJson());
    }
    if (byDay.isEmpty()) {
        return (options.since.isValid() ? tr("Nothing done since %1.").arg(options.since.toString(Qt::ISODate))
                                        : tr("Nothing done in the last %n days.", nullptr, options.days))
               + u'\n';
    }
    for (auto day = byDay.cend(); day != byDay.cbegin();) {
        --day;
        out += day.key().toString(Qt::ISODate) + u'\n';
        for (const logbook::Entry *entry : day.value()) {
            out += QStringLiteral("  %1  %2: %3%4\n")
                       .arg(entry->when.toLocalTime().toString(QStringLiteral("HH:mm")), listName(entry->list), entry->text,
                            entry->done ? QString() : tr(" (unticked again)"));
        }
    }
    return out;
}

} // namespace donecommand
