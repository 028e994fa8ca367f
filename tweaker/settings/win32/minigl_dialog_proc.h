// The MiniGL Applications dialog (resource 145) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/settings/minigl_dialog.h"
#include "tweaker/ui/dialog_slots.h"

namespace vdx {

// What whoever opens the dialog hands it, as DialogBoxParamA's parameter.
struct MiniGLDialogArgs {
  DialogFrame frame;
  MiniGLDialogModel model;
};

INT_PTR CALLBACK miniGLDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
