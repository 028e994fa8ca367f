#include "tweaker/settings/preferences.h"

namespace vdx {

std::vector<uint32_t> defaultAgpSizeList() {
  return {4, 6, 8, 10, 12, 16, 20, 24, 28, 32, 36, 40, 48, 56, 64, 72, 80, 90, 128};
}

}  // namespace vdx
