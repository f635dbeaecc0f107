#include "passwordentrywindow.h"

#include "kit/navigation.h"
#include "forms/controls.h"
#include "forms/look.h"
#include "forms/messageboxes.h"
#include "private/passwordgate.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

PasswordEntryWindow::PasswordEntryWindow(const WindowKit &kit, PasswordGate &gate)
    : Form(kit.host, formName)
    , m_kit(kit)
    , m_gate(gate)
{
    setWindowTitle(tr("Enter Password!"));
    setBorder(Border::FixedDialog);
    setRuledBackground();
    setCentredOnScreen();
    setShownInTaskbar(false);

    QWidget *area = client();
    m_password = controls::lineEdit(area, QStringLiteral("Text1"), 360, 720, 1665, 285);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setFont(controls::msSansSerif(9.75));
    m_password->setAccessibleName(tr("Password"));
    m_ok = controls::button(area, QStringLiteral("cmdok"), tr("&OK"), 2160, 720, 585, 315);
    auto *change =
        controls::button(area, QStringLiteral("cmdchange"), tr("Change Password"), 360, 1140, 2415, 285);
    for (QPushButton *b : {m_ok, change})
        controls::setBackground(b, look::face);
    controls::label(area, QStringLiteral("Label1"), tr("Please enter your password below!"), 360, 240,
                    2805, 345);
    controls::chainTabOrder({m_password, m_ok, change});

    // OK answers the release of any mouse button on it, and the keyboard
    // (Space, Alt+O) too; a left click runs it once, through clicked().
    m_ok->installEventFilter(this);
    connect(m_ok, &QPushButton::clicked, this, &PasswordEntryWindow::openPrivateList);
    connect(change, &QPushButton::clicked, this, &PasswordEntryWindow::changePassword);

    setClientSize(3315, 1860);
}

bool PasswordEntryWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ok && event->type() == QEvent::MouseButtonRelease) {
        // The release that makes a click is left to clicked(): running the
        // check here as well would count it twice, and a flag to skip the
        // click would outlive a click that a message box swallowed.
        const auto *release = static_cast<QMouseEvent *>(event);
        const bool makesAClick = release->button() == Qt::LeftButton && m_ok->isDown()
                                 && m_ok->rect().contains(release->position().toPoint());
        if (!makesAClick)
            openPrivateList();
    }
    return Form::eventFilter(watched, event);
}

namespace {

using Entry = PasswordGate::Entry;

// What the user is told when an entry does not open the list, "%1" standing
// for the reason the gate gives.
struct Refusal
{
    Entry entry;
    const char *text;
};

constexpr Refusal refusals[] = {
    {Entry::Wrong, QT_TRANSLATE_NOOP("PasswordEntryWindow", "Wrong password, please try again")},
    {Entry::TooCostly,
     QT_TRANSLATE_NOOP("PasswordEntryWindow", "The stored password cannot be checked: it asks for far more work than "
                                              "Velmorwick ever sets, so the settings file may have been altered.")},
    {Entry::CannotCheck, QT_TRANSLATE_NOOP("PasswordEntryWindow", "The password cannot be checked: %1. Nothing was "
                                                                  "changed.")},
    {Entry::NotSaved, QT_TRANSLATE_NOOP("PasswordEntryWindow", "The private list could not be opened, because it "
                                                               "could not be saved encrypted. %1")},
};

} // namespace

bool PasswordEntryWindow::typedPasswordIsRight()
{
    const QString typed = m_password->text();
    QString refusal = tr("Password field cannot be blank");
    if (!typed.isEmpty()) {
        const PasswordGate::EntryResult result = m_gate.enter(typed);
        if (result.entry == Entry::Opened)
            return true;
        for (const Refusal &row : refusals) {
            if (row.entry == result.entry)
                refusal = tr(row.text).replace(QStringLiteral("%1"), result.reason);
        }
    }
    // Every refusal: said, and the box has the keyboard for the next try.
    m_kit.boxes.inform(refusal, tr("Error!"));
    m_password->setFocus();
    return false;
}

void PasswordEntryWindow::openPrivateList()
{
    // The private list takes this window's place.
    if (typedPasswordIsRight())
        m_kit.navigation.showPrivateList();
}

// With a password stored, the box must hold it before it can be replaced.
void PasswordEntryWindow::changePassword()
{
    if (m_kit.passwordIsSet() && !typedPasswordIsRight())
        return;
    if (!m_kit.written(m_gate.startChange(), tr("The password could not be removed.")))
        return;
    m_kit.navigation.showPasswordCreation();
    unload();
}

void PasswordEntryWindow::formUnload()
{
    controls::wipeText(m_password);
}
