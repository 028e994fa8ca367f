// The About / system information dialog (resource 120) as a Win32 dialog
// procedure.
#pragma once
#include <windows.h>

#include "tweaker/display/system_info.h"
#include "tweaker/ui/dialog_slots.h"

namespace vdx {

// What whoever opens the dialog hands it, as DialogBoxParamA's parameter.
struct AboutDialogArgs {
  DialogFrame frame;
  AboutDialogModel model;
};

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
