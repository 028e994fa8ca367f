// The AGP size list of the card key: whatever the text, at most the asked
// number of sizes, none of them 0.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tweaker/settings/agp_size_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::size_t maxCount = data[0] % 16;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto sizes = vdx::parseAgpSizeList(text, maxCount);
  if (sizes.size() > maxCount) std::abort();
  for (uint32_t s : sizes)
    if (s == 0) std::abort();
  return 0;
}
