// Names, switches and paths compare the way Windows compares them: ASCII
// letters without regard to case, nothing locale-dependent.
#pragma once
#include <cstddef>
#include <string>

namespace vdx {

bool equalsNoCase(const std::string& a, const std::string& b);

// Whether `part` stands in `text` at `pos`, case ignored.
bool matchesNoCaseAt(const std::string& text, std::size_t pos, const std::string& part);

// The first position of `part` in `text`, case ignored; npos when absent.
std::size_t findNoCase(const std::string& text, const std::string& part);

// ASCII letters lowered; everything else as it is.
std::string lowerCase(std::string text);

}  // namespace vdx
