#include "tweaker/display/win32/refresh_rates_dialog_proc.h"

#include "resource.h"
#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/ui/win32/dialog_utils.h"

namespace vdx {
namespace {

using RefreshRatesDialogState = PresenterWindow<RefreshRatesDialog>;

RefreshRatesDialogState* stateOf(HWND dialog) { return dialogState<RefreshRatesDialogState>(dialog); }

}  // namespace

INT_PTR CALLBACK refreshRatesDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR common = FALSE;
  if (commonDialogMessage<RefreshRatesDialogState>(dialog, msg, wParam, lParam, &common)) return common;
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = dialogArgs<RefreshRatesDialogArgs>(dialog, lParam);
      if (!args) return TRUE;
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      auto* state = new RefreshRatesDialogState(dialog, args->frame, args->model);
      attachDialogState(dialog, state);
      state->presenter.init(dialog);
      return TRUE;
    }
    case WM_COMMAND: {
      RefreshRatesDialogState* state = stateOf(dialog);
      return state && state->presenter.command(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace vdx
