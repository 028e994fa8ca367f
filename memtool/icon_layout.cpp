#include "memtool/icon_layout.h"

namespace mt {

const char kIconFontName[] = "MS Serif";

IconText iconText(uint16_t availMB) {
  std::string digits = std::to_string(availMB);
  if (availMB < 10) return {digits, 8};
  if (availMB < 100) return {digits, 4};
  return {"." + digits, -2};
}

std::string visibleIconText(const IconText& text, const IconGlyphs& glyphs) {
  int pen = text.x;
  std::size_t shown = 0;
  for (char c : text.text) {
    const IconGlyph& g = c == '.' ? glyphs.dot : glyphs.digit[c - '0'];
    if (pen + g.inkStart >= glyphs.iconWidth) break;
    pen += g.advance;
    ++shown;
  }
  return text.text.substr(0, shown);
}

Rgb levelBarColour(bool busy) { return busy ? Rgb{255, 255, 0} : Rgb{0, 255, 0}; }

}  // namespace mt
