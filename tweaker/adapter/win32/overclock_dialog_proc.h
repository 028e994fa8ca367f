// The Overclock dialog (resource 126) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/adapter/overclock_dialog.h"
#include "tweaker/ui/dialog_slots.h"

namespace vdx {

// What whoever opens the dialog hands it, as DialogBoxParamA's parameter.
struct OverclockDialogArgs {
  DialogFrame frame;
  OverclockDialogModel model;
};

INT_PTR CALLBACK overclockDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
