// The Win32 side of the program's context: the hidden main window, the
// notification-area icon and the tray menu as tracked on screen. The entry
// point owns one; the main window holds a pointer to it.
#pragma once
#include <windows.h>

#include <cstdint>

#include "tweaker/shell/program.h"
#include "tweaker/shell/win32/scheme_dialogs.h"

namespace vdx {

// The icon's own record: its picture, whether it is in the notification
// area, and the tooltip it shows (kept to add it again after a shell restart).
struct TrayIconState {
  HICON icon = nullptr;
  bool added = false;
  char tip[64] = {};
};

struct ShellWindow {
  ShellWindow(Program& p, HINSTANCE module) : program(p), instance(module) {}

  Program& program;
  HINSTANCE instance;
  HWND window = nullptr;
  UINT trayMessage = 0;     // the registered "VDXRM_MSG"
  UINT taskbarCreated = 0;  // the registered "TaskbarCreated"
  TrayIconState tray;
  // How many schemes the last tray menu offered; a scheme command beyond
  // them does nothing.
  uint16_t lastSchemeCount = 0;
  // A second right click while a menu is tracked would nest another menu.
  bool tracking = false;
  ShellSchemesHost schemes{*this};
};

}  // namespace vdx
