#pragma once

#include "forms/form.h"

#include <QList>

class Program;
class QCheckBox;
class QMenuBar;
class QPushButton;

// The main window: the list-size chooser and the menu bar, and the hub every
// other window comes back to. Creating it runs the auto-load dispatch, which
// may open a list at once.
class MainWindow final : public Form
{
    Q_OBJECT

public:
    static inline const QString formName = QStringLiteral("frmMain");

    explicit MainWindow(Program &program);

    // Whether the last dispatch opened a list and hid this window.
    bool dispatchOpenedList() const { return m_dispatchOpenedList; }

protected:
    void formLoad() override;
    void formUnload() override;

private:
    void buildControls();
    void buildMenu();
    void autoLoadDispatch();
    void sizeBoxChanged(QCheckBox *changed, bool ticked);
    void openChosenList();
    void clearAllTasks();
    void resetAutoLoad();
    // Opens a list and unloads this window, which runs the exit step.
    void openListInstead(int tasks);
    bool passwordIsSet() const;
    void viewPrivateList();
    void changePassword();

    Program &m_program;
    QList<QCheckBox *> m_sizeBoxes; // in screen order: 3, 5, 6 ... 15
    bool m_dispatchOpenedList = false;
};
