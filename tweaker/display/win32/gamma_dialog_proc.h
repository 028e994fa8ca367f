// What the Gamma dialog (resource 147) does of its own on Win32.
#pragma once
#include <windows.h>

#include "tweaker/display/gamma_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

// On a one-display card the display row is hidden and takes its height with it.
struct GammaDialogWin32 : PresenterDialog<GammaDialog> {
  static void opened(HWND dialog, State& state);
};

}  // namespace vdx
