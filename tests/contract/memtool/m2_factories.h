// The SYSTEM.INI service under contract: the fake on the host, the real
// profile functions under Wine, each with scratch files to work on.
#pragma once
#include <memory>
#include <string>

#include "memtool/platform/private_profile.h"

namespace mt {
namespace contract {

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
