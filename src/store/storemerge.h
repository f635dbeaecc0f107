#pragma once

#include "inidocument.h"
#include "rowstamps.h"
#include "settingsstore.h"
#include "storekeys.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Two versions of the store, saved on two machines while a file-sync engine
// could not carry one to the other, made into one. The store is made of
// parts that travel whole: each day list, the private list with its
// password, and each of the two start-up choices. Every part records when it
// was last saved or cleared, in UTC, in the section "Saved" under the name
// of its first section ("Task5", "Priv"): the parts' own sections keep
// exactly their keys, and a cleared list stays absent. Of two versions of a
// part, the one saved later wins; a part that records no time counts as
// older than one that does. A day list goes row by row, each row by its own
// time of change, and the rows that lost where both sides changed one are
// kept in the store's record of rows replaced.
namespace storemerge {

struct Part
{
    QString name;         // for the user: "the 5-task list"
    QStringList sections; // the first one names its time of saving
    bool byRow = false;   // a day list: merged row by row
    bool keptWhenLost = false; // the private list: its losing version is kept (a choice's is not)
};
inline const QString &savedSection = storekeys::savedSection;
// The one table of the store's parts: every place that asks which sections
// belong to the program asks it.
const QList<Part> &parts();
const Part *partOf(const QString &section);
// A section of the program's own: a part's, the times of saving, or values
// kept aside.
bool isKnownSection(const QString &section);

// When the part was last saved in this version; an invalid time when never.
QDateTime savedAt(const IniDocument &document, const Part &part);
// What the clock of the machine that saved it said then: the time of saving
// itself, unless that was put ahead of the clock by a time it replaced
// (recorded beside it, in "<part>-clock", as "<time of saving> <clock>").
QDateTime savedByClock(const IniDocument &document, const Part &part);

// The document after a batch, with every part whose content the batch
// changed stamped as saved now, also one it removed (a list cleared later
// than another machine saved it stays cleared). A stamp is never earlier
// than the one it replaces plus a millisecond, whatever the clock says: an
// edit made after seeing a version always wins over that version, even one
// stamped by a machine whose clock runs ahead.
// The rows of a day list the batch changed are stamped each, by this machine.
void stamp(IniDocument &after, const IniDocument &before, const QDateTime &now, const QString &machine = {});

// A time of saving more than this far ahead of the merging machine's clock,
// by the clock of the machine that saved it, comes from a clock that is
// wrong; the user is told. It still decides as recorded: the times above keep
// every edit made since ahead of it. Two edits made after one such time,
// stamped alike, go by their machines' clocks: the later edit wins.
constexpr qint64 clockSlackMs = 24 * 60 * 60 * 1000;

struct Merged
{
    IniDocument document;
    QStringList fromCopy; // names of the parts taken from the copy
    bool hereLost = false; // a part of here was replaced
    bool copyLost = false; // a part of the copy lost to here's
    bool clockAhead = false; // the copy was saved by a clock past now + clockSlackMs
    int keptSetsTaken = 0; // sets of private rows kept aside, new here
    int keptSetsLeft = 0;  // ... the oldest past the bound, only in the version kept of their side
    int privateKeptAside = 0; // the private list's losing version, kept aside as a set
    QList<rowstamps::Lost> replaced; // rows of day lists changed on both sides: the losers, now in the record
};
// The sets of private rows kept aside a store holds at most after a merge
// (the newest): each asks for a key derivation at put-back, at whatever
// cost its key names.
constexpr int keptRowSetsAtMost = 10;
// Part by part, the later saved wins (a tie keeps here's), a day list row
// by row (see rowstamps.h); values kept aside
// on either side are kept, whatever their part.
Merged merge(const IniDocument &here, const IniDocument &copy,
             const QDateTime &now = QDateTime::currentDateTimeUtc());

// What merging the conflict copies beside the store comes to, decided in
// memory without a look at the disk: the store to write (once, for all the
// copies), the losing versions to keep, what to tell.
struct CopyFile
{
    QString name;
    QByteArray bytes;
    // Read already (by a CopyReader against the store): what the bytes hold
    // and what tells them from another copy's. Otherwise plan() reads them.
    bool read = false;
    std::optional<IniDocument> document = {};
    QByteArray identity = {};
};
struct Plan
{
    IniDocument document;
    bool changed = false;
    struct Keep
    {
        QString kind; // ".merged": a version of here's; ".conflict": a copy's
        QByteArray bytes;
        QString file; // the copy's file when these are its bytes as they are
    };
    QList<Keep> keep;
    QStringList taken;      // "the 5-task list from NAME"
    QStringList takenParts; // the parts' names
    QStringList setAside;   // copies kept whole, unmerged: not clean settings of the program's
    QStringList clockAhead; // copies stamped more than clockSlackMs ahead
    int keptSetsArrived = 0;  // sets of private rows kept aside, taken in
    int privateKeptAside = 0; // versions of the private list that lost, kept aside as sets
    QStringList keptSetsLeft; // copies in whose merge the bound left sets out
    QStringList replacedRows; // "the 10-task list, row 4": rows whose version from one side lost
};
Plan plan(const IniDocument &here, const QList<CopyFile> &copies, const QDateTime &now);

// The day-list rows whose text or tick differ between the two.
QList<std::pair<QString, int>> rowsChangedBetween(const IniDocument &a, const IniDocument &b);
// Of the rows given, those the change from `before` to `after` replaced go to
// the record of rows replaced, beaten by the row's stamp in `after`; what to
// tell of them ("the 10-task list, task 4").
QStringList recordReplaced(IniDocument &after, const IniDocument &before, const QList<std::pair<QString, int>> &rows);
const Part *byName(const QString &name);
// The private list's version in `before`, replaced in `after` unseen, kept
// aside in `after` as a set of its rows: the set's name, or empty where it
// held no rows or the sets are at their bound.
QString keepAside(IniDocument &after, const IniDocument &before, const Part &part);
// A version put back whole (a restore) keeps the times the store has for
// what it leaves as it is: a time of its own, older, would let a version it
// had already beaten win again.
void keepTimesOfUnchanged(IniDocument &after, const IniDocument &before);
// Every value kept aside in `from` (the record of rows replaced, the sets of
// private rows) that `into` lacks is added: a restore of an older version
// takes none away.
void keepKeptAside(IniDocument &into, const IniDocument &from);

// Whether the two hold the same content in the part (its time aside).
bool samePart(const IniDocument &a, const IniDocument &b, const Part &part);
// The names of the parts whose content differs between the two.
QStringList differingParts(const IniDocument &a, const IniDocument &b);

// Whether a file in the store's folder is a conflict copy a sync engine made
// of the store file: Syncthing's "NAME.sync-conflict-DATE-TIME-DEVICE.conf",
// the "NAME (conflicted copy ...).conf" of Nextcloud, ownCloud and Dropbox
// (and their translations, which keep the word: "Konflikt", "conflit"...),
// ownCloud's older "NAME_conflict-DATE-TIME.conf". A user's own copy
// ("NAME (copy).conf") is none.
bool isConflictCopy(const QString &storeName, const QString &fileName);

} // namespace storemerge
