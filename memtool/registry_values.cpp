#include "memtool/registry_values.h"

#include <cstring>
#include <vector>

#include "memtool/errors.h"

namespace mt {

namespace {
bool query(Registry& reg, RegKeyHandle key, const std::string& name, uint32_t* type,
           std::vector<uint8_t>* data) {
  return key != 0 && reg.queryValue(key, name, type, data);
}
bool isText(uint32_t type) { return type == kRegSz || type == kRegExpandSz; }
}  // namespace

bool readWord(Registry& reg, RegKeyHandle key, const std::string& name, uint16_t* out) {
  uint32_t type = 0;
  std::vector<uint8_t> data;
  if (!query(reg, key, name, &type, &data) || type != kRegDword || data.size() != 4) return false;
  *out = static_cast<uint16_t>(data[0] | (data[1] << 8));
  return true;
}

bool readDouble(Registry& reg, RegKeyHandle key, const std::string& name, double* out) {
  uint32_t type = 0;
  std::vector<uint8_t> data;
  if (!query(reg, key, name, &type, &data) || type != kRegBinary || data.size() != sizeof(double))
    return false;
  std::memcpy(out, data.data(), sizeof(double));
  return true;
}

bool readText(Registry& reg, RegKeyHandle key, const std::string& name, std::string* out) {
  uint32_t type = 0;
  std::vector<uint8_t> data;
  if (!query(reg, key, name, &type, &data) || !isText(type)) return false;
  std::size_t n = 0;
  while (n < data.size() && data[n] != 0) ++n;
  out->assign(reinterpret_cast<const char*>(data.data()), n);
  return true;
}

bool isTextValue(Registry& reg, RegKeyHandle key, const std::string& name) {
  uint32_t type = 0;
  std::vector<uint8_t> data;
  return query(reg, key, name, &type, &data) && isText(type);
}

void writeDword(Registry& reg, RegKeyHandle key, const std::string& name, uint32_t value) {
  uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                      static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  if (key == 0 || !reg.setValue(key, name, kRegDword, bytes, sizeof bytes)) throw failedToSetData(name);
}

void writeDouble(Registry& reg, RegKeyHandle key, const std::string& name, double value) {
  uint8_t bytes[sizeof(double)];
  std::memcpy(bytes, &value, sizeof bytes);
  if (key == 0 || !reg.setValue(key, name, kRegBinary, bytes, sizeof bytes)) throw failedToSetData(name);
}

void writeText(Registry& reg, RegKeyHandle key, const std::string& name, const std::string& value) {
  // Stored with its terminating NUL, as the system's own text values are.
  if (key == 0 || !reg.setValue(key, name, kRegSz, value.c_str(), value.size() + 1))
    throw failedToSetData(name);
}

}  // namespace mt
