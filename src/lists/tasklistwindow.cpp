#include "tasklistwindow.h"

#include "kit/navigation.h"
#include "forms/controls.h"
#include "forms/look.h"
#include "forms/messageboxes.h"
#include "forms/printing.h"
#include "store/namedlist.h"
#include "store/settingsstore.h"
#include "store/storekeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Tops of the row numbers and of the tick boxes; the text boxes sit at
// look::rowTop().
constexpr int rowLabelTops[] = {780, 1140, 1500, 1860, 2220, 2580, 2880, 3240, 3600, 3960, 4320, 4680, 5040, 5400, 5760};
constexpr int tickTops[] = {780, 1110, 1470, 1830, 2220, 2580, 2940, 3300, 3660, 4020, 4380, 4740, 5100, 5460, 5820};

const QColor openLook(0xFF, 0xFF, 0xFF);

QByteArray digest(const QList<TaskRow> &rows)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const TaskRow &row : rows) {
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(row.text.utf16()), row.text.size() * 2));
        hash.addData(row.ticked ? QByteArrayView("\1\0\0", 3) : QByteArrayView("\0\0\0", 3));
    }
    return hash.result();
}
const QColor &doneLook = look::face;

} // namespace

TaskListWindow::TaskListWindow(const WindowKit &kit, WindowPrinter &printer, ListStorage &storage,
                               const ListLayout &layout)
    : Form(kit.host, layout.formName)
    , m_kit(kit)
    , m_printer(printer)
    , m_storage(storage)
    , m_layout(layout)
{
    setWindowTitle(tr(layout.caption));
    setRuledBackground(layout.backgroundHeight);
    if (layout.placement == ListLayout::Placement::TopLeftCorner)
        setClientOrigin(45, 330);
    else
        setCentredOnScreen();
    buildControls();
    setClientSize(3750, layout.clientHeight);
}

void TaskListWindow::buildControls()
{
    QWidget *area = client();
    const int n = m_layout.tasks;

    auto *frame = new QFrame(area);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    controls::place(frame, m_layout.frameLeft, -60, 2685, 615);
    frame->setAutoFillBackground(true);
    // The caption-text colour of the desktop's title bars: white in the usual schemes.
    controls::setBackground(frame, m_layout.frameColour == ListLayout::FrameColour::White
                                       ? QColor(Qt::white)
                                       : QApplication::palette().color(QPalette::HighlightedText));
    auto *header = controls::label(frame, QStringLiteral("Label1"), tr("Today's Tarnbook!"),
                                   m_layout.headerLeft, 240, m_layout.headerWidth, 225);
    header->setFont(controls::msSansSerif(look::fontPoints, true));
    header->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    for (int row = 1; row <= n; ++row) {
        controls::label(area, QStringLiteral("Label2(%1)").arg(row - 1), tr("%1.").arg(row), 120,
                        rowLabelTops[row - 1], 225, 225);
    }
    for (int row = 1; row <= n; ++row) {
        auto *text = controls::lineEdit(area, storekeys::textKey(row), 360, look::rowTop(row), 3015, 315);
        text->setAccessibleName(tr("Task %1").arg(row));
        text->installEventFilter(this);
        connect(text, &QLineEdit::textEdited, this, &TaskListWindow::forgetUndo);
        if (row == 1)
            controls::setBackground(text, openLook);
        m_texts << text;
    }
    for (int row = 1; row <= n; ++row) {
        const int height = row == 2 ? m_layout.secondTickHeight : 195;
        auto *tick = controls::tickBox(area, QStringLiteral("Check%1").arg(row), tr("Task %1 done").arg(row),
                                       3480, tickTops[row - 1], 195, height);
        connect(tick, &QCheckBox::toggled, this, [this, row] { applyTickLook(row); });
        connect(tick, &QCheckBox::clicked, this, &TaskListWindow::forgetUndo); // by the user only
        m_ticks << tick;
    }

    m_tickAll = controls::button(area, QStringLiteral("cmdall"), tr("X"), 3480, 420, 195, 195);
    m_tickAll->setFont(controls::verdana(look::fontPoints, true));
    m_tickAll->setAccessibleName(tr("Tick all tasks"));
    const int buttonTop = look::rowTop(n + 1);
    m_print = controls::button(area, QStringLiteral("cmdprint"), tr("&Print List"), m_layout.printLeft,
                               buttonTop, 795, 315);
    m_save = controls::button(area, QStringLiteral("cmdsave"), tr("&Save List"), m_layout.saveLeft,
                              buttonTop, 855, 315);
    m_clear = controls::button(area, QStringLiteral("cmdclear"), tr("&Clear List"), m_layout.clearLeft,
                               buttonTop, 855, 315);
    for (QPushButton *b : {m_print, m_save, m_clear})
        controls::setBackground(b, look::face);

    connect(m_tickAll, &QPushButton::clicked, this, &TaskListWindow::tickAll);
    connect(m_print, &QPushButton::clicked, this, &TaskListWindow::print);
    connect(m_save, &QPushButton::clicked, this, &TaskListWindow::save);
    connect(m_clear, &QPushButton::clicked, this, &TaskListWindow::clear);

    QList<QWidget *> order;
    for (QLineEdit *t : std::as_const(m_texts))
        order << t;
    for (QCheckBox *c : std::as_const(m_ticks))
        order << c;
    controls::chainTabOrder(order << m_tickAll << m_print << m_save << m_clear);
}

