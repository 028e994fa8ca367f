// The contract under Wine: the real Win32 services; the profile functions
// work on scratch files in the temporary folder.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "memtool/platform/win32/system_services_win32.h"
#include "memtool/platform/win32/win32_seam.h"
#include "tests/contract/memtool/seam_factories.h"

namespace mt {
namespace contract {

std::unique_ptr<Registry> makeRegistry() { return std::unique_ptr<Registry>(new Win32Registry()); }
std::unique_ptr<SystemServices> makeSystem() { return std::unique_ptr<SystemServices>(new Win32System()); }
std::unique_ptr<VirtualMemory> makeMemory() { return std::unique_ptr<VirtualMemory>(new Win32Memory()); }

namespace {

class Win32ProfileFiles : public ProfileFiles {
 public:
  ~Win32ProfileFiles() override {
    for (HANDLE h : locks_) CloseHandle(h);
    for (const std::string& p : made_) DeleteFileA(p.c_str());
  }
  PrivateProfile& profile() override { return real_; }
  std::string path(const std::string& name) override {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    std::string p = std::string(dir) + "memtidy-" + std::to_string(GetCurrentProcessId()) + "-" + name;
    DeleteFileA(p.c_str());
    made_.push_back(p);
    return p;
  }
  void put(const std::string& path, const std::string& text) override {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
      std::fwrite(text.data(), 1, text.size(), f);
      std::fclose(f);
    }
  }
  std::string get(const std::string& path) override {
    std::string out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
      char buf[4096];
      size_t n;
      while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
      std::fclose(f);
    }
    return out;
  }
  void lock(const std::string& path) override {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) locks_.push_back(h);
  }

 private:
  Win32PrivateProfile real_;
  std::vector<std::string> made_;
  std::vector<HANDLE> locks_;
};

}  // namespace

std::unique_ptr<ProfileFiles> makeProfileFiles() { return std::make_unique<Win32ProfileFiles>(); }

}  // namespace contract
}  // namespace mt
