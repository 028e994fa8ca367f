// The MiniGL Applications dialog (resource 145) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/settings/minigl_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

using MiniGLDialogArgs = DialogArgs<MiniGLDialogModel>;

INT_PTR CALLBACK miniGLDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
