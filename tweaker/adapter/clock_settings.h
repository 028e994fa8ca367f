// The chip's clocks as the program sees them: what the card ran at when the
// program started, what the user wants, and whether clocks may be set at all
// (not when SHIFT was held at start).
#pragma once
#include <string>

namespace vdx {

struct ClockState {
  float startupMclk = 0.0f;  // MHz; 0 when the chip has no such clock
  float startupEclk = 0.0f;
  float desiredMclk = 0.0f;
  float desiredEclk = 0.0f;
  bool clocksAllowed = true;
};

ClockState& clockState();

// Reads each clock the chip has from its generator: both the start-up and
// the desired value.
void readStartupClocks();

// SHIFT held at start: log it in the scheme file and keep the clocks the
// card runs at, so the tooltip and dialogs show the truth.
void keepStartupClocksForShift(const std::string& schemeFile);

// Programs the desired clocks; nothing while they equal what the chip runs.
void applyDesiredClocks();

// End of the Windows session: the card gets its start-up clocks back and the
// crash-guard mark is cleared.
void restoreStartupClocks();

}  // namespace vdx
