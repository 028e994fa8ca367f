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

}  // namespace vdx
