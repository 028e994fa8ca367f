#include <windows.h>
#include <shellapi.h>

#include "memtool/platform/win32/system_services_win32.h"

namespace mt {
namespace {
const char* orNull(const std::string& s) { return s.empty() ? nullptr : s.c_str(); }
}  // namespace

bool Win32ShellOpen::execute(WindowRef owner, const std::string& verb, const std::string& file,
                             const std::string& params, const std::string& dir, int showCmd) {
  HINSTANCE r = ShellExecuteA(reinterpret_cast<HWND>(owner), orNull(verb), file.c_str(), orNull(params),
                              orNull(dir), showCmd);
  return reinterpret_cast<INT_PTR>(r) > 32;
}

}  // namespace mt
