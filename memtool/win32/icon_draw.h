// Draws the free-memory tray icon.
#pragma once
#include <windows.h>

#include <cstdint>

namespace mt {
namespace win32 {

// A new icon at the system's large-icon size; the caller destroys it.
HICON drawLevelIcon(uint16_t availMB, bool busy);

}  // namespace win32
}  // namespace mt
