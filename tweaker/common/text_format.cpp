#include "tweaker/common/text_format.h"

#include <cstdio>
#include <cstring>

namespace vdx {

int formatTextV(char* out, std::size_t size, const char* format, va_list args) {
  if (size == 0) return 0;
#ifdef _WIN32
  // _vsnprintf leaves a cut text unterminated and returns -1 for it.
  const int n = _vsnprintf(out, size, format, args);
  if (n < 0 || static_cast<std::size_t>(n) >= size) {
    out[size - 1] = '\0';
    return static_cast<int>(std::strlen(out));
  }
  return n;
#else
  const int n = std::vsnprintf(out, size, format, args);
  if (n < 0) {
    out[0] = '\0';
    return 0;
  }
  return static_cast<std::size_t>(n) >= size ? static_cast<int>(size - 1) : n;
#endif
}

int formatText(char* out, std::size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int n = formatTextV(out, size, format, args);
  va_end(args);
  return n;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// 10^e for 0 <= e, exact up to 10^22, infinity beyond the double range.
double powerOfTen(int e) {
  double result = 1.0;
  double factor = 10.0;
  while (e > 0) {
    if (e & 1) result *= factor;
    factor *= factor;
    e >>= 1;
  }
  return result;
}

}  // namespace

double readDecimal(const char* text, char** end) {
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  // Up to 19 significant digits are kept exactly; later ones only scale.
  unsigned long long mantissa = 0;
  int kept = 0, exponent = 0;
  bool any = false;
  for (; isDigit(*p); ++p, any = true) {
    if (kept < 19) {
      if (mantissa != 0 || *p != '0') ++kept;
      mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    } else {
      ++exponent;
    }
  }
  if (*p == '.') {
    const char* q = p + 1;
    for (; isDigit(*q); ++q, any = true) {
      if (kept < 19) {
        if (mantissa != 0 || *q != '0') ++kept;
        mantissa = mantissa * 10 + static_cast<unsigned>(*q - '0');
        --exponent;
      }
    }
    if (any) p = q;
  }
  if (!any) {
    if (end) *end = const_cast<char*>(text);
    return 0.0;
  }
  if (*p == 'e' || *p == 'E') {
    const char* q = p + 1;
    const bool negativeExp = *q == '-';
    if (*q == '-' || *q == '+') ++q;
    if (isDigit(*q)) {
      int e = 0;
      for (; isDigit(*q); ++q)
        if (e < 100000) e = e * 10 + (*q - '0');
      exponent += negativeExp ? -e : e;
      p = q;
    }
  }
  if (end) *end = const_cast<char*>(p);
  double value = static_cast<double>(mantissa);
  if (mantissa != 0) {
    // Dividing by an exact power of ten rounds correctly for the short
    // numbers these fields hold; far below the double range gives 0.
    if (exponent < -300) {
      value = value / powerOfTen(300) / powerOfTen(-exponent - 300);
    } else if (exponent < 0) {
      value /= powerOfTen(-exponent);
    } else if (exponent > 0) {
      value *= powerOfTen(exponent);
    }
  }
  return negative ? -value : value;
}

}  // namespace vdx
