#include "style.h"

#include <QStyleOptionButton>

int TarnbookStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return 13; // 195 twips
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int TarnbookStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    if (hint == SH_LineEdit_PasswordCharacter)
        return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void TarnbookStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element != CE_PushButtonLabel || !button || button->direction != Qt::RightToLeft || button->icon.isNull()
        || button->text.isEmpty() || (button->features & QStyleOptionButton::HasMenu)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // Qt 6.4 sets the text of such a button against its far edge, away from
    // its icon, where a longer word is cut (a box's OK in Arabic). Drawn as
    // two labels side by side, text then icon, centred together; each still
    // as the style draws it, pressed, greyed or with its shortcut key.
    const int spacing = 4; // as the style leaves between them
    const int textWidth = button->fontMetrics.size(Qt::TextShowMnemonic, button->text).width();
    const int iconWidth = button->iconSize.width();
    const QRect &area = button->rect;
    const int left = area.x() + (area.width() - (textWidth + spacing + iconWidth)) / 2;
    QStyleOptionButton text = *button;
    text.icon = QIcon();
    text.rect = QRect(left, area.y(), textWidth, area.height());
    QProxyStyle::drawControl(element, &text, painter, widget);
    QStyleOptionButton icon = *button;
    icon.text.clear();
    icon.rect = QRect(left + textWidth + spacing, area.y(), iconWidth, area.height());
    QProxyStyle::drawControl(element, &icon, painter, widget);
}
