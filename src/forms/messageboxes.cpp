#include "messageboxes.h"

#include <QApplication>
#include <QPointer>

namespace {

int runBox(const QString &text, const QString &title, QMessageBox::StandardButtons buttons)
{
    const QPointer<QWidget> owner = QApplication::activeWindow();
    const int answer = QtMessageBoxes::made(owner, text, title, buttons)->exec();
    // A window manager gives the keyboard back after a modal box only to
    // windows on the task bar; ask for it for the others too, so typing goes
    // on where it was.
    if (owner && owner->isVisible())
        owner->activateWindow();
    return answer;
}

} // namespace

std::unique_ptr<QMessageBox> QtMessageBoxes::made(QWidget *owner, const QString &text, const QString &title,
                                                  QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, text, buttons, owner);
    box->setAttribute(Qt::WA_WindowPropagation); // the owner's colours and font
    return box;
}

void QtMessageBoxes::inform(const QString &text, const QString &title)
{
    runBox(text, title, QMessageBox::Ok);
}

bool QtMessageBoxes::askYesNo(const QString &text, const QString &title)
{
    return runBox(text, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
