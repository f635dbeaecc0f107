#include "messageboxes.h"

#include <QApplication>
#include <QPointer>
#include <QRegularExpression>

namespace {

// In a right-to-left language a file's path keeps its own direction: left
// alone, its slashes took the sentence's and the leading one moved to the
// other end ("tmp/Velmorwick.conf/"). Each is set apart by Unicode's
// left-to-right isolate; a left-to-right text is left as it is, to the byte.
QString withPathsSetApart(const QString &text)
{
    if (!QGuiApplication::isRightToLeft())
        return text;
    // From a slash, backslash or drive letter after a space or an opening
    // mark, to before the sentence's own closing punctuation.
    static const QRegularExpression path(
        QStringLiteral(R"re((?<![^\s("'])((?:[A-Za-z]:)?[\\/]\S*[^\s.,;:!?\x{060C}\x{061B})"']))re"));
    QString result = text;
    return result.replace(path, QStringLiteral("\u2066\\1\u2069"));
}

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
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, withPathsSetApart(text), buttons, owner);
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
