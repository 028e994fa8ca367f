#include "tweaker/display/display_reset.h"

#include "tweaker/adapter/chip_registers.h"

namespace vdx {

namespace {

constexpr uint32_t kResetSettleMs = 50;

}  // namespace

long changeDisplayMode(Display& display, int32_t width, int32_t height, int32_t depth, uint32_t flags) {
  DisplayMode mode;
  uint32_t fields = 0;
  if (width != -1 && height != -1) {
    mode.width = static_cast<uint32_t>(width);
    mode.height = static_cast<uint32_t>(height);
    fields |= kDmPelsWidth | kDmPelsHeight;
  }
  if (depth != -1) {
    mode.bitsPerPixel = static_cast<uint32_t>(depth);
    fields |= kDmBitsPerPel;
  }
  return display.changeMode(mode, fields, flags);
}

void resetDisplay(Display& display, MilliClock& clock, int32_t depth, ResetMode resetMode,
                  DisplayResetState& state) {
  waitMilliseconds(clock, kResetSettleMs);
  const int32_t width = display.screenWidth();
  const int32_t height = display.screenHeight();

  // The zeroed record stays when no other depth exists at this size: its
  // switch fails and only the switch back takes effect.
  DisplayMode away;
  DisplayMode mode;
  for (uint32_t i = 0; display.enumMode(i, &mode); ++i) {
    if (static_cast<int32_t>(mode.width) == width && static_cast<int32_t>(mode.height) == height &&
        static_cast<int32_t>(mode.bitsPerPixel) != depth && mode.bitsPerPixel >= 8) {
      away = mode;
      break;
    }
  }

  state.inProgress = true;
  changeDisplayMode(display, static_cast<int32_t>(away.width), static_cast<int32_t>(away.height),
                    static_cast<int32_t>(away.bitsPerPixel), kCdsReset);
  if (resetMode == RESET_FULL) {
    waitMilliseconds(clock, kResetSettleMs);
    changeDisplayMode(display, width, height, depth, kCdsReset);
  }
  // The notices of both switches have been handled by now; later display
  // changes are the user's and get the clocks re-applied.
  state.inProgress = false;
}

}  // namespace vdx
