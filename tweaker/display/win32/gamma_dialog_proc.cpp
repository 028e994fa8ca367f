#include "tweaker/display/win32/gamma_dialog_proc.h"

#include <new>

#include "tweaker/resources/resource.h"
#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/ui/win32/dialog_utils.h"

namespace vdx {
namespace {

using GammaDialogState = PresenterWindow<GammaDialog>;

GammaDialogState* stateOf(HWND dialog) { return dialogState<GammaDialogState>(dialog); }

}  // namespace

INT_PTR CALLBACK gammaDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR common = FALSE;
  if (commonDialogMessage<GammaDialogState>(dialog, msg, wParam, lParam, &common)) return common;
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = dialogArgs<GammaDialogArgs>(dialog, lParam);
      if (!args) return TRUE;
      // Without memory for its settings the dialog ends as if cancelled; the
      // program goes on.
      auto* state = new (std::nothrow) GammaDialogState(dialog, args->frame, args->model);
      if (!state) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      attachDialogState(dialog, state);
      state->presenter.init();
      // On a one-display card the display row is hidden and takes its height with it.
      if (!(GetWindowLongA(GetDlgItem(dialog, IDC_GAMMA_DISPLAY1), GWL_STYLE) & WS_VISIBLE))
        shortenDialog(dialog, childRect(dialog, IDC_GAMMA_DISPLAY1).bottom -
                                  childRect(dialog, IDC_GAMMA_BRIGHT_SLIDER).bottom);
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      return TRUE;
    }
    case WM_HSCROLL:
      if (GammaDialogState* state = stateOf(dialog))
        state->presenter.scrolled(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      return TRUE;
    case WM_COMMAND: {
      GammaDialogState* state = stateOf(dialog);
      return state && state->presenter.command(LOWORD(wParam)) ? TRUE : FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace vdx
