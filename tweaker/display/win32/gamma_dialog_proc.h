// The Gamma dialog (resource 147) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/display/gamma_dialog.h"
#include "tweaker/ui/dialog_slots.h"

namespace vdx {

// What whoever opens the dialog hands it, as DialogBoxParamA's parameter.
struct GammaDialogArgs {
  DialogFrame frame;
  GammaDialogModel model;
};

INT_PTR CALLBACK gammaDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
