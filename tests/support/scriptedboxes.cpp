#include "scriptedboxes.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// Presses Enter in the modal box once it is up.
void closeTheBoxWhenUp()
{
    QTimer::singleShot(10, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            QTest::keyClick(box, Qt::Key_Return);
        else
            closeTheBoxWhenUp();
    });
}

} // namespace

void ScriptedBoxes::inform(const QString &text, const QString &title)
{
    m_shown << Shown{text, title, false};
    if (onShow)
        onShow(m_shown.last());
    if (m_real) {
        closeTheBoxWhenUp();
        QtMessageBoxes().inform(text, title);
    }
}

bool ScriptedBoxes::askYesNo(const QString &text, const QString &title)
{
    m_shown << Shown{text, title, true};
    if (onShow)
        onShow(m_shown.last());
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: %1").arg(text)), __FILE__, __LINE__);
        return false;
    }
    return m_answers.takeFirst();
}

QStringList ScriptedBoxes::texts() const
{
    QStringList all;
    for (const Shown &box : m_shown)
        all << box.text;
    return all;
}
