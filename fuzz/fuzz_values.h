// Registry values as a hostile writer could leave them: any type number, any
// length, any bytes, a REG_SZ with or without its terminator.
#pragma once
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

namespace fuzz {

struct RawValue {
  bool present = false;
  uint32_t type = 0;
  std::vector<uint8_t> bytes;
};

inline RawValue consumeRawValue(FuzzedDataProvider& in) {
  RawValue v;
  v.present = in.ConsumeBool();
  if (!v.present) return v;
  // Mostly the types the readers expect (string, binary, dword), sometimes any.
  static const uint32_t kTypes[] = {1, 1, 1, 3, 4, 4, 2, 7, 11, 0};
  v.type = in.ConsumeBool() ? in.PickValueInArray(kTypes) : in.ConsumeIntegral<uint32_t>();
  v.bytes = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, 80));
  return v;
}

}  // namespace fuzz
