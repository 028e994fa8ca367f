#include <windows.h>

#include <vector>

#include "memtool/platform/win32/system_services_win32.h"

namespace mt {
namespace {

// GetPrivateProfileStringA cuts a value to the buffer; the buffer grows until
// the whole value fits, so a value written back is never shortened.
std::string readWhole(const std::string& file, const char* section, const char* key, const char* dflt) {
  std::vector<char> buf(2048);
  for (;;) {
    DWORD n = GetPrivateProfileStringA(section, key, dflt, buf.data(), static_cast<DWORD>(buf.size()), file.c_str());
    if (n < buf.size() - 1 || buf.size() >= (1u << 20)) return std::string(buf.data(), n);
    buf.resize(buf.size() * 2);
  }
}

}  // namespace

std::string Win32PrivateProfile::readString(const std::string& file, const std::string& section,
                                            const std::string& key, const std::string& dflt) {
  return readWhole(file, section.c_str(), key.c_str(), dflt.c_str());
}

bool Win32PrivateProfile::writeString(const std::string& file, const std::string& section, const std::string& key,
                                      const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

bool Win32PrivateProfile::deleteKey(const std::string& file, const std::string& section, const std::string& key) {
  // Two different defaults tell a missing key from one that holds either.
  const std::string a = readWhole(file, section.c_str(), key.c_str(), "\x01");
  const std::string b = readWhole(file, section.c_str(), key.c_str(), "\x02");
  if (a == "\x01" && b == "\x02") return true;
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, file.c_str()) != FALSE;
}

}  // namespace mt
