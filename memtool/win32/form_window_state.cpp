// The form surface's window-wide part: the selected tab and the controls
// it shows, shown and hidden states, the monitor's timer and the error box.
#include "memtool/win32/form_window.h"

#include <commctrl.h>

#include "memtool/win32/form_window_shared.h"

namespace mt {
namespace win32 {

void FormWindow::showTab(int index) {
  SendMessageA(tabs_, TCM_SETCURSEL, index, 0);
  for (std::size_t i = 0; i < kFormControlCount; ++i) {
    const ControlRow& row = kFormControls[i];
    if (row.kind == CtlKind::Tabs) continue;
    bool show = (row.tab < 0 || row.tab == index) && !hiddenByForm_[row.id];
    ShowWindow(item(row.id), show ? SW_SHOWNA : SW_HIDE);
    if (row.kind == CtlKind::SpinEdit) {
      HWND arrows = GetDlgItem(hwnd_, static_cast<int>(row.id) + kSpinArrowsOffset);
      ShowWindow(arrows, show ? SW_SHOWNA : SW_HIDE);
    }
  }
}

void FormWindow::selectTab(int index) { showTab(index); }

int FormWindow::selectedTab() { return static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0)); }

void FormWindow::showForm() {
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void FormWindow::hideForm() { ShowWindow(hwnd_, SW_HIDE); }

void FormWindow::closeForm() { DestroyWindow(hwnd_); }

void FormWindow::enableTimer(unsigned periodMs) { SetTimer(hwnd_, kTimerId, periodMs, nullptr); }

void FormWindow::showError(const std::string& text) {
  MessageBoxA(hwnd_, text.c_str(), "Memtidy", MB_OK | MB_ICONSTOP);
}

}  // namespace win32
}  // namespace mt
