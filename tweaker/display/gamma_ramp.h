// The program's gamma table and its packed form on the driver's wire.
#pragma once
#include <cstdint>

namespace vdx {

// Red, green and blue, 256 entries each: red[i] at i, green[i] at 256 + i,
// blue[i] at 512 + i. Only the low 8 bits of an entry reach the driver.
struct GammaRamp {
  uint16_t entries[768] = {};
  uint16_t& red(int i) { return entries[i]; }
  uint16_t& green(int i) { return entries[256 + i]; }
  uint16_t& blue(int i) { return entries[512 + i]; }
  uint16_t red(int i) const { return entries[i]; }
  uint16_t green(int i) const { return entries[256 + i]; }
  uint16_t blue(int i) const { return entries[512 + i]; }
};

constexpr uint32_t kGammaWireWords = 256;

// Word i = red low byte << 16 | green low byte << 8 | blue low byte.
void packGammaRamp(const GammaRamp& ramp, uint32_t words[kGammaWireWords]);
// Red takes bits 16-31, green bits 8-15, blue bits 0-7.
void unpackGammaRamp(const uint32_t words[kGammaWireWords], GammaRamp* ramp);

}  // namespace vdx