void TaskListWindow::formLoad()
{
    const LoadedList list = m_storage.load(taskCount());
    for (int row = 1; row <= taskCount(); ++row)
        textBox(row)->setText(list.rows[row - 1].text);
    for (int row = 1; row <= taskCount(); ++row) {
        if (list.rows[row - 1].ticked)
            tickBox(row)->setChecked(true);
    }
    remember(list.rows);
    m_save->setEnabled(m_storage.canSave());
    m_toldUnreadable = false;
    if (m_storage.holdsSecrets()) {
        if (!m_clipboardWipe)
            m_clipboardWipe.emplace(m_texts);
        m_clipboardWipe->start();
    }
    // Told once the list is on screen, so the box has its window to return to.
    if (!list.problem.isEmpty()) {
        QMetaObject::invokeMethod(
            this, [this, problem = list.problem] { m_kit.boxes.inform(problem, tr("Error!")); }, Qt::QueuedConnection);
    }
}

void TaskListWindow::applyTickLook(int row)
{
    QLineEdit *text = textBox(row);
    const bool done = tickBox(row)->isChecked();
    text->setEnabled(!done);
    controls::setBackground(text, done ? doneLook : openLook);
    // A secret task, once done, shows one "*" a character.
    if (m_storage.holdsSecrets()) {
        controls::wipeShownText(text); // the box draws the stars from a new copy
        text->setEchoMode(done ? QLineEdit::Password : QLineEdit::Normal);
    }
}

QList<TaskRow> TaskListWindow::rows() const
{
    QList<TaskRow> rows;
    for (int row = 1; row <= taskCount(); ++row)
        rows << TaskRow{textBox(row)->text(), tickBox(row)->isChecked()};
    return rows;
}

// The whole list in one write: it reaches the disk whole or not at all.
void TaskListWindow::remember(const QList<TaskRow> &stored)
{
    m_stored = digest(stored);
    m_storedWritten.clear();
    for (const TaskRow &row : stored)
        m_storedWritten << !row.text.isEmpty();
    markChangedElsewhere(false);
}

void TaskListWindow::save()
{
    forgetUndo();
    const QList<TaskRow> saved = rows();
    bool emptied = false;
    for (int row = 0; row < taskCount(); ++row)
        emptied = emptied || (m_storedWritten.value(row) && saved[row].text.isEmpty());
    // A save over a version saved elsewhere, or one that empties a task,
    // keeps a snapshot of the store before it.
    const bool overOther = m_changedElsewhere;
    const QString step = overOther ? tr("saved over a version from elsewhere") : emptied ? tr("tasks emptied") : QString();
    const StoreResult result = m_storage.save(saved, step, overOther);
    m_save->setEnabled(m_storage.canSave());
    m_toldUnreadable = m_toldUnreadable || !m_storage.canSave(); // the refusal says it all
    if (!m_kit.written(result, tr("The list was not saved.")))
        return;
    // Tasks changed elsewhere that were left as they were here stay.
    const QList<TaskRow> stored = m_storage.saved(saved);
    if (stored != saved)
        showRows(stored);
    remember(stored);
    // Told from what the store says it kept, never more.
    if (!result.replacedRows.isEmpty()) {
        m_kit.boxes.inform(tr("Changed elsewhere meanwhile and replaced by yours: %1. velmorwick replaced lists what "
                              "they held, and velmorwick replaced --put-back puts one back.")
                               .arg(namedlist::semicolons(result.replacedRows)),
                           tr("Velmorwick"));
    } else if (!result.keptAsideAs.isEmpty()) {
        m_kit.boxes.inform(tr("The version of this list saved elsewhere was kept aside in the settings, encrypted under "
                              "the password it was saved with, before yours replaced it: velmorwick put-back puts its "
                              "tasks that the list lacks into its empty rows."),
                           tr("Velmorwick"));
    } else if (m_storage.savedOverAnotherVersion() && !result.keptAs.isEmpty()) {
        m_kit.boxes.inform(result.keptAsCopy
                               ? tr("The version of this list saved elsewhere was kept beside the settings file, as "
                                    "%1, before yours replaced it.").arg(result.keptAs)
                               : tr("The version of this list saved elsewhere was kept as a snapshot before yours "
                                    "replaced it (velmorwick snapshots lists it)."),
                           tr("Velmorwick"));
    }
}

