#include "tweaker/display/gamma_ramp.h"

namespace vdx {

void packGammaRamp(const GammaRamp& ramp, uint32_t words[kGammaWireWords]) {
  for (int i = 0; i < 256; ++i)
    words[i] = static_cast<uint32_t>(ramp.red(i) & 0xFF) << 16 | static_cast<uint32_t>(ramp.green(i) & 0xFF) << 8 |
               static_cast<uint32_t>(ramp.blue(i) & 0xFF);
}

void unpackGammaRamp(const uint32_t words[kGammaWireWords], GammaRamp* ramp) {
  for (int i = 0; i < 256; ++i) {
    ramp->red(i) = static_cast<uint16_t>(words[i] >> 16);
    ramp->green(i) = static_cast<uint16_t>((words[i] >> 8) & 0xFF);
    ramp->blue(i) = static_cast<uint16_t>(words[i] & 0xFF);
  }
}

}  // namespace vdx
