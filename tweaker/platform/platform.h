// The platform services the tweaker's logic calls, as one set of pointers.
// The program's entry owns the real (or simulated) services and hands this
// set down; tests hand down fakes. Every pointer is set before use.
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

}  // namespace vdx
