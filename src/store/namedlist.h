#pragma once

#include <QStringList>

// Names listed in a sentence, joined by a pattern each language gives
// ("%1, %2"), so that a translation sets its own commas and order.
namespace namedlist {

// File names, lists and parts of the store: "a, b, c".
QString commas(const QStringList &names);
// Texts that may hold commas of their own, such as tasks: "a; b; c".
QString semicolons(const QStringList &names);

} // namespace namedlist
