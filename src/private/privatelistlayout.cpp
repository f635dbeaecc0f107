#include "privatelistlayout.h"

#include "store/storekeys.h"

#include <QtGlobal>

const ListLayout &privateListLayout()
{
    static const ListLayout row = [] {
        ListLayout r = *dayListLayout(5); // a ticked task shows one "*" a character: its storage's secrets
        r.formName = QStringLiteral("frmpriva2");
        r.caption = QT_TRANSLATE_NOOP("TaskListWindow", "My Private Tarnbook!");
        r.section = storekeys::privateSection;
        r.clientHeight = 2880;
        r.printLeft = 570;
        r.saveLeft = 1350;
        r.clearLeft = 2190;
        r.frameLeft = 480;
        r.frameColour = ListLayout::FrameColour::White;
        r.headerLeft = 420;
        return r;
    }();
    return row;
}
