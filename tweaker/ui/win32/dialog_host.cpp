#include "tweaker/ui/win32/dialog_host.h"

#include "tweaker/ui/win32/dialog_utils.h"

namespace vdx {

void attachDialogState(HWND dialog, DialogWindow* state) {
  if (state->frame.slots) state->frame.slots->set(state->frame.kind, dialog);
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
}

DialogWindow* dialogWindowOf(HWND dialog) {
  return reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void detachDialogState(HWND dialog) { SetWindowLongPtrA(dialog, DWLP_USER, 0); }

bool contextHelpMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const DialogFrame* frame,
                        INT_PTR* result) {
  if (msg != WM_HELP && msg != WM_CONTEXTMENU) return false;
  if (frame) showContextHelp(dialog, msg, wParam, lParam, frame->helpFile);
  *result = TRUE;
  return true;
}

void placeDialog(HWND dialog, DialogPlacement placement) {
  centreWindowOn(placement == DialogPlacement::OverOwner ? GetParent(dialog) : GetDesktopWindow(), dialog);
  if (placement == DialogPlacement::DesktopInFront) SetForegroundWindow(dialog);
}

INT_PTR presenterDialogMessage(const DialogOps& ops, HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  DialogWindow* state = dialogWindowOf(dialog);
  INT_PTR answer = FALSE;
  if (contextHelpMessage(dialog, msg, wParam, lParam, state ? &state->frame : nullptr, &answer)) return answer;
  if (msg == WM_INITDIALOG) {
    auto* run = reinterpret_cast<DialogRunBase*>(lParam);
    state = run ? ops.create(dialog, *run) : nullptr;
    if (!state) {
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    attachDialogState(dialog, state);
    ops.opened(dialog, *state);
    placeDialog(dialog, run->placement);
    return TRUE;
  }
  if (!state) return FALSE;
  switch (msg) {
    case WM_DESTROY:
      detachDialogState(dialog);
      ops.destroy(state);
      return FALSE;
    case WM_COMMAND:
      return ops.command(*state, wParam);
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (ops.scrolled && ops.scrolled(*state, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), LOWORD(wParam)))
        return TRUE;
      break;
  }
  return ops.message ? ops.message(dialog, *state, msg, wParam, lParam) : FALSE;
}

}  // namespace vdx