// The stored list goes at once, then every row is emptied and unticked.
void TaskListWindow::clear()
{
    const QList<TaskRow> before = rows();
    forgetUndo();
    m_undo = before;
    const StoreResult result = m_storage.clear();
    for (int row = 1; row <= taskCount(); ++row)
        textBox(row)->clear();
    for (int row = 1; row <= taskCount(); ++row)
        tickBox(row)->setChecked(false);
    if (m_kit.written(result, tr("The saved list could not be cleared; it will come back the next time this list "
                                 "is opened.")))
        remember(QList<TaskRow>(taskCount()));
}

void TaskListWindow::followStore()
{
    std::optional<QList<TaskRow>> now = m_storage.follow(taskCount());
    if (!now || digest(*now) != m_stored) {
        if (now && digest(rows()) == m_stored) {
            forgetUndo();
            showRows(*now);
            remember(*now);
            m_storage.showing(*now);
        } else {
            markChangedElsewhere(true); // the user's edits stay; Save writes them
        }
    }
    if (!now && m_storage.holdsSecrets() && !std::exchange(m_toldUnreadable, true)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_kit.boxes.inform(tr("This private list was saved elsewhere under another password, which this "
                                      "window cannot open. Save keeps your rows aside, encrypted; then close the "
                                      "list and open it again with the current password."),
                                   tr("Velmorwick"));
            },
            Qt::QueuedConnection);
    }
    // The rows shown took their texts; no other copy of secret ones is kept.
    if (now && m_storage.holdsSecrets()) {
        for (const TaskRow &row : std::as_const(*now)) {
            if (std::none_of(m_texts.cbegin(), m_texts.cend(),
                             [&](const QLineEdit *box) { return box->text().constData() == row.text.constData(); }))
                controls::zeroText(row.text);
        }
    }
}

void TaskListWindow::showRows(const QList<TaskRow> &shown)
{
    for (int row = 1; row <= taskCount(); ++row) {
        QLineEdit *text = textBox(row);
        if (text->text() != shown[row - 1].text) {
            if (m_storage.holdsSecrets())
                controls::wipeText(text);
            text->setText(shown[row - 1].text);
        }
        if (tickBox(row)->isChecked() != shown[row - 1].ticked)
            tickBox(row)->setChecked(shown[row - 1].ticked);
    }
}

void TaskListWindow::markChangedElsewhere(bool changed)
{
    m_changedElsewhere = changed;
    setWindowTitle(changed ? tr("%1 (changed elsewhere)").arg(tr(m_layout.caption)) : tr(m_layout.caption));
}

void TaskListWindow::tickAll()
{
    const QList<TaskRow> before = rows();
    forgetUndo();
    m_undo = before;
    for (int row = 1; row <= taskCount(); ++row)
        tickBox(row)->setChecked(true);
}

bool TaskListWindow::undo()
{
    if (!m_undo)
        return false;
    const QList<TaskRow> before = *std::exchange(m_undo, std::nullopt);
    showRows(before); // unsaved, as it was before the step
    return true;
}

void TaskListWindow::forgetUndo()
{
    if (!m_undo)
        return;
    // A secret text held only here is zeroed; one a box shows again stays.
    if (m_storage.holdsSecrets()) {
        for (const TaskRow &row : std::as_const(*m_undo)) {
            if (std::none_of(m_texts.cbegin(), m_texts.cend(),
                             [&](const QLineEdit *box) { return box->text().constData() == row.text.constData(); }))
                controls::zeroText(row.text);
        }
    }
    m_undo.reset();
}

void TaskListWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo) && undo())
        return;
    Form::keyPressEvent(event);
}

// A text box takes Ctrl+Z for its own typing; right after Clear List or
// Tick All it goes to the list instead (the box has nothing to undo then).
bool TaskListWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool undoKey = (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
                         && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo);
    if (undoKey && m_undo && m_texts.contains(qobject_cast<QLineEdit *>(watched))) {
        if (event->type() == QEvent::KeyPress)
            undo();
        event->accept();
        return true;
    }
    return Form::eventFilter(watched, event);
}

void TaskListWindow::print()
{
    const PrintOutcome outcome = m_printer.print(client());
    if (outcome.status == PrintOutcome::Status::Refused)
        m_kit.boxes.inform(tr("The list could not be printed: %1.").arg(outcome.reason),
                                 tr("Error!"));
}

void TaskListWindow::formUnload()
{
    // Before the storage lets go of its guard on the process's memory.
    forgetUndo();
    if (m_clipboardWipe)
        m_clipboardWipe->wipe();
    if (m_storage.holdsSecrets()) {
        for (QLineEdit *text : std::as_const(m_texts))
            controls::wipeText(text);
    }
    m_storage.close();
    m_kit.navigation.showMainWindow();
}
