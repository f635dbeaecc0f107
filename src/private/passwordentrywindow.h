#pragma once

#include "kit/windowkit.h"
#include "forms/form.h"

class PasswordGate;
class QLineEdit;
class QPushButton;

// Asks for the private list's password before the list opens, and is the
// way to change it: only someone who knows the current password can.
class PasswordEntryWindow final : public Form
{
    Q_OBJECT

public:
    static inline const QString formName = QStringLiteral("frmpriv");

    PasswordEntryWindow(const WindowKit &kit, PasswordGate &gate);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void formUnload() override;

private:
    // Whether the box holds the stored password, which then opens the list;
    // tells the user when not.
    bool typedPasswordIsRight();
    void openPrivateList();
    void changePassword();

    WindowKit m_kit;
    PasswordGate &m_gate;
    QLineEdit *m_password = nullptr;
    QPushButton *m_ok = nullptr;
};
