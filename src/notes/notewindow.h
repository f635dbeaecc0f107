#pragma once

#include "kit/windowkit.h"
#include "forms/form.h"

class Desktop;
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

    NoteWindow(const WindowKit &kit, Desktop &desktop, int number);

    QPushButton *newNoteButton() const { return m_newNote; }
    // Only the newest note of the chain can open the next one.
    void setCanOpenNext(bool can);

protected:
    void formLoad() override;
    void formUnload() override;

private:
    void openNext();
    void showNotOnTopNotice(const QString &why);

    WindowKit m_kit;
    Desktop &m_desktop;
    const int m_number;
    QPlainTextEdit *m_note = nullptr;
    QPushButton *m_newNote = nullptr;
};
