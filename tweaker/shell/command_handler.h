// What each tray menu command does: flip or set a driver option and write it
// at once, ask before changes the driver only picks up on a mode change, tell
// when Windows must restart, open the dialogs, switch display modes with a
// timed confirmation, and hand scheme commands to the scheme code.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/shell/command_dialogs.h"
#include "tweaker/shell/program.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

// The window side of a command: everything that needs the real main window,
// its menu or its dialogs.
class CommandHost {
 public:
  virtual ~CommandHost() = default;
  virtual WindowHandle mainWindow() = 0;
  virtual void composeTooltip() = 0;
  // Runs the dialog modally, owned by the main window.
  virtual void runDialog(const DialogCommand& dialog) = 0;
  virtual void bringToForeground(WindowHandle window) = 0;
  virtual void destroyMainWindow() = 0;
  virtual void showHelpContents() = 0;
  // Text of an item of the tray popup the command came from, at most 63
  // characters; empty when there is none.
  virtual std::string menuItemText(uint16_t id) = 0;
  virtual bool reloadSchemeList() = 0;
  // A negative index applies the defaults.
  virtual bool applyScheme(int index) = 0;
};

constexpr const char* kCaption = "Vidarix";

struct DisplayChangeAnswer {
  bool proceed = false;
  bool reset = false;  // the reset mark
};

// Asks (or decides by the preferences) whether a change that needs a
// display reset goes ahead, and whether the display is then reset.
DisplayChangeAnswer confirmDisplayChange(Program& program, WindowHandle owner, const std::string& settingName);

// The WM_COMMAND work for one command id; `schemeCount` is the number of
// schemes the last tray menu offered.
void handleMenuCommand(Program& program, uint16_t id, uint16_t schemeCount, CommandHost& host);

// A TweakRes item: its text "%dx%d (%d bpp)" names the mode to switch to.
void changeToMenuMode(Program& program, const std::string& itemText, WindowHandle owner);

}  // namespace vdx
