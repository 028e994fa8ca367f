// The common controls and the file dialog, loaded when a dialog first needs
// them rather than with the program: their libraries cost a start-up about
// as much as everything else it does before the tray icon, and most runs
// never open such a dialog.
#pragma once
#include <windows.h>
#include <commdlg.h>

namespace vdx {

// Before a dialog with track bars or up-down controls.
void initCommonControls();

// GetOpenFileNameA; false also when the library is missing.
bool getOpenFileName(OPENFILENAMEA* ofn);

}  // namespace vdx
