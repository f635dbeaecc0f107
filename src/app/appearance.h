#pragma once

// What every window shares: the icon and the default font of the controls.
void applyAppearance();
