// Display mode changes: the stored change the TweakRes menu makes, and the
// forced switch of colour depth away and back that makes the display driver
// reload its settings.
#pragma once
#include <cstdint>

#include "tweaker/platform/chip_ports.h"
#include "tweaker/platform/display.h"

namespace vdx {

enum ResetMode { RESET_FULL = 0, RESET_AWAY_ONLY = 1 };

// Set while resetDisplay switches, so the clock code can tell its display
// changes from the user's.
struct DisplayResetState {
  bool inProgress = false;
};

// ChangeDisplaySettingsA with a mode record carrying width and height unless
// either is -1, and the depth unless it is -1. Returns its result.
long changeDisplayMode(Display& display, int32_t width, int32_t height, int32_t depth, uint32_t flags);

// Switches to another depth of the present screen size and (RESET_FULL) back
// to `depth`, the depth the program last read.
void resetDisplay(Display& display, MilliClock& clock, int32_t depth, ResetMode mode, DisplayResetState& state);

}  // namespace vdx
