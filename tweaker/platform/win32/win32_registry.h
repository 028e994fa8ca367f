// The registry seam on advapi32. Key handles are HKEYs.
#pragma once
#include "tweaker/platform/registry.h"

namespace vdx {

class Win32Registry : public Registry {
 public:
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
};

}  // namespace vdx
