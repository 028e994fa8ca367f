// What the Display Outputs dialog (resource 141) does of its own on Win32:
// the small display pictures beside the status texts.
#pragma once
#include <windows.h>

#include <cstddef>

#include "tweaker/display/outputs_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

constexpr std::size_t kOutputsPictureCount = 4;

// The presenter and the pictures, which the dialog owns (an icon loaded at
// 16x16 is not shared).
struct OutputsDialogState : PresenterWindow<OutputsDialog> {
  using PresenterWindow::PresenterWindow;
  ~OutputsDialogState();
  HICON pictures[kOutputsPictureCount] = {};
};

struct OutputsDialogWin32 : PresenterDialog<OutputsDialog> {
  using State = OutputsDialogState;
  static void opened(HWND dialog, State& state);
};

}  // namespace vdx
