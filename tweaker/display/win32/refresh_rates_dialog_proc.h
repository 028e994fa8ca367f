// The Refresh Rates dialog (resource 170) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/display/refresh_rates_dialog.h"
#include "tweaker/ui/dialog_slots.h"

namespace vdx {

// What whoever opens the dialog hands it, as DialogBoxParamA's parameter.
struct RefreshRatesDialogArgs {
  DialogFrame frame;
  RefreshRatesModel model;
};

INT_PTR CALLBACK refreshRatesDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
