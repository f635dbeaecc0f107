#include "appearance.h"

#include "forms/look.h"
#include "forms/style.h"

#include <QApplication>
#include <QIcon>

void applyAppearance()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/icon-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/assets/icon-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);
    QApplication::setStyle(new TarnbookStyle);
    QApplication::setFont(look::windowFont());
}
