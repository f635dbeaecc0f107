#include "passwordcreatewindow.h"

#include "kit/navigation.h"
#include "forms/controls.h"
#include "forms/look.h"
#include "forms/messageboxes.h"
#include "private/passwordgate.h"
#include "store/settingsstore.h"

#include <QLineEdit>
#include <QPushButton>

PasswordCreateWindow::PasswordCreateWindow(const WindowKit &kit, PasswordGate &gate)
    : Form(kit.host, formName)
    , m_kit(kit)
    , m_gate(gate)
{
    setWindowTitle(tr("Create Password"));
    setBorder(Border::Sizable);
    setRuledBackground();
    setCentredOnScreen();
    setShownInTaskbar(false);

    QWidget *area = client();
    m_first = controls::lineEdit(area, QStringLiteral("txtpass1"), 360, 1080, 2415, 285);
    m_second = controls::lineEdit(area, QStringLiteral("txtpass2"), 360, 1800, 2415, 285);
    for (QLineEdit *box : {m_first, m_second})
        box->setEchoMode(QLineEdit::Password);
    m_first->setAccessibleName(tr("Enter Password"));
    m_second->setAccessibleName(tr("Re-enter Password"));
    auto *ok = controls::button(area, QStringLiteral("cmdok"), tr("OK"), 1800, 2280, 975, 375);
    controls::setBackground(ok, look::face);
    controls::label(area, QStringLiteral("Label1"), tr("Please create your Private List Password"), 360,
                    360, 2895, 255);
    controls::label(area, QStringLiteral("Label2(0)"), tr("Enter Password"), 360, 840, 1215, 255);
    controls::label(area, QStringLiteral("Label2(1)"), tr("Re-enter Password"), 360, 1560, 1575, 255);
    controls::chainTabOrder({m_first, m_second, ok});
    connect(ok, &QPushButton::clicked, this, &PasswordCreateWindow::confirm);

    setClientSize(3555, 2970);
}

void PasswordCreateWindow::confirm()
{
    // Both the same, exactly (case and blanks count), and not empty.
    if (m_first->text().isEmpty() || m_first->text() != m_second->text()) {
        m_kit.boxes.inform(tr("Passwords are blank or do not match"), tr("Error!"));
        return;
    }
    const StoreResult result = m_gate.setPassword(m_first->text());
    if (!m_kit.written(result, tr("The password was not saved.")))
        return;
    // Copies taken before a change still open the list with the password
    // it replaced: the user who changes a leaked one must hear of them.
    QString set = tr("Password Set!");
    if (const int older = m_kit.store.olderPrivateCopies(); older > 0)
        set += QStringLiteral("\n\n")
               + tr("Older copies of your settings (%1: snapshots and copies kept beside them) still open the "
                    "private list with the earlier password. To take the private list out of them, run: "
                    "velmorwick snapshots --forget-private. A backup you wrote elsewhere is yours to delete.")
                     .arg(older);
    m_kit.boxes.inform(set, tr("Velmorwick"));
    m_kit.navigation.showPasswordEntry();
    unload();
}

void PasswordCreateWindow::formUnload()
{
    controls::wipeText(m_first);
    controls::wipeText(m_second);
}
