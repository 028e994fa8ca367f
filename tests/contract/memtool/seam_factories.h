// Memtidy's seam services under contract: made by the fakes on the host and
// by the real Win32 implementation under Wine, SYSTEM.INI's profile service
// with scratch files to work on.
#pragma once
#include <memory>
#include <string>

#include "memtool/platform/memory.h"
#include "memtool/platform/private_profile.h"
#include "memtool/platform/registry.h"
#include "memtool/platform/system.h"

namespace mt {
namespace contract {

std::unique_ptr<Registry> makeRegistry();
std::unique_ptr<SystemServices> makeSystem();
std::unique_ptr<VirtualMemory> makeMemory();

class ProfileFiles {
 public:
  virtual ~ProfileFiles() = default;
  virtual PrivateProfile& profile() = 0;
  // A scratch file's name as the service takes it; the file does not exist yet.
  virtual std::string path(const std::string& name) = 0;
  virtual void put(const std::string& path, const std::string& text) = 0;
  virtual std::string get(const std::string& path) = 0;
  // Another program holds the file open without sharing.
  virtual void lock(const std::string& path) = 0;
};

std::unique_ptr<ProfileFiles> makeProfileFiles();


}  // namespace contract
}  // namespace mt
