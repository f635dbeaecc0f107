#pragma once

#include "inidocument.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// A day list merges row by row: each row (its text and its tick together: a
// tick belongs to the text it was given for) records in the section "Saved",
// under "<list>-row<n>", when it was last changed and by which machine, as a
// stamp "yyyyMMddTHHmmsszzz-<machine>" (and "-<its clock>" where it was put
// ahead of the clock by the stamp it replaced), followed
// by the few stamps it replaced on that machine (what its maker had seen).
// A row without a stamp of its own (a version of an earlier release) stands
// at its list's time of saving. A cleared row is a change like any other:
// its stamp stays when its keys are gone.
namespace rowstamps {

struct Row
{
    QString text;
    bool ticked = false;
    bool operator==(const Row &) const = default;
    bool isEmpty() const { return text.isEmpty() && !ticked; }
};

// The stamps a row's own one keeps of those it replaced.
constexpr int seenKept = 4;

QString token(const QDateTime &at, const QString &machine);
QDateTime timeOf(const QString &token);
// The later of two stamps.
QString later(const QString &a, const QString &b);
QString stampKey(const QString &list, int row);

Row row(const IniDocument &document, const QString &list, int row);
// Every row number either document names, in its list's section or its stamps.
QList<int> rowNumbers(const IniDocument &a, const IniDocument &b, const QString &list);
// Whether the list's rows carry stamps of their own in this version.
bool stampsRows(const IniDocument &document, const QString &list);
// The row's stamp and those it replaced; where rows carry none (a version of
// an earlier release), the list's time.
QStringList stampOf(const IniDocument &document, const QString &list, int row, const QDateTime &listSaved);

// Stamps the rows of the list whose text or tick the change made differ, each
// never earlier than the stamp it replaces plus a millisecond.
void stamp(IniDocument &after, const IniDocument &before, const QString &list, const QDateTime &listSavedBefore,
           const QDateTime &now, const QString &machine);

struct Lost
{
    QString list;
    int row = 0;
    Row value;
    QString stamp;   // the losing row's
    Row won;
    QString wonStamp;
};
struct Merged
{
    bool tookFromCopy = false; // a row of the copy's stands
    QList<Lost> lost;          // rows changed on both sides: the version that had not seen the other lost
};
// Into `into` (here's document so far), row by row: the later stamp wins;
// a row changed on one side only comes through, as that side's stamp is
// later than the one both had. A tie of times goes by machine, the same on
// every machine. The same two versions give the same rows whichever merges.
Merged merge(IniDocument &into, const IniDocument &here, const IniDocument &copy, const QString &list,
             const QDateTime &hereSaved, const QDateTime &copySaved);

} // namespace rowstamps
