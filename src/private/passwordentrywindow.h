#pragma once

#include "app/windowkit.h"
#include "forms/form.h"

class QLineEdit;
class QPushButton;

// Asks for the private list's password before the list opens, and is the
// way to change it: only someone who knows the current password can.
class PasswordEntryWindow final : public Form
{
    Q_OBJECT

public:
    static inline const QString formName = QStringLiteral("frmpriv");

    explicit PasswordEntryWindow(const WindowKit &kit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Whether the box holds the stored password; tells the user when not.
    bool typedPasswordIsRight();
    void openPrivateList();
    void changePassword();

    WindowKit m_kit;
    QLineEdit *m_password = nullptr;
    QPushButton *m_ok = nullptr;
};
