// What the MiniGL Applications dialog (resource 145) does of its own on
// Win32: files come by the Add button's chooser and by drag and drop, and
// the list is refreshed after its selection changes, once the change has
// settled.
#pragma once
#include <windows.h>

#include "tweaker/settings/minigl_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

struct MiniGLDialogWin32 : PresenterDialog<MiniGLDialog> {
  static void opened(HWND dialog, State& state);
  static bool command(State& state, WPARAM wParam);
  static constexpr bool kMessages = true;
  static INT_PTR message(HWND dialog, State& state, UINT msg, WPARAM wParam, LPARAM lParam);
};

}  // namespace vdx
