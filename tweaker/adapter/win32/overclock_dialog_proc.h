// The Overclock dialog (resource 126) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/adapter/overclock_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

using OverclockDialogArgs = DialogArgs<OverclockDialogModel>;

INT_PTR CALLBACK overclockDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
