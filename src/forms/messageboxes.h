#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>

// Every message box of the program goes through here: a fixed text, a title,
// no icon, and either a single OK button or Yes and No. Tests replace it with
// a scripted one, so nothing ever blocks on a modal box.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;

    // A box with an OK button; returns once the user has closed it.
    virtual void inform(const QString &text, const QString &title) = 0;

    // A box with Yes and No; true when the answer is Yes.
    virtual bool askYesNo(const QString &text, const QString &title) = 0;
};

// The real boxes: modal QMessageBox without an icon.
class QtMessageBoxes final : public MessageBoxes
{
public:
    void inform(const QString &text, const QString &title) override;
    bool askYesNo(const QString &text, const QString &title) override;

    // A box as these show it, over `owner` in its colours and font; not yet shown.
    static std::unique_ptr<QMessageBox> made(QWidget *owner, const QString &text, const QString &title,
                                             QMessageBox::StandardButtons buttons);
};
