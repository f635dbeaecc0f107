#include "controls.h"

#include "twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <limits>

namespace controls {

namespace {

QFont font(const QStringList &families, qreal points, bool bold)
{
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

QFont msSansSerif(qreal points, bool bold)
{
    return font({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")}, points, bold);
}

QFont arial(qreal points, bool bold)
{
    return font({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, points, bold);
}

QFont verdana(qreal points, bool bold)
{
    return font({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, points, bold);
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips::rect(left, top, width, height));
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(QPalette::All, role, colour);
    widget->setPalette(palette);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::All, role, colour);
    widget->setPalette(palette);
}

QLineEdit *lineEdit(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    // Qt's default of 32767 characters would cut a long pasted task silently.
    edit->setMaxLength(std::numeric_limits<int>::max());
    place(edit, left, top, width, height);
    return edit;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, int left, int top, int width, int height,
             Wrap wrap)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setWordWrap(wrap == Wrap::Words);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(label, left, top, width, height);
    // The substitute fonts run a little wider than the originals: let a
    // one-line label grow to the right rather than cut its text.
    if (wrap == Wrap::None && label->sizeHint().width() > label->width())
        label->resize(label->sizeHint().width(), label->height());
    return label;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                    int height)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    place(button, left, top, width, height);
    return button;
}

QCheckBox *tickBox(QWidget *parent, const QString &name, const QString &accessibleName, int left, int top,
                   int width, int height)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    place(box, left, top, width, height);
    return box;
}

void chainTabOrder(const QList<QWidget *> &order)
{
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}


// Through the text's own buffer, shared by every copy of it: data() would
// detach and zero a new copy instead. utf16() copies only a text that lies
// in read-only memory, such as a literal, which holds nothing typed.
void zeroText(const QString &text)
{
    volatile ushort *characters = const_cast<ushort *>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i)
        characters[i] = 0;
}

void wipeShownText(QLineEdit *box)
{
    const QString shown = box->displayText();
    // The shown copy is the box's own unless the text needed no changes to
    // be shown; then it is the text itself, still in use.
    if (shown.constData() != box->text().constData())
        zeroText(shown);
}

void wipeText(QLineEdit *box)
{
    wipeShownText(box);
    zeroText(box->text());
    box->clear();
}

void holdTextToTheRight(QWidget *within)
{
    const auto toTheRight = [](Qt::Alignment alignment) {
        return (alignment & Qt::AlignLeft) ? (alignment & ~Qt::AlignLeft) | Qt::AlignRight | Qt::AlignAbsolute
                                           : alignment;
    };
    for (QLineEdit *box : within->findChildren<QLineEdit *>())
        box->setAlignment(toTheRight(box->alignment()));
    for (QPlainTextEdit *box : within->findChildren<QPlainTextEdit *>()) {
        QTextOption option = box->document()->defaultTextOption();
        option.setAlignment(toTheRight(option.alignment()));
        box->document()->setDefaultTextOption(option);
    }
}

} // namespace controls
