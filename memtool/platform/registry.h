// The registry as Memtidy's logic sees it: keys by handle, values as
// (type, bytes). Real Win32 in platform/win32, an in-memory fake for tests.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace mt {

enum class RegRoot : uint32_t { CurrentUser, LocalMachine, DynData };

// Value types, with their Win32 numbers.
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;

using RegKeyHandle = std::uintptr_t;  // 0 = no key

class Registry {
 public:
  virtual ~Registry() = default;
  // Create-or-open a key path (backslash-separated) under a root.
  virtual bool createKey(RegRoot root, const std::string& path, RegKeyHandle* out) = 0;
  // Open an existing key path under a root, for reading and writing values.
  virtual bool openKey(RegRoot root, const std::string& path, RegKeyHandle* out) = 0;
  // Open an existing key path only to read it: a user who may not change a
  // key may still read it.
  virtual bool openKeyToRead(RegRoot root, const std::string& path, RegKeyHandle* out) = 0;
  virtual void closeKey(RegKeyHandle key) = 0;
  virtual bool valueExists(RegKeyHandle key, const std::string& name) = 0;
  // The whole stored value, exactly as stored: a REG_SZ may lack its NUL.
  virtual bool queryValue(RegKeyHandle key, const std::string& name, uint32_t* type,
                          std::vector<uint8_t>* data) = 0;
  virtual bool setValue(RegKeyHandle key, const std::string& name, uint32_t type, const void* data,
                        std::size_t size) = 0;
  virtual bool deleteValue(RegKeyHandle key, const std::string& name) = 0;
};

// Owns an open key for the length of one operation.
class RegKey {
 public:
  RegKey() = default;
  ~RegKey() { close(); }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  bool open(Registry& reg, RegRoot root, const std::string& path) {
    close();
    reg_ = &reg;
    return reg.openKey(root, path, &key_);
  }
  bool openToRead(Registry& reg, RegRoot root, const std::string& path) {
    close();
    reg_ = &reg;
    return reg.openKeyToRead(root, path, &key_);
  }
  bool create(Registry& reg, RegRoot root, const std::string& path) {
    close();
    reg_ = &reg;
    return reg.createKey(root, path, &key_);
  }
  void close() {
    if (key_ && reg_) reg_->closeKey(key_);
    key_ = 0;
  }
  explicit operator bool() const { return key_ != 0; }
  RegKeyHandle handle() const { return key_; }

 private:
  Registry* reg_ = nullptr;
  RegKeyHandle key_ = 0;
};

}  // namespace mt
