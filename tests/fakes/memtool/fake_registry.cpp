#include "tests/fakes/memtool/fake_registry.h"

#include <algorithm>
#include <cctype>

namespace mt {

std::string FakeRegistry::lower(const std::string& s) {
  std::string r = s;
  std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return r;
}

bool FakeRegistry::createKey(RegRoot root, const std::string& path, RegKeyHandle* out) {
  *out = 0;
  if (deniedRoots.count(root) || readOnlyRoots.count(root)) return false;
  KeyId id{root, lower(path)};
  keys_[id];
  *out = next_++;
  open_[*out] = id;
  return true;
}

bool FakeRegistry::openKey(RegRoot root, const std::string& path, RegKeyHandle* out) {
  *out = 0;
  KeyId id{root, lower(path)};
  if (deniedRoots.count(root) || readOnlyRoots.count(root) || !keys_.count(id)) return false;
  *out = next_++;
  open_[*out] = id;
  return true;
}

bool FakeRegistry::openKeyToRead(RegRoot root, const std::string& path, RegKeyHandle* out) {
  *out = 0;
  KeyId id{root, lower(path)};
  if (deniedRoots.count(root) || !keys_.count(id)) return false;
  *out = next_++;
  open_[*out] = id;
  openToRead_.insert(*out);
  return true;
}

void FakeRegistry::closeKey(RegKeyHandle key) {
  open_.erase(key);
  openToRead_.erase(key);
}

bool FakeRegistry::valueExists(RegKeyHandle key, const std::string& name) {
  auto k = open_.find(key);
  return k != open_.end() && keys_[k->second].count(lower(name)) != 0;
}

bool FakeRegistry::queryValue(RegKeyHandle key, const std::string& name, uint32_t* type,
                              std::vector<uint8_t>* data) {
  auto k = open_.find(key);
  if (k == open_.end()) return false;
  auto& values = keys_[k->second];
  auto v = values.find(lower(name));
  if (v == values.end()) return false;
  *type = v->second.type;
  *data = v->second.data;
  return true;
}

bool FakeRegistry::setValue(RegKeyHandle key, const std::string& name, uint32_t type, const void* data,
                            std::size_t size) {
  auto k = open_.find(key);
  if (k == open_.end() || openToRead_.count(key) || failingWrites.count(name)) return false;
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  keys_[k->second][lower(name)] = Value{type, std::vector<uint8_t>(bytes, bytes + size)};
  writes.push_back(name);
  return true;
}

bool FakeRegistry::deleteValue(RegKeyHandle key, const std::string& name) {
  auto k = open_.find(key);
  return k != open_.end() && !openToRead_.count(key) && keys_[k->second].erase(lower(name)) != 0;
}

void FakeRegistry::setRaw(RegRoot root, const std::string& path, const std::string& name, uint32_t type,
                          std::vector<uint8_t> bytes) {
  keys_[{root, lower(path)}][lower(name)] = Value{type, std::move(bytes)};
}

void FakeRegistry::setDword(RegRoot root, const std::string& path, const std::string& name, uint32_t v) {
  setRaw(root, path, name, kRegDword,
         {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
          static_cast<uint8_t>(v >> 24)});
}

void FakeRegistry::setDouble(RegRoot root, const std::string& path, const std::string& name, double v) {
  std::vector<uint8_t> b(8);
  std::memcpy(b.data(), &v, 8);
  setRaw(root, path, name, kRegBinary, b);
}

void FakeRegistry::setString(RegRoot root, const std::string& path, const std::string& name,
                             const std::string& v) {
  std::vector<uint8_t> b(v.begin(), v.end());
  b.push_back(0);
  setRaw(root, path, name, kRegSz, b);
}

const FakeRegistry::Value* FakeRegistry::get(RegRoot root, const std::string& path, const std::string& name) const {
  auto k = keys_.find({root, lower(path)});
  if (k == keys_.end()) return nullptr;
  auto v = k->second.find(lower(name));
  return v == k->second.end() ? nullptr : &v->second;
}

bool FakeRegistry::has(RegRoot root, const std::string& path, const std::string& name) const {
  return get(root, path, name) != nullptr;
}

uint32_t FakeRegistry::dword(RegRoot root, const std::string& path, const std::string& name) const {
  const Value* v = get(root, path, name);
  if (!v || v->data.size() != 4) return 0xDEADBEEF;
  return v->data[0] | (v->data[1] << 8) | (v->data[2] << 16) | (static_cast<uint32_t>(v->data[3]) << 24);
}

double FakeRegistry::getDouble(RegRoot root, const std::string& path, const std::string& name) const {
  const Value* v = get(root, path, name);
  double d = -12345;
  if (v && v->data.size() == 8) std::memcpy(&d, v->data.data(), 8);
  return d;
}

std::string FakeRegistry::string(RegRoot root, const std::string& path, const std::string& name) const {
  const Value* v = get(root, path, name);
  if (!v) return "<missing>";
  std::string s(v->data.begin(), v->data.end());
  if (!s.empty() && s.back() == '\0') s.pop_back();
  return s;
}

bool FakeRegistry::keyExists(RegRoot root, const std::string& path) const {
  return keys_.count({root, lower(path)}) != 0;
}

}  // namespace mt
