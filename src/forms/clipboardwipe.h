#pragma once

#include <QList>
#include <QMetaObject>
#include <QString>

class QLineEdit;

// Every piece of the boxes' texts this program offers on the clipboard or
// the selection (X11's middle-click copy, which a box fills by itself on
// every key while text is selected) is held here, so that it is zeroed
// where it lies when the boxes go, instead of freed with the text still in
// it when the next copy replaces it.
class ClipboardWipe
{
public:
    explicit ClipboardWipe(QList<QLineEdit *> boxes);
    ~ClipboardWipe();
    ClipboardWipe(const ClipboardWipe &) = delete;
    ClipboardWipe &operator=(const ClipboardWipe &) = delete;

    void start();
    // Zeroes every piece held, and takes what is still offered back.
    void wipe();

private:
    void hold(int mode);

    QList<QLineEdit *> m_boxes;
    QList<QString> m_offered; // each shares the buffer the clipboard was given
    QMetaObject::Connection m_changes;
};
