#include "look.h"

#include "controls.h"

namespace look {

QFont windowFont()
{
    return controls::msSansSerif(fontPoints);
}

QPixmap picture(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0 && path.endsWith(QLatin1String(".png"))) {
        QPixmap sharp(path.chopped(4) + QStringLiteral("@2x.png"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}

QPalette windowPalette()
{
    // Qt's own light Fusion colours.
    const QColor window(0xEF, 0xEF, 0xEF);
    QPalette palette(Qt::black, window, Qt::white, QColor(0x9F, 0x9F, 0x9F), QColor(0xB8, 0xB8, 0xB8), Qt::black,
                     Qt::white, Qt::white, window);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, Qt::white);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0xBE, 0xBE, 0xBE));
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
        palette.setColor(group, QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
        palette.setColor(group, QPalette::Link, QColor(0x00, 0x00, 0xFF));
        palette.setColor(group, QPalette::LinkVisited, QColor(0xFF, 0x00, 0xFF));
        palette.setColor(group, QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
    }
    return palette;
}

} // namespace look
