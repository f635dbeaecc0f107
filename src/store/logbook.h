#pragma once

#include "inidocument.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The tasks done. When a save stores a day-list row ticked that the store
// did not hold ticked, a line goes to this machine's own file beside the
// store ("Velmorwick.done-<machine>.log"); unticking it and saving adds a
// line that it is undone (a row put back ticked from the record of rows
// replaced gets a line naming the task as first done). Each machine writes
// only its own file, and only by appending, so a sync program never meets
// two versions of one and no merge is needed: every machine reads them
// all. Clearing a list, a restore or an import's emptied rows leave it as it
// is. The private list is not logged.
namespace logbook {

struct Entry
{
    QString id; // "<list>.<row>.<the row's stamp when it was ticked>": the same in every file
    QDateTime when; // UTC
    QString list;   // "Task10"
    QString text;
    QString machine;
    bool done = true; // false: unticked again since
};

QString fileName(const QString &storeBase, const QString &machine);
QString filePrefix(const QString &storeBase);
QString machineOf(const QString &storeBase, const QString &fileName);
// The first line of every file: what it is, for whoever opens it.
QByteArray header();
// Every machine's file as one text for a backup, each task with its machine.
QByteArray forBackup(const QList<QPair<QString, QByteArray>> &files);
// The lines of a backup's logbook that none of the files holds.
QByteArray notYetIn(const QByteArray &lines, const QList<QByteArray> &files);
// This machine's file written anew without the tasks done before a time,
// ending in the line that takes them away on every machine.
QByteArray forgotten(const QByteArray &file, const QDateTime &before);

// The lines the change from `before` to `after` adds to this machine's file.
QByteArray linesFor(const IniDocument &before, const IniDocument &after);
// A version put back whole (a restore) stamps its rows anew: each ticked row
// it brings back names the task as the version held it.
QByteArray sameLines(const IniDocument &source, const IniDocument &after);


// Every machine's file read into one logbook: each task once, however many
// files hold it; an undone mark wins over the tick it names.
class Reader
{
public:
    // The tasks done from this time on (all, when invalid).
    explicit Reader(const QDateTime &from = {});
    // False when a line could not be read (the rest of the file still is).
    bool add(QByteArrayView bytes, const QString &machine);
    // Newest first.
    QList<Entry> entries() const;

private:
    QDateTime m_forgotten; // entries before it were taken away (velmorwick done --forget-before)
    QByteArray m_from; // as the lines write a time
    QDateTime m_fromTime;
    QHash<QString, Entry> m_done;
    QSet<QString> m_undone;
    QHash<QString, QString> m_sameAs; // a row put back from the record: the task as it was first done
};

} // namespace logbook
