#include <windows.h>

#include "memtool/platform/win32/win32_seam.h"

namespace mt {

namespace {

HKEY rootKey(RegRoot root) {
  switch (root) {
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::DynData: return HKEY_DYN_DATA;
  }
  return HKEY_CURRENT_USER;
}

HKEY asKey(RegKeyHandle key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

bool Win32Registry::createKey(RegRoot root, const std::string& path, RegKeyHandle* out) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  LONG rc = RegCreateKeyExA(rootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, &key, &disposition);
  *out = rc == ERROR_SUCCESS ? reinterpret_cast<RegKeyHandle>(key) : 0;
  return rc == ERROR_SUCCESS;
}

bool Win32Registry::openKey(RegRoot root, const std::string& path, RegKeyHandle* out) {
  HKEY key = nullptr;
  // The statistics root is only ever read.
  REGSAM access = root == RegRoot::DynData ? KEY_READ : KEY_READ | KEY_WRITE;
  LONG rc = RegOpenKeyExA(rootKey(root), path.c_str(), 0, access, &key);
  *out = rc == ERROR_SUCCESS ? reinterpret_cast<RegKeyHandle>(key) : 0;
  return rc == ERROR_SUCCESS;
}

bool Win32Registry::openKeyToRead(RegRoot root, const std::string& path, RegKeyHandle* out) {
  HKEY key = nullptr;
  LONG rc = RegOpenKeyExA(rootKey(root), path.c_str(), 0, KEY_READ, &key);
  *out = rc == ERROR_SUCCESS ? reinterpret_cast<RegKeyHandle>(key) : 0;
  return rc == ERROR_SUCCESS;
}

void Win32Registry::closeKey(RegKeyHandle key) {
  if (key) RegCloseKey(asKey(key));
}

bool Win32Registry::valueExists(RegKeyHandle key, const std::string& name) {
  DWORD type = 0, size = 0;
  return RegQueryValueExA(asKey(key), name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
}

bool Win32Registry::queryValue(RegKeyHandle key, const std::string& name, uint32_t* type,
                               std::vector<uint8_t>* data) {
  // The value may grow between asking for its size and reading it.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD t = 0, size = 0;
    if (RegQueryValueExA(asKey(key), name.c_str(), nullptr, &t, nullptr, &size) != ERROR_SUCCESS)
      return false;
    data->assign(size, 0);
    LONG rc = RegQueryValueExA(asKey(key), name.c_str(), nullptr, &t, size ? data->data() : nullptr, &size);
    if (rc == ERROR_MORE_DATA) continue;
    if (rc != ERROR_SUCCESS) return false;
    data->resize(size);
    *type = t;
    return true;
  }
  return false;
}

bool Win32Registry::setValue(RegKeyHandle key, const std::string& name, uint32_t type, const void* data,
                             std::size_t size) {
  if (size > 0xFFFFFFFFu) return false;
  return RegSetValueExA(asKey(key), name.c_str(), 0, type, static_cast<const BYTE*>(data),
                        static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool Win32Registry::deleteValue(RegKeyHandle key, const std::string& name) {
  return RegDeleteValueA(asKey(key), name.c_str()) == ERROR_SUCCESS;
}

}  // namespace mt
