#include "tweaker/platform/win32/win32_profile.h"

#include <windows.h>

namespace vdx {

namespace {

// The 95/98 family keeps profile buffers below 64 KB.
constexpr DWORD kMaxListBuffer = kProfileListBytes;

// A NUL-separated list ending with an empty entry. A list the call had to
// cut ends in a cut name, which is left out rather than shown as a name
// the file does not hold.
std::vector<std::string> splitList(const char* buf, DWORD length, bool cut) {
  std::vector<std::string> out;
  DWORD start = 0;
  for (DWORD i = 0; i < length; ++i) {
    if (buf[i] == '\0') {
      if (i > start) out.emplace_back(buf + start, i - start);
      start = i + 1;
    }
  }
  if (start < length) out.emplace_back(buf + start, length - start);
  if (cut && !out.empty()) out.pop_back();
  return out;
}

// Calls `fill` with growing buffers until the list fits (the calls answer
// size - 2 when they had to cut it).
template <typename Fill>
std::vector<std::string> readList(Fill fill) {
  for (DWORD size = 1024;; size *= 2) {
    if (size > kMaxListBuffer) size = kMaxListBuffer;
    std::vector<char> buf(size, '\0');
    DWORD n = fill(buf.data(), size);
    const bool cut = n + 2 >= size;
    if (!cut || size == kMaxListBuffer) return splitList(buf.data(), n < size ? n : size - 1, cut);
  }
}

}  // namespace

std::string Win32Profile::readString(const std::string& file, const std::string& section, const std::string& key,
                                     const std::string& dflt, std::size_t maxChars) {
  if (maxChars == 0) return std::string();
  if (maxChars > kMaxListBuffer) maxChars = kMaxListBuffer;
  std::vector<char> buf(maxChars, '\0');
  DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), dflt.c_str(), buf.data(),
                                     static_cast<DWORD>(maxChars), file.c_str());
  if (n >= maxChars) n = static_cast<DWORD>(maxChars - 1);
  return std::string(buf.data(), n);
}

bool Win32Profile::writeString(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

bool Win32Profile::deleteKey(const std::string& file, const std::string& section, const std::string& key) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, file.c_str()) != 0;
}

bool Win32Profile::deleteSection(const std::string& file, const std::string& section) {
  return WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str()) != 0;
}

std::vector<std::string> Win32Profile::keys(const std::string& file, const std::string& section) {
  return readList([&](char* buf, DWORD size) {
    return GetPrivateProfileStringA(section.c_str(), nullptr, "", buf, size, file.c_str());
  });
}

std::vector<std::string> Win32Profile::sections(const std::string& file) {
  return readList([&](char* buf, DWORD size) { return GetPrivateProfileSectionNamesA(buf, size, file.c_str()); });
}

}  // namespace vdx
