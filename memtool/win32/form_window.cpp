// Registering the main window's classes, creating the window and ending it.
#include "memtool/win32/form_window.h"

#include "memtool/win32/form_window_shared.h"

namespace mt {
namespace win32 {

FormWindow::FormWindow(HINSTANCE instance, const Services& services)
    : instance_(instance), services_(services) {}

FormWindow::~FormWindow() {
  form_.reset();
  if (hwnd_ && !destroyed_) DestroyWindow(hwnd_);
  for (HFONT f : fonts_)
    if (f) DeleteObject(f);
  if (faceBrush_) DeleteObject(faceBrush_);
}

bool FormWindow::create() {
  WNDCLASSA wc;
  ZeroMemory(&wc, sizeof wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance_;
  wc.hIcon = LoadIconA(instance_, "MAINICON");
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClassName;
  if (!RegisterClassA(&wc)) return false;
  WNDCLASSA sheet;
  ZeroMemory(&sheet, sizeof sheet);
  sheet.lpfnWndProc = DefWindowProcA;
  sheet.hInstance = instance_;
  sheet.hCursor = wc.hCursor;
  sheet.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  sheet.lpszClassName = kSheetClass;
  RegisterClassA(&sheet);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT r = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  hwnd_ = CreateWindowExA(0, kFormClassName, kFormTitle, style, x, y, w, h, nullptr, nullptr, instance_, this);
  if (!hwnd_) return false;
  faceBrush_ = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  createControls();
  form_.reset(new TForm1(services_, *this));
  form_->FormCreate();
  return true;
}

}  // namespace win32
}  // namespace mt
