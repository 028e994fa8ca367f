#include "tweaker/adapter/win32/overclock_dialog_proc.h"

#include <commctrl.h>

#include "tweaker/resources/resource.h"
#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/ui/win32/dialog_utils.h"

namespace vdx {
namespace {

using OverclockDialogState = PresenterWindow<OverclockDialog>;

OverclockDialogState* stateOf(HWND dialog) { return dialogState<OverclockDialogState>(dialog); }

// Without an engine clock its row and the ratio controls are hidden: Save and
// Close move up into their place and the dialog loses the empty band.
void closeEclkGap(HWND dialog) {
  if (GetWindowLongA(GetDlgItem(dialog, IDC_OC_ECLK_LABEL), GWL_STYLE) & WS_VISIBLE) return;
  const int shift = childRect(dialog, IDOK).top - childRect(dialog, IDC_OC_ECLK_LABEL).top;
  for (int id : {IDOK, IDCANCEL}) {
    const RECT r = childRect(dialog, id);
    SetWindowPos(GetDlgItem(dialog, id), nullptr, r.left, r.top - shift, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  shortenDialog(dialog, shift);
}

}  // namespace

INT_PTR CALLBACK overclockDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR common = FALSE;
  if (commonDialogMessage<OverclockDialogState>(dialog, msg, wParam, lParam, &common)) return common;
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = dialogArgs<OverclockDialogArgs>(dialog, lParam, 1);
      if (!args) return TRUE;
      auto* state = new OverclockDialogState(dialog, args->frame, args->model);
      attachDialogState(dialog, state);
      SendDlgItemMessageA(dialog, IDC_OC_MCLK_SLIDER, TBM_SETPAGESIZE, 0, kClockSliderPage);
      SendDlgItemMessageA(dialog, IDC_OC_ECLK_SLIDER, TBM_SETPAGESIZE, 0, kClockSliderPage);
      state->presenter.init();
      closeEclkGap(dialog);
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      return TRUE;
    }
    case WM_COMMAND: {
      OverclockDialogState* state = stateOf(dialog);
      return state && state->presenter.command(LOWORD(wParam)) ? TRUE : FALSE;
    }
    case WM_HSCROLL:
      if (OverclockDialogState* state = stateOf(dialog))
        state->presenter.scroll(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), LOWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace vdx
