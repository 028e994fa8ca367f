// The display of the simulated adapter: its escapes go to the simulated
// driver, modes, caps and screen size to the display it wraps.
#pragma once
#include "tweaker/platform/display.h"
#include "tweaker/simulated/sim_driver.h"

namespace vdx {

class SimulatedDisplay : public Display {
 public:
  SimulatedDisplay(SimulatedDriver& driver, Display& modes) : driver_(driver), modes_(modes) {}

  int escape(int code, const void* in, std::size_t inSize, void* out, std::size_t outSize) override {
    return driver_.escape(code, in, inSize, out, outSize);
  }
  void deviceCaps(uint32_t* width, uint32_t* height, uint32_t* bitsPerPixel) override {
    modes_.deviceCaps(width, height, bitsPerPixel);
  }
  bool enumMode(uint32_t index, DisplayMode* out) override { return modes_.enumMode(index, out); }
  long changeMode(const DisplayMode& mode, uint32_t fields, uint32_t flags) override {
    return modes_.changeMode(mode, fields, flags);
  }
  int screenWidth() override { return modes_.screenWidth(); }
  int screenHeight() override { return modes_.screenHeight(); }

 private:
  SimulatedDriver& driver_;
  Display& modes_;
};

}  // namespace vdx
