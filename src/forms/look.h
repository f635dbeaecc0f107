#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

// The program's own look, the same on every desktop theme: the windows are
// laid out in twips for these fonts and coloured to go with them.
namespace look {

// The light grey of buttons, the reminder's face and ticked rows.
inline const QColor face(0xE0, 0xE0, 0xE0);

// The font every control has unless its window gives it another.
QFont windowFont();

// A complete light palette, every role in every group, so that nothing of a
// dark desktop theme shows through (text as well as faces).
QPalette windowPalette();

} // namespace look
