// The chip's clocks as the program sees them: what the card ran at when the
// program started, what the user wants, and whether clocks may be set at all
// (not when SHIFT was held at start).
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/platform.h"

namespace vdx {

struct ClockState {
  float startupMclk = 0.0f;  // MHz; 0 when the chip has no such clock
  float startupEclk = 0.0f;
  float desiredMclk = 0.0f;
  float desiredEclk = 0.0f;
  bool clocksAllowed = true;
};

// What decides whether and how a clock is programmed, besides the chip.
struct ClockRules {
  bool useOverclock = true;      // the "UseOverclock" preference
  uint32_t settleMs = 120;       // the "ClkDelay" preference
  bool resetInProgress = false;  // a display reset is switching modes
};

// Reads each clock the chip has from its generator: both the start-up and
// the desired value.
void readStartupClocks(ChipPorts& ports, const AdapterIdentity& id, ClockState& clocks);

// SHIFT held at start: log it in the scheme file and keep the clocks the
// card runs at, so the tooltip and dialogs show the truth.
void keepStartupClocksForShift(const Platform& hw, const std::string& schemeFile, ClockState& clocks);

// Programs the desired clocks; nothing while they equal what the chip runs.
void applyDesiredClocks(const Platform& hw, const AdapterIdentity& id, const ClockRules& rules, ClockState& clocks);

// End of the Windows session: the card gets its start-up clocks back and the
// crash-guard mark is cleared.
void restoreStartupClocks(const Platform& hw, const AdapterIdentity& id, const ClockRules& rules,
                          ClockState& clocks);

}  // namespace vdx
