// Every fake seam service in one place, installed as the process's platform
// for the life of the object (tests create one per test).
#pragma once
#include "tests/fakes/tweaker/fake_chip_ports.h"
#include "tests/fakes/tweaker/fake_clock.h"
#include "tests/fakes/tweaker/fake_display.h"
#include "tests/fakes/tweaker/fake_profile.h"
#include "tests/fakes/tweaker/fake_registry.h"
#include "tests/fakes/tweaker/fake_system.h"
#include "tweaker/platform/platform.h"

namespace vdx {

struct FakePlatform {
  FakeRegistry registry;
  FakeProfile profile;
  FakeDisplay display;
  FakeClock clock{0, 1};  // one millisecond per reading, so waits and retrace polls end
  FakeChipPorts ports{clock};
  FakeSystem system;

  FakePlatform() { install(); }
  ~FakePlatform() { installPlatform(Platform{}); }
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  void install() {
    Platform p;
    p.registry = &registry;
    p.profile = &profile;
    p.display = &display;
    p.ports = &ports;
    p.clock = &clock;
    p.system = &system;
    installPlatform(p);
  }
};

}  // namespace vdx
