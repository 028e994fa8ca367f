// Vidarix.exe: the real registry, files, display driver and chip ports.
#include "tweaker/platform/program_platform.h"

#include "tweaker/platform/win32/real/real_chip_ports.h"
#include "tweaker/platform/win32/win32_clock.h"
#include "tweaker/platform/win32/win32_display.h"
#include "tweaker/platform/win32/win32_profile.h"
#include "tweaker/platform/win32/win32_registry.h"
#include "tweaker/platform/win32/win32_system.h"

namespace vdx {

struct ProgramPlatform::Parts {
  Win32Registry registry;
  Win32Profile profile;
  Win32Display display;
  RealChipPorts ports;
  Win32Clock clock;
  Win32System system;
};

ProgramPlatform::ProgramPlatform() : parts_(new Parts) {
  services_.registry = &parts_->registry;
  services_.profile = &parts_->profile;
  services_.display = &parts_->display;
  services_.ports = &parts_->ports;
  services_.clock = &parts_->clock;
  services_.system = &parts_->system;
}

ProgramPlatform::~ProgramPlatform() = default;

}  // namespace vdx
