#pragma once

#include "kit/windowkit.h"
#include "forms/form.h"

#include <QList>

class Desktop;
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

    // listOpenedAtStart: start-up has opened the stored choice's list itself,
    // so this window's load takes that as its dispatch and stays hidden.
    MainWindow(const WindowKit &kit, Desktop &desktop, bool listOpenedAtStart = false);

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
    void viewPrivateList();
    void changePassword();

    WindowKit m_kit;
    Desktop &m_desktop;
    QList<QCheckBox *> m_sizeBoxes; // in screen order: 3, 5, 6 ... 15
    bool m_dispatchOpenedList = false;
    bool m_listOpenedAtStart = false;
};
