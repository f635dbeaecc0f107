#pragma once

#include "forms/form.h"

class FormHost;
class MessageBoxes;
class SystemInfoHost;
class QPushButton;

// The About box: who made the program and how to reach them, and the way to
// the system's own information tool.
class AboutWindow final : public Form
{
    Q_OBJECT

public:
    static inline const QString formName = QStringLiteral("frmAbout");

    AboutWindow(FormHost &host, MessageBoxes &boxes, SystemInfoHost &systemInfo);

protected:
    // OK is the default and the cancel button: Enter presses the button with
    // the focus, or OK; Esc presses OK.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void startSystemInfo();

    MessageBoxes &m_boxes;
    SystemInfoHost &m_systemInfo;
    QPushButton *m_ok = nullptr;
};
