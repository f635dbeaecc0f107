#include "donewindow.h"

#include "forms/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

DoneWindow::DoneWindow(Shown shown)
    : m_shown(std::move(shown))
    , m_days(new QComboBox(this))
    , m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmDone"));
    setWindowTitle(tr("Tarnbook - What I Got Done"));
    m_days->setObjectName(QStringLiteral("cboDays"));
    for (const int days : {7, 30, 365})
        m_days->addItem(tr("the last %n days", nullptr, days), days);
    m_days->setAccessibleName(tr("Days shown"));
    m_text->setObjectName(QStringLiteral("txtDone"));
    m_text->setReadOnly(true);
    m_text->setAccessibleName(tr("Tasks done, by day"));
    m_text->setMinimumSize(420, 320);
    // Read only, yet reached by Tab: its text is read and selected from the keyboard.
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text->setTabChangesFocus(true);
    if (isRightToLeft())
        controls::holdTextToTheRight(this);

    auto *label = new QLabel(tr("&Show:"), this);
    label->setBuddy(m_days);
    auto *copy = new QPushButton(tr("&Copy"), this);
    auto *close = new QPushButton(tr("Close"), this);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    close->setObjectName(QStringLiteral("cmdClose"));
    copy->setAutoDefault(false);
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(m_text->toPlainText()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_days, &QComboBox::currentIndexChanged, this, &DoneWindow::refresh);

    auto *top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(m_days);
    top->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    refresh();
}

void DoneWindow::refresh()
{
    m_text->setPlainText(m_shown(m_days->currentData().toInt()));
}
