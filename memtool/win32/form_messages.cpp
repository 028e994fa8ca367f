// The main window's procedure: messages of the window itself, passed on to
// TForm1 or to the default procedure.
#include "memtool/win32/form_window.h"
#include "memtool/win32/form_window_shared.h"

namespace mt {
namespace win32 {

LRESULT CALLBACK FormWindow::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    reinterpret_cast<FormWindow*>(cs->lpCreateParams)->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self) return self->handle(msg, wParam, lParam);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT FormWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam && form_) onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_HSCROLL:
      if (lParam && form_) onScroll(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY:
      if (form_) return onNotify(reinterpret_cast<NMHDR*>(lParam));
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId && form_) run([&] { form_->Timer1Timer(); });
      return 0;
    case WM_SYSCOMMAND: {
      bool handled = false;
      if (form_) run([&] { handled = form_->WMSysCommand(static_cast<uint32_t>(wParam)); });
      if (handled) return 0;
      break;
    }
    case WM_CTLCOLORSTATIC: {
      HWND c = reinterpret_cast<HWND>(lParam);
      Ctl id = static_cast<Ctl>(GetDlgCtrlID(c));
      if (isKind(id, CtlKind::Edit) || isKind(id, CtlKind::SpinEdit)) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      const ControlRow* row = findControl(id);
      SetTextColor(dc, row && (row->style & kStyleNavy) ? RGB(0, 0, 128) : GetSysColor(COLOR_BTNTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(faceBrush_);
    }
    case WM_DESTROY:
      destroyed_ = true;
      KillTimer(hwnd_, kTimerId);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

}  // namespace win32
}  // namespace mt
