// The start-up baseline: the least a tray program does before it idles. It
// registers a window class, makes a hidden window, adds one icon to the
// notification area and waits for messages.
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace {

constexpr UINT kCallback = WM_APP + 1;

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc;
  ZeroMemory(&wc, sizeof wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.lpszClassName = "BareTray";
  if (!RegisterClassA(&wc)) return 1;
  HWND hwnd = CreateWindowExA(0, "BareTray", "Bare tray", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  NOTIFYICONDATAA nid;
  ZeroMemory(&nid, sizeof nid);
  nid.cbSize = offsetof(NOTIFYICONDATAA, szTip) + 64;
  nid.hWnd = hwnd;
  nid.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  nid.uCallbackMessage = kCallback;
  nid.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  std::strcpy(nid.szTip, "Bare tray");
  Shell_NotifyIconA(NIM_ADD, &nid);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  Shell_NotifyIconA(NIM_DELETE, &nid);
  return 0;
}
