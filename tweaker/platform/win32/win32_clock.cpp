#include "tweaker/platform/win32/win32_clock.h"

#include <windows.h>
#include <mmsystem.h>

namespace vdx {

uint32_t Win32Clock::now() { return timeGetTime(); }

}  // namespace vdx
