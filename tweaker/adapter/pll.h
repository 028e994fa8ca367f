// Clock generator (PLL) arithmetic and programming. Output frequency in MHz
// is (N + 2) * 14.31818 / ((M + 2) * P) with P the post divider.
#pragma once
#include <cstdint>

#include "tweaker/platform/chip_ports.h"

namespace vdx {

constexpr double kPllReferenceMhz = 14.31818;
// The flag register value meaning "post divider 2" on clocks that have one.
constexpr uint8_t kPostDividerTwoFlag = 0xF9;

struct PllDivisors {
  float mhz = 0.0f;  // 0 when no divisors fit
  uint8_t mReg = 0;  // (R << 5) + M
  uint8_t nReg = 0;  // N
};

// Frequency the PLL pair at `pllIndex` now produces. A non-zero
// `flagRegister` decides the post divider instead of the R bits.
float readPllFrequency(ChipPorts& ports, uint8_t pllIndex, uint16_t flagRegister);

// Divisors for `target` MHz within [target - 0.02, target + 0.97), searched
// in single precision. Mode 0 tries R 0..3 where 135 < target * 2^R <= 270,
// mode 1 tries R 1..2, any other mode finds nothing. First match returns the
// first hit in search order; best match the lowest frequency in the window.
PllDivisors findPllDivisors(float target, bool bestMatch, uint32_t mode);

// Writes new divisors at the start of a retrace, pulses the latch, sets the
// post-divider flag and returns the frequency read back after `settleMs`
// (the "ClkDelay" preference). Returns 0 when the ports cannot be reached.
float programPll(ChipPorts& ports, MilliClock& clock, uint8_t pllIndex, uint16_t loadWord, uint8_t mReg,
                 uint8_t nReg, uint16_t flagRegister, uint32_t settleMs = 0);

}  // namespace vdx
