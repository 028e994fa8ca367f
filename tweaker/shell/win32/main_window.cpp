#include "tweaker/shell/win32/main_window.h"

#include "resource.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/display/stored_gamma.h"
#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/settings/option_store.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/shell/shell_state.h"
#include "tweaker/shell/startup_sequence.h"
#include "tweaker/shell/win32/main_window_startup.h"
#include "tweaker/shell/win32/tray_shell.h"

namespace vdx {

namespace {

HINSTANCE g_instance = nullptr;
HWND g_mainWindow = nullptr;
UINT g_trayMessage = 0;

void reapplyClocksAndGamma() {
  applyDesiredClocks();
  ApplyStoredGamma();
}

void finishStartup(HWND hwnd) {
  readDisplayMetrics();
  PostMessageA(hwnd, UM_REAPPLY, 0, 0);
  readDriverOptions();
  trayAdd(hwnd, "");
  char tip[256] = {0};
  composeTooltip(hwnd, tip, sizeof tip);
}

void shutDown(HWND hwnd) {
  WinHelpA(hwnd, helpFilePath().c_str(), HELP_QUIT, 0);
  trayDelete(hwnd);
  if (HWND list = schemeListWindow(hwnd)) DestroyWindow(list);
  PostQuitMessage(0);
}

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The tray callback and a restarted taskbar are the tray's business.
  if (trayHandleMessage(hwnd, msg, wParam, lParam)) return DefWindowProcA(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_CREATE: {
      g_mainWindow = hwnd;
      MainWindowStartup steps(hwnd, g_instance);
      runStartupSequence(steps);
      break;
    }
    case WM_DESTROY:
      shutDown(hwnd);
      break;
    case WM_ENDSESSION:
      if (wParam) restoreStartupClocks();
      break;
    case WM_DISPLAYCHANGE:
      readDisplayMetrics();
      // Posting lets every other window see the new mode before the clocks change.
      if (preferences().immediateClk) reapplyClocksAndGamma();
      else PostMessageA(hwnd, UM_REAPPLY, wParam, lParam);
      break;
    case WM_COMMAND:
      handleCommand(hwnd, wParam, lParam);
      break;
    case UM_STARTED:
      finishStartup(hwnd);
      break;
    case UM_REAPPLY:
      reapplyClocksAndGamma();
      break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

HINSTANCE programInstance() { return g_instance; }
HWND mainWindow() { return g_mainWindow; }
UINT trayCallbackMessage() { return g_trayMessage; }

void keepProgramInstance(HINSTANCE instance) { g_instance = instance; }

bool registerMainWindowClass() {
  WNDCLASSA wc = {};
  wc.style = 0x4000;  // CS_GLOBALCLASS
  wc.lpfnWndProc = mainWindowProc;
  wc.hInstance = g_instance;
  wc.hIcon = LoadIconA(g_instance, MAKEINTRESOURCEA(IDI_VIDARIX));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
  wc.lpszClassName = kMainWindowClass;
  return RegisterClassA(&wc) != 0;
}

bool createMainWindow() {
  g_trayMessage = RegisterWindowMessageA(kTrayMessageName);
  HWND hwnd = CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, g_instance, nullptr);
  return hwnd != nullptr;
}

}  // namespace vdx
