// The driver's settings key and the MiniGL key filled by a hostile writer:
// the options read within their clamps, and once Vidarix has written them
// back they read the same again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_values.h"
#include "tests/fakes/tweaker/fake_registry.h"
#include "tweaker/settings/driver_defaults.h"
#include "tweaker/settings/option_store.h"
#include "tweaker/settings/option_table.h"
#include "tweaker/settings/settings_keys.h"

namespace {

constexpr vdx::RegRoot kRoot = vdx::RegRoot::CurrentConfig;
constexpr const char* kKey = "Display\\Settings";

void fill(FuzzedDataProvider& in, vdx::FakeRegistry& reg, vdx::RegRoot root, const char* key,
          const char* const* names, int count) {
  for (int i = 0; i < count; ++i) {
    const fuzz::RawValue v = fuzz::consumeRawValue(in);
    if (v.present) reg.setRaw(root, key, names[i], v.type, v.bytes);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  vdx::AdapterIdentity id;
  static const uint32_t kDevices[] = {0x8A22, 0x8A20, 0x8C10, 0x9102, 0x8D04};
  id.deviceId = in.PickValueInArray(kDevices);
  id.capabilities = in.ConsumeIntegral<uint32_t>();
  id.settingsRoot = kRoot;
  id.settingsKeyPath = kKey;
  vdx::DefaultsInput defaultsIn;
  defaultsIn.deviceId = id.deviceId;
  defaultsIn.extReg70 = in.ConsumeIntegral<uint8_t>();
  defaultsIn.physicalMemoryMegabytes = in.ConsumeIntegralInRange<uint32_t>(0, 512);
  const vdx::DriverOptions defaults = vdx::driverDefaults(defaultsIn);
  vdx::OptionContext ctx;
  ctx.capabilities = id.capabilities;
  ctx.writeRegDefaults = in.ConsumeBool();
  ctx.perfIcdMenu = in.ConsumeBool();

  vdx::FakeRegistry reg;
  fill(in, reg, kRoot, kKey, vdx::kDriverReadOrder, vdx::kDriverReadOrderCount);
  fill(in, reg, vdx::RegRoot::LocalMachine, vdx::kMiniGLKeyPath, vdx::kMiniGLOrder, vdx::kMiniGLOrderCount);

  vdx::DriverOptions first = defaults;
  vdx::readDriverOptions(reg, id, ctx, defaults, &first);
  // Written and read once, the options are what the driver would see; a
  // second round must change nothing.
  vdx::FakeRegistry once;
  vdx::writeDriverOptions(once, id, ctx, defaults, first);
  vdx::writeMiniGLOptions(once, id, ctx, defaults, first);
  vdx::DriverOptions second = defaults;
  vdx::readDriverOptions(once, id, ctx, defaults, &second);
  vdx::FakeRegistry twice;
  vdx::writeDriverOptions(twice, id, ctx, defaults, second);
  vdx::writeMiniGLOptions(twice, id, ctx, defaults, second);
  vdx::DriverOptions third = defaults;
  vdx::readDriverOptions(twice, id, ctx, defaults, &third);
  if (second != third) std::abort();
  if (once.openKeyCount() != 0 || twice.openKeyCount() != 0 || reg.openKeyCount() != 0) std::abort();
  return 0;
}
