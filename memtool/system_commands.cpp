#include "memtool/system_commands.h"

namespace mt {

unsigned TXWinReboot::exitFlags() const {
  unsigned flags;
  switch (Operation) {
    case roLogOff: flags = kEwxLogoff; break;
    case roReboot: flags = kEwxReboot; break;
    case roShutDown: flags = kEwxShutdown; break;
    default: return 0;
  }
  if (PowerOff) flags |= kEwxPowerOff;
  if (ForceTerminateProcesses) flags |= kEwxForce;
  return flags;
}

void TXWinReboot::Execute(Shutdown& shutdown) const {
  shutdown.setShutdownPrivilege(true);
  if (Operation == roSuspend || Operation == roHibernate)
    shutdown.setSystemPowerState(Operation == roSuspend, ForceTerminateProcesses);
  else
    shutdown.exitWindows(exitFlags());
  shutdown.setShutdownPrivilege(false);
}

}  // namespace mt
