// The clocks a scheme asks for: the range they are held to, and setting one
// on the chip.
#pragma once
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/platform/platform.h"
#include "tweaker/schemes/scheme_line.h"

namespace vdx {

// The slider limits of the clock state: the chip's, as the card key's
// "MclkMin"/"MclkMax"/"EclkMin"/"EclkMax" narrowed or raised them and the
// start-up clocks widened them, so a scheme can ask for no more than the
// Overclock dialog offers.
ClockLimits schemeClockLimits(const ClockState& clocks);

// A requested clock other than 0 becomes the desired one; when the generator
// has divisors for it they are programmed and the desired clock is what the
// chip then runs at. Only clocks the chip has are touched.
void applySchemeClocks(const Platform& hw, const AdapterIdentity& id, uint32_t settleMs, float mclk, float eclk,
                       ClockState& clocks);

}  // namespace vdx
