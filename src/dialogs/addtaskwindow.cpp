#include "addtaskwindow.h"

#include "forms/controls.h"

#include <QComboBox>
#include <QCursor>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

AddTaskWindow::AddTaskWindow(Add add, int startTasks)
    : m_add(std::move(add))
    , m_text(new QLineEdit(this))
    , m_list(new QComboBox(this))
    , m_problem(new QLabel(this))
{
    setObjectName(QStringLiteral("frmAddTask"));
    setWindowTitle(tr("Add a Task"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    m_text->setObjectName(QStringLiteral("txtTask"));
    m_text->setMinimumWidth(320);
    if (isRightToLeft())
        controls::holdTextToTheRight(this);
    m_list->setObjectName(QStringLiteral("cboList"));
    for (int tasks : {3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})
        m_list->addItem(tr("%n Tasks", nullptr, tasks), tasks);
    m_list->setCurrentIndex(std::max(0, m_list->findData(startTasks ? startTasks : 5)));
    m_problem->setObjectName(QStringLiteral("lblProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();

    // Plain buttons: a dialog button box looks up themed icons, which is
    // most of the time this window would take to come up.
    auto *ok = new QPushButton(tr("OK"), this);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AddTaskWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &AddTaskWindow::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *form = new QFormLayout(this);
    form->addRow(tr("&Task:"), m_text);
    form->addRow(tr("&List:"), m_list);
    form->addRow(m_problem);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize); // grows for a problem, never by hand
}

void AddTaskWindow::showOnPointerScreen()
{
    // The pointer is asked for only where there is more than one screen.
    QScreen *screen = QGuiApplication::screens().size() > 1 ? QGuiApplication::screenAt(QCursor::pos()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    adjustSize();
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
    show();
    raise();
    activateWindow();
    m_text->setFocus();
}

void AddTaskWindow::accept()
{
    const QString why = m_add(m_text->text(), m_list->currentData().toInt());
    if (why.isEmpty()) {
        QDialog::accept();
        return;
    }
    // Said in the window, which stays with the text for another try.
    m_problem->setText(why.left(1).toUpper() + why.mid(1)); // a sentence of its own here
    m_problem->show();
    m_text->setFocus();
}
