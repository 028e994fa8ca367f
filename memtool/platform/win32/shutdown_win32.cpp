#include <windows.h>

#include "memtool/platform/win32/system_services_win32.h"

namespace mt {

void Win32Shutdown::setShutdownPrivilege(bool enabled) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
  if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  CloseHandle(token);
}

void Win32Shutdown::exitWindows(unsigned flags) { ExitWindowsEx(flags, 0); }

void Win32Shutdown::setSystemPowerState(bool suspend, bool force) {
  SetSystemPowerState(suspend ? TRUE : FALSE, force ? TRUE : FALSE);
}

}  // namespace mt
