// Vidarix.exe: the real registry, files, display driver and chip ports.
#include "tweaker/platform/program_platform.h"

#include "tweaker/platform/platform.h"
#include "tweaker/platform/win32/real/real_chip_ports.h"
#include "tweaker/platform/win32/win32_clock.h"
#include "tweaker/platform/win32/win32_display.h"
#include "tweaker/platform/win32/win32_profile.h"
#include "tweaker/platform/win32/win32_registry.h"
#include "tweaker/platform/win32/win32_system.h"

namespace vdx {

void installProgramPlatform() {
  // Live for the whole run of the program.
  static Win32Registry registry;
  static Win32Profile profile;
  static Win32Display display;
  static RealChipPorts ports;
  static Win32Clock clock;
  static Win32System system;
  Platform p;
  p.registry = &registry;
  p.profile = &profile;
  p.display = &display;
  p.ports = &ports;
  p.clock = &clock;
  p.system = &system;
  installPlatform(p);
}

}  // namespace vdx
