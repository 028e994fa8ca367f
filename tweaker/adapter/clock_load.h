// The clock settings the card key holds, read at start-up: slider limits,
// the card's own clocks as first seen, the saved speeds and the ratio, and
// the crash guard's question when the last session left clocks changed.
#pragma once
#include <cstdint>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/platform/registry.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

extern const char kCrashGuardQuestion[];

// The highest speed a slider may reach on a chip.
float mclkCap(uint32_t deviceId);
float eclkCap(uint32_t deviceId);

// Limits, start-up clocks and saved speeds from the open card key. Asks the
// crash-guard question (`owner` owns the box) when "Overclocked" is on, marks
// "Overclocked" when the speeds differ from the start-up ones, then reads the
// ratio.
void loadClockSettings(const RegKey& card, const AdapterIdentity& id, MessageBoxPresenter& boxes,
                       WindowHandle owner, ClockState& clocks);

}  // namespace vdx
