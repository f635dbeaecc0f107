#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QPlainTextEdit;

// "What I Got Done": the tasks done by day, newest first, read only, over
// the last 7, 30 or 365 days; Copy puts the text on the clipboard, Escape
// closes. Shown anew whenever the caller says the store changed.
class DoneWindow final : public QDialog
{
    Q_OBJECT

public:
    // The text for the last so many days.
    using Shown = std::function<QString(int days)>;
    explicit DoneWindow(Shown shown);

    // Reads the tasks again (the store changed).
    void refresh();

private:
    Shown m_shown;
    QComboBox *m_days;
    QPlainTextEdit *m_text;
};
