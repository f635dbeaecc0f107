#pragma once

#include "forms/form.h"

class Program;
class QPlainTextEdit;
class QPushButton;

// One of the five quick notes: a scratch pad that stays above every other
// window and is never stored. Each note but the last can open the next one;
// only the newest note of the chain can. Closing the first note asks whether
// to end the whole program.
class NoteWindow final : public Form
{
    Q_OBJECT

public:
    static constexpr int count = 5;
    // frmnote, frmnote2 ... frmnote5
    static QString formName(int number);

    NoteWindow(Program &program, int number);

    QPushButton *newNoteButton() const { return m_newNote; }

protected:
    void formLoad() override;
    void formUnload() override;

private:
    void openNext();
    // The note before this one, if it is open; a closed one is not brought back.
    NoteWindow *predecessor() const;

    Program &m_program;
    const int m_number;
    QPlainTextEdit *m_note = nullptr;
    QPushButton *m_newNote = nullptr;
};
