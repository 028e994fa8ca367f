// The display seam on GDI and user32: a device context of "DISPLAY" per
// escape, display modes through a 148-byte DEVMODEA.
#pragma once
#include "tweaker/platform/display.h"

namespace vdx {

class Win32Display : public Display {
 public:
  int escape(int code, const void* in, std::size_t inSize, void* out, std::size_t outSize) override;
  void deviceCaps(uint32_t* width, uint32_t* height, uint32_t* bitsPerPixel) override;
  bool enumMode(uint32_t index, DisplayMode* out) override;
  long changeMode(const DisplayMode& mode, uint32_t fields, uint32_t flags) override;
  int screenWidth() override;
  int screenHeight() override;
};

}  // namespace vdx
