// A mode key's rate list and its "RefreshRate" values as a driver or a
// person could leave them: the entry's rates never run past their slots,
// never offer Optimal, Adapter default or 0 a second time, and nothing is
// created outside the class key.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_values.h"
#include "tests/fakes/tweaker/fake_registry.h"
#include "tweaker/display/refresh_rates.h"

namespace {

constexpr const char* kClass = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";

void checkRates(const vdx::RefreshModeEntry& e, int first) {
  for (int i = first; i < vdx::kRefreshRateSlots; ++i) {
    const int32_t r = e.rates[i];
    if (r == 0) return;  // the list ends here
    if (r == -1 || r == 1 || r == vdx::RATE_OPTIMAL) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  vdx::RefreshModeEntry entry{};
  entry.bitsPerPixel = 16;
  entry.width = 800;
  entry.height = 600;
  const int used = in.ConsumeIntegralInRange(0, vdx::kRefreshRateSlots);
  const fuzz::RawValue defaultRate = fuzz::consumeRawValue(in);
  const fuzz::RawValue modeRate = fuzz::consumeRawValue(in);
  const std::string list = in.ConsumeRemainingBytesAsString();

  vdx::RefreshModeEntry parsed{};
  vdx::parseRateList(list, &parsed, used);
  checkRates(parsed, used);

  vdx::FakeRegistry reg;
  const std::string modeKey = std::string(kClass) + "\\MODES\\16\\800,600";
  if (defaultRate.present)
    reg.setRaw(vdx::RegRoot::LocalMachine, std::string(kClass) + "\\DEFAULT", "RefreshRate", defaultRate.type,
               defaultRate.bytes);
  if (modeRate.present) reg.setRaw(vdx::RegRoot::LocalMachine, modeKey, "RefreshRate", modeRate.type, modeRate.bytes);
  reg.setRaw(vdx::RegRoot::LocalMachine, modeKey, "", 1, std::vector<uint8_t>(list.begin(), list.end()));
  vdx::loadModeRates(reg, kClass, &entry);
  if (entry.rates[0] != vdx::RATE_OPTIMAL || entry.rates[1] != vdx::RATE_ADAPTER_DEFAULT) std::abort();
  checkRates(entry, 2);
  // What was loaded is saved as it came: the stored text reads back the same code.
  vdx::saveModeRate(reg, kClass, entry, 800, 600, 16);
  vdx::RefreshModeEntry reread = entry;
  vdx::loadModeRates(reg, kClass, &reread);
  if (reread.loaded != entry.selected) std::abort();
  if (reg.openKeyCount() != 0) std::abort();
  return 0;
}
