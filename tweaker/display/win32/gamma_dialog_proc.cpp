#include "tweaker/display/win32/gamma_dialog_proc.h"

#include "tweaker/resources/resource.h"

namespace vdx {
namespace {

struct GammaDialogWindow : PresenterDialog<GammaDialog, GammaDialogArgs> {
  static void opened(HWND dialog, State& state) {
    state.presenter.init();
    // On a one-display card the display row is hidden and takes its height with it.
    if (!(GetWindowLongA(GetDlgItem(dialog, IDC_GAMMA_DISPLAY1), GWL_STYLE) & WS_VISIBLE))
      shortenDialog(dialog, childRect(dialog, IDC_GAMMA_DISPLAY1).bottom -
                                childRect(dialog, IDC_GAMMA_BRIGHT_SLIDER).bottom);
  }
  static INT_PTR message(HWND, State& state, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_HSCROLL) return FALSE;
    state.presenter.scrolled(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
    return TRUE;
  }
};

}  // namespace

INT_PTR CALLBACK gammaDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return presenterDialogProc<GammaDialogWindow>(dialog, msg, wParam, lParam);
}

}  // namespace vdx
