// Vidarix-sim.exe: the real registry, files and display modes, with the
// simulated chip behind the ports and the simulated driver behind the escapes.
#include "tweaker/platform/program_platform.h"

#include "tweaker/platform/win32/win32_clock.h"
#include "tweaker/platform/win32/win32_display.h"
#include "tweaker/platform/win32/win32_profile.h"
#include "tweaker/platform/win32/win32_registry.h"
#include "tweaker/platform/win32/win32_system.h"
#include "tweaker/simulated/sim_display.h"
#include "tweaker/simulated/sim_machine.h"

namespace vdx {

struct ProgramPlatform::Parts {
  Win32Registry registry;
  Win32Profile profile;
  Win32Display modes;
  Win32Clock clock;
  Win32System system;
  SimulatedMachine machine{profile, system.programDirectory(), clock};
  SimulatedDisplay display{machine.driver(), modes};
};

ProgramPlatform::ProgramPlatform() : parts_(new Parts) {
  services_.registry = &parts_->registry;
  services_.profile = &parts_->profile;
  services_.display = &parts_->display;
  services_.ports = &parts_->machine.ports();
  services_.clock = &parts_->clock;
  services_.system = &parts_->system;
}

ProgramPlatform::~ProgramPlatform() = default;

}  // namespace vdx
