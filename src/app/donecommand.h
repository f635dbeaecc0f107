#pragma once

#include "store/logbook.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// velmorwick done: the tasks done, grouped by the day they were done (in
// local time), newest day first, as text, JSON or CSV.
namespace donecommand {

struct Options
{
    int days = 7;          // the last N days, today among them
    QDate since;           // or from this day on
    bool all = false;      // the tasks unticked again too, marked
    QString format = QStringLiteral("text"); // "text", "json" or "csv"
};

// What to print, ending in a line end; `now` is local time.
QString shown(const QList<logbook::Entry> &entries, const Options &options, const QDateTime &now);

} // namespace donecommand
