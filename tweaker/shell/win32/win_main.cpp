// The program's entry: one command-line switch, one copy, a supported chip.
#include <windows.h>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/chip_registers.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/platform/program_platform.h"
#include "tweaker/shell/display_reset.h"
#include "tweaker/shell/message_box.h"
#include "tweaker/shell/shell_state.h"
#include "tweaker/shell/startup_checks.h"
#include "tweaker/shell/win32/main_window.h"
#include "tweaker/shell/win32/message_box_dialog.h"

namespace {

// The driver must answer the private escapes and report a chip from the
// list; device id and revision go into the adapter record either way.
bool chipSupported() {
  uint32_t deviceId = 0;
  if (!vdx::QueryDriverEscapes() || !vdx::DRV_GET_DEVICE_ID(&deviceId) || deviceId == 0) return false;
  if (!vdx::isSupportedChip(deviceId)) return false;
  vdx::AdapterIdentity& id = vdx::adapterIdentity();
  id.deviceId = deviceId;
  id.revision = vdx::readChipRevision(deviceId);
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  vdx::installProgramPlatform();
  vdx::keepProgramInstance(instance);
  static vdx::Win32MessageBoxPresenter messageBoxes(instance);
  vdx::installMessageBoxPresenter(&messageBoxes);

  const vdx::StartSwitch startSwitch = vdx::parseStartSwitch(commandLine);
  // Before any other check, so a second copy started with it still switches.
  if (startSwitch == vdx::StartSwitch::ResetDisplay) vdx::resetDisplay(vdx::RESET_AWAY_ONLY);

  if (FindWindowA(vdx::kMainWindowClass, nullptr)) return 0;
  if (!chipSupported() && startSwitch != vdx::StartSwitch::IgnoreChip) return 0;
  if (!vdx::registerMainWindowClass()) return 0;
  if (GetAsyncKeyState(VK_SHIFT) & 0x8000) vdx::clockState().clocksAllowed = false;
  if (!vdx::createMainWindow()) return 0;

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
