// Formatting into fixed buffers and reading decimal numbers, the same on
// every build. On Windows the formatting is the system C library's own: the
// MinGW runtime's C99 formatter and number reader would add some 40 KB of
// floating-point conversion code to a program that needs none of it.
#pragma once
#include <cstdarg>
#include <cstddef>

namespace vdx {

// Like snprintf, but the result is always terminated and the return value is
// the length written (cut to size - 1), never the length that did not fit.
int formatText(char* out, std::size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
int formatTextV(char* out, std::size_t size, const char* format, va_list args);

// A decimal number as strtod reads one (blanks, sign, digits, point,
// exponent), without its hexadecimal, "inf" and "nan" forms: those are not
// numbers a person types into these fields. *end (when given) points past
// the number, or at `text` when there is none. Huge exponents give infinity.
double readDecimal(const char* text, char** end);

}  // namespace vdx
