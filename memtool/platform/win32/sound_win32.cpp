#include <windows.h>
#include <mmsystem.h>

#include "memtool/platform/win32/win32_seam.h"

namespace mt {

void Win32Sound::playSync(const std::string& path) {
  // Flags 0: synchronous, with the system's default sound when the file cannot play.
  sndPlaySoundA(path.c_str(), 0);
}

}  // namespace mt
