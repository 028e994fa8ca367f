// The Display Outputs dialog (resource 141) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/display/outputs_dialog.h"
#include "tweaker/ui/dialog_slots.h"

namespace vdx {

// What whoever opens the dialog hands it, as DialogBoxParamA's parameter.
struct OutputsDialogArgs {
  DialogFrame frame;
  OutputsDialogModel model;
};

INT_PTR CALLBACK outputsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
