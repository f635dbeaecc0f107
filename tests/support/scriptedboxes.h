#pragma once

#include "forms/messageboxes.h"

#include <QList>
#include <QString>

// Message boxes for tests: records every box shown and answers Yes/No
// questions from a script, so no test ever waits on a modal box.
class ScriptedBoxes final : public MessageBoxes
{
public:
    struct Shown
    {
        QString text;
        QString title;
        bool question = false;
    };

    void inform(const QString &text, const QString &title) override;
    bool askYesNo(const QString &text, const QString &title) override;

    // From now on each information box is a real modal QMessageBox, which
    // takes the keyboard and the mouse while it is open, closed with Enter
    // as soon as it is up: for tests where what the box does to the focus
    // or to a button held down matters.
    void useRealInformationBoxes() { m_real = true; }

    // The answers the next questions get, in order. A question without a
    // scripted answer fails the test.
    void answerNext(bool yes) { m_answers << yes; }

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

    // Called while a box is "open", before it returns; lets a test look at
    // the windows as they stand while the box waits for the user.
    std::function<void(const Shown &)> onShow;

private:
    QList<Shown> m_shown;
    QList<bool> m_answers;
    bool m_real = false;
};
