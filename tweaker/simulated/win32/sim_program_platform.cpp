// Vidarix-sim.exe: the real registry, files and display modes, with the
// simulated chip behind the ports and the simulated driver behind the escapes.
#include "tweaker/platform/program_platform.h"

#include "tweaker/platform/platform.h"
#include "tweaker/platform/win32/win32_clock.h"
#include "tweaker/platform/win32/win32_display.h"
#include "tweaker/platform/win32/win32_profile.h"
#include "tweaker/platform/win32/win32_registry.h"
#include "tweaker/platform/win32/win32_system.h"
#include "tweaker/simulated/sim_display.h"
#include "tweaker/simulated/sim_machine.h"

namespace vdx {

void installProgramPlatform() {
  // Live for the whole run of the program.
  static Win32Registry registry;
  static Win32Profile profile;
  static Win32Display modes;
  static Win32Clock clock;
  static Win32System system;
  static SimulatedMachine machine(profile, system.programDirectory(), clock);
  static SimulatedDisplay display(machine.driver(), modes);
  Platform p;
  p.registry = &registry;
  p.profile = &profile;
  p.display = &display;
  p.ports = &machine.chip();
  p.clock = &clock;
  p.system = &system;
  installPlatform(p);
}

}  // namespace vdx
