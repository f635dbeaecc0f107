#include "desktop.h"

#include <QWidget>
#include <QWindow>

void Desktop::setTopmost(QWidget *window, bool topmost)
{
    if (QWindow *handle = window->windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
        return;
    }
    // Not created yet: the flag is taken along when it first shows.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
}
