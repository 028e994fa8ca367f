#include "tweaker/display/win32/about_dialog_proc.h"

#include <shellapi.h>

#include "tweaker/resources/resource.h"
#include "tweaker/ui/win32/dialog_utils.h"
#include "tweaker/ui/win32/win32_dialog_surface.h"

namespace vdx {
namespace {

// Lives while the dialog is open; the dialog window holds it.
struct AboutDialogState {
  AboutDialogState(HWND dialog, const AboutDialogArgs& args)
      : frame(args.frame), surface(dialog), presenter(surface, args.model) {}
  ~AboutDialogState() {
    if (hand) DestroyCursor(hand);
  }
  DialogFrame frame;
  Win32DialogSurface surface;
  AboutDialog presenter;
  HCURSOR hand = nullptr;
};

AboutDialogState* stateOf(HWND dialog) {
  return reinterpret_cast<AboutDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// Whether the control under the mouse is the icon that links to the home page.
bool overLink(HWND dialog) {
  POINT pt;
  if (!GetCursorPos(&pt) || !ScreenToClient(dialog, &pt)) return false;
  HWND child = ChildWindowFromPoint(dialog, pt);
  return child && child != dialog && GetDlgCtrlID(child) == IDC_ABOUT_ICON;
}

}  // namespace

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = reinterpret_cast<const AboutDialogArgs*>(lParam);
      if (!args) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      if (args->frame.slots) args->frame.slots->set(args->frame.kind, dialog);
      AboutDialogState* state = new AboutDialogState(dialog, *args);
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
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
    case WM_HELP:
    case WM_CONTEXTMENU:
      if (AboutDialogState* state = stateOf(dialog))
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
