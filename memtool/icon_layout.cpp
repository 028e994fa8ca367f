#include "memtool/icon_layout.h"

namespace mt {

const char kIconFontName[] = "MS Serif";

IconText iconText(uint16_t availMB) {
  std::string digits = std::to_string(availMB);
  if (availMB < 10) return {digits, 8};
  if (availMB < 100) return {digits, 4};
  return {"." + digits, -2};
}

Rgb levelBarColour(bool busy) { return busy ? Rgb{255, 255, 0} : Rgb{0, 255, 0}; }

}  // namespace mt
