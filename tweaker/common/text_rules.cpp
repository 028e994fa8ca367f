#include "tweaker/common/text_rules.h"

#include <cstdint>

namespace vdx {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Skips blanks and a sign; returns the position of the first digit.
std::size_t signAndStart(const std::string& text, bool* negative) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  *negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    *negative = text[i] == '-';
    ++i;
  }
  return i;
}

}  // namespace

int32_t leadingInt(const std::string& text) {
  bool negative = false;
  std::size_t i = signAndStart(text, &negative);
  int64_t value = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT64_C(0x80000000)) value = INT64_C(0x80000000);
  }
  if (negative) value = -value;
  if (value > INT32_MAX) value = INT32_MAX;
  return static_cast<int32_t>(value);
}

float leadingFloat(const std::string& text) {
  bool negative = false;
  std::size_t i = signAndStart(text, &negative);
  double value = 0.0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    if (value < 1e30) value = value * 10.0 + (text[i] - '0');
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && isDigit(text[i]); ++i) {
      value += (text[i] - '0') * scale;
      scale /= 10.0;
    }
  }
  return static_cast<float>(negative ? -value : value);
}

bool parseUnsigned(const std::string& text, uint32_t* out) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  const std::size_t first = i;
  uint64_t value = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    value = value * 10 + static_cast<uint64_t>(text[i] - '0');
    if (value > UINT32_MAX) return false;
  }
  if (i == first) return false;
  while (i < text.size() && isBlank(text[i])) ++i;
  if (i != text.size()) return false;
  *out = static_cast<uint32_t>(value);
  return true;
}

}  // namespace vdx
