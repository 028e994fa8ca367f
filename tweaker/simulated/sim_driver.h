// A display driver that answers the private escapes from a table, keeping
// what is set between calls. Records arrive as raw bytes; a record shorter
// than its operation needs is refused, and a reply never runs past the
// caller's output buffer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "tweaker/simulated/sim_card.h"

namespace vdx {

struct SimDriverState {
  uint32_t activeDisplays = 0;
  uint32_t horzExpansion = 1;
  uint32_t vertExpansion = 1;
  uint32_t flickerOn = 1;
  uint32_t flickerLevel = 0;
  uint32_t tvPort = 1;
  uint32_t tvHorzPos = 0;
  uint32_t tvVertPos = 0;
  uint32_t tvStandard = 1;
  uint32_t tvContrast = 0;
  uint32_t tvColour = 0;
  uint32_t tvTint = 0;
  uint32_t tvBrightness = 0;
  uint32_t tvHorzSize = 0;
  uint32_t tvVertSize = 0;
  uint32_t tvLockRatio = 1;
  uint32_t gamma[256] = {};
  uint32_t gammaCommits = 0;
};

class SimulatedDriver {
 public:
  explicit SimulatedDriver(const SimCard& card);

  // ExtEscape as the driver sees it: the result, with `out` (outSize bytes,
  // may be null) filled.
  int escape(int code, const void* in, std::size_t inSize, void* out, std::size_t outSize);

  const SimCard& card() const { return card_; }
  SimDriverState& state() { return state_; }

  // Called after every escape (the program keeps the driver's values on disk).
  void setOnCall(std::function<void()> f) { onCall_ = std::move(f); }
  // The kept values as one line of text, and back; a text for another card
  // or a damaged one is refused and nothing changes.
  std::string saveState() const;
  bool loadState(const std::string& text);

 private:
  int dispatch(int code, const void* in, std::size_t inSize, void* out, std::size_t outSize);
  int driverCall(const uint8_t* in, std::size_t inSize, uint8_t* out, std::size_t outSize);
  int gammaCall(const uint8_t* in, std::size_t inSize, uint8_t* out, std::size_t outSize);

  SimCard card_;
  SimDriverState state_;
  std::function<void()> onCall_;
};

}  // namespace vdx
