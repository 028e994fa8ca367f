// Spin edits hold whole numbers within their range.
#pragma once
#include <string>

namespace mt {

// The text shown for a value: clamped to [minimum, maximum], rounded to the
// nearest whole number (halves away from zero); NaN shows the minimum.
std::string spinText(double value, int minimum, int maximum);
// The value of a spin edit's text: a whole number clamped to the range;
// text that is not a number reads as the minimum.
int spinValue(const std::string& text, int minimum, int maximum);

// General decimal form with up to 15 significant digits (16 MB shows "16").
std::string generalNumber(double value);

}  // namespace mt
