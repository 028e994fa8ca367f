#include "tweaker/settings/driver_options.h"

#include <cstring>

namespace vdx {

bool operator==(const DriverOptions& a, const DriverOptions& b) {
  // Plain 32-bit fields without padding; DB compares exactly, as the writer does.
  return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace vdx
