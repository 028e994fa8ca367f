// Configure Schemes (146) and Save As (124) as Win32 dialog procedures.
#pragma once
#include <windows.h>

#include "tweaker/schemes/configure_schemes_dialog.h"
#include "tweaker/schemes/save_as_dialog.h"
#include "tweaker/ui/dialog_slots.h"

namespace vdx {

// What whoever opens a dialog hands it, as DialogBoxParamA's parameter. The
// message boxes' owner is filled in with the dialog itself.
struct ConfigureSchemesArgs {
  DialogFrame frame;
  ConfigureSchemesModel model;
};
struct SaveAsArgs {
  DialogFrame frame;
  SaveAsDialogModel model;
};

INT_PTR CALLBACK configureSchemesDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK saveAsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
