// The gamma value text of the card key: whatever it holds, the values stay
// in the dialog's ranges, the text written for them reads back the same,
// and the table they make never falls.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tweaker/display/stored_gamma.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const vdx::StoredGamma g = vdx::parseStoredGamma(text);
  for (int c = 0; c < 3; ++c) {
    if (!(g.gamma[c] >= 0.1f && g.gamma[c] <= 3.0f)) std::abort();
    if (!(g.bright[c] >= 0.0f && g.bright[c] <= 3.0f)) std::abort();
  }
  const std::string written = vdx::formatStoredGamma(g);
  if (vdx::formatStoredGamma(vdx::parseStoredGamma(written)) != written) std::abort();
  const vdx::GammaRamp ramp = vdx::buildGammaRamp(g);
  for (int c = 0; c < 3; ++c)
    for (int i = 1; i < 256; ++i)
      if (ramp.entries[c * 256 + i] < ramp.entries[c * 256 + i - 1] || ramp.entries[c * 256 + i] > 255) std::abort();
  return 0;
}
