#pragma once

#include "app/windowkit.h"
#include "forms/form.h"

class QLineEdit;

// Creates the private list's password: typed twice, stored as a hash, then
// the entry window asks for it.
class PasswordCreateWindow final : public Form
{
    Q_OBJECT

public:
    static inline const QString formName = QStringLiteral("frmpassass");

    explicit PasswordCreateWindow(const WindowKit &kit);

private:
    void confirm();

    WindowKit m_kit;
    QLineEdit *m_first = nullptr;
    QLineEdit *m_second = nullptr;
};
