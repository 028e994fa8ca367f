// The clocks a scheme asks for: the range they are held to, and setting one
// on the chip.
#pragma once
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/platform/platform.h"
#include "tweaker/schemes/scheme_line.h"

namespace vdx {

// 90 MHz up to the chip's limit (150 MHz when it names none), widened to
// take in the clocks the card started with.
ClockLimits schemeClockLimits(const AdapterIdentity& id, const ClockState& clocks);

// A requested clock other than 0 becomes the desired one; when the generator
// has divisors for it they are programmed and the desired clock is what the
// chip then runs at. Only clocks the chip has are touched.
void applySchemeClocks(const Platform& hw, const AdapterIdentity& id, uint32_t settleMs, float mclk, float eclk,
                       ClockState& clocks);

}  // namespace vdx
