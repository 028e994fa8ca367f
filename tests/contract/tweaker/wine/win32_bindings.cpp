// Binds the contract tests to the real Win32 seam (run under Wine).
#include <windows.h>

#include <cstdio>

#include "tests/contract/tweaker/contract_factories.h"
#include "tweaker/platform/win32/win32_display.h"
#include "tweaker/platform/win32/win32_profile.h"
#include "tweaker/platform/win32/win32_registry.h"
#include "tweaker/platform/win32/win32_system.h"

namespace vdx {
namespace contract {

namespace {
std::string tempDir() {
  char buf[MAX_PATH + 1];
  DWORD n = GetTempPathA(sizeof buf, buf);
  std::string dir = (n && n < sizeof buf) ? std::string(buf, n) : std::string("C:\\");
  if (dir.back() != '\\') dir += '\\';
  return dir;
}
}  // namespace

std::unique_ptr<Registry> makeRegistry() { return std::make_unique<Win32Registry>(); }
std::unique_ptr<ProfileFile> makeProfile() { return std::make_unique<Win32Profile>(); }
std::unique_ptr<SystemServices> makeSystem() { return std::make_unique<Win32System>(); }
std::unique_ptr<Display> makeDisplay() { return std::make_unique<Win32Display>(); }
std::string scratchIniPath(const std::string& name) { return tempDir() + name; }
void removeScratchFile(const std::string& path) {
  // Flushes the kernel's cached copy before the file goes.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
  DeleteFileA(path.c_str());
}
void writeScratchFile(ProfileFile&, const std::string& path, const std::string& text) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}
std::string fileWithoutVersion() {
  const std::string path = tempDir() + "vdx_plain.drv";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return std::string();
  std::fputs("not a program", f);
  std::fclose(f);
  return path;
}

}  // namespace contract
}  // namespace vdx
