#include "listlayouts.h"

#include "store/storekeys.h"

#include <QtGlobal>

#include <array>

namespace {

using P = ListLayout::Placement;
using F = ListLayout::FrameColour;

// Captions are translated where they are shown; they are marked here (in
// full: the translation tools expand no macro of ours).

// The name and section follow from the number of tasks.
ListLayout named(ListLayout row)
{
    row.formName = QStringLiteral("frm%1").arg(row.tasks);
    row.section = storekeys::taskSection(row.tasks);
    return row;
}

const std::array<ListLayout, 12> &days()
{
    static const std::array<ListLayout, 12> rows = {
        named({.tasks = 3, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! 3 Tasks"), .clientHeight = 2160, .printLeft = 600,
               .saveLeft = 1380, .clearLeft = 2220, .frameColour = F::CaptionText}),
        named({.tasks = 5, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! Normal Day"), .clientHeight = 2865, .printLeft = 660,
               .saveLeft = 1440, .clearLeft = 2280, .frameColour = F::CaptionText}),
        named({.tasks = 6, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! 6 Tasks"), .clientHeight = 3225, .printLeft = 600,
               .saveLeft = 1380, .clearLeft = 2220, .frameColour = F::White}),
        named({.tasks = 7, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! 7 Tasks"), .clientHeight = 3570, .printLeft = 630,
               .saveLeft = 1410, .clearLeft = 2250, .frameColour = F::CaptionText}),
        named({.tasks = 8, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! 8 Tasks"), .clientHeight = 3900, .printLeft = 630,
               .saveLeft = 1410, .clearLeft = 2250, .frameColour = F::CaptionText}),
        named({.tasks = 9, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! 9 Tasks"), .clientHeight = 4260, .printLeft = 630,
               .saveLeft = 1410, .clearLeft = 2250, .frameColour = F::CaptionText}),
        named({.tasks = 10, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! Busy Day"), .clientHeight = 4710, .printLeft = 630,
               .saveLeft = 1410, .clearLeft = 2250, .placement = P::TopLeftCorner, .frameColour = F::White,
               .headerLeft = 420, .headerWidth = 1695}),
        named({.tasks = 11, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! 11 Tasks"), .clientHeight = 5010, .printLeft = 630,
               .saveLeft = 1410, .clearLeft = 2250, .frameColour = F::CaptionText}),
        named({.tasks = 12, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! 12 Tasks"), .clientHeight = 5370, .printLeft = 630,
               .saveLeft = 1410, .clearLeft = 2250, .frameColour = F::White}),
        named({.tasks = 13, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! 13 Tasks"), .clientHeight = 5700, .printLeft = 630,
               .saveLeft = 1410, .clearLeft = 2250, .frameColour = F::CaptionText, .secondTickHeight = 165}),
        named({.tasks = 14, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! 14 Tasks..."), .clientHeight = 6060, .printLeft = 630,
               .saveLeft = 1410, .clearLeft = 2250, .frameColour = F::White}),
        named({.tasks = 15, .caption = QT_TRANSLATE_NOOP("TaskListWindow", "Tarnbook! Really Busy Day..."), .clientHeight = 6435,
               .printLeft = 630, .saveLeft = 1410, .clearLeft = 2250, .frameColour = F::CaptionText,
               .backgroundHeight = 450}),
    };
    return rows;
}

} // namespace

std::span<const ListLayout> dayListLayouts()
{
    return days();
}

const ListLayout *dayListLayout(int tasks)
{
    for (const ListLayout &row : days()) {
        if (row.tasks == tasks)
            return &row;
    }
    return nullptr;
}
