// kbTrayIcon1's hidden window of its own: talks to the shell and receives
// the icon's mouse messages as WM_USER.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "memtool/icon_layout.h"
#include "memtool/platform/tray_shell.h"

namespace mt {
class TForm1;
namespace win32 {

constexpr UINT kTrayCallback = WM_USER;
extern const char kTrayWindowClass[];

class TrayWindow : public TrayShell {
 public:
  explicit TrayWindow(HINSTANCE instance);
  ~TrayWindow() override;
  TrayWindow(const TrayWindow&) = delete;
  TrayWindow& operator=(const TrayWindow&) = delete;

  void attach(TForm1* form) { form_ = form; }
  HWND hwnd() const { return hwnd_; }

  bool add(const TrayPicture& picture, const std::string& tip) override;
  bool modify(const TrayPicture& picture, const std::string& tip) override;
  bool remove() override;

 private:
  static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
  bool notify(DWORD message, const TrayPicture& picture, const std::string& tip);
  HICON iconFor(const TrayPicture& picture);
  // True when the picture would draw what the shell already shows.
  bool showsSame(const TrayPicture& picture);

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  UINT taskbarCreated_ = 0;
  HICON drawn_ = nullptr;  // the level icon the shell currently shows, if drawn
  // The picture the shell last accepted; shownValid_ is false when it may
  // show something else (nothing added yet, a refusal, new system colours).
  TrayPicture shown_;
  bool shownValid_ = false;
  // The icon font's glyphs, measured on the first need and again after the
  // system's fonts, sizes or colours change.
  IconGlyphs glyphs_;
  bool glyphsValid_ = false;
  TForm1* form_ = nullptr;
};

}  // namespace win32
}  // namespace mt
