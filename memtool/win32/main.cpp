// Memtidy's entry point: one instance, one window, one message loop.
#include <windows.h>
#include <commctrl.h>

#include "memtool/form.h"
#include "memtool/platform/win32/win32_seam.h"
#include "memtool/win32/form_window.h"
#include "memtool/win32/program_services.h"
#include "memtool/win32/tray_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // A second start ends at once, without a word to the running one.
  if (FindWindowA(mt::kFormClassName, mt::kFormTitle)) return 0;
  InitCommonControls();

  mt::win32::ProgramServices program(instance);
  mt::Services services;
  mt::win32::installProgramServices(services, program);
  mt::win32::TrayWindow& tray = program.tray;

  mt::win32::FormWindow window(instance, services);
  if (!window.create()) return 1;
  tray.attach(&window.form());

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  tray.attach(nullptr);
  return 0;
}
