#pragma once

#include "kit/windowkit.h"
#include "store/settings.h"
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
        settings::StartList choice;
    };

    void buildControls();
    void unselect(QRadioButton *button);
    void showChoice(settings::StartList stored);
    // The selected option's choice; Unset when none is selected.
    settings::StartList selectedChoice() const;
    void confirm();

    WindowKit m_kit;
    QList<Option> m_options; // Option5 ("none") first, then Option1 to Option4
    QCheckBox *m_noShow = nullptr;
    settings::StartList m_shownChoice = settings::StartList::Unset;    // as stored when last shown
    settings::StartList m_shownSelection = settings::StartList::Unset; // what that showed selected
};
