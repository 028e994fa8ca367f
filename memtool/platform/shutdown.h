// Ending the Windows session and suspending the machine.
#pragma once

namespace mt {

class Shutdown {
 public:
  virtual ~Shutdown() = default;
  // Enables or disables SeShutdownPrivilege in the process token; failures
  // (the 95/98 family has no tokens) are ignored.
  virtual void setShutdownPrivilege(bool enabled) = 0;
  // ExitWindowsEx(flags, 0).
  virtual void exitWindows(unsigned flags) = 0;
  // SetSystemPowerState(suspend, force).
  virtual void setSystemPowerState(bool suspend, bool force) = 0;
};

}  // namespace mt
