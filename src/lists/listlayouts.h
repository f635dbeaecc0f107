#pragma once

#include <QString>

#include <span>

// What sets one task list window apart from another: the twelve day lists
// and the private list are one window class driven by these rows. Lengths are
// in twips.
struct ListLayout
{
    enum class Placement { Centred, TopLeftCorner };
    enum class FrameColour { CaptionText, White };

    int tasks;
    QString formName;
    QString caption;
    QString section;
    int clientHeight;
    int printLeft, saveLeft, clearLeft;
    Placement placement;
    FrameColour frameColour;
    int frameLeft = 540;
    int headerLeft = 300;
    int headerWidth = 1995;
    int backgroundHeight = 408; // pixels
    int secondTickHeight = 195;
    // The private list: a ticked task shows one "*" per character, and
    // opening the list closes the password entry window.
    bool isPrivate = false;
};

std::span<const ListLayout> dayListLayouts();
// The day list of that many tasks; every size but 4 from 3 to 15.
const ListLayout &dayListLayout(int tasks);
const ListLayout &privateListLayout();
