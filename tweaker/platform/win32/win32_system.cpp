#include "tweaker/platform/win32/win32_system.h"

#include <windows.h>

#include <cpuid.h>
#include <cstdio>
#include <cstring>
#include <vector>
#include <x86intrin.h>

namespace vdx {

namespace {

constexpr DWORD kPathBuffer = MAX_PATH + 1;
constexpr DWORD kOsVersionInfoSize = 148;  // OSVERSIONINFOA
constexpr int kDateTimeChars = 32;
constexpr uint32_t kCpuidTscBit = 1u << 4;  // leaf 1, edx

std::string withoutTrailingBackslash(std::string s) {
  while (s.size() > 1 && s.back() == '\\') s.pop_back();
  return s;
}

std::string fromBuffer(const char* buf, UINT n) {
  if (n == 0 || n >= kPathBuffer) return std::string();
  return withoutTrailingBackslash(std::string(buf, n));
}

}  // namespace

std::string Win32System::systemDirectory() {
  char buf[kPathBuffer];
  return fromBuffer(buf, GetSystemDirectoryA(buf, kPathBuffer));
}

std::string Win32System::windowsDirectory() {
  char buf[kPathBuffer];
  return fromBuffer(buf, GetWindowsDirectoryA(buf, kPathBuffer));
}

std::string Win32System::programDirectory() {
  char buf[kPathBuffer];
  DWORD n = GetModuleFileNameA(nullptr, buf, kPathBuffer);
  if (n == 0 || n >= kPathBuffer) return std::string();
  std::string path(buf, n);
  std::size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : withoutTrailingBackslash(path.substr(0, slash));
}

bool Win32System::setCurrentDirectory(const std::string& dir) { return SetCurrentDirectoryA(dir.c_str()) != 0; }

bool Win32System::fileVersionText(const std::string& path, std::string* text) {
  text->clear();
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return false;
  std::vector<char> info(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, info.data())) return false;
  void* translation = nullptr;
  UINT translationLen = 0;
  if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &translation, &translationLen) ||
      translationLen < 4 || !translation)
    return false;
  const unsigned char* t = static_cast<const unsigned char*>(translation);
  const unsigned language = t[0] | t[1] << 8;
  const unsigned codePage = t[2] | t[3] << 8;
  char query[64];
  // wsprintfA: the text always fits, and the C99 formatter costs the program 40 KB.
  wsprintfA(query, "\\StringFileInfo\\%02x%02x%02x%02x\\FileVersion", language >> 8, language & 0xFF,
            codePage >> 8, codePage & 0xFF);
  void* value = nullptr;
  UINT valueLen = 0;
  if (!VerQueryValueA(info.data(), query, &value, &valueLen) || !value) return false;
  // The length counts characters and may include the NUL; never read past either.
  const char* s = static_cast<const char*>(value);
  const char* end = info.data() + info.size();
  std::size_t n = 0;
  while (n < valueLen && s + n < end && s[n] != '\0') ++n;
  text->assign(s, n);
  return true;
}

MemoryStatusRecord Win32System::memoryStatus() {
  MEMORYSTATUS ms;
  std::memset(&ms, 0, sizeof ms);
  ms.dwLength = sizeof ms;
  GlobalMemoryStatus(&ms);
  MemoryStatusRecord r;
  r.totalPhys = ms.dwTotalPhys;
  r.availPhys = ms.dwAvailPhys;
  r.totalPageFile = ms.dwTotalPageFile;
  r.availPageFile = ms.dwAvailPageFile;
  return r;
}

OsVersionRecord Win32System::osVersion() {
  OSVERSIONINFOA vi;
  std::memset(&vi, 0, sizeof vi);
  vi.dwOSVersionInfoSize = kOsVersionInfoSize;
  OsVersionRecord r;
  if (!GetVersionExA(&vi)) return r;
  r.majorVersion = vi.dwMajorVersion;
  r.minorVersion = vi.dwMinorVersion;
  r.buildNumber = vi.dwBuildNumber;
  r.platformId = vi.dwPlatformId;
  const void* nul = std::memchr(vi.szCSDVersion, 0, sizeof vi.szCSDVersion);
  r.csdVersion.assign(vi.szCSDVersion, nul ? static_cast<const char*>(nul) - vi.szCSDVersion : sizeof vi.szCSDVersion);
  return r;
}

uint32_t Win32System::tickCount() { return GetTickCount(); }

bool Win32System::cpuid(uint32_t leaf, uint32_t regs[4]) {
  // Zero when the processor has no CPUID instruction (checked by the ID flag).
  if (__get_cpuid_max(0, nullptr) == 0) return false;
  unsigned a = 0, b = 0, c = 0, d = 0;
  __cpuid(leaf, a, b, c, d);
  regs[0] = a;
  regs[1] = b;
  regs[2] = c;
  regs[3] = d;
  return true;
}

bool Win32System::rdtsc(uint64_t* value) {
  uint32_t regs[4];
  if (!cpuid(1, regs) || !(regs[3] & kCpuidTscBit)) return false;
  *value = __rdtsc();
  return true;
}

bool Win32System::localDateTime(std::string* date, std::string* time) {
  char d[kDateTimeChars] = {};
  char t[kDateTimeChars] = {};
  if (!GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, d, kDateTimeChars)) return false;
  if (!GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_FORCE24HOURFORMAT, nullptr, nullptr, t, kDateTimeChars)) return false;
  d[kDateTimeChars - 1] = t[kDateTimeChars - 1] = '\0';
  if (date) *date = d;
  if (time) *time = t;
  return true;
}

}  // namespace vdx
