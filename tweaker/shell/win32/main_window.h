// The hidden main window of class "VidarixCls": it receives every event the
// program reacts to and runs the start-up sequence while it is created.
#pragma once
#include <windows.h>

namespace vdx {

HINSTANCE programInstance();
HWND mainWindow();
// The registered tray callback message ("VDXRM_MSG").
UINT trayCallbackMessage();

// Keeps the instance and registers the window class; false on failure.
bool registerMainWindowClass(HINSTANCE instance);
// Registers the tray message and creates the window, which runs the
// start-up sequence before this returns; false on failure.
bool createMainWindow();

}  // namespace vdx
