// Every Win32 service the form uses, held for the program's lifetime and
// put into the form's services before the window is created.
#pragma once
#include <windows.h>

#include "memtool/platform/services.h"
#include "memtool/platform/win32/system_services_win32.h"
#include "memtool/platform/win32/win32_seam.h"
#include "memtool/win32/tray_window.h"

namespace mt {
namespace win32 {

struct ProgramServices {
  explicit ProgramServices(HINSTANCE instance) : tray(instance) {}

  Win32Registry registry;
  Win32System system;
  Win32Memory memory;
  Win32Sound sound;
  TrayWindow tray;
  Win32PrivateProfile profile;
  Win32Shutdown shutdown;
  Win32ShellOpen shell;
  Win32Clipboard clipboard;
  Win32FileDialog fileDialog;
};

void installProgramServices(Services& services, ProgramServices& owned);

}  // namespace win32
}  // namespace mt
