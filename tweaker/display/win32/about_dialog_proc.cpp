#include "tweaker/display/win32/about_dialog_proc.h"

#include <shellapi.h>

#include "tweaker/resources/resource.h"

namespace vdx {
namespace {

// Whether the control under the mouse is the icon that links to the home page.
bool overLink(HWND dialog) {
  POINT pt;
  if (!GetCursorPos(&pt) || !ScreenToClient(dialog, &pt)) return false;
  HWND child = ChildWindowFromPoint(dialog, pt);
  return child && child != dialog && GetDlgCtrlID(child) == IDC_ABOUT_ICON;
}

}  // namespace

void AboutDialogWin32::opened(HWND, State& state) {
  state.hand = static_cast<HCURSOR>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CURSOR_HAND),
                                               IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
  state.presenter.init();
}

INT_PTR AboutDialogWin32::message(HWND dialog, State& state, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_SETCURSOR) {
    if (!state.hand || !overLink(dialog)) return FALSE;
    SetCursor(state.hand);
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
  } else if (msg == WM_LBUTTONDOWN) {
    SetCapture(dialog);
  } else if (msg == WM_LBUTTONUP) {
    ReleaseCapture();
    // The click counts where the button is released.
    if (overLink(dialog)) ShellExecuteA(dialog, nullptr, kHomePageUrl, nullptr, nullptr, SW_SHOWDEFAULT);
  } else {
    return FALSE;
  }
  return TRUE;
}

}  // namespace vdx
