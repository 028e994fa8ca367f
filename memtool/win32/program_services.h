// The Win32 services of the tray menu, system commands, links, sound
// chooser and SYSTEM.INI: held here for the program's lifetime and put into
// the form's services before the window is created.
#pragma once
#include "memtool/platform/services.h"

namespace mt {
namespace win32 {

struct ProgramServices {
  // The modules above add their Win32 service objects here.
};

void installProgramServices(Services& services, ProgramServices& owned);

}  // namespace win32
}  // namespace mt
