#pragma once

#include "inidocument.h"
#include "rowstamps.h"
#include "settingsstore.h"
#include "storekeys.h"

#include <QList>
#include <QString>

// The rows a merge replaced, kept in the store's section "Replaced" where
// the user can read them and put them back (velmorwick replaced). Each
// entry is two keys, named by the list, the row and the losing stamp (so
// that two machines recording one loss record one entry): "<key>" holds the
// text that lost, "<key>.won" the stamp that beat it, whether the lost row
// was ticked, and the text that won. The section merges as a union; after
// every merge entries whose text is back in its list leave it, and only the
// newest entriesKept stay.
namespace replacedrecord {

inline const QString &section = storekeys::replacedSection;
constexpr int entriesKept = 500;

struct Entry
{
    QString key;
    QString list;
    int row = 0;
    rowstamps::Row lost;
    QString lostStamp;
    QString wonStamp;
    QString wonText;
};

void add(IniDocument &document, const rowstamps::Lost &lost);
// Drops the entries whose text is in a row of its list, then all but the
// newest entriesKept; the same on every machine that holds the same rows.
void tidy(IniDocument &document);
// Newest first (by when each was replaced).
QList<Entry> entries(const IniDocument &document);
QString wonKey(const QString &key);

// Putting an entry's text back as a new edit: into its own row where that
// is empty or still holds the text that won, otherwise into the first empty
// row; a snapshot first, and the entry leaves the record. Nothing changes
// where the rows changed meanwhile. A full list is refused with the reason.
struct PutBack
{
    QList<StoreChange> changes;
    int row = 0;
    QString refused;
};
PutBack putBack(const IniDocument &document, const Entry &entry);

} // namespace replacedrecord
