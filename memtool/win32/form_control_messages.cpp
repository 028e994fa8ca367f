// Messages of the subclassed controls: mouse moves for the description
// panel, the link cursor and the inside of group boxes.
#include "memtool/win32/form_window.h"
#include "memtool/win32/form_window_shared.h"

namespace mt {
namespace win32 {

namespace {
// IDC_HAND is missing from the Windows 95 headers; older systems fall back to the arrow.
const LPCSTR kHandCursor = MAKEINTRESOURCEA(32649);
}  // namespace

LRESULT CALLBACK FormWindow::controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kControlProcProp));
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(GetParent(hwnd), GWLP_USERDATA));
  if (msg == WM_NCDESTROY) {
    RemovePropA(hwnd, kControlProcProp);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  } else if (self) {
    LRESULT r = self->controlMessage(hwnd, msg, wParam, lParam);
    if (r != 0) return r;
  }
  return CallWindowProcA(original, hwnd, msg, wParam, lParam);
}

LRESULT FormWindow::controlMessage(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  const int rawId = GetDlgCtrlID(control);
  const bool sheet = rawId == kSheetId;
  Ctl id = sheet ? Ctl::PageControl1 : controlOfWindowId(rawId);
  if (msg == WM_NCHITTEST && id == Ctl::GroupBox5) return HTCLIENT;  // the box explains itself
  if (msg == WM_ERASEBKGND && isKind(id, CtlKind::GroupBox)) {
    // Nothing beneath a group box paints its inside (the sheet clips it away).
    RECT r;
    GetClientRect(control, &r);
    FillRect(reinterpret_cast<HDC>(wParam), &r, faceBrush_);
    return TRUE;
  }
  if (msg == WM_SETCURSOR && (isKind(id, CtlKind::Link) || isKind(id, CtlKind::Image))) {
    HCURSOR hand = LoadCursorA(nullptr, kHandCursor);
    SetCursor(hand ? hand : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    return TRUE;
  }
  if (msg == WM_MOUSEMOVE && form_) {
    int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    if (id == Ctl::PageControl1 && !sheet) {
      x -= pageOrigin_.x;
      y -= pageOrigin_.y;
    }
    run([&] { form_->ControlMouseMove(id, x, y); });
  }
  return 0;
}

}  // namespace win32
}  // namespace mt
