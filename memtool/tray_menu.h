// The tray menu PopupMenu1: its entries in order and where it opens.
#pragma once
#include <string>
#include <vector>

namespace mt {

enum class TrayCommand {
  None,
  RestartWindows,   // RestartWindows1
  SuspendWindows,   // SuspendsWindows1
  ShutdownWindows,  // QuickShutdown1
  ClearClipboard,   // ClearClipboard1
  FreeUp1,          // PopMenu1
  FreeUp2,          // PopMenu2
  FreeUp3,          // PopMenu3
  Open,             // Open1
  Close             // Close1
};

struct TrayMenuItem {
  std::string name;      // the form's name of the entry
  int id;                // command id; 0 for a separator
  TrayCommand command;
  std::string caption;   // empty for a separator
  bool separator() const { return id == 0; }
};

// The entries in order; the three amount items take the given captions
// ("Free up 16 MB"), which follow the settings.
std::vector<TrayMenuItem> trayMenuItems(const std::string (&amountCaptions)[3]);
TrayCommand trayCommandForId(int id);

struct MenuOrigin {
  int x;  // the menu's right edge
  int y;  // the menu's top
};
// Right edge at the cursor, top raised by one menu height per entry
// (separators included), so the menu opens above the taskbar.
MenuOrigin trayMenuOrigin(int cursorX, int cursorY, int entryCount, int menuItemHeight);

}  // namespace mt
