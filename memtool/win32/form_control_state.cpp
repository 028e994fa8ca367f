// The form surface over real controls: texts, checks, enabled and shown
// states, slider and progress bar positions and ranges.
#include "memtool/win32/form_window.h"

#include <commctrl.h>

#include <vector>

#include "memtool/win32/form_window_shared.h"

namespace mt {
namespace win32 {

HWND FormWindow::item(Ctl id) const { return GetDlgItem(hwnd_, static_cast<int>(id)); }

std::string FormWindow::text(Ctl id) {
  HWND c = item(id);
  int n = GetWindowTextLengthA(c);
  std::vector<char> buf(static_cast<std::size_t>(n) + 2, 0);
  GetWindowTextA(c, buf.data(), n + 1);
  return buf.data();
}

void FormWindow::setText(Ctl id, const std::string& text) {
  ++quiet_;
  SetWindowTextA(item(id), text.c_str());
  --quiet_;
}

void FormWindow::setEnabled(Ctl id, bool on) {
  EnableWindow(item(id), on);
  if (isKind(id, CtlKind::SpinEdit))
    EnableWindow(GetDlgItem(hwnd_, static_cast<int>(id) + kSpinArrowsOffset), on);
}

bool FormWindow::enabled(Ctl id) { return IsWindowEnabled(item(id)) != FALSE; }

bool FormWindow::checked(Ctl id) { return SendMessageA(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void FormWindow::setChecked(Ctl id, bool on) {
  SendMessageA(item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

int FormWindow::position(Ctl id) {
  if (isKind(id, CtlKind::Slider)) return static_cast<int>(SendMessageA(item(id), TBM_GETPOS, 0, 0));
  return positions_[id];
}

void FormWindow::setPosition(Ctl id, int position) {
  Range r = ranges_[id];
  if (position < r.minimum) position = r.minimum;
  if (position > r.maximum) position = r.maximum;
  positions_[id] = position;
  if (isKind(id, CtlKind::Slider))
    SendMessageA(item(id), TBM_SETPOS, TRUE, position);
  else if (isKind(id, CtlKind::ProgressBar))
    SendMessageA(item(id), PBM_SETPOS, position, 0);
}

void FormWindow::setVisible(Ctl id, bool on) {
  hiddenByForm_[id] = !on;
  const ControlRow& row = rowOf(id);
  bool show = on && (row.tab < 0 || row.tab == selectedTab());
  ShowWindow(item(id), show ? SW_SHOWNA : SW_HIDE);
}

bool FormWindow::visible(Ctl id) { return !hiddenByForm_[id]; }

void FormWindow::setRange(Ctl id, int minimum, int maximum) {
  ranges_[id] = {minimum, maximum};
  if (isKind(id, CtlKind::Slider)) {
    SendMessageA(item(id), TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageA(item(id), TBM_SETRANGEMAX, TRUE, maximum);
    positions_[id] = static_cast<int>(SendMessageA(item(id), TBM_GETPOS, 0, 0));
  } else if (isKind(id, CtlKind::ProgressBar)) {
    SendMessageA(item(id), PBM_SETRANGE, 0, MAKELPARAM(minimum, maximum));
  }
}

int FormWindow::rangeMin(Ctl id) { return ranges_[id].minimum; }
int FormWindow::rangeMax(Ctl id) { return ranges_[id].maximum; }

}  // namespace win32
}  // namespace mt
