#include "tweaker/settings/win32/options_dialog_proc.h"

#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/ui/win32/dialog_utils.h"

namespace vdx {
namespace {

using OptionsDialogState = PresenterWindow<OptionsDialog>;

OptionsDialogState* stateOf(HWND dialog) { return dialogState<OptionsDialogState>(dialog); }

}  // namespace

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR common = FALSE;
  if (commonDialogMessage<OptionsDialogState>(dialog, msg, wParam, lParam, &common)) return common;
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = dialogArgs<OptionsDialogArgs>(dialog, lParam);
      if (!args) return TRUE;
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      auto* state = new OptionsDialogState(dialog, args->frame, args->model);
      attachDialogState(dialog, state);
      state->presenter.init();
      return TRUE;
    }
    case WM_COMMAND: {
      OptionsDialogState* state = stateOf(dialog);
      return state && state->presenter.command(LOWORD(wParam)) ? TRUE : FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace vdx
