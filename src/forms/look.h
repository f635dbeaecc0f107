#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>

// The program's own look, the same on every desktop theme: the windows are
// laid out in twips for these fonts and coloured to go with them.
namespace look {

// The light grey of buttons, the reminder's face and ticked rows.
inline const QColor face(0xE0, 0xE0, 0xE0);

// The size of every font the windows use, in points.
inline constexpr qreal fontPoints = 8.25;

// The font every control has unless its window gives it another.
QFont windowFont();

// Task rows: the first text box's top and the pitch from row to row, in twips.
inline constexpr int firstRowTop = 660;
inline constexpr int rowPitch = 360;
// The top of a row's text box (rows count from 1); one past the last row is
// where the buttons under the list go.
constexpr int rowTop(int row)
{
    return firstRowTop + rowPitch * (row - 1);
}

// A picture from the resources at the screen's scale: "name@2x.png" where
// the screen draws two pixels to a point and that file is there.
QPixmap picture(const QString &path, qreal devicePixelRatio);

// A complete light palette, every role in every group, so that nothing of a
// dark desktop theme shows through (text as well as faces).
QPalette windowPalette();

} // namespace look
