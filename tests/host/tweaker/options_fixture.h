// A Savage4 on AGP with an empty registry, for the option reader and writer tests.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/tweaker/fake_registry.h"
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/settings/driver_defaults.h"
#include "tweaker/settings/option_store.h"

namespace vdx {

class OptionsFixture : public ::testing::Test {
 protected:
  static constexpr RegRoot kRoot = RegRoot::CurrentConfig;
  static constexpr const char* kKey = "Display\\Settings";
  static constexpr const char* kMiniGL = "Software\\S3\\S3GL";

  OptionsFixture() {
    id.deviceId = 0x8A22;
    id.capabilities = kCapAgp | kCapCommandDma | kCapAgpSideband | kCapBlockWrite | kCapOpenGl;
    DefaultsInput in;
    in.deviceId = id.deviceId;
    in.extReg70 = 0x80;  // sideband strapped on
    in.physicalMemoryMegabytes = 128;
    defaults = driverDefaults(in);
    current = defaults;
    ctx.capabilities = id.capabilities;
  }

  void set(const char* name, const std::string& text) { reg.setString(kRoot, kKey, name, text); }
  std::string get(const char* name) const { return reg.getString(kRoot, kKey, name); }
  bool has(const char* name) const { return reg.hasValue(kRoot, kKey, name); }
  void read() { readDriverOptions(reg, id, ctx, defaults, &current); }
  bool write() { return writeDriverOptions(reg, id, ctx, defaults, current); }

  FakeRegistry reg;
  AdapterIdentity id;
  OptionContext ctx;
  DriverOptions defaults;
  DriverOptions current;
};

}  // namespace vdx
