#include "tweaker/shell/shell_state.h"

#include "tweaker/platform/platform.h"

namespace vdx {

namespace {
DisplayMetrics g_metrics;
std::string g_helpFilePath;
bool g_texPatchUnavailable = false;
constexpr std::size_t kHelpPathMax = 259;
}  // namespace

const DisplayMetrics& displayMetrics() { return g_metrics; }

void readDisplayMetrics() {
  uint32_t w = 0, h = 0, bpp = 0;
  platform().display->deviceCaps(&w, &h, &bpp);
  g_metrics.width = static_cast<int32_t>(w);
  g_metrics.height = static_cast<int32_t>(h);
  g_metrics.bitsPerPixel = static_cast<int32_t>(bpp);
}

const std::string& helpFilePath() { return g_helpFilePath; }

void setHelpFilePath(const std::string& windowsDirectory) {
  // The path lives in a 260-byte buffer where WinHelp expects it.
  g_helpFilePath = windowsDirectory + "\\HELP\\Vidarix.hlp";
  if (g_helpFilePath.size() > kHelpPathMax) g_helpFilePath.resize(kHelpPathMax);
}

bool texPatchUnavailable() { return g_texPatchUnavailable; }
void setTexPatchUnavailable(bool on) { g_texPatchUnavailable = on; }

}  // namespace vdx
