#include <windows.h>

#include "memtool/platform/win32/system_libraries_win32.h"
#include "memtool/platform/win32/win32_seam.h"

namespace mt {

void Win32Sound::playSync(const std::string& path) {
  // Flags 0: synchronous, with the system's default sound when the file cannot play.
  playSound(path.c_str(), 0);
}

}  // namespace mt
