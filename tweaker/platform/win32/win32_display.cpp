#include "tweaker/platform/win32/win32_display.h"

#include <windows.h>

#include <cstring>

namespace vdx {

namespace {

// DEVMODEA as the 95/98 family knows it (without the later panning fields).
constexpr WORD kDevModeSize = 148;
static_assert(sizeof(DEVMODEA) >= kDevModeSize, "DEVMODEA smaller than the Windows 95 record");
constexpr DWORD kDmDisplayFrequency = 0x00400000;

// A display device context for the length of one call.
class DisplayDc {
 public:
  DisplayDc() : dc_(CreateDCA("DISPLAY", nullptr, nullptr, nullptr)) {}
  ~DisplayDc() {
    if (dc_) DeleteDC(dc_);
  }
  DisplayDc(const DisplayDc&) = delete;
  DisplayDc& operator=(const DisplayDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

void clearDevMode(DEVMODEA* dm) {
  std::memset(dm, 0, sizeof *dm);
  dm->dmSize = kDevModeSize;
}

}  // namespace

int Win32Display::escape(int code, const void* in, std::size_t inSize, void* out, std::size_t outSize) {
  DisplayDc dc;
  if (!dc.get()) return 0;
  return ExtEscape(dc.get(), code, static_cast<int>(inSize), static_cast<LPCSTR>(in), static_cast<int>(outSize),
                   static_cast<LPSTR>(out));
}

void Win32Display::deviceCaps(uint32_t* width, uint32_t* height, uint32_t* bitsPerPixel) {
  DisplayDc dc;
  uint32_t w = 0, h = 0, bpp = 0;
  if (dc.get()) {
    w = static_cast<uint32_t>(GetDeviceCaps(dc.get(), HORZRES));
    h = static_cast<uint32_t>(GetDeviceCaps(dc.get(), VERTRES));
    bpp = static_cast<uint32_t>(GetDeviceCaps(dc.get(), PLANES) * GetDeviceCaps(dc.get(), BITSPIXEL));
  }
  if (width) *width = w;
  if (height) *height = h;
  if (bitsPerPixel) *bitsPerPixel = bpp;
}

bool Win32Display::enumMode(uint32_t index, DisplayMode* out) {
  DEVMODEA dm;
  clearDevMode(&dm);
  if (!EnumDisplaySettingsA(nullptr, index, &dm)) return false;
  out->width = dm.dmPelsWidth;
  out->height = dm.dmPelsHeight;
  out->bitsPerPixel = dm.dmBitsPerPel;
  out->frequency = dm.dmDisplayFrequency;
  return true;
}

long Win32Display::changeMode(const DisplayMode& mode, uint32_t fields, uint32_t flags) {
  DEVMODEA dm;
  clearDevMode(&dm);
  dm.dmFields = fields;
  dm.dmPelsWidth = mode.width;
  dm.dmPelsHeight = mode.height;
  dm.dmBitsPerPel = mode.bitsPerPixel;
  if (fields & kDmDisplayFrequency) dm.dmDisplayFrequency = mode.frequency;
  return ChangeDisplaySettingsA(&dm, flags);
}

int Win32Display::screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int Win32Display::screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

}  // namespace vdx
