#include <windows.h>

#include <algorithm>
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
  // Each call reads the whole file, so the removal is tried first; only a
  // failed one asks whether there was anything to remove (two different
  // defaults tell a missing key from one that holds either).
  if (WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, file.c_str())) return true;
  const std::string a = readWhole(file, section.c_str(), key.c_str(), "\x01");
  const std::string b = readWhole(file, section.c_str(), key.c_str(), "\x02");
  return a == "\x01" && b == "\x02";
}

bool Win32PrivateProfile::readSection(const std::string& file, const std::string& section,
                                      std::vector<std::string>* lines) {
  // A section cut short comes back as size - 2 characters. The 95/98 family
  // takes at most 32,767, so a larger buffer proves nothing there.
  std::vector<char> buf(4096);
  DWORD n;
  for (;;) {
    n = GetPrivateProfileSectionA(section.c_str(), buf.data(), static_cast<DWORD>(buf.size()), file.c_str());
    if (n + 2 < buf.size()) break;
    if (buf.size() >= 32767) return false;
    buf.resize(std::min<size_t>(buf.size() * 2, 32767));
  }
  lines->clear();
  for (DWORD i = 0; i < n;) {
    const std::string line(buf.data() + i);
    i += static_cast<DWORD>(line.size()) + 1;
    lines->push_back(line);
  }
  return true;
}

}  // namespace mt
