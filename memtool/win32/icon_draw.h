// Draws the free-memory tray icon.
#pragma once
#include <windows.h>

#include <cstdint>

#include "memtool/icon_layout.h"

namespace mt {
namespace win32 {

// A new icon at the system's large-icon size; the caller destroys it.
HICON drawLevelIcon(uint16_t availMB, bool busy);

// The icon font's glyphs and the icon's width as drawLevelIcon meets them now,
// so a new figure that would draw the same picture needs no drawing.
IconGlyphs measureIconGlyphs();

}  // namespace win32
}  // namespace mt
