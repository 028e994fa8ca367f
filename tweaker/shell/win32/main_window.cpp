#include "tweaker/shell/win32/main_window.h"

#include "resource.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/display/stored_gamma.h"
#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/shell/program_records.h"
#include "tweaker/shell/startup_sequence.h"
#include "tweaker/shell/win32/main_window_startup.h"
#include "tweaker/shell/win32/tray_shell.h"

namespace vdx {

namespace {

void reapplyClocksAndGamma(Program& p, bool clocks = true) {
  if (clocks) applyDesiredClocks(p.services, p.identity, p.clockRules(), p.clocks);
  ApplyStoredGamma(p.services, p.identity, p.preferences.gammaType, p.escapes);
}

// UM_REAPPLY's wParam for a display change the display reset made: the reset
// is over when the message arrives, but its mode switches leave the clocks alone.
constexpr WPARAM kReapplyGammaOnly = 1;

// The resume events of the 98 family (critical and user resume) and of NT
// (automatic resume).
bool isResumeEvent(WPARAM event) {
  return event == 0x0006 || event == 0x0007 || event == 0x0012;
}

void finishStartup(ShellWindow& shell) {
  Program& p = shell.program;
  p.shell.metrics = readDisplayMetrics(*p.services.display);
  PostMessageA(shell.window, UM_REAPPLY, 0, 0);
  readDriverOptions(p);
  trayAdd(shell, "");
  char tip[256] = {0};
  composeTooltip(shell, tip, sizeof tip);
}

void shutDown(ShellWindow& shell) {
  WinHelpA(shell.window, shell.program.shell.helpFilePath.c_str(), HELP_QUIT, 0);
  trayDelete(shell);
  if (HWND list = schemeListWindow(shell.window)) DestroyWindow(list);
  PostQuitMessage(0);
}

LRESULT handleMessage(ShellWindow& shell, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Program& p = shell.program;
  // The tray callback and a restarted taskbar are the tray's business.
  if (trayHandleMessage(shell, msg, wParam, lParam)) return DefWindowProcA(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_CREATE: {
      MainWindowStartup steps(shell);
      runStartupSequence(steps);
      break;
    }
    case WM_DESTROY:
      shutDown(shell);
      break;
    case WM_ENDSESSION:
      if (wParam) restoreStartupClocks(p.services, p.identity, p.clockRules(), p.clocks);
      break;
    case WM_DISPLAYCHANGE:
      p.shell.metrics = readDisplayMetrics(*p.services.display);
      // Posting lets every other window see the new mode before the clocks change.
      if (p.preferences.immediateClk) reapplyClocksAndGamma(p);
      else PostMessageA(hwnd, UM_REAPPLY, p.clockRules().resetInProgress ? kReapplyGammaOnly : 0, 0);
      break;
    case WM_POWERBROADCAST:
      // A card that was powered down comes back at its own clocks.
      if (isResumeEvent(wParam)) {
        if (p.preferences.immediateClk) reapplyClocksAndGamma(p);
        else PostMessageA(hwnd, UM_REAPPLY, 0, 0);
      }
      break;
    case WM_COMMAND:
      handleCommand(shell, wParam, lParam);
      break;
    case UM_STARTED:
      finishStartup(shell);
      break;
    case UM_REAPPLY:
      reapplyClocksAndGamma(p, wParam != kReapplyGammaOnly);
      break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    // The shell record arrives with the creation and stays with the window.
    auto* shell = static_cast<ShellWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    shell->window = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(shell));
  }
  auto* shell = reinterpret_cast<ShellWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!shell) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return handleMessage(*shell, hwnd, msg, wParam, lParam);
}

}  // namespace

bool registerMainWindowClass(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.style = 0x4000;  // CS_GLOBALCLASS
  wc.lpfnWndProc = mainWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VIDARIX));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
  wc.lpszClassName = kMainWindowClass;
  return RegisterClassA(&wc) != 0;
}

bool createMainWindow(ShellWindow& shell) {
  shell.trayMessage = RegisterWindowMessageA(kTrayMessageName);
  HWND hwnd = CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, shell.instance, &shell);
  return hwnd != nullptr;
}

}  // namespace vdx
