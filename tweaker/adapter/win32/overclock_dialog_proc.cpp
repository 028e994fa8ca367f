#include "tweaker/adapter/win32/overclock_dialog_proc.h"

#include <commctrl.h>

#include "tweaker/resources/resource.h"

namespace vdx {
namespace {

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

void OverclockDialogWin32::opened(HWND dialog, State& state) {
  SendDlgItemMessageA(dialog, IDC_OC_MCLK_SLIDER, TBM_SETPAGESIZE, 0, kClockSliderPage);
  SendDlgItemMessageA(dialog, IDC_OC_ECLK_SLIDER, TBM_SETPAGESIZE, 0, kClockSliderPage);
  state.presenter.init();
  closeEclkGap(dialog);
}

}  // namespace vdx
