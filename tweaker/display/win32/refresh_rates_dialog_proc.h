// The Refresh Rates dialog (resource 170) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/display/refresh_rates_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

using RefreshRatesDialogArgs = DialogArgs<RefreshRatesModel>;

INT_PTR CALLBACK refreshRatesDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
