// The Win32 services of the tray menu, system commands, links, sound
// chooser and SYSTEM.INI: held here for the program's lifetime and put into
// the form's services before the window is created.
#pragma once
#include "memtool/platform/services.h"
#include "memtool/platform/win32/system_services_win32.h"

namespace mt {
namespace win32 {

struct ProgramServices {
  Win32PrivateProfile profile;
  Win32Shutdown shutdown;
  Win32ShellOpen shell;
  Win32Clipboard clipboard;
  Win32FileDialog fileDialog;
};

void installProgramServices(Services& services, ProgramServices& owned);

}  // namespace win32
}  // namespace mt
