#include "tweaker/shell/shell_state.h"

namespace vdx {

namespace {
constexpr std::size_t kHelpPathMax = 259;
}  // namespace

DisplayMetrics readDisplayMetrics(Display& display) {
  uint32_t w = 0, h = 0, bpp = 0;
  display.deviceCaps(&w, &h, &bpp);
  DisplayMetrics m;
  m.width = static_cast<int32_t>(w);
  m.height = static_cast<int32_t>(h);
  m.bitsPerPixel = static_cast<int32_t>(bpp);
  return m;
}

std::string helpFilePathFor(const std::string& windowsDirectory) {
  std::string path = windowsDirectory + "\\HELP\\Vidarix.hlp";
  if (path.size() > kHelpPathMax) path.resize(kHelpPathMax);
  return path;
}

}  // namespace vdx
