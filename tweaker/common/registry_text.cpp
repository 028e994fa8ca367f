#include "tweaker/common/registry_text.h"

#include <algorithm>
#include <vector>

namespace vdx {

bool readRegistryText(Registry& reg, RegKeyHandle key, const std::string& name, std::string* out) {
  uint32_t type = 0;
  std::vector<uint8_t> data;
  if (!reg.queryValue(key, name, &type, &data) || type != kRegSz) return false;
  const auto end = std::find(data.begin(), data.end(), uint8_t{0});
  const std::size_t length = static_cast<std::size_t>(end - data.begin());
  if (length > kMaxRegistryText) return false;
  out->assign(data.begin(), end);
  return true;
}

}  // namespace vdx
