// The chip's clocks as the program sees them: what the card ran at when the
// program started, what the user wants, and whether clocks may be set at all
// (not when SHIFT was held at start).
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/platform.h"

namespace vdx {

// The highest clock limit a slider can show: its range is 16-bit and one
// unit is 0.2 MHz (32767 units).
constexpr float kClockLimitMaxMhz = 6553.4f;

struct ClockState {
  float startupMclk = 0.0f;  // MHz; 0 when the chip has no such clock
  float startupEclk = 0.0f;
  float desiredMclk = 0.0f;
  float desiredEclk = 0.0f;
  bool clocksAllowed = true;
  float mclkMin = 90.0f;  // slider limits, MHz
  float mclkMax = 0.0f;   // the chip's limit until the settings load
  float eclkMin = 90.0f;
  float eclkMax = 0.0f;
  float clkRatio = 1.0f;  // Eclk / Mclk, kept in 0.5 .. 2.0
  bool useClkRatio = false;
};

// What decides whether and how a clock is programmed, besides the chip.
struct ClockRules {
  bool useOverclock = true;      // the "UseOverclock" preference
  uint32_t settleMs = 120;       // the "ClkDelay" preference
  bool resetInProgress = false;  // a display reset is switching modes
  std::string logFile;           // the scheme file, whose "Vidarix Clk" section logs failures
};

// Reads each clock the chip has from its generator: both the start-up and
// the desired value. The upper limits start at the chip's own.
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

// Finds the divisors nearest above `wanted` and programs them, whatever the
// chip runs at now; returns the frequency read back, or `wanted` when the
// generator cannot make it (the chip is then left alone).
float setClockNow(const Platform& hw, const AdapterIdentity& id, const ClockRules& rules, bool engine,
                  float wanted);

}  // namespace vdx
