#pragma once

#include <QString>

#include <span>

// What sets one task list window apart from another: the twelve day lists
// and the private list are one window class driven by these rows, data only
// (what a list does differently comes with its storage). Lengths are in
// twips.
struct ListLayout
{
    enum class Placement { Centred, TopLeftCorner };
    enum class FrameColour { CaptionText, White };

    int tasks = 0;
    QString formName = {};
    const char *caption = ""; // shown translated
    QString section = {};
    int clientHeight = 0;
    int printLeft = 0, saveLeft = 0, clearLeft = 0;
    Placement placement = Placement::Centred;
    FrameColour frameColour = FrameColour::White;
    int frameLeft = 540;
    int headerLeft = 300;
    int headerWidth = 1995;
    int backgroundHeight = 408; // pixels
    int secondTickHeight = 195;
};

std::span<const ListLayout> dayListLayouts();
// The day list of that many tasks (every size but 4 from 3 to 15), or none.
const ListLayout *dayListLayout(int tasks);
