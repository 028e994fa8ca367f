#include "tweaker/display/win32/gamma_dialog_proc.h"

#include "tweaker/resources/resource.h"

namespace vdx {

void GammaDialogWin32::opened(HWND dialog, State& state) {
  state.presenter.init();
  if (!(GetWindowLongA(GetDlgItem(dialog, IDC_GAMMA_DISPLAY1), GWL_STYLE) & WS_VISIBLE))
    shortenDialog(dialog, childRect(dialog, IDC_GAMMA_DISPLAY1).bottom -
                              childRect(dialog, IDC_GAMMA_BRIGHT_SLIDER).bottom);
}

}  // namespace vdx
