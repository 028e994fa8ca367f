// How the free-memory figure is laid out in the tray icon.
#pragma once
#include <cstdint>
#include <string>

namespace mt {

constexpr int kLevelBarHeight = 8;
constexpr int kIconFontPoints = 17;
extern const char kIconFontName[];  // "MS Serif"

struct IconText {
  std::string text;
  int x;  // the text's left edge; y is always 0
};

// Below 10 at x 8, up to 99 at x 4; from 100 a full stop leads the digits
// at x -2, so the digits start near the left edge.
IconText iconText(uint16_t availMB);

struct Rgb {
  uint8_t r, g, b;
};
// Green when idle, yellow while recovering.
Rgb levelBarColour(bool busy);

}  // namespace mt
