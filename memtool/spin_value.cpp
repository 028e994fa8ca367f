#include "memtool/spin_value.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace mt {

std::string spinText(double value, int minimum, int maximum) {
  if (std::isnan(value)) value = minimum;
  if (value < minimum) value = minimum;
  if (value > maximum) value = maximum;
  return std::to_string(static_cast<long>(std::lround(value)));
}

int spinValue(const std::string& text, int minimum, int maximum) {
  const char* s = text.c_str();
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(s, &end, 10);
  while (end && *end == ' ') ++end;
  if (end == s || (end && *end != '\0')) return minimum;
  if (errno == ERANGE) v = v < 0 ? minimum : maximum;
  if (v < minimum) return minimum;
  if (v > maximum) return maximum;
  return static_cast<int>(v);
}

std::string generalNumber(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  return buf;
}

}  // namespace mt
