#pragma once

#include "lists/listlayouts.h"

// The private list's window: the 5-task list's twin, in a window of its own.
const ListLayout &privateListLayout();
