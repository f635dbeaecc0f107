#include "notewindow.h"

#include "kit/navigation.h"
#include "forms/controls.h"
#include "forms/messageboxes.h"
#include "platform/desktop.h"
#include "store/settings.h"
#include "store/settingsstore.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const captions[NoteWindow::count] = {
    QT_TRANSLATE_NOOP("NoteWindow", "Tarnbook! Quick Note (Main)"),
    QT_TRANSLATE_NOOP("NoteWindow", "Tarnbook! Quick Note (2)"),
    QT_TRANSLATE_NOOP("NoteWindow", "Tarnbook! Quick Note (3)"),
    QT_TRANSLATE_NOOP("NoteWindow", "Tarnbook! Quick Note (4)"),
    QT_TRANSLATE_NOOP("NoteWindow", "Tarnbook! Quick Note (End)"),
};

const QColor face(169, 191, 168);

} // namespace

QString NoteWindow::formName(int number)
{
    return number == 1 ? QStringLiteral("frmnote") : QStringLiteral("frmnote%1").arg(number);
}

NoteWindow::NoteWindow(const WindowKit &kit, Desktop &desktop, int number)
    : Form(kit.host, formName(number))
    , m_kit(kit)
    , m_desktop(desktop)
    , m_number(number)
{
    setWindowTitle(tr(captions[number - 1]));
    setBorder(Border::FixedTool);
    setShownInTaskbar(false);
    setRuledBackground();

    QWidget *area = client();
    m_note = new QPlainTextEdit(area);
    m_note->setObjectName(QStringLiteral("txtnote"));
    m_note->setAccessibleName(windowTitle());
    m_note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_note->setTabChangesFocus(true);
    controls::place(m_note, 60, 60, 3255, 1275);
    auto *clear = controls::button(area, QStringLiteral("Command2"), tr("Clear Current Quicknote"), 1380,
                                   1320, 1935, 255);
    m_newNote = controls::button(area, QStringLiteral("Command1"), tr("New QuickNote"), 60, 1320, 1335, 255);
    for (QPushButton *b : {clear, m_newNote})
        controls::setBackground(b, face);

    if (number == count) {
        m_newNote->setEnabled(false); // the end of the chain
        controls::chainTabOrder({m_note, m_newNote, clear});
    } else {
        controls::chainTabOrder({m_note, clear, m_newNote});
        connect(m_newNote, &QPushButton::clicked, this, &NoteWindow::openNext);
    }
    connect(clear, &QPushButton::clicked, m_note, &QPlainTextEdit::clear);

    setClientSize(3345, 1635);
}

void NoteWindow::setCanOpenNext(bool can)
{
    m_newNote->setEnabled(can && m_number < count);
}

void NoteWindow::formLoad()
{
    m_desktop.setTopmost(this, true);
    if (m_number > 1)
        m_kit.navigation.setNoteCanOpenNext(m_number - 1, false);
    else if (!settings::notOnTopNoticeOff(m_kit.store))
        m_desktop.whenNotKeptAbove(this, [this](const QString &why) { showNotOnTopNotice(why); });
}

void NoteWindow::showNotOnTopNotice(const QString &why)
{
    auto *notice = new QWidget;
    notice->setObjectName(QStringLiteral("fraNotOnTop"));
    auto *text = new QLabel(tr("Notes may go behind other windows here: %1. The README's \"Wayland and scaling\" "
                               "tells what to do.")
                                .arg(why),
                            notice);
    text->setObjectName(QStringLiteral("lblNotOnTop"));
    text->setWordWrap(true);
    auto *off = new QPushButton(tr("&Don't show again"), notice);
    off->setObjectName(QStringLiteral("cmdNotOnTopOff"));
    auto *lines = new QVBoxLayout(notice);
    lines->setContentsMargins(4, 2, 4, 4);
    lines->addWidget(text);
    lines->addWidget(off, 0, Qt::AlignRight);
    notice->setFixedWidth(client()->width());
    addFooter(notice);
    connect(off, &QPushButton::clicked, this, [this, notice] {
        // Gone for now either way; where the write failed, the user is told
        // it comes back with the next first note.
        m_kit.written(m_kit.store.apply({settings::notOnTopNoticeTurnedOff()}),
                      tr("The notice could not be turned off for good."));
        notice->hide();
    });
}

void NoteWindow::openNext()
{
    m_kit.navigation.showNote(m_number + 1);
    setCanOpenNext(false);
}

void NoteWindow::formUnload()
{
    // The note before this one, if still open, is the newest again; a closed
    // one is not brought back.
    if (m_number > 1) {
        m_kit.navigation.setNoteCanOpenNext(m_number - 1, true);
        return;
    }
    if (m_kit.boxes.askYesNo(tr("Do you want to completely exit Tarnbook?"), tr("Alert!")))
        m_kit.navigation.endProgram();
    else
        m_kit.navigation.showMainWindow();
}
