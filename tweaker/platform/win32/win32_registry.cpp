#include "tweaker/platform/win32/win32_registry.h"

#include <windows.h>

namespace vdx {

namespace {

HKEY rootKey(RegRoot root) {
  switch (root) {
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
    case RegRoot::DynData: return HKEY_DYN_DATA;
  }
  return nullptr;
}

HKEY hkey(RegKeyHandle key) { return reinterpret_cast<HKEY>(key); }

// Owns a key opened inside one call.
class ScopedKey {
 public:
  explicit ScopedKey(HKEY k = nullptr) : key_(k) {}
  ~ScopedKey() {
    if (key_) RegCloseKey(key_);
  }
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_;
};

// Deep enough for any real branch; a deeper one is left for the system call to refuse.
constexpr int kMaxDeleteDepth = 32;

bool deleteBranch(HKEY parent, const char* name, int depth) {
  if (depth > kMaxDeleteDepth) return false;
  {
    ScopedKey key;
    if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, key.out()) != ERROR_SUCCESS) return false;
    // The NT family refuses to delete a key with subkeys: remove them first.
    char child[256];
    for (;;) {
      DWORD len = sizeof child;
      if (RegEnumKeyExA(key.get(), 0, child, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      if (!deleteBranch(key.get(), child, depth + 1)) return false;
    }
  }
  return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}

}  // namespace

bool Win32Registry::createKey(RegRoot root, const std::string& path, RegKeyHandle* out) {
  *out = 0;
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExA(rootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      &key, &disposition) != ERROR_SUCCESS)
    return false;
  *out = reinterpret_cast<RegKeyHandle>(key);
  return true;
}

bool Win32Registry::openKey(RegRoot root, const std::string& path, RegKeyHandle* out) {
  *out = 0;
  HKEY key = nullptr;
  LONG r = RegOpenKeyExA(rootKey(root), path.c_str(), 0, KEY_ALL_ACCESS, &key);
  // Without write rights a key can still be read.
  if (r == ERROR_ACCESS_DENIED) r = RegOpenKeyExA(rootKey(root), path.c_str(), 0, KEY_READ, &key);
  if (r != ERROR_SUCCESS) return false;
  *out = reinterpret_cast<RegKeyHandle>(key);
  return true;
}

void Win32Registry::closeKey(RegKeyHandle key) {
  if (key) RegCloseKey(hkey(key));
}

bool Win32Registry::queryValue(RegKeyHandle key, const std::string& name, uint32_t* type,
                               std::vector<uint8_t>* data) {
  // The value may grow between the size query and the read: retry a few times.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD t = 0, size = 0;
    if (RegQueryValueExA(hkey(key), name.c_str(), nullptr, &t, nullptr, &size) != ERROR_SUCCESS) return false;
    std::vector<uint8_t> buf(size + 1);
    DWORD got = size;
    LONG r = RegQueryValueExA(hkey(key), name.c_str(), nullptr, &t, buf.data(), &got);
    if (r == ERROR_MORE_DATA) continue;
    if (r != ERROR_SUCCESS) return false;
    buf.resize(got);
    if (type) *type = t;
    if (data) data->swap(buf);
    return true;
  }
  return false;
}

bool Win32Registry::setValue(RegKeyHandle key, const std::string& name, uint32_t type, const void* data,
                             std::size_t size) {
  static const BYTE kNothing = 0;
  return RegSetValueExA(hkey(key), name.c_str(), 0, type, size ? static_cast<const BYTE*>(data) : &kNothing,
                        static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool Win32Registry::deleteValue(RegKeyHandle key, const std::string& name) {
  return RegDeleteValueA(hkey(key), name.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::enumSubKey(RegKeyHandle key, uint32_t index, std::string* name) {
  char buf[256];
  DWORD len = sizeof buf;
  if (RegEnumKeyExA(hkey(key), index, buf, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) return false;
  name->assign(buf, len);
  return true;
}

bool Win32Registry::enumValue(RegKeyHandle key, uint32_t index, std::string* name) {
  std::vector<char> buf(16384);
  DWORD len = static_cast<DWORD>(buf.size());
  if (RegEnumValueA(hkey(key), index, buf.data(), &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  name->assign(buf.data(), len);
  return true;
}

bool Win32Registry::createSubKey(RegKeyHandle key, const std::string& name) {
  ScopedKey sub;
  DWORD disposition = 0;
  return RegCreateKeyExA(hkey(key), name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                         sub.out(), &disposition) == ERROR_SUCCESS;
}

bool Win32Registry::deleteSubKey(RegKeyHandle key, const std::string& name) {
  if (name.empty()) return false;
  return deleteBranch(hkey(key), name.c_str(), 0);
}

bool Win32Registry::flushKey(RegKeyHandle key) { return RegFlushKey(hkey(key)) == ERROR_SUCCESS; }

}  // namespace vdx
