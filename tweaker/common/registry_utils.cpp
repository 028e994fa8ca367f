#include "tweaker/common/registry_utils.h"

#include <cstring>
#include <vector>

#include "tweaker/common/text_compare.h"
#include "tweaker/common/text_rules.h"

namespace vdx {

long openCreateKeyPath(Registry& reg, RegRoot root, const std::string& path, RegKey* out) {
  // Older registries create only one level per call, so every parent is made first.
  for (std::size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1)) {
    if (pos == 0) continue;
    RegKey parent;
    if (!parent.create(reg, root, path.substr(0, pos))) return kErrorCantOpen;
  }
  if (!out->create(reg, root, path)) return kErrorCantOpen;
  return 0;
}

bool readRawString(const RegKey& key, const std::string& name, std::size_t maxChars, std::string* out) {
  if (!key) return false;
  uint32_t type = 0;
  std::vector<uint8_t> data;
  if (!key.registry().queryValue(key.handle(), name, &type, &data) || type != kRegSz) return false;
  std::size_t len = 0;
  while (len < data.size() && len < maxChars && data[len] != 0) ++len;
  out->assign(reinterpret_cast<const char*>(data.data()), len);
  return true;
}

int32_t readOnOff(const RegKey& key, const std::string& name, int32_t dflt) {
  std::string text;
  if (!readRawString(key, name, kOnOffTextMax, &text)) return dflt;
  if (equalsNoCase(text, "On") || text == "1") return 1;
  if (equalsNoCase(text, "off") || text == "0") return 0;
  return dflt;
}

bool readStringValue(const RegKey& key, const std::string& name, std::string* out,
                     const std::string& dflt) {
  if (readRawString(key, name, kStringValueMax, out)) return true;
  *out = dflt;
  return false;
}

uint32_t readDwordValue(const RegKey& key, const std::string& name, uint32_t dflt) {
  if (!key) return dflt;
  uint32_t type = 0;
  std::vector<uint8_t> data;
  if (!key.registry().queryValue(key.handle(), name, &type, &data)) return dflt;
  if (type != kRegDword || data.size() < sizeof(uint32_t)) return dflt;
  uint32_t value = 0;
  std::memcpy(&value, data.data(), sizeof value);
  return value;
}

bool writeStringValue(const RegKey& key, const std::string& name, const std::string& text) {
  if (!key) return false;
  const std::string stored = text.substr(0, std::strlen(text.c_str()));
  return key.registry().setValue(key.handle(), name, kRegSz, stored.c_str(), stored.size() + 1);
}

bool writeOnOff(const RegKey& key, const std::string& name, bool on) {
  return writeStringValue(key, name, on ? "On" : "off");
}

bool deleteValue(const RegKey& key, const std::string& name) {
  if (!key) return false;
  uint32_t type = 0;
  std::vector<uint8_t> data;
  if (!key.registry().queryValue(key.handle(), name, &type, &data)) return true;
  return key.registry().deleteValue(key.handle(), name);
}

bool writeOnOffOrDelete(const RegKey& key, const std::string& name, int32_t value, int32_t dflt,
                        bool writeDefaults) {
  if (value == dflt && !writeDefaults) return deleteValue(key, name);
  return writeOnOff(key, name, value != 0);
}

bool writeDwordOrDelete(const RegKey& key, const std::string& name, uint32_t value, uint32_t dflt,
                        bool writeDefaults) {
  if (value == dflt && !writeDefaults) return deleteValue(key, name);
  if (!key) return false;
  return key.registry().setValue(key.handle(), name, kRegDword, &value, sizeof value);
}

bool clampInt(int32_t* value, int32_t low, int32_t high) {
  const int32_t before = *value;
  if (*value < low) *value = low;
  if (*value > high) *value = high;
  return *value != before;
}

bool clampFloat(float* value, float low, float high) {
  const float before = *value;
  if (*value < low) *value = low;
  if (*value > high) *value = high;
  return *value != before;
}

}  // namespace vdx
