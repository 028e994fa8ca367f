// The Options dialog (resource 128) as a Win32 dialog procedure.
#pragma once
#include <windows.h>

#include "tweaker/settings/options_dialog.h"
#include "tweaker/ui/dialog_slots.h"

namespace vdx {

// What whoever opens the dialog hands it, as DialogBoxParamA's parameter.
struct OptionsDialogArgs {
  DialogFrame frame;
  OptionsDialogModel model;
};

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
