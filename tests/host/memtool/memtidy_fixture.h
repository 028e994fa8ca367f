// A Memtidy form over fakes: a 64 MB Windows 98 machine with nothing stored.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "memtool/form.h"
#include "tests/fakes/memtool/fake_form_surface.h"
#include "tests/fakes/memtool/fake_machine.h"
#include "tests/fakes/memtool/fake_private_profile.h"
#include "tests/fakes/memtool/fake_system_services.h"
#include "tests/fakes/memtool/fake_registry.h"

namespace mt {

class MemtidyTest : public ::testing::Test {
 protected:
  MemtidyTest() : memory(log), sound(log), trayShell(log) {
    system.setMB(64, 40);
    system.memory.totalPageFile = uint64_t(200) << 20;
    system.memory.availPageFile = uint64_t(150) << 20;
    // Every Windows has its Run key.
    registry.addKey(RegRoot::LocalMachine, kRunKey);
    services.registry = &registry;
    services.system = &system;
    services.memory = &memory;
    services.sound = &sound;
    services.trayShell = &trayShell;
    services.profile = &profile;
    services.shutdown = &shutdown;
    services.shell = &shell;
    services.clipboard = &clipboard;
    services.fileDialog = &fileDialog;
  }

  TForm1& start() {
    form.reset(new TForm1(services, surface));
    form->FormCreate();
    log.clear();
    return *form;
  }
  // One monitor tick at the given tick count with availMB free.
  void tick(uint32_t at, uint64_t availMB) {
    system.ticks = at;
    system.memory.availPhys = availMB << 20;
    form->Timer1Timer();
  }
  int recoveries() const {
    int n = 0;
    for (const std::string& e : log) n += e.rfind("commit ", 0) == 0;
    return n;
  }
  void setCpu(std::vector<uint8_t> bytes, uint32_t type = kRegBinary) {
    registry.setRaw(RegRoot::DynData, "PerfStats\\StatData", "KERNEL\\CPUUsage", type, std::move(bytes));
  }
  std::string stored(const char* name) { return registry.string(RegRoot::CurrentUser, kSettingsKey, name); }

  EventLog log;
  FakeRegistry registry;
  FakeSystem system;
  FakeMemory memory;
  FakeSound sound;
  FakeTrayShell trayShell;
  FakeFormSurface surface;
  FakePrivateProfile profile;
  FakeShutdown shutdown;
  FakeShellOpen shell;
  FakeClipboard clipboard;
  FakeFileDialog fileDialog;
  Services services;
  std::unique_ptr<TForm1> form;
};

}  // namespace mt
