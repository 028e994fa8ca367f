#include "memtool/win32/tray_window.h"

#include <cstddef>
#include <cstring>

#include "memtool/form.h"
#include "memtool/win32/icon_draw.h"
#include "memtool/win32/tray_menu_hook.h"

namespace mt {
namespace win32 {

const char kTrayWindowClass[] = "TkbTrayIconWindow";

namespace {
// The Windows 95 size of the record: the shell of every version takes it.
constexpr DWORD kNotifyIconSize = offsetof(NOTIFYICONDATAA, szTip) + 64;
}  // namespace

TrayWindow::TrayWindow(HINSTANCE instance) : instance_(instance) {
  WNDCLASSA wc;
  ZeroMemory(&wc, sizeof wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.lpszClassName = kTrayWindowClass;
  RegisterClassA(&wc);
  hwnd_ = CreateWindowExA(0, kTrayWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
}

TrayWindow::~TrayWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (drawn_) DestroyIcon(drawn_);
}

HICON TrayWindow::iconFor(const TrayPicture& picture) {
  switch (picture.kind) {
    case TrayPicture::Kind::Idle: return LoadIconA(instance_, "MEMICON");
    case TrayPicture::Kind::Busy: return LoadIconA(instance_, "MEMICON2");
    case TrayPicture::Kind::Level: return drawLevelIcon(picture.availMB, picture.busy);
    case TrayPicture::Kind::ProgramIcon: break;
  }
  return LoadIconA(instance_, "MAINICON");
}

bool TrayWindow::showsSame(const TrayPicture& picture) {
  if (!shownValid_) return false;
  if (picture == shown_) return true;
  using Kind = TrayPicture::Kind;
  if (picture.kind != Kind::Level || shown_.kind != Kind::Level || picture.busy != shown_.busy) return false;
  // A large figure shows only its leading digits: most of its changes on an
  // idle machine draw the same picture, and need only the new tip.
  if (!glyphsValid_) {
    glyphs_ = measureIconGlyphs();
    glyphsValid_ = true;
  }
  const IconText now = iconText(picture.availMB), shown = iconText(shown_.availMB);
  return now.x == shown.x && visibleIconText(now, glyphs_) == visibleIconText(shown, glyphs_);
}

bool TrayWindow::notify(DWORD message, const TrayPicture& picture, const std::string& tip) {
  NOTIFYICONDATAA nid;
  ZeroMemory(&nid, sizeof nid);
  nid.cbSize = kNotifyIconSize;
  nid.hWnd = hwnd_;
  nid.uID = 0;
  nid.uCallbackMessage = kTrayCallback;
  std::strncpy(nid.szTip, tip.c_str(), 63);
  nid.szTip[63] = '\0';
  // A new tip over the picture the shell already holds goes alone: no
  // drawing, and the shell does not copy the icon again.
  if (message == NIM_MODIFY && showsSame(picture)) {
    nid.uFlags = NIF_TIP;
    shownValid_ = Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
    return shownValid_;
  }
  nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  HICON icon = message == NIM_DELETE ? nullptr : iconFor(picture);
  // A drawing that failed leaves the idle chip, so the tray never shows an
  // empty icon, and is tried again with the next message.
  const bool drawingFailed = message != NIM_DELETE && !icon;
  if (drawingFailed) icon = LoadIconA(instance_, "MEMICON");
  nid.hIcon = icon;
  BOOL ok = Shell_NotifyIconA(message, &nid);
  shown_ = picture;
  shownValid_ = ok != FALSE && message != NIM_DELETE && !drawingFailed;
  // The shell has its own copy now; the previous drawing can go.
  HICON previous = drawn_;
  drawn_ = picture.kind == TrayPicture::Kind::Level && message != NIM_DELETE ? icon : nullptr;
  if (previous && previous != drawn_) DestroyIcon(previous);
  return ok != FALSE;
}

bool TrayWindow::add(const TrayPicture& picture, const std::string& tip) { return notify(NIM_ADD, picture, tip); }
bool TrayWindow::modify(const TrayPicture& picture, const std::string& tip) {
  return notify(NIM_MODIFY, picture, tip);
}
bool TrayWindow::remove() { return notify(NIM_DELETE, TrayPicture(), ""); }

LRESULT CALLBACK TrayWindow::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<TrayWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self && self->hwnd_ == hwnd) return self->handle(msg, wParam, lParam);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT TrayWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kTrayCallback && form_) {
    switch (static_cast<UINT>(lParam)) {
      case WM_RBUTTONUP:
        trackTrayMenu(hwnd_, *form_);
        break;
      case WM_LBUTTONDBLCLK:
        form_->Guarded([&] { form_->kbTrayIcon1DblClick(); });
        form_->surface().showForm();
        break;
      default:
        break;
    }
    return 0;
  }
  if (msg == taskbarCreated_ && taskbarCreated_ != 0 && form_) {
    form_->kbTrayIcon1.readd();
    return 0;
  }
  // The drawn figure takes the system's colours, icon size and screen depth,
  // and is only redrawn when it changes: draw it again when those change.
  if ((msg == WM_SYSCOLORCHANGE || msg == WM_SETTINGCHANGE || msg == WM_DISPLAYCHANGE) && form_ &&
      form_->kbTrayIcon1.picture().kind == TrayPicture::Kind::Level) {
    shownValid_ = false;
    glyphsValid_ = false;
    form_->kbTrayIcon1.refresh();
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

}  // namespace win32
}  // namespace mt
