// The hidden main window of class "VidarixCls": it receives every event the
// program reacts to and runs the start-up sequence while it is created.
#pragma once
#include <windows.h>

namespace vdx {

HINSTANCE programInstance();
HWND mainWindow();
// The registered tray callback message ("VDXRM_MSG").
UINT trayCallbackMessage();

// Kept from the entry point for loading resources and dialogs.
void keepProgramInstance(HINSTANCE instance);
// Registers the window class; false on failure.
bool registerMainWindowClass();
// Registers the tray message and creates the window, which runs the
// start-up sequence before this returns; false on failure.
bool createMainWindow();

}  // namespace vdx
