// The AGP sizes (MB) the tray menu offers, kept in the card key as a text of
// numbers separated by white space.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vdx {

// Each token's leading unsigned number is taken; tokens without one (or
// with 0) add nothing. At most `maxCount` sizes are kept.
std::vector<uint32_t> parseAgpSizeList(const std::string& text, std::size_t maxCount);

}  // namespace vdx
