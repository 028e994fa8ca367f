// The Gamma dialog (resource 147) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/display/gamma_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

using GammaDialogArgs = DialogArgs<GammaDialogModel>;

INT_PTR CALLBACK gammaDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
