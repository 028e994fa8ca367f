// In-memory registry: a tree of keys per root, values stored byte for byte as
// given (a REG_SZ keeps a missing NUL, as the 95/98 family does). Names
// compare case-insensitively; subkeys and values enumerate sorted by name,
// as the Win32 registry does under Wine.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tweaker/platform/registry.h"

namespace vdx {

class FakeRegistry : public Registry {
 public:
  FakeRegistry();
  ~FakeRegistry() override;

  bool createKey(RegRoot root, const std::string& path, RegKeyHandle* out) override;
  bool openKey(RegRoot root, const std::string& path, RegKeyHandle* out) override;
  void closeKey(RegKeyHandle key) override;
  bool queryValue(RegKeyHandle key, const std::string& name, uint32_t* type, std::vector<uint8_t>* data) override;
  bool setValue(RegKeyHandle key, const std::string& name, uint32_t type, const void* data,
                std::size_t size) override;
  bool deleteValue(RegKeyHandle key, const std::string& name) override;
  bool enumSubKey(RegKeyHandle key, uint32_t index, std::string* name) override;
  bool enumValue(RegKeyHandle key, uint32_t index, std::string* name) override;
  bool createSubKey(RegKeyHandle key, const std::string& name) override;
  bool deleteSubKey(RegKeyHandle key, const std::string& name) override;
  bool flushKey(RegKeyHandle key) override;

  // Test conveniences working on whole paths.
  bool keyExists(RegRoot root, const std::string& path) const;
  void setString(RegRoot root, const std::string& path, const std::string& name, const std::string& text);
  void setDword(RegRoot root, const std::string& path, const std::string& name, uint32_t value);
  void setRaw(RegRoot root, const std::string& path, const std::string& name, uint32_t type,
              const std::vector<uint8_t>& bytes);
  // False when the key or value is missing.
  bool getRaw(RegRoot root, const std::string& path, const std::string& name, uint32_t* type,
              std::vector<uint8_t>* bytes) const;
  // A REG_SZ value up to its first NUL; empty when missing or of another type.
  std::string getString(RegRoot root, const std::string& path, const std::string& name) const;
  bool hasValue(RegRoot root, const std::string& path, const std::string& name) const;

  // Keys opened and not yet closed: tests check that every operation closes what it opened.
  std::size_t openKeyCount() const { return handles_.size(); }
  std::size_t flushCount() const { return flushes_; }

 private:
  struct Node;
  Node* walk(RegRoot root, const std::string& path, bool create) const;
  Node* node(RegKeyHandle key) const;
  RegKeyHandle newHandle(Node* n);
  static void addValue(Node* n, const std::string& name, uint32_t type, const std::vector<uint8_t>& bytes);

  std::map<RegRoot, std::shared_ptr<Node>> roots_;
  std::map<RegKeyHandle, std::shared_ptr<Node>> handles_;
  RegKeyHandle nextHandle_ = 0x1000;
  std::size_t flushes_ = 0;
};

}  // namespace vdx
