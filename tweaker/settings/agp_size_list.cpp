#include "tweaker/settings/agp_size_list.h"

namespace vdx {
namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
}  // namespace

std::vector<uint32_t> parseAgpSizeList(const std::string& text, std::size_t maxCount) {
  std::vector<uint32_t> sizes;
  std::size_t i = 0;
  while (sizes.size() < maxCount) {
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i >= text.size()) break;
    uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
      value = value * 10 + static_cast<uint64_t>(text[i] - '0');
      if (value > UINT32_MAX) value = UINT32_MAX;
    }
    if (value != 0) sizes.push_back(static_cast<uint32_t>(value));
    while (i < text.size() && !isBlank(text[i])) ++i;
  }
  return sizes;
}

}  // namespace vdx
