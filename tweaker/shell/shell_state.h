// The main window's process-wide records: the screen as last read, the help
// file path, and whether the installed Direct3D rules out the TexPatch option.
#pragma once
#include <cstdint>
#include <string>

namespace vdx {

struct DisplayMetrics {
  int32_t width = 0;
  int32_t height = 0;
  int32_t bitsPerPixel = 0;  // planes x bits per pixel
};

// As last read by readDisplayMetrics.
const DisplayMetrics& displayMetrics();
// Reads the screen size and depth from a display device context.
void readDisplayMetrics();

// "%s\HELP\Vidarix.hlp" with the Windows directory; empty before start-up.
const std::string& helpFilePath();
void setHelpFilePath(const std::string& windowsDirectory);

// Set at start when Direct3D is newer than DirectX 6.0.
bool texPatchUnavailable();
void setTexPatchUnavailable(bool on);

// Private messages of the main window.
constexpr uint32_t UM_STARTED = 0x700;
constexpr uint32_t UM_REAPPLY = 0x702;

// The class, title and tray callback message name of the main window.
constexpr const char* kMainWindowClass = "VidarixCls";
constexpr const char* kMainWindowTitle = "Vidarix";
constexpr const char* kTrayMessageName = "VDXRM_MSG";

}  // namespace vdx
