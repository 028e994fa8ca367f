// Memtidy's settings key filled by a hostile writer: the settings load, and
// what Memtidy writes back loads as the same settings.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_values.h"
#include "memtool/errors.h"
#include "memtool/settings.h"
#include "tests/fakes/memtool/fake_registry.h"

namespace {

const char* const kNames[] = {"TargetFreeRAM", "MinimumFreeRAM", "FreeValue1", "FreeTime", "FreeCPU",
                              "Menu1",         "Menu2",          "Menu3",      "RAMIcon",  "PlaySound",
                              "Music",         "AutoStart",      "FreeInterval", "CurrentDir"};

bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

bool same(const mt::MemtidySettings& a, const mt::MemtidySettings& b) {
  return a.TargetFreeRAM == b.TargetFreeRAM && a.MinimumFreeRAM == b.MinimumFreeRAM &&
         same(a.FreeValue1, b.FreeValue1) && same(a.FreeTime, b.FreeTime) && same(a.FreeCPU, b.FreeCPU) &&
         same(a.Menu1, b.Menu1) && same(a.Menu2, b.Menu2) && same(a.Menu3, b.Menu3) && a.RAMIcon == b.RAMIcon &&
         a.PlaySound == b.PlaySound && a.Music == b.Music && a.AutoStart == b.AutoStart &&
         same(a.FreeInterval, b.FreeInterval);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const uint16_t totalRAM = in.ConsumeIntegral<uint16_t>();
  const mt::OsFamily family = in.ConsumeBool() ? mt::OsFamily::Win9x : mt::OsFamily::WinNT;
  mt::FakeRegistry reg;
  for (const char* name : kNames) {
    const fuzz::RawValue v = fuzz::consumeRawValue(in);
    if (v.present) reg.setRaw(mt::RegRoot::CurrentUser, mt::kSettingsKey, name, v.type, v.bytes);
  }
  try {
    mt::recordCurrentDir(reg, "C:\\Memtidy");
  } catch (const mt::OperationError&) {
    // A "CurrentDir" of another type is reported, as the program does.
  }
  const mt::MemtidySettings first = mt::loadSettings(reg, totalRAM, family, "C:\\Memtidy");
  mt::FakeRegistry again;
  mt::storeSettings(again, first);
  const mt::MemtidySettings second = mt::loadSettings(again, totalRAM, family, "C:\\Memtidy");
  if (!same(first, second)) std::abort();
  return 0;
}
