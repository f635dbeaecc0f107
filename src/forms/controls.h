#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small helpers that build the controls of a window at their twip positions.
namespace controls {

// The fonts the windows were drawn with, falling back to the nearest
// metric-compatible fonts where those are missing (Liberation, DejaVu).
QFont msSansSerif(qreal points, bool bold = false);
QFont arial(qreal points, bool bold = false);
QFont verdana(qreal points, bool bold = false);

void place(QWidget *widget, int left, int top, int width, int height);

// Paints the widget's background in every palette group, so that a disabled
// control shows the same colour as an enabled one.
void setBackground(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);

// A one-line text box with no length limit of its own.
QLineEdit *lineEdit(QWidget *parent, const QString &name, int left, int top, int width, int height);
enum class Wrap { None, Words };
QLabel *label(QWidget *parent, const QString &name, const QString &text, int left, int top, int width, int height,
             Wrap wrap = Wrap::None);
QPushButton *button(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                    int height);
// A check box without a visible caption; accessibleName tells a screen reader
// what it stands for.
QCheckBox *tickBox(QWidget *parent, const QString &name, const QString &accessibleName, int left, int top,
                   int width, int height);

// Sets the keyboard focus order to the order of the list.
void chainTabOrder(const QList<QWidget *> &order);

// Right to left, the text boxes and notes within hold their text to the
// right; a text in Latin letters still reads from its own left.
void holdTextToTheRight(QWidget *within);

// Zeroes the text a box shows, where it lies, before the box replaces it
// (a new echo mode, a new text): the copy it drew from is never freed with
// the text still in it.
void wipeShownText(QLineEdit *box);
// Zeroes the box's text and the copy it shows, then empties it. As far as
// Qt lets anyone: what was typed into it key by key left freed copies the
// program cannot reach.
void wipeText(QLineEdit *box);
// Zeroes a text where it lies, in every copy that shares it: only for a
// text no copy of which is still needed.
void zeroText(const QString &text);

} // namespace controls
