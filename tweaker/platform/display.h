// The display device: the driver's escape call, device caps, display modes.
#pragma once
#include <cstddef>
#include <cstdint>

namespace vdx {

struct DisplayMode {
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t bitsPerPixel = 0;
  uint32_t frequency = 0;
};

// DEVMODE dmFields bits and ChangeDisplaySettings flags and results, with
// their Win32 values.
constexpr uint32_t kDmBitsPerPel = 0x00040000;
constexpr uint32_t kDmPelsWidth = 0x00080000;
constexpr uint32_t kDmPelsHeight = 0x00100000;
constexpr uint32_t kCdsUpdateRegistry = 0x01;
constexpr uint32_t kCdsTest = 0x02;
constexpr uint32_t kCdsReset = 0x40000000;
constexpr long kDispChangeSuccessful = 0;
constexpr long kDispChangeRestart = 1;
constexpr long kDispChangeFailed = -1;
constexpr long kDispChangeBadMode = -2;

class Display {
 public:
  virtual ~Display() = default;
  // ExtEscape on a device context of the display ("DISPLAY"), opened and
  // deleted within the call. Returns the driver's result.
  virtual int escape(int code, const void* in, std::size_t inSize, void* out, std::size_t outSize) = 0;
  // GetDeviceCaps HORZRES, VERTRES and PLANES x BITSPIXEL.
  virtual void deviceCaps(uint32_t* width, uint32_t* height, uint32_t* bitsPerPixel) = 0;
  // EnumDisplaySettingsA(nullptr, index); false past the last mode.
  virtual bool enumMode(uint32_t index, DisplayMode* out) = 0;
  // ChangeDisplaySettingsA with a mode record carrying only `fields`.
  virtual long changeMode(const DisplayMode& mode, uint32_t fields, uint32_t flags) = 0;
  // GetSystemMetrics SM_CXSCREEN / SM_CYSCREEN.
  virtual int screenWidth() = 0;
  virtual int screenHeight() = 0;
};

}  // namespace vdx
