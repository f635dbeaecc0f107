#include "messageboxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {

int runBox(const QString &text, const QString &title, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, QApplication::activeWindow());
    return box.exec();
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
