#pragma once

#include <QList>
#include <QStringList>

class SettingsStore;

// Tasks into the first empty rows of a day list, for velmorwick add and its
// window: from a script or a key the desktop binds, while the windows may be open.
namespace addcommand {

struct Added
{
    QString failure;  // why nothing was added; empty when all were
    int tasks = 0;    // the list they went to
    QList<int> rows;  // the rows they took, from 1
    QString unconfirmed; // added, but the disk did not confirm it
};
// Each text a task of the list with that many tasks (0: the list that opens
// at start), in one write; all or none.
Added add(const QStringList &texts, int tasks, SettingsStore &store);
// Whether a day list has that many tasks: 3, or 5 to 15.
bool isDayList(int tasks);

} // namespace addcommand
