#pragma once

#include "lists/listlayouts.h"
#include "lists/liststorage.h"
#include "private/privatelistlayout.h"

#include <QByteArray>
#include <QList>
#include <QJsonArray>
#include <QString>

// The lists as a file of their own, for export and import: a readable
// checklist, or JSON in this form (every list's rows, all of them):
//
//   { "format": "velmorwick-lists", "version": 1,
//     "lists": [ { "tasks": 10, "rows": [ { "text": "Call the plumber", "done": true }, ... ] },
//                { "private": true, "tasks": 5, "rows": [ ... ] } ] }
//
// A day list is named by its number of tasks (3, or 5 to 15); the private
// list by "private": true. Texts are any JSON strings, kept exactly.
namespace listexchange {

struct NamedList
{
    const ListLayout *layout = nullptr;
    QList<TaskRow> rows; // exactly layout->tasks of them
    bool isPrivate() const { return layout == &privateListLayout(); }
};

// The day lists that were ever saved, smallest first.
QList<NamedList> savedDayLists(const SettingsStore &store);

// "Busy Day (10 tasks)", then "[x] task" or "[ ] task" per row; a blank line
// between lists.
QString asText(const QList<NamedList> &lists);
// With the logbook of tasks done under its own key, where given: import
// reads the lists alone.
QByteArray asJson(const QList<NamedList> &lists, const QJsonArray &logbook = {});

struct Parsed
{
    QList<NamedList> lists;
    QString error; // names the place: "lists[2].rows[4].text: ..."
};
Parsed fromJson(const QByteArray &json);

// The store changes that replace these day lists, whatever they held before.
QList<StoreChange> replacing(const QList<NamedList> &dayLists);

} // namespace listexchange
