#pragma once

#include <QRect>
#include <QSize>

// Window layouts are written in twips, the unit the windows were designed in:
// 15 twips make one device-independent pixel. Qt's own high-DPI scaling takes
// it from there.
namespace twips {

inline constexpr int perPixel = 15;

// Rounds half away from zero, so -60 twips is -4 pixels and 195 twips is 13.
constexpr int toPixels(int value)
{
    return value >= 0 ? (value + perPixel / 2) / perPixel : -((-value + perPixel / 2) / perPixel);
}

constexpr QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace twips
