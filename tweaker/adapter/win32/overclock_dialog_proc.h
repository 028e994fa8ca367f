// What the Overclock dialog (resource 126) does of its own on Win32.
#pragma once
#include <windows.h>

#include "tweaker/adapter/overclock_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

// The sliders' page is 5 MHz; without an engine clock the dialog loses the
// band of its hidden row.
struct OverclockDialogWin32 : PresenterDialog<OverclockDialog> {
  static void opened(HWND dialog, State& state);
};

}  // namespace vdx
