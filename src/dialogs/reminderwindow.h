#pragma once

#include "app/windowkit.h"
#include "forms/form.h"

#include <QList>

class QCheckBox;
class QRadioButton;

// The reminder that comes up when the main window goes: which list opens at
// the next start, and whether to be reminded again. Both of its ways out end
// the program; only OK stores the choice.
class ReminderWindow final : public Form
{
    Q_OBJECT

public:
    static inline const QString formName = QStringLiteral("frmNotify");

    explicit ReminderWindow(const WindowKit &kit);

    // "None" selected, every list unselected.
    void resetChoice();
    void followStore() override;

protected:
    void formLoad() override;
    void formUnload() override;

private:
    struct Option
    {
        QRadioButton *button;
        QString value; // what is stored for it
    };

    void buildControls();
    void unselect(QRadioButton *button);
    void showChoice(const QString &stored);
    // What is stored for the selected option; nothing when none is.
    QString selectedChoice() const;
    void confirm();

    WindowKit m_kit;
    QList<Option> m_options; // Option5 ("none") first, then Option1 to Option4
    QCheckBox *m_noShow = nullptr;
    QString m_shownChoice;    // as stored when last shown
    QString m_shownSelection; // what that showed selected
};
