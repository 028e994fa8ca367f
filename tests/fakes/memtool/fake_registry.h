// An in-memory registry with typed values, exact bytes and switchable write
// failures. Key paths and value names compare case-insensitively, as Windows does.
#pragma once
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "memtool/platform/registry.h"

namespace mt {

class FakeRegistry : public Registry {
 public:
  struct Value {
    uint32_t type = 0;
    std::vector<uint8_t> data;
  };

  bool createKey(RegRoot root, const std::string& path, RegKeyHandle* out) override;
  bool openKey(RegRoot root, const std::string& path, RegKeyHandle* out) override;
  bool openKeyToRead(RegRoot root, const std::string& path, RegKeyHandle* out) override;
  void closeKey(RegKeyHandle key) override;
  bool valueExists(RegKeyHandle key, const std::string& name) override;
  bool queryValue(RegKeyHandle key, const std::string& name, uint32_t* type,
                  std::vector<uint8_t>* data) override;
  bool setValue(RegKeyHandle key, const std::string& name, uint32_t type, const void* data,
                std::size_t size) override;
  bool deleteValue(RegKeyHandle key, const std::string& name) override;

  // Test helpers.
  void setRaw(RegRoot root, const std::string& path, const std::string& name, uint32_t type,
              std::vector<uint8_t> bytes);
  void setDword(RegRoot root, const std::string& path, const std::string& name, uint32_t v);
  void setDouble(RegRoot root, const std::string& path, const std::string& name, double v);
  void setString(RegRoot root, const std::string& path, const std::string& name, const std::string& v);
  bool has(RegRoot root, const std::string& path, const std::string& name) const;
  const Value* get(RegRoot root, const std::string& path, const std::string& name) const;
  uint32_t dword(RegRoot root, const std::string& path, const std::string& name) const;
  double getDouble(RegRoot root, const std::string& path, const std::string& name) const;
  std::string string(RegRoot root, const std::string& path, const std::string& name) const;
  bool keyExists(RegRoot root, const std::string& path) const;
  void addKey(RegRoot root, const std::string& path) { keys_[{root, lower(path)}]; }
  // Writes of these value names fail; keys under a denied root cannot be created or opened.
  std::set<std::string> failingWrites;
  std::set<RegRoot> deniedRoots;
  // Keys under a read-only root open only to be read, as for a user without
  // the right to change them: creating, opening to write and writing fail.
  std::set<RegRoot> readOnlyRoots;
  int openKeys() const { return static_cast<int>(open_.size()); }
  // Every value written, as "name", in order.
  std::vector<std::string> writes;

 private:
  using KeyId = std::pair<RegRoot, std::string>;
  static std::string lower(const std::string& s);
  std::map<KeyId, std::map<std::string, Value>> keys_;
  std::map<RegKeyHandle, KeyId> open_;
  std::set<RegKeyHandle> openToRead_;
  RegKeyHandle next_ = 100;
};

}  // namespace mt
