#include "reminderwindow.h"

#include "kit/navigation.h"
#include "forms/controls.h"
#include "forms/look.h"
#include "forms/messageboxes.h"
#include "store/settingsstore.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct OptionRow
{
    const char *button;
    int buttonTop, buttonWidth, buttonHeight;
    const char *label;
    const char *caption;
    int labelTop, labelWidth, labelHeight;
    const char *tip;
    settings::StartList choice;
};

// Option5 first: it is the first looked at when OK stores the choice. The
// tooltips are the dialog's own texts, spelling and all.

constexpr OptionRow optionRows[] = {
    {.button = "Option5", .buttonTop = 360, .buttonWidth = 225, .buttonHeight = 225, .label = "Label5",
     .caption = QT_TRANSLATE_NOOP("ReminderWindow", "None"), .labelTop = 360, .labelWidth = 435, .labelHeight = 225, .tip = nullptr, .choice = settings::StartList::None},
    {.button = "Option1", .buttonTop = 660, .buttonWidth = 255, .buttonHeight = 195, .label = "Label1",
     .caption = QT_TRANSLATE_NOOP("ReminderWindow", "5 Tasks"), .labelTop = 630, .labelWidth = 615, .labelHeight = 195,
     .tip = QT_TRANSLATE_NOOP("ReminderWindow", "Replaces each character by its preceeding letter in the aplhabet (a becomes b, f becomes g)"),
     .choice = settings::StartList::Five},
    {.button = "Option2", .buttonTop = 930, .buttonWidth = 255, .buttonHeight = 195, .label = "Label2",
     .caption = QT_TRANSLATE_NOOP("ReminderWindow", "10 Tasks"), .labelTop = 900, .labelWidth = 675, .labelHeight = 195,
     .tip = QT_TRANSLATE_NOOP("ReminderWindow", "Reverses the text"), .choice = settings::StartList::Ten},
    {.button = "Option3", .buttonTop = 1170, .buttonWidth = 255, .buttonHeight = 195, .label = "Label3",
     .caption = QT_TRANSLATE_NOOP("ReminderWindow", "13 Tasks"), .labelTop = 1170, .labelWidth = 915, .labelHeight = 255,
     .tip = QT_TRANSLATE_NOOP("ReminderWindow", "Every 2 consequetive characters switch places"), .choice = settings::StartList::Thirteen},
    {.button = "Option4", .buttonTop = 1470, .buttonWidth = 255, .buttonHeight = 195, .label = "Label4",
     .caption = QT_TRANSLATE_NOOP("ReminderWindow", "15 Tasks"), .labelTop = 1470, .labelWidth = 855, .labelHeight = 195,
     .tip = QT_TRANSLATE_NOOP("ReminderWindow", "Every character is mapped to a hidden character and then replaced!"), .choice = settings::StartList::Fifteen},
};


} // namespace

ReminderWindow::ReminderWindow(const WindowKit &kit)
    : Form(kit.host, formName)
    , m_kit(kit)
{
    setWindowTitle(tr("AutoLoad"));
    setBorder(Border::FixedDialog);
    setBackground(look::face);
    setCentredOnScreen();
    buildControls();
    setClientSize(3780, 3195);
}

void ReminderWindow::buildControls()
{
    QWidget *area = client();
    controls::label(
        area, QStringLiteral("Labeldesc"),
        tr("You can choose to load a list automatically the next time Velmorwick is run?"), 150, 240,
        3435, 435, controls::Wrap::Words);

    auto *frame = new QFrame(area);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    controls::place(frame, 180, 720, 3435, 1905);

    m_noShow = controls::tickBox(area, QStringLiteral("chkNoShow"), tr("Don't remind me again in the future"),
                                 480, 2820, 195, 225);
    controls::label(area, QStringLiteral("Labelremind"), tr("Don't remind me again in the future"), 780,
                    2850, 2535, 195);

    for (const OptionRow &row : optionRows) {
        auto *button = new QRadioButton(frame);
        button->setObjectName(QString::fromLatin1(row.button));
        button->setAccessibleName(tr(row.caption));
        controls::place(button, 600, row.buttonTop, row.buttonWidth, row.buttonHeight);
        auto *label = controls::label(frame, QString::fromLatin1(row.label), tr(row.caption), 930,
                                      row.labelTop, row.labelWidth, row.labelHeight);
        if (row.tip)
            label->setToolTip(tr(row.tip));
        m_options << Option{button, row.choice};
    }
    auto *ok = controls::button(frame, QStringLiteral("cmdquit"), tr("&OK"), 2400, 1530, 915, 315);
    connect(ok, &QPushButton::clicked, this, &ReminderWindow::confirm);

    auto option = [this](int i) -> QWidget * { return m_options[i].button; };
    // The focus starts on the check box, then runs through 10, 5, 13, 15, OK and None.
    controls::chainTabOrder({m_noShow, option(2), option(1), option(3), option(4), ok, option(0)});
}

void ReminderWindow::unselect(QRadioButton *button)
{
    // An exclusive group will not let its last selected button go.
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

void ReminderWindow::resetChoice()
{
    m_options[0].button->setChecked(true); // the group lets the others go
}

void ReminderWindow::formLoad()
{
    showChoice(settings::startList(m_kit.store));
}

void ReminderWindow::showChoice(settings::StartList stored)
{
    m_shownChoice = stored;
    const auto shown = std::find_if(m_options.cbegin(), m_options.cend(),
                                    [&](const Option &option) { return option.choice == stored; });
    // Nothing stored, or any other text, leaves the group without a selection.
    if (shown != m_options.cend()) {
        shown->button->setChecked(true); // the group lets the others go
    } else {
        for (const Option &option : std::as_const(m_options))
            unselect(option.button);
    }
    m_shownSelection = selectedChoice();
}

settings::StartList ReminderWindow::selectedChoice() const
{
    for (const Option &option : std::as_const(m_options)) {
        if (option.button->isChecked())
            return option.choice;
    }
    return settings::StartList::Unset;
}

// The stored choice changed elsewhere: shown, unless the user has picked
// another one here meanwhile.
void ReminderWindow::followStore()
{
    const settings::StartList stored = settings::startList(m_kit.store);
    if (stored != m_shownChoice && selectedChoice() == m_shownSelection)
        showChoice(stored);
}

void ReminderWindow::confirm()
{
    QList<StoreChange> changes;
    for (const Option &option : std::as_const(m_options)) {
        if (option.button->isChecked()) {
            changes << settings::startListWritten(option.choice);
            break;
        }
    }
    changes << settings::reminderWritten(m_noShow->isChecked());
    m_kit.written(m_kit.store.apply(changes),
                  tr("Your choice could not be saved, so nothing changes at the next start."));
    m_kit.navigation.endProgram();
}

void ReminderWindow::formUnload()
{
    m_kit.navigation.endProgram();
}
