// msgbox_show STYLE TIMEOUT CAPTION TEXT: shows the message box ("\n" in TEXT
// becomes a line break), owned by a hidden window like the program's own
// boxes, and exits with the result code.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "tweaker/ui/message_box.h"
#include "tweaker/ui/win32/message_box_dialog.h"

namespace {
std::string unescape(const char* s) {
  std::string out;
  for (; *s; ++s) {
    if (s[0] == '\\' && s[1] == 'n') {
      out += '\n';
      ++s;
    } else {
      out += *s;
    }
  }
  return out;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 5) return 100;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.lpszClassName = "MsgBoxShowOwner";
  RegisterClassA(&wc);
  HWND owner = CreateWindowExA(0, wc.lpszClassName, "owner", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  vdx::Win32MessageBoxPresenter presenter(instance);
  int result = vdx::ShowMessageBox(presenter, owner, unescape(__argv[4]), __argv[3],
                                   static_cast<uint32_t>(std::strtoul(__argv[1], nullptr, 0)),
                                   std::atoi(__argv[2]));
  DestroyWindow(owner);
  return result;
}
