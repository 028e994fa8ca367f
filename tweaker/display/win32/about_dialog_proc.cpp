#include "tweaker/display/win32/about_dialog_proc.h"

#include <shellapi.h>

#include "tweaker/resources/resource.h"

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

// Whether the control under the mouse is the icon that links to the home page.
bool overLink(HWND dialog) {
  POINT pt;
  if (!GetCursorPos(&pt) || !ScreenToClient(dialog, &pt)) return false;
  HWND child = ChildWindowFromPoint(dialog, pt);
  return child && child != dialog && GetDlgCtrlID(child) == IDC_ABOUT_ICON;
}

struct AboutDialogWindow : PresenterDialog<AboutDialog, AboutDialogArgs> {
  using State = AboutDialogState;
  static void opened(HWND, State& state) {
    state.hand = static_cast<HCURSOR>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CURSOR_HAND),
                                                 IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    state.presenter.init();
  }
  static bool command(State& state, WPARAM wParam) { return state.presenter.command(LOWORD(wParam)); }
  static INT_PTR message(HWND dialog, State& state, UINT msg, WPARAM, LPARAM) {
    switch (msg) {
      case WM_SETCURSOR:
        if (!state.hand || !overLink(dialog)) return FALSE;
        SetCursor(state.hand);
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
        return TRUE;
      case WM_LBUTTONDOWN:
        SetCapture(dialog);
        return TRUE;
      case WM_LBUTTONUP:
        ReleaseCapture();
        // The click counts where the button is released.
        if (overLink(dialog)) ShellExecuteA(dialog, nullptr, kHomePageUrl, nullptr, nullptr, SW_SHOWDEFAULT);
        return TRUE;
      default:
        return FALSE;
    }
  }
};

}  // namespace

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return presenterDialogProc<AboutDialogWindow>(dialog, msg, wParam, lParam);
}

}  // namespace vdx
