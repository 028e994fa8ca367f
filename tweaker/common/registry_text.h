// Reads a REG_SZ value the way a fixed 256-byte buffer would hold it: the
// text up to its first NUL (or all of it when the terminator is missing),
// refused when it is not a string or does not fit.
#pragma once
#include <cstddef>
#include <string>

#include "tweaker/platform/registry.h"

namespace vdx {

constexpr std::size_t kMaxRegistryText = 255;

bool readRegistryText(Registry& reg, RegKeyHandle key, const std::string& name, std::string* out);

}  // namespace vdx
