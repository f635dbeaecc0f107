#pragma once

#include "kit/windowkit.h"
#include "forms/form.h"

class PasswordGate;
class QLineEdit;

// Creates the private list's password: typed twice, then
// the entry window asks for it.
class PasswordCreateWindow final : public Form
{
    Q_OBJECT

public:
    static inline const QString formName = QStringLiteral("frmpassass");

    PasswordCreateWindow(const WindowKit &kit, PasswordGate &gate);

protected:
    void formUnload() override;

private:
    void confirm();

    WindowKit m_kit;
    PasswordGate &m_gate;
    QLineEdit *m_first = nullptr;
    QLineEdit *m_second = nullptr;
};
