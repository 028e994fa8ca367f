#include "tweaker/display/win32/refresh_rates_dialog_proc.h"

#include "resource.h"
#include "tweaker/ui/win32/dialog_utils.h"
#include "tweaker/ui/win32/win32_dialog_surface.h"

namespace vdx {
namespace {

// Lives while the dialog is open; the dialog window holds it.
struct RefreshRatesDialogState {
  RefreshRatesDialogState(HWND dialog, const RefreshRatesDialogArgs& args)
      : frame(args.frame), surface(dialog), presenter(surface, args.model) {}
  DialogFrame frame;
  Win32DialogSurface surface;
  RefreshRatesDialog presenter;
};

RefreshRatesDialogState* stateOf(HWND dialog) {
  return reinterpret_cast<RefreshRatesDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

}  // namespace

INT_PTR CALLBACK refreshRatesDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = reinterpret_cast<const RefreshRatesDialogArgs*>(lParam);
      if (!args) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      SendDlgItemMessageA(dialog, IDC_REFRESH_ICON, STM_SETICON,
                          reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_EXCLAMATION)), 0);
      if (args->frame.slots) args->frame.slots->set(args->frame.kind, dialog);
      RefreshRatesDialogState* state = new RefreshRatesDialogState(dialog, *args);
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      state->presenter.init(dialog);
      return TRUE;
    }
    case WM_COMMAND: {
      RefreshRatesDialogState* state = stateOf(dialog);
      return state && state->presenter.command(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    }
    case WM_HELP:
    case WM_CONTEXTMENU:
      if (RefreshRatesDialogState* state = stateOf(dialog))
        showContextHelp(dialog, msg, wParam, lParam, state->frame.helpFile);
      return TRUE;
    case WM_DESTROY:
      delete stateOf(dialog);
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace vdx
