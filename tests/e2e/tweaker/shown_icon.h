// Whether an icon control of the running program shows one of the program's
// own icon resources: the control's pixels on the screen against that
// resource, read from the program file, drawn at the control's size over the
// dialog's face colour. A handle from another process cannot be looked into,
// the picture on the screen can.
#pragma once
#include <windows.h>

#include <string>

#include "tests/e2e/common/driver.h"

namespace shownicon {

// The pixels of `control` that differ from icon `iconId` of `exe`; -1 when
// the resource or the screen cannot be read.
inline long differingPixels(HWND control, const std::string& exe, int iconId) {
  RECT r;
  if (!control || !GetWindowRect(control, &r)) return -1;
  const int w = r.right - r.left, h = r.bottom - r.top;
  HMODULE file = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!file) return -1;
  HICON icon = static_cast<HICON>(LoadImageA(file, MAKEINTRESOURCEA(iconId), IMAGE_ICON, w, h, 0));
  FreeLibrary(file);
  if (!icon) return -1;
  long differ = -1;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  if (screen && mem && bitmap) {
    HGDIOBJ old = SelectObject(mem, bitmap);
    RECT all = {0, 0, w, h};
    FillRect(mem, &all, GetSysColorBrush(COLOR_BTNFACE));
    DrawIconEx(mem, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
    differ = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (GetPixel(mem, x, y) != GetPixel(screen, r.left + x, r.top + y)) ++differ;
    SelectObject(mem, old);
  }
  if (bitmap) DeleteObject(bitmap);
  if (mem) DeleteDC(mem);
  if (screen) ReleaseDC(nullptr, screen);
  DestroyIcon(icon);
  return differ;
}

// Checks that `control` shows icon `iconId` of `exe`.
inline bool checkShows(HWND control, const std::string& exe, int iconId, const std::string& what) {
  const long differ = differingPixels(control, exe, iconId);
  return e2e::check(differ == 0, what, differ < 0 ? "no icon " + std::to_string(iconId) + " to compare"
                                                  : std::to_string(differ) + " pixels differ");
}

}  // namespace shownicon
