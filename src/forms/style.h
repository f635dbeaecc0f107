#pragma once

#include <QProxyStyle>

// The platform's style with the few answers the windows rely on: tick boxes
// and option buttons drawn whole inside their 13-pixel controls, and password
// boxes showing one "*" per character whatever the style's own choice, and a
// button's icon and text kept together in its middle right to left too.
class TarnbookStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};
