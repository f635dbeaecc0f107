#include "listlayouts.h"

#include "store/storekeys.h"

#include <array>
#include <stdexcept>

namespace {

using P = ListLayout::Placement;
using F = ListLayout::FrameColour;

ListLayout day(int tasks, const char *caption, int clientHeight, int printLeft, int saveLeft, int clearLeft,
               F frame, P placement = P::Centred)
{
    ListLayout row;
    row.tasks = tasks;
    row.formName = QStringLiteral("frm%1").arg(tasks);
    row.caption = QString::fromLatin1(caption);
    row.section = storekeys::taskSection(tasks);
    row.clientHeight = clientHeight;
    row.printLeft = printLeft;
    row.saveLeft = saveLeft;
    row.clearLeft = clearLeft;
    row.placement = placement;
    row.frameColour = frame;
    return row;
}

const std::array<ListLayout, 12> &days()
{
    static const std::array<ListLayout, 12> rows = [] {
        std::array<ListLayout, 12> r = {
            day(3, "Tarnbook! 3 Tasks", 2160, 600, 1380, 2220, F::CaptionText),
            day(5, "Tarnbook! Normal Day", 2865, 660, 1440, 2280, F::CaptionText),
            day(6, "Tarnbook! 6 Tasks", 3225, 600, 1380, 2220, F::White),
            day(7, "Tarnbook! 7 Tasks", 3570, 630, 1410, 2250, F::CaptionText),
            day(8, "Tarnbook! 8 Tasks", 3900, 630, 1410, 2250, F::CaptionText),
            day(9, "Tarnbook! 9 Tasks", 4260, 630, 1410, 2250, F::CaptionText),
            day(10, "Tarnbook! Busy Day", 4710, 630, 1410, 2250, F::White, P::TopLeftCorner),
            day(11, "Tarnbook! 11 Tasks", 5010, 630, 1410, 2250, F::CaptionText),
            day(12, "Tarnbook! 12 Tasks", 5370, 630, 1410, 2250, F::White),
            day(13, "Tarnbook! 13 Tasks", 5700, 630, 1410, 2250, F::CaptionText),
            day(14, "Tarnbook! 14 Tasks...", 6060, 630, 1410, 2250, F::White),
            day(15, "Tarnbook! Really Busy Day...", 6435, 630, 1410, 2250, F::CaptionText),
        };
        r[6].headerLeft = 420; // the 10-task list
        r[6].headerWidth = 1695;
        r[9].secondTickHeight = 165; // the 13-task list
        r[11].backgroundHeight = 450; // the 15-task list
        return r;
    }();
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

const ListLayout &privateListLayout()
{
    static const ListLayout row = [] {
        ListLayout r = *dayListLayout(5);
        r.formName = QStringLiteral("frmpriva2");
        r.caption = QStringLiteral("My Private Tarnbook!");
        r.section = storekeys::privateSection;
        r.clientHeight = 2880;
        r.printLeft = 570;
        r.saveLeft = 1350;
        r.clearLeft = 2190;
        r.frameLeft = 480;
        r.frameColour = F::White;
        r.headerLeft = 420;
        r.masksDoneTasks = true;
        r.closesPasswordEntry = true;
        return r;
    }();
    return row;
}
