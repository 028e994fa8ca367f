// The screen's mode from the driver's side: its depth, a switch of depth,
// and a window of the driver's own that records the colour depth of every
// WM_DISPLAYCHANGE it is sent, with a message pump to let it see them.
#pragma once
#include <windows.h>

#include <cstddef>
#include <vector>

namespace displaywatch {

// The depth of the screen as the system now has it.
inline int screenDepth() {
  DEVMODEA dm = {};
  dm.dmSize = sizeof dm;
  if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &dm)) return 0;
  return static_cast<int>(dm.dmBitsPerPel);
}

inline bool setDepth(int bpp) {
  DEVMODEA dm = {};
  dm.dmSize = sizeof dm;
  dm.dmPelsWidth = GetSystemMetrics(SM_CXSCREEN);
  dm.dmPelsHeight = GetSystemMetrics(SM_CYSCREEN);
  dm.dmBitsPerPel = bpp;
  dm.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
  return ChangeDisplaySettingsA(&dm, 0) == DISP_CHANGE_SUCCESSFUL;
}

inline std::vector<int>& depths() {
  static std::vector<int> seen;
  return seen;
}

inline LRESULT CALLBACK watchProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DISPLAYCHANGE) depths().push_back(static_cast<int>(wParam));
  return DefWindowProcA(w, msg, wParam, lParam);
}

inline HWND create() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = watchProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "E2EDisplayWatch";
  RegisterClassA(&wc);
  depths().clear();
  return CreateWindowExA(0, "E2EDisplayWatch", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
}

// A watcher for the length of a scenario: gone with it, so two never count
// the same change.
struct Watch {
  HWND window = create();
  Watch() = default;
  Watch(const Watch&) = delete;
  Watch& operator=(const Watch&) = delete;
  ~Watch() { DestroyWindow(window); }
  // WM_DISPLAYCHANGE seen since the watcher began or since the last forget().
  std::size_t changes() const { return depths().size(); }
  void forget() const { depths().clear(); }
};

inline void pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  MSG m;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    Sleep(10);
  }
}

}  // namespace displaywatch
