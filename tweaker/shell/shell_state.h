// The main window's records: the screen as last read, the help file path,
// and whether the installed Direct3D rules out the TexPatch option.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/platform/display.h"

namespace vdx {

struct DisplayMetrics {
  int32_t width = 0;
  int32_t height = 0;
  int32_t bitsPerPixel = 0;  // planes x bits per pixel
};

struct ShellRecords {
  DisplayMetrics metrics;    // as last read by readDisplayMetrics
  std::string helpFilePath;  // empty before start-up
  bool texPatchUnavailable = false;  // set at start when Direct3D is newer than DirectX 6.0
};

// The screen size and depth from a display device context.
DisplayMetrics readDisplayMetrics(Display& display);

// "%s\HELP\Vidarix.hlp" with the Windows directory, cut to the 259
// characters WinHelp's buffer holds.
std::string helpFilePathFor(const std::string& windowsDirectory);

// Private messages of the main window.
constexpr uint32_t UM_STARTED = 0x700;
constexpr uint32_t UM_REAPPLY = 0x702;

// The class, title and tray callback message name of the main window.
constexpr const char* kMainWindowClass = "VidarixCls";
constexpr const char* kMainWindowTitle = "Vidarix";
constexpr const char* kTrayMessageName = "VDXRM_MSG";

}  // namespace vdx
