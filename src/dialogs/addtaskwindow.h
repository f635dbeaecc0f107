#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

// "Add a Task": one line and the list it goes to, for a key the desktop
// binds to `velmorwick add`. Comes up on the pointer's screen, above other
// windows, ready to type in; Enter adds and closes, Escape closes.
class AddTaskWindow final : public QDialog
{
    Q_OBJECT

public:
    // Adds the text to the list with that many tasks; why not, or nothing.
    using Add = std::function<QString(const QString &text, int tasks)>;
    AddTaskWindow(Add add, int startTasks);

    void showOnPointerScreen();

private:
    void accept() override;

    Add m_add;
    QLineEdit *m_text;
    QComboBox *m_list;
    QLabel *m_problem;
};
