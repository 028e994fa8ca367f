// The Display Outputs dialog (resource 141) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/display/outputs_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

using OutputsDialogArgs = DialogArgs<OutputsDialogModel>;

INT_PTR CALLBACK outputsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
