#include "messageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

int runBox(const QString &text, const QString &title, QMessageBox::StandardButtons buttons)
{
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, owner);
    box.setAttribute(Qt::WA_WindowPropagation); // the owner's colours and font
    const int answer = box.exec();
    // A window manager gives the keyboard back after a modal box only to
    // windows on the task bar; ask for it for the others too, so typing goes
    // on where it was.
    if (owner && owner->isVisible())
        owner->activateWindow();
    return answer;
}

} // namespace

void QtMessageBoxes::inform(const QString &text, const QString &title)
{
    runBox(text, title, QMessageBox::Ok);
}

bool QtMessageBoxes::askYesNo(const QString &text, const QString &title)
{
    return runBox(text, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
