// What the About / system information dialog (resource 120) does of its own
// on Win32: the home-page icon is a link, with a hand cursor over it.
#pragma once
#include <windows.h>

#include "tweaker/display/system_info.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

// The presenter and the hand cursor shown over the home-page icon.
struct AboutDialogState : PresenterWindow<AboutDialog> {
  using PresenterWindow::PresenterWindow;
  ~AboutDialogState() {
    if (hand) DestroyCursor(hand);
  }
  HCURSOR hand = nullptr;
};

struct AboutDialogWin32 : PresenterDialog<AboutDialog> {
  using State = AboutDialogState;
  static void opened(HWND dialog, State& state);
  static constexpr bool kMessages = true;
  static INT_PTR message(HWND dialog, State& state, UINT msg, WPARAM wParam, LPARAM lParam);
};

}  // namespace vdx
