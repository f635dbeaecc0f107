#pragma once

#include "kit/windowkit.h"
#include "forms/clipboardwipe.h"
#include "forms/form.h"
#include "lists/listlayouts.h"
#include "lists/liststorage.h"

#include <QList>

#include <optional>

class QCheckBox;
class WindowPrinter;
class QLineEdit;
class QPushButton;

// A list of N tasks, one row each: a text box with a tick box beside it.
// Ticking a row locks its text (grey, disabled); unticking opens it again.
// The window reads its rows from its storage when it is loaded, and writes
// them only through its save and clear commands. Closing it brings the main window
// back.
class TaskListWindow final : public Form
{
    Q_OBJECT

public:
    TaskListWindow(const WindowKit &kit, WindowPrinter &printer, ListStorage &storage, const ListLayout &layout);

    int taskCount() const { return m_layout.tasks; }
    // Rows are numbered from 1.
    QLineEdit *textBox(int row) const { return m_texts.at(row - 1); }
    QCheckBox *tickBox(int row) const { return m_ticks.at(row - 1); }

    void followStore() override;

protected:
    void formLoad() override;
    void formUnload() override;
    // Ctrl+Z right after Clear List or Tick All takes it back.
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void applyTickLook(int row);
    QList<TaskRow> rows() const;
    // Sets only the rows that differ, so the others keep caret and selection.
    void showRows(const QList<TaskRow> &rows);
    // The caption says the stored list changed while the user had edits.
    void markChangedElsewhere(bool changed);
    // What is stored now, as this window last knew it.
    void remember(const QList<TaskRow> &stored);
    bool undo();
    // Anything else done since Clear List or Tick All makes them final.
    void forgetUndo();

    void save();
    void clear();
    void tickAll();
    void print();

    WindowKit m_kit;
    WindowPrinter &m_printer;
    ListStorage &m_storage;
    const ListLayout &m_layout;
    QList<QLineEdit *> m_texts;
    QList<QCheckBox *> m_ticks;
    std::optional<ClipboardWipe> m_clipboardWipe; // for a list of secret rows
    QPushButton *m_tickAll = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_clear = nullptr;
    // A digest of the list as stored when it was last loaded, saved, cleared
    // or followed: rows that differ from it are the user's unsaved edits. A
    // digest, so that no second copy of the private texts is held.
    QByteArray m_stored;
    QList<bool> m_storedWritten; // which rows held text, so a save that empties one is known
    // The rows before Clear List or Tick All, until anything else is done.
    std::optional<QList<TaskRow>> m_undo;
    // Another version of the list was saved since this one was shown.
    bool m_changedElsewhere = false;
    bool m_toldUnreadable = false; // that the list elsewhere does not open here
};
