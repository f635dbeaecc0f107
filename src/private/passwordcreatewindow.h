#pragma once

#include "forms/form.h"

class Program;
class QLineEdit;

// Creates the private list's password: typed twice, stored as a hash, then
// the entry window asks for it.
class PasswordCreateWindow final : public Form
{
    Q_OBJECT

public:
    static inline const QString formName = QStringLiteral("frmpassass");

    explicit PasswordCreateWindow(Program &program);

private:
    void confirm();

    Program &m_program;
    QLineEdit *m_first = nullptr;
    QLineEdit *m_second = nullptr;
};
