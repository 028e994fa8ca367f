// The Options dialog (resource 128) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

namespace vdx {

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
