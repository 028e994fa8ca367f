// The About / system information dialog (resource 120) as a Win32 dialog
// procedure.
#pragma once
#include <windows.h>

#include "tweaker/display/system_info.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

using AboutDialogArgs = DialogArgs<AboutDialogModel>;

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
