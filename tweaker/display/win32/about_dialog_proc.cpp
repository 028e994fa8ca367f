#include "tweaker/display/win32/about_dialog_proc.h"

#include <shellapi.h>

#include "tweaker/resources/resource.h"
#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/ui/win32/dialog_utils.h"

namespace vdx {
namespace {

// The presenter and the hand cursor shown over the home-page icon.
struct AboutDialogState : PresenterWindow<AboutDialog> {
  using PresenterWindow::PresenterWindow;
  ~AboutDialogState() {
    if (hand) DestroyCursor(hand);
  }
  HCURSOR hand = nullptr;
};

AboutDialogState* stateOf(HWND dialog) { return dialogState<AboutDialogState>(dialog); }

// Whether the control under the mouse is the icon that links to the home page.
bool overLink(HWND dialog) {
  POINT pt;
  if (!GetCursorPos(&pt) || !ScreenToClient(dialog, &pt)) return false;
  HWND child = ChildWindowFromPoint(dialog, pt);
  return child && child != dialog && GetDlgCtrlID(child) == IDC_ABOUT_ICON;
}

}  // namespace

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR common = FALSE;
  if (commonDialogMessage<AboutDialogState>(dialog, msg, wParam, lParam, &common)) return common;
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = dialogArgs<AboutDialogArgs>(dialog, lParam);
      if (!args) return TRUE;
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      auto* state = new AboutDialogState(dialog, args->frame, args->model);
      attachDialogState(dialog, state);
      state->hand = static_cast<HCURSOR>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CURSOR_HAND),
                                                    IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
      state->presenter.init();
      return TRUE;
    }
    case WM_SETCURSOR: {
      AboutDialogState* state = stateOf(dialog);
      if (!state || !state->hand || !overLink(dialog)) return FALSE;
      SetCursor(state->hand);
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
      return TRUE;
    }
    case WM_LBUTTONDOWN:
      SetCapture(dialog);
      return TRUE;
    case WM_LBUTTONUP:
      ReleaseCapture();
      // The click counts where the button is released.
      if (overLink(dialog)) ShellExecuteA(dialog, nullptr, kHomePageUrl, nullptr, nullptr, SW_SHOWDEFAULT);
      return TRUE;
    case WM_COMMAND: {
      AboutDialogState* state = stateOf(dialog);
      return state && state->presenter.command(LOWORD(wParam)) ? TRUE : FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace vdx
