// The process-wide set of platform services the tweaker's logic calls. The
// program's entry installs the real (or simulated) ones once; tests install
// fakes. Nothing else holds a service.
#pragma once
#include "tweaker/platform/chip_ports.h"
#include "tweaker/platform/display.h"
#include "tweaker/platform/profile.h"
#include "tweaker/platform/registry.h"
#include "tweaker/platform/system.h"

namespace vdx {

struct Platform {
  Registry* registry = nullptr;
  ProfileFile* profile = nullptr;
  Display* display = nullptr;
  ChipPorts* ports = nullptr;
  MilliClock* clock = nullptr;
  SystemServices* system = nullptr;
};

// The installed services; every pointer is set before the logic runs.
Platform& platform();
void installPlatform(const Platform& services);

}  // namespace vdx
