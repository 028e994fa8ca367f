// How the drivers read the numbers they keep in the registry as text: taken
// from the front of the text.
// Locale-free on purpose: a decimal comma must never be accepted or written.
#pragma once
#include <cstdint>
#include <string>

namespace vdx {

// Optional blanks and sign, then decimal digits; reading stops at the first
// other character. No digits gives 0; values beyond 32 bits saturate.
int32_t leadingInt(const std::string& text);
// As leadingInt, with an optional decimal fraction after a '.'.
float leadingFloat(const std::string& text);

// A whole text that is an unsigned decimal number (blanks around allowed)
// and fits 32 bits; false otherwise.
bool parseUnsigned(const std::string& text, uint32_t* out);

}  // namespace vdx
