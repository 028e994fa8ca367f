#include <windows.h>

#include <vector>

#include "memtool/platform/win32/win32_seam.h"

namespace mt {

bool Win32System::windowExists(const std::string& className, const std::string& title) {
  return FindWindowA(className.c_str(), title.c_str()) != nullptr;
}

uint32_t Win32System::platformId() {
  OSVERSIONINFOA info;
  ZeroMemory(&info, sizeof info);
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return 0;
  return info.dwPlatformId;
}

MemoryStatus Win32System::memoryStatus() {
  MEMORYSTATUS ms;
  ZeroMemory(&ms, sizeof ms);
  ms.dwLength = sizeof ms;  // 32 in the 32-bit build
  GlobalMemoryStatus(&ms);
  MemoryStatus s;
  s.totalPhys = ms.dwTotalPhys;
  s.availPhys = ms.dwAvailPhys;
  s.totalPageFile = ms.dwTotalPageFile;
  s.availPageFile = ms.dwAvailPageFile;
  return s;
}

bool Win32System::memoryStatusEx(MemoryStatus* out) {
  // Looked up at run time: Windows 95/98 and NT 4 do not export it, and an
  // import would keep the program from loading there.
  using Fn = BOOL(WINAPI*)(MEMORYSTATUSEX*);
  if (!statusExLooked_) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    FARPROC proc = kernel ? GetProcAddress(kernel, "GlobalMemoryStatusEx") : nullptr;
    statusEx_ = reinterpret_cast<void*>(proc);
    statusExLooked_ = true;
  }
  if (!statusEx_) return false;
  MEMORYSTATUSEX ms;
  ZeroMemory(&ms, sizeof ms);
  ms.dwLength = sizeof ms;
  if (!reinterpret_cast<Fn>(statusEx_)(&ms)) return false;
  out->totalPhys = ms.ullTotalPhys;
  out->availPhys = ms.ullAvailPhys;
  out->totalPageFile = ms.ullTotalPageFile;
  out->availPageFile = ms.ullAvailPageFile;
  return true;
}

std::string Win32System::currentDirectory() {
  DWORD need = GetCurrentDirectoryA(0, nullptr);
  if (need == 0) return "";
  std::vector<char> buf(need + 1, 0);
  DWORD got = GetCurrentDirectoryA(static_cast<DWORD>(buf.size()), buf.data());
  if (got == 0 || got >= buf.size()) return "";
  std::string dir(buf.data(), got);
  // A drive root comes back as "C:\"; the folder is kept without a trailing backslash.
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  return dir;
}

uint32_t Win32System::tickCount() { return GetTickCount(); }

}  // namespace mt
