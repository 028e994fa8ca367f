// The hidden main window of class "VidarixCls": it receives every event the
// program reacts to and runs the start-up sequence while it is created.
#pragma once
#include <windows.h>

#include "tweaker/shell/win32/shell_window.h"

namespace vdx {

// Registers the window class; false on failure.
bool registerMainWindowClass(HINSTANCE instance);
// Registers the tray message and creates the window for `shell`, which runs
// the start-up sequence before this returns; false on failure.
bool createMainWindow(ShellWindow& shell);

}  // namespace vdx
