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

// How the icon's font draws '.' and the digits, in pixels: each glyph's
// advance and where its ink starts from the pen (negative: left of it).
struct IconGlyph {
  int advance = 0;
  int inkStart = 0;
};
struct IconGlyphs {
  int iconWidth = 0;
  IconGlyph dot;
  IconGlyph digit[10];
};

// The characters of the icon text the icon shows: those whose ink starts
// left of its right edge. Two figures with the same visible text and the same
// bar draw the same picture (a large figure shows only its leading digits).
std::string visibleIconText(const IconText& text, const IconGlyphs& glyphs);

struct Rgb {
  uint8_t r, g, b;
};
// Green when idle, yellow while recovering.
Rgb levelBarColour(bool busy);

}  // namespace mt
