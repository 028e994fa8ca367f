// The main window's fonts: "MS Sans Serif" 8 pt in its plain, bold and
// underlined forms, and the About tab's 29-pixel heading face.
#include "memtool/win32/form_window.h"

namespace mt {
namespace win32 {

HFONT FormWindow::fontFor(unsigned style) {
  int slot = (style & kStyleBigFont) ? 3 : (style & kStyleUnderline) ? 2 : (style & kStyleBold) ? 1 : 0;
  if (!fonts_[slot]) {
    HDC dc = GetDC(nullptr);
    int height = slot == 3 ? -29 : -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(nullptr, dc);
    fonts_[slot] = CreateFontA(height, 0, 0, 0, (style & kStyleBold) ? FW_BOLD : FW_NORMAL, 0,
                               (style & kStyleUnderline) ? 1 : 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               slot == 3 ? "Microsoft Sans Serif" : "MS Sans Serif");
  }
  return fonts_[slot];
}

}  // namespace win32
}  // namespace mt
