#include "clipboardwipe.h"

#include "controls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

#include <algorithm>

ClipboardWipe::ClipboardWipe(QList<QLineEdit *> boxes)
    : m_boxes(std::move(boxes))
{
}

ClipboardWipe::~ClipboardWipe()
{
    wipe();
}

void ClipboardWipe::start()
{
    if (!m_changes) {
        m_changes = QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed,
                                     [this](QClipboard::Mode mode) { hold(mode); });
    }
}

void ClipboardWipe::hold(int mode)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto asked = QClipboard::Mode(mode);
    // Asking for another program's offer would wait on that program.
    const bool ours = asked == QClipboard::Clipboard ? clipboard->ownsClipboard()
                      : asked == QClipboard::Selection ? clipboard->ownsSelection()
                                                       : false;
    const QMimeData *offered = ours ? clipboard->mimeData(asked) : nullptr;
    if (!offered || !offered->hasText())
        return;
    const QString text = offered->text();
    const bool fromABox = !text.isEmpty() && std::any_of(m_boxes.cbegin(), m_boxes.cend(), [&](const QLineEdit *box) {
        return box->text().contains(text);
    });
    if (fromABox && std::none_of(m_offered.cbegin(), m_offered.cend(),
                                 [&](const QString &held) { return held.constData() == text.constData(); }))
        m_offered << text;
}

void ClipboardWipe::wipe()
{
    QObject::disconnect(m_changes);
    if (m_offered.isEmpty())
        return;
    // At the program's end the clipboard may be gone before the window.
    QClipboard *clipboard = QGuiApplication::instance() ? QGuiApplication::clipboard() : nullptr;
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        if (!clipboard)
            break;
        const bool ours = mode == QClipboard::Clipboard ? clipboard->ownsClipboard() : clipboard->ownsSelection();
        const QMimeData *offered = ours ? clipboard->mimeData(mode) : nullptr;
        const QString text = offered ? offered->text() : QString();
        if (std::any_of(m_offered.cbegin(), m_offered.cend(),
                        [&](const QString &held) { return !text.isEmpty() && held.constData() == text.constData(); }))
            clipboard->clear(mode);
    }
    for (const QString &held : std::as_const(m_offered))
        controls::zeroText(held);
    m_offered.clear();
}
