#include "memtool/win32/program_services.h"

namespace mt {
namespace win32 {

void installProgramServices(Services& services, ProgramServices& owned) {
  services.registry = &owned.registry;
  services.system = &owned.system;
  services.memory = &owned.memory;
  services.sound = &owned.sound;
  services.trayShell = &owned.tray;
  services.profile = &owned.profile;
  services.shutdown = &owned.shutdown;
  services.shell = &owned.shell;
  services.clipboard = &owned.clipboard;
  services.fileDialog = &owned.fileDialog;
}

}  // namespace win32
}  // namespace mt
