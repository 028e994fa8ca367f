// The program's entry: one command-line switch, one copy, a supported chip.
// It owns the program's context for the whole run.
#include <windows.h>

#include "tweaker/platform/program_platform.h"
#include "tweaker/shell/program.h"
#include "tweaker/shell/program_records.h"
#include "tweaker/shell/startup_checks.h"
#include "tweaker/shell/win32/main_window.h"
#include "tweaker/shell/win32/shell_window.h"
#include "tweaker/ui/win32/message_box_dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  vdx::ProgramPlatform platform;
  vdx::Win32MessageBoxPresenter messageBoxes(instance);
  vdx::Program program(platform.services(), messageBoxes);
  messageBoxes.useHelpFile(&program.shell.helpFilePath);

  const vdx::StartSwitch startSwitch = vdx::parseStartSwitch(commandLine);
  // Before any other check, so a second copy started with it still switches.
  if (startSwitch == vdx::StartSwitch::ResetDisplay) vdx::resetDisplay(program, vdx::RESET_AWAY_ONLY);

  if (FindWindowA(vdx::kMainWindowClass, nullptr)) return 0;
  if (!vdx::checkChip(program.escapes, *program.services.ports, program.identity) &&
      startSwitch != vdx::StartSwitch::IgnoreChip) {
    return 0;
  }
  if (!vdx::registerMainWindowClass(instance)) return 0;
  if (GetAsyncKeyState(VK_SHIFT) & 0x8000) program.clocks.clocksAllowed = false;
  vdx::ShellWindow shell(program, instance);
  if (!vdx::createMainWindow(shell)) return 0;

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
