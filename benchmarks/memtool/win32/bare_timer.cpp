// The idle baseline: a hidden Win32 window with a one-second timer that does
// nothing, to compare Memtidy's idle cost against. With "sample" on the
// command line each tick also reads the memory status, as Memtidy must: what
// that costs is the part of Memtidy's idle CPU no tidying can remove.
#include <windows.h>

#include <cstring>

static bool g_sample = false;

static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && g_sample) {
    MEMORYSTATUS s;
    s.dwLength = sizeof s;
    GlobalMemoryStatus(&s);
    return 0;
  }
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_sample = commandLine && std::strstr(commandLine, "sample") != nullptr;
  WNDCLASSA wc;
  ZeroMemory(&wc, sizeof wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.lpszClassName = "BareTimer";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "BareTimer", "Bare timer", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                              instance, nullptr);
  SetTimer(hwnd, 1, 1000, nullptr);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  return 0;
}
