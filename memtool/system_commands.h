// The restart/shutdown component XWinReboot1: restart, shut down or suspend
// the system, with the shutdown privilege held only for the call.
#pragma once
#include "memtool/platform/shutdown.h"

namespace mt {

enum TRebootOperation { roLogOff = 0, roReboot = 1, roShutDown = 2, roSuspend = 3, roHibernate = 4 };

// ExitWindowsEx flags.
inline constexpr unsigned kEwxLogoff = 0;
inline constexpr unsigned kEwxShutdown = 1;
inline constexpr unsigned kEwxReboot = 2;
inline constexpr unsigned kEwxForce = 4;
inline constexpr unsigned kEwxPowerOff = 8;

class TXWinReboot {
 public:
  TRebootOperation Operation = roReboot;
  bool PowerOff = true;
  bool ForceTerminateProcesses = false;

  // ExitWindowsEx flags for a log-off, reboot or shutdown; 0 otherwise.
  unsigned exitFlags() const;
  // No confirmation is asked; results of the system calls are not examined.
  void Execute(Shutdown& shutdown) const;
};

}  // namespace mt
