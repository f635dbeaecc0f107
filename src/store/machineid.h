#pragma once

#include <QString>

// A name for this computer, the same at every start, that decides ties
// between rows changed at the same millisecond on two computers alike on
// every one. Kept in the user's data folder, outside the settings' folder a
// sync program carries, so that no two computers share it; made at first
// use. Where it cannot be kept, one for this run alone.
QString thisMachine();
