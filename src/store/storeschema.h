#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Every section the program keeps in its store, in one table: which part of
// the store it belongs to, and how two machines' versions of it become one.
// The merge, the kept copies, backup, export and every write ask this table;
// a write to a section outside it is refused, so a new setting cannot be
// stored before it is given a part here.
namespace storeschema {

enum class Rule {
    LaterSavedWins, // a part: the version saved later wins, all its sections together; the other is kept
    LatestChoice,   // a choice: the one made later stands; the one it replaced is not kept
    RowByRow,       // a day list: each row goes to the version that changed it later
    Stamps,         // the times of saving: each goes with its part
    Union,          // values kept aside: every key of either version is kept; a list of words is joined
};

struct Section
{
    QString name;
    QString part;       // the part's first section, which names its time of saving
    const char *about;  // the part for the user: "the 5-task list"
    Rule rule;
    QStringList keys;   // the keys it holds; a trailing '*' stands for any ending
    // Held in the clear only for as long as a step needs it (a password
    // change half done): left out of every copy the program keeps or writes.
    bool leftOutOfCopies = false;
};

const QList<Section> &sections();
const Section *find(const QString &section);
// The sections of the part named by its first section ("Priv").
QStringList sectionsOf(const QString &part);
// The sections left out of every copy.
QStringList leftOutOfCopies();
// Whether a key belongs to the section as the table names it.
bool holdsKey(const Section &section, const QString &key);

inline bool isPart(const Section &section)
{
    return section.rule == Rule::LaterSavedWins || section.rule == Rule::LatestChoice || section.rule == Rule::RowByRow;
}

// In the section of values kept aside: a list of words, merged as a union.
inline const QString keptListKey = QStringLiteral("Kept");

} // namespace storeschema
