#pragma once

#include "forms/form.h"

class Program;
class QPushButton;

// The About box: who made the program and how to reach them, and the way to
// the system's own information tool.
class AboutWindow final : public Form
{
    Q_OBJECT

public:
    static inline const QString formName = QStringLiteral("frmAbout");

    explicit AboutWindow(Program &program);

protected:
    // OK is the default and the cancel button: Enter presses the button with
    // the focus, or OK; Esc presses OK.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void startSystemInfo();

    Program &m_program;
    QPushButton *m_ok = nullptr;
};
