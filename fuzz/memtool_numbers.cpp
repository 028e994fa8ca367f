// Memtidy's number texts: spin edits and the disk cache sizes of SYSTEM.INI.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "memtool/disk_cache.h"
#include "memtool/spin_value.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  int lo = in.ConsumeIntegralInRange<int>(-100000, 100000);
  int hi = in.ConsumeIntegralInRange<int>(lo, 100000);
  const double value = in.ConsumeFloatingPoint<double>();
  const int unit = in.ConsumeIntegralInRange<int>(1, 4096);
  const std::string text = in.ConsumeRemainingBytesAsString();

  const int v = mt::spinValue(text, lo, hi);
  if (v < lo || v > hi) std::abort();
  // What a spin edit shows reads back as the same whole number.
  const std::string shown = mt::spinText(value, lo, hi);
  const int back = mt::spinValue(shown, lo, hi);
  if (mt::spinText(back, lo, hi) != shown) std::abort();
  mt::generalNumber(value);

  mt::parseCacheKB(text);
  mt::cacheSliderPosition(text, unit);
  return 0;
}
